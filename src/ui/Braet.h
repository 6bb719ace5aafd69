// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "BoardPanel.h"
#include "RunWindows.h"
#include "TaskEngine.h"
#include "TaskView.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

class QFrame;
class QMenu;
class QPushButton;
class TfmSplash;

// The main window: a frame round the board (BoardPanel) with the tool bar,
// the window's states and closing, and the dialogs. It owns the task of the
// run.
class TfmBraet : public QWidget, private TaskView
{
    Q_OBJECT
public:
    // places: where computer tasks hide their point (random when null).
    explicit TfmBraet(std::unique_ptr<HiddenPlaceSource> places = nullptr, QWidget *parent = nullptr);
    ~TfmBraet() override;

    TaskEngine &engine() { return m_engine; }
    const TaskState &state() const { return m_engine.state(); }
    TDistanceMeasure distanceMeasure() const override;
    RunWindows &windows() { return m_windows; }

    // Controls, named as the window's design names them.
    QFrame *paTool = nullptr;
    QPushButton *bbBegynd = nullptr;
    QPushButton *bbLavOpgave = nullptr;
    QPushButton *bbPrint = nullptr;
    QPushButton *bbIndstil = nullptr;
    QPushButton *bbStatistik = nullptr;
    QPushButton *bbHelp = nullptr;
    QPushButton *bbAfslut = nullptr;
    BoardPanel *board = nullptr;
    QMenu *Popup = nullptr;
    TfmSplash *splash() const { return m_splash; }

    void ShowStatistics();
    void PrintTask();
    // Page of the task printout at a given resolution (printer pixels per inch).
    void paintTaskPage(QPainter &painter, int resolution, const QString &title) const;

    void bbStartClick();
    void bbLavOpgaveClick();
    void bbIndstilClick();
    void bbAfslutClick();
    void bbHelpClick();
    void Vejledning1Click();
    void AboutClick();
    void bbStatistikClick() { ShowStatistics(); }
    void bbPrintClick() { PrintTask(); }

    void FormActivate();
    void FormResize();
    // Back from maximised: 640 x 480 outer, centred.
    void showRestored();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Requests of the rules.
    BoardView &boardView() override { return *board; }
    void AskYesNo(const QString &question, std::function<void(bool yes)> answered) override;
    void showSettings(std::function<void(bool ok)> answered) override;
    bool modalOpen() const override;

    // A command of the window's own, ignored like the rules' while a modal
    // window is open.
    std::function<void()> command(void (TfmBraet::*handler)());
    void createToolBar();

    TaskEngine m_engine;
    RunWindows m_windows;
    TfmSplash *m_splash = nullptr;
    QPixmap m_titlePicture;
    bool m_shownOnce = false;
    bool m_closeConfirmed = false; // "Luk Gitterspor?" answered "Ja"
    QSize m_sizeAsked; // the last size FormResize asked for, until one fits
};
