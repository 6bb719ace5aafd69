// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "HelpViewer.h"
#include "Artwork.h"
#include "MessageDlg.h"
#include "WindowPlacement.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString g_helpFile;
QPointer<HelpViewer> g_viewer;

// The help files the program ships, by the names it knows them by.
QString resolve(const QString &name)
{
    const QString base = QFileInfo(name).completeBaseName().toLower();
    const QString path = QStringLiteral(":/help/%1.html").arg(base == QLatin1String("gittersp") ? QStringLiteral("gitterspor") : base);
    return QFile::exists(path) ? path : QString();
}

} // namespace

void HelpViewer::setHelpFile(const QString &name)
{
    g_helpFile = name;
}

HelpViewer *HelpViewer::instance()
{
    return g_viewer.data();
}

bool HelpViewer::showContents()
{
    return open(QStringLiteral("indhold"));
}

bool HelpViewer::showContext(int context)
{
    return open(QStringLiteral("k%1").arg(context));
}

bool HelpViewer::open(const QString &anchor)
{
    const QString path = resolve(g_helpFile);
    if (path.isEmpty()) {
        showError(tr("Hjælpen \"%1\" kan ikke findes.").arg(g_helpFile));
        return false;
    }
    QUrl url(QStringLiteral("qrc") + path);
    url.setFragment(anchor);
    if (!g_viewer)
        g_viewer = new HelpViewer(url);
    else
        g_viewer->m_browser->setSource(url);
    g_viewer->show();
    g_viewer->raise();
    g_viewer->activateWindow();
    return true;
}

HelpViewer::HelpViewer(const QUrl &source)
    : QWidget(nullptr, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // the board window is the program: closing it ends the run, help or not
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Gitterspor – vejledning"));
    setWindowIcon(Artwork::programIcon());

    m_back = new QToolButton(this);
    m_back->setText(tr("Tilbage"));
    m_back->setEnabled(false);
    m_forward = new QToolButton(this);
    m_forward->setText(tr("Frem"));
    m_forward->setEnabled(false);
    auto *contents = new QToolButton(this);
    contents->setText(tr("Indhold"));

    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(false);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(contents);
    bar->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(contents, &QToolButton::clicked, this, [this] {
        QUrl url = m_browser->source();
        url.setFragment(QStringLiteral("indhold"));
        m_browser->setSource(url);
    });

    m_browser->setSource(source);
    const QRect screen = WindowPlacement::screenArea(this, true);
    resize(std::min(720, screen.width() - 40), std::min(640, screen.height() - 60));
}
