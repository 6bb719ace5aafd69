// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

class QLabel;
class QPushButton;

enum TDialogKind : std::uint8_t {
    dkWarning = 0,
    dkError = 1,
    dkInformation = 2,
    dkConfirmation = 3,
    dkCustom = 4,
};

enum TDialogButton : int {
    dbYes = 0,
    dbNo,
    dbOK,
    dbCancel,
    dbAbort,
    dbRetry,
    dbIgnore,
    dbAll,
    dbNoToAll,
    dbYesToAll,
    dbHelp,
};

// Bit n stands for button n; bits 11 to 15 mean nothing.
using TDialogButtons = std::uint16_t;

constexpr TDialogButtons dialogButtons(std::initializer_list<TDialogButton> buttons)
{
    TDialogButtons set = 0;
    for (TDialogButton b : buttons)
        set |= TDialogButtons(1u << b);
    return set;
}

// Modal results.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
};

// The program's own message window with Danish buttons, built from fixed
// tables and laid out around its measured text.
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ButtonWidth = 77;
    static constexpr int ButtonHeight = 27;

    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }
    // The buttons in the order they were created.
    QList<QPushButton *> buttons() const { return m_buttons; }
    QLabel *messageLabel() const { return m_label; }
    QLabel *iconLabel() const { return m_icon; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit MessageDialog(QWidget *parent);
    friend std::unique_ptr<MessageDialog> CreateMessageDialogDk(const QString &, TDialogKind, TDialogButtons);

    QLabel *m_label = nullptr;
    QLabel *m_icon = nullptr;
    QList<QPushButton *> m_buttons;
    QList<QPushButton *> m_cancelButtons;
    int m_helpContext = 0;
};

std::unique_ptr<MessageDialog> CreateMessageDialogDk(const QString &text, TDialogKind kind, TDialogButtons buttons);
// Opens the message window modal and returns at once; the window goes when
// it closes. answered gets the result of the button that closed it, unless
// receiver is gone by then.
MessageDialog &MessageDlgDk(const QString &text, TDialogKind kind, TDialogButtons buttons, int helpContext,
                            const QObject *receiver = nullptr, std::function<void(int result)> answered = {});
// Asks a question with "Ja" and "Nej"; answered is told whether it was "Ja".
void AskYesNo(const QString &text, const QObject *receiver, std::function<void(bool yes)> answered);
// What the Help button opens at a help context other than 0. The program
// sets it at start-up; until then the button does nothing.
void setHelpOpener(std::function<void(int context)> open);
// The program's standard report of an error from the platform.
void showError(const QString &text);
