// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Navn.h"
#include "Artwork.h"
#include "Fonts.h"
#include "GlyphButton.h"
#include "MessageDlg.h"
#include "Modal.h"
#include "WindowOwners.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace {
QString g_playerName;
}

TfmBrugerNavn::TfmBrugerNavn(QWidget *parent)
    : QDialog(parent, WindowPlacement::DialogFlags)
{
    setObjectName(QStringLiteral("fmBrugerNavn"));
    setWindowTitle(tr("Skriv dit navn"));
    setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(304, 76);

    Label1 = new QLabel(tr("Skriv dit navn"), this);
    Label1->setGeometry(6, 11, 65, 13);
    edNavn = new QLineEdit(this);
    edNavn->setObjectName(QStringLiteral("edNavn"));
    edNavn->setGeometry(80, 8, 217, 20);
    edNavn->setMaxLength(std::numeric_limits<int>::max()); // a name is kept whole
    edNavn->setAccessibleName(tr("Skriv dit navn"));
    Label1->setBuddy(edNavn);

    OKBtn = new GlyphButton(tr("OK"), Artwork::icon(QStringLiteral("ok")), QSize(18, 18), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(128, 44, 77, 27);
    OKBtn->setDefault(true);
    CancelBtn = new GlyphButton(tr("Annullér"), Artwork::icon(QStringLiteral("annuller")), QSize(18, 18), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(220, 44, 77, 27);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, edNavn);

    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });

    WindowPlacement::centreOnScreen(this);
}

void TfmBrugerNavn::reject()
{
    done(mrCancel);
}

bool TfmBrugerNavn::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        FormActivate();
    return handled;
}

void TfmBrugerNavn::FormActivate()
{
    if (edNavn->text().isEmpty())
        edNavn->setFocus();
    else
        OKBtn->setFocus();
}

const QString &PlayerName()
{
    return g_playerName;
}

void AskPlayerName(const QObject *receiver, std::function<void(bool ok)> answered)
{
    auto *dialog = new TfmBrugerNavn(nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    WindowOwners::setOwner(dialog);
    dialog->edNavn->setText(g_playerName);
    Modal::open(*dialog, receiver, [dialog, answered = std::move(answered)](int result) {
        if (result == mrOk)
            g_playerName = dialog->edNavn->text();
        answered(result == mrOk);
    });
}
