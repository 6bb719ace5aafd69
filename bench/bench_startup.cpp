// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Launches the game's start-up and the bare Qt program alternately and
// prints launch-to-first-paint times and peak resident memory of both.
// Usage: bench_startup GAME MINIMAL [RUNS]
#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

struct Sample {
    double ms;
    double mib;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

bool runOnce(const QString &program, Sample &sample)
{
    QProcess process;
    const long long launched = monotonicNs();
    process.start(program, {});
    if (!process.waitForFinished(30000))
        return false;
    const QList<QByteArray> words = process.readAllStandardOutput().trimmed().split(' ');
    if (words.size() != 3 || words[0] != "FIRSTPAINT")
        return false;
    sample.ms = (words[1].toLongLong() - launched) / 1e6;
    sample.mib = words[2].toLong() / 1024.0;
    return true;
}

struct Summary {
    double median, low, high;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup GAME MINIMAL [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    const QString programs[2] = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    std::vector<double> ms[2], mib[2];
    // one warm-up each, so that both start from a warm file cache
    for (const QString &program : programs) {
        Sample s;
        runOnce(program, s);
    }
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            Sample s;
            if (!runOnce(programs[p], s)) {
                std::fprintf(stderr, "run %d of %s failed\n", i, qPrintable(programs[p]));
                return 1;
            }
            ms[p].push_back(s.ms);
            mib[p].push_back(s.mib);
        }
    }
    const char *names[2] = {"Gitterspor", "bare Qt window"};
    Summary t[2], m[2];
    for (int p = 0; p < 2; ++p) {
        t[p] = summarise(ms[p]);
        m[p] = summarise(mib[p]);
        std::printf("%-26s first paint %7.1f ms (%.1f ... %.1f)   peak RSS %6.1f MiB (%.1f ... %.1f)   %d runs\n",
                    names[p], t[p].median, t[p].low, t[p].high, m[p].median, m[p].low, m[p].high, runs);
    }
    std::printf("%-26s first paint %7.2f x          (target <= 1.20)   peak RSS %6.2f x (target <= 1.30)\n",
                "ratio", t[0].median / t[1].median, m[0].median / m[1].median);
    return 0;
}
