// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "MessageDlg.h"
#include "Artwork.h"
#include "Fonts.h"
#include "GlyphButton.h"
#include "Modal.h"
#include "Page.h"
#include "WindowOwners.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QStyle>

#include <utility>

namespace {

struct KindInfo {
    QStyle::StandardPixmap icon;
    bool hasIcon;
    const char *createCaption; // nullptr: the program file's name
    const char *shownCaption;  // nullptr: the program file's full path
};

const KindInfo kinds[] = {
    {QStyle::SP_MessageBoxWarning, true, QT_TRANSLATE_NOOP("MessageDialog", "Bemærk"), QT_TRANSLATE_NOOP("MessageDialog", "Advarsel")},
    {QStyle::SP_MessageBoxCritical, true, QT_TRANSLATE_NOOP("MessageDialog", "Fejl"), QT_TRANSLATE_NOOP("MessageDialog", "Fejl")},
    {QStyle::SP_MessageBoxInformation, true, QT_TRANSLATE_NOOP("MessageDialog", "Information"), QT_TRANSLATE_NOOP("MessageDialog", "Information")},
    {QStyle::SP_MessageBoxQuestion, true, nullptr, ""},
    {QStyle::SP_CustomBase, false, nullptr, nullptr},
};

struct ButtonInfo {
    const char *name;
    const char *caption;
    int result;
    bool isDefault;
    bool isCancel;
    const char *glyph;
};

const ButtonInfo buttonTable[] = {
    {"YES", QT_TRANSLATE_NOOP("MessageDialog", "&Ja"), mrYes, true, false, "ok"},
    {"NO", QT_TRANSLATE_NOOP("MessageDialog", "&Nej"), mrNo, false, true, "nej"},
    {"OK", QT_TRANSLATE_NOOP("MessageDialog", "OK"), mrOk, true, false, "ok"},
    {"CANCEL", QT_TRANSLATE_NOOP("MessageDialog", "&Annullér"), mrCancel, false, true, "annuller"},
    {"ABORT", QT_TRANSLATE_NOOP("MessageDialog", "&Fortryd"), mrAbort, false, false, "annuller"},
    {"RETRY", QT_TRANSLATE_NOOP("MessageDialog", "&Gentag"), mrRetry, false, false, "gentag"},
    {"IGNORE", QT_TRANSLATE_NOOP("MessageDialog", "&Ignorér"), mrIgnore, false, false, "ignorer"},
    {"ALL", QT_TRANSLATE_NOOP("MessageDialog", "A&lle"), mrAll, false, false, "alle"},
    {"NOTOALL", QT_TRANSLATE_NOOP("MessageDialog", "&Nej"), mrNo, false, true, "nej"},
    {"YESTOALL", QT_TRANSLATE_NOOP("MessageDialog", "&Ja"), mrYes, true, false, "ok"},
    {"HELP", QT_TRANSLATE_NOOP("MessageDialog", "&Hjælp"), mrNone, false, false, "hjaelp-lille"},
};

QString programPath()
{
    return QCoreApplication::applicationFilePath();
}

std::function<void(int)> g_openHelp;

QFont dialogFont(bool bold)
{
    return Fonts::font(QStringLiteral("MS Sans Serif"), 11, bold);
}

} // namespace

MessageDialog::MessageDialog(QWidget *parent)
    : QDialog(parent, WindowPlacement::DialogFlags)
{
}

void MessageDialog::reject()
{
    // closing through the title bar is an ordinary answer
    done(mrCancel);
}

void MessageDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // "Annullér" wins where several buttons could cancel
        QPushButton *escape = findChild<QPushButton *>(QStringLiteral("CANCEL"));
        if (!escape && !m_cancelButtons.isEmpty())
            escape = m_cancelButtons.first();
        if (escape)
            escape->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::unique_ptr<MessageDialog> CreateMessageDialogDk(const QString &text, TDialogKind kind, TDialogButtons buttons)
{
    std::unique_ptr<MessageDialog> dialog(new MessageDialog(nullptr));
    WindowOwners::setOwner(dialog.get());
    dialog->setFont(dialogFont(true));
    const KindInfo &info = kinds[kind <= dkCustom ? kind : dkCustom];

    const QRect screen = WindowPlacement::screenArea(dialog.get());
    const QRect measured = QFontMetrics(dialog->font())
                               .boundingRect(QRect(0, 0, screen.width() / 2, 0),
                                             Qt::AlignLeft | Qt::TextWordWrap, text);
    const int textWidth = measured.width();
    const int textHeight = measured.height();

    auto *label = new QLabel(text, dialog.get());
    label->setObjectName(QStringLiteral("Message"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    dialog->m_label = label;

    QSize iconSize(0, 0);
    if (info.hasIcon) {
        iconSize = QSize(32, 32);
        auto *icon = new QLabel(dialog.get());
        icon->setObjectName(QStringLiteral("Image"));
        icon->setPixmap(Artwork::standardIcon(info.icon).pixmap(iconSize));
        dialog->m_icon = icon;
    }

    int contentWidth = textWidth + 20;
    int contentHeight = textHeight + 10;
    if (info.hasIcon) {
        contentWidth = textWidth + 20 + iconSize.width() + 10;
        contentHeight = std::max(iconSize.height() + 10, textHeight + 10);
    }

    QPushButton *defaultButton = nullptr;
    QPushButton *noButton = nullptr;
    QPushButton *okButton = nullptr;
    bool hasCancel = false;
    for (int n = 0; n <= dbHelp; ++n) {
        if (!(buttons & (1u << n)))
            continue;
        const ButtonInfo &b = buttonTable[n];
        const QSize glyphSize(18, n == dbAll ? 19 : 18);
        auto *button = new GlyphButton(QCoreApplication::translate("MessageDialog", b.caption),
                                       Artwork::icon(QLatin1String(b.glyph)), glyphSize, dialog.get());
        button->setObjectName(QLatin1String(b.name));
        button->resize(MessageDialog::ButtonWidth, MessageDialog::ButtonHeight);
        button->setAutoDefault(true);
        if (b.isDefault && !defaultButton)
            defaultButton = button;
        if (b.isCancel)
            dialog->m_cancelButtons << button;
        if (n == dbNo)
            noButton = button;
        if (n == dbOK)
            okButton = button;
        if (n == dbCancel)
            hasCancel = true;
        const int result = b.result;
        MessageDialog *d = dialog.get();
        if (n == dbHelp) {
            QObject::connect(button, &QPushButton::clicked, d, [d] {
                if (d->helpContext() != 0 && g_openHelp)
                    g_openHelp(d->helpContext());
            });
        } else {
            QObject::connect(button, &QPushButton::clicked, d, [d, result] { d->done(result); });
        }
        dialog->m_buttons << button;
    }
    if (noButton && hasCancel)
        dialog->m_cancelButtons.removeAll(noButton);
    if (okButton && !hasCancel)
        dialog->m_cancelButtons.append(okButton);
    if (defaultButton)
        defaultButton->setDefault(true);

    const int count = int(dialog->m_buttons.size());
    const int rowWidth = count * MessageDialog::ButtonWidth + (count - 1) * 8 + 30;
    const int bandHeight = MessageDialog::ButtonHeight + 18;
    const int clientWidth = std::max({150, contentWidth, rowWidth});
    const int clientHeight = std::max(55, contentHeight + bandHeight);

    int labelTop = 10;
    int iconTop = 0;
    int y = 10 + textHeight;
    if (info.hasIcon && iconSize.height() > textHeight) {
        iconTop = 10;
        labelTop = 10 + iconSize.height() / 2 - textHeight / 2;
        y = 10 + iconSize.height();
    } else if (info.hasIcon) {
        iconTop = 10 + textHeight / 2 - iconSize.height() / 2;
    }
    const int labelLeft = info.hasIcon ? 10 + iconSize.width() + 10 : 10;
    label->setGeometry(labelLeft, labelTop, textWidth, textHeight);
    if (dialog->m_icon)
        dialog->m_icon->setGeometry(10, iconTop, iconSize.width(), iconSize.height());

    int x = clientWidth / 2 - rowWidth / 2 + 15;
    for (QPushButton *button : std::as_const(dialog->m_buttons)) {
        button->move(x, y + 10);
        x += MessageDialog::ButtonWidth + 8;
    }

    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->setWindowTitle(info.createCaption ? QCoreApplication::translate("MessageDialog", info.createCaption)
                                              : QFileInfo(programPath()).fileName());
    WindowPlacement::centreOnScreen(dialog.get());
    return dialog;
}

MessageDialog &MessageDlgDk(const QString &text, TDialogKind kind, TDialogButtons buttons, int helpContext,
                            const QObject *receiver, std::function<void(int result)> answered)
{
    MessageDialog *dialog = CreateMessageDialogDk(text, kind, buttons).release();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setHelpContext(helpContext);
    const KindInfo &info = kinds[kind <= dkCustom ? kind : dkCustom];
    dialog->setWindowTitle(info.shownCaption ? QCoreApplication::translate("MessageDialog", info.shownCaption)
                                             : programPath());
    // measured bold, shown regular; the layout keeps the bold sizes
    dialog->setFont(dialogFont(false));
    // screen readers announce a dialog by its name: let that be the question
    dialog->setAccessibleName(text);
    Page::announce(text);
    // some window managers leave the keyboard nowhere when a dialog closes
    QObject::connect(dialog, &QDialog::finished, dialog, [before = QPointer<QWidget>(QApplication::activeWindow())] {
        if (before)
            before->activateWindow();
    });
    Modal::open(*dialog, receiver, std::move(answered));
    return *dialog;
}

void setHelpOpener(std::function<void(int context)> open)
{
    g_openHelp = std::move(open);
}

void AskYesNo(const QString &text, const QObject *receiver, std::function<void(bool yes)> answered)
{
    MessageDlgDk(text, dkConfirmation, dialogButtons({dbYes, dbNo}), 0, receiver,
                 [answered = std::move(answered)](int result) { answered(result == mrYes); });
}

void showError(const QString &text)
{
    MessageDlgDk(text, dkError, dialogButtons({dbOK}), 0);
}
