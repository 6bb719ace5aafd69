// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Launches the game's start-up and the bare Qt program alternately and
// prints launch-to-first-paint times and peak resident memory of both. A
// second game (an older build) between them joins the alternation.
// Usage: bench_startup GAME [OLDER-GAME] MINIMAL [RUNS]
#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double ms;
    double mib;
};

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
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
    QStringList programs = app.arguments().mid(1);
    int runs = 15;
    bool isNumber = false;
    const int last = programs.isEmpty() ? 0 : programs.last().toInt(&isNumber);
    if (isNumber) {
        runs = last;
        programs.removeLast();
    }
    if (programs.size() < 2 || programs.size() > 3) {
        std::fprintf(stderr, "usage: bench_startup GAME [OLDER-GAME] MINIMAL [RUNS]\n");
        return 2;
    }
    const qsizetype n = programs.size();
    std::vector<std::vector<double>> ms(n), mib(n);
    // one warm-up each, so that all start from a warm file cache
    for (const QString &program : std::as_const(programs)) {
        Sample s;
        runOnce(program, s);
    }
    for (int i = 0; i < runs; ++i) {
        for (qsizetype p = 0; p < n; ++p) {
            Sample s;
            if (!runOnce(programs[p], s)) {
                std::fprintf(stderr, "run %d of %s failed\n", i, qPrintable(programs[p]));
                return 1;
            }
            ms[p].push_back(s.ms);
            mib[p].push_back(s.mib);
        }
    }
    QStringList names = {QStringLiteral("Gitterspor"), QStringLiteral("Gitterspor, older build"),
                         QStringLiteral("bare Qt window")};
    if (n == 2)
        names.removeAt(1);
    std::vector<Summary> t, m;
    for (qsizetype p = 0; p < n; ++p) {
        t.push_back(summarise(ms[p]));
        m.push_back(summarise(mib[p]));
        std::printf("%-26s first paint %7.1f ms (%.1f ... %.1f)   peak RSS %6.1f MiB (%.1f ... %.1f)   %d runs\n",
                    qPrintable(names[p]), t[p].median, t[p].low, t[p].high, m[p].median, m[p].low, m[p].high, runs);
    }
    for (qsizetype p = 0; p + 1 < n; ++p)
        std::printf("%-26s first paint %7.2f x          (target <= 1.05)   peak RSS %6.2f x (target <= 1.00)\n",
                    qPrintable(QStringLiteral("ratio") + (p ? QStringLiteral(", older build") : QString())),
                    t[p].median / t[n - 1].median, m[p].median / m[n - 1].median);
    return 0;
}
