// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "About.h"
#include "Artwork.h"
#include "Fonts.h"
#include "GlyphButton.h"
#include "MessageDlg.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

namespace {

QLabel *arialLabel(const QString &text, int pixelSize, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Fonts::font(QStringLiteral("Arial"), pixelSize, bold));
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    return label;
}

} // namespace

TfmAbout::TfmAbout(QWidget *parent)
    : QDialog(parent, WindowPlacement::DialogFlags)
{
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(tr("Om Gitterspor"));
    setFont(Fonts::font(QStringLiteral("System"), 13));
    setFixedSize(298, 213);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 281, 161);
    panel->setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 13));

    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(16, 24, 32, 32);
    icon->setPixmap(Artwork::programIcon().pixmap(32, 32));

    ProductName = arialLabel(tr("Gitterspor"), 24, true, panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setGeometry(64, 24, 132, 29);
    Version = arialLabel(tr("Version 25102001"), 13, false, panel);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(16, 96, 104, 16);
    auto *publisher = arialLabel(tr("Udgivet af Gitterspor-projektet"), 13, false, panel);
    publisher->setGeometry(16, 120, 196, 16);

    OKButton = new GlyphButton(tr("OK"), Artwork::icon(QStringLiteral("ok")), QSize(18, 18), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 178, 77, 27);
    OKButton->setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 11, true));
    OKButton->setDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, [this] { done(mrOk); });

    WindowPlacement::centreOnScreen(this);
}

void TfmAbout::reject()
{
    done(mrCancel); // the close box
}

void TfmAbout::showEvent(QShowEvent *event)
{
    // the labels grow to their text; measured at the first showing, not at start-up
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            label->resize(label->sizeHint().expandedTo(label->size()));
    }
    QDialog::showEvent(event);
}

void TfmAbout::keyPressEvent(QKeyEvent *event)
{
    // no cancel button: Escape leaves the box open
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
