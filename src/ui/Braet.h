// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#pragma once

#include "GuessLogPad.h"
#include "TaskEngine.h"
#include "TaskView.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class ArrowPrompt;
class BoardGrid;
class CoordinateKeys;
class GuessLogPad;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class TfmAbout;
class TfmIndstil;
class TfmSplash;
class TfmStatistik;

// The main window: tool bar, board, coordinate buttons, arrow prompt, guess
// log and hover hint. It owns the task of the run.
class TfmBraet : public QWidget, private TaskView
{
    Q_OBJECT
public:
    // places: where computer tasks hide their point (random when null).
    explicit TfmBraet(std::unique_ptr<HiddenPlaceSource> places = nullptr, QWidget *parent = nullptr);
    ~TfmBraet() override;

    // The settings, about and statistics windows. Each is made when first
    // opened, unless given here beforehand.
    void setWindows(TfmIndstil *indstil, TfmAbout *about, TfmStatistik *statistik);

    TaskEngine &engine() { return m_engine; }
    const TaskState &state() const { return m_engine.state(); }
    TDistanceMeasure distanceMeasure() const override;

    // Controls, named as the window's design names them.
    QFrame *paTool = nullptr;
    QPushButton *bbBegynd = nullptr;
    QPushButton *bbLavOpgave = nullptr;
    QPushButton *bbPrint = nullptr;
    QPushButton *bbIndstil = nullptr;
    QPushButton *bbStatistik = nullptr;
    QPushButton *bbHelp = nullptr;
    QPushButton *bbAfslut = nullptr;
    QFrame *Panel2 = nullptr;
    BoardGrid *sgNet = nullptr;
    std::array<QPushButton *, LatticeSize> btX{};
    std::array<QPushButton *, LatticeSize> btY{};
    ArrowPrompt *paPil = nullptr;
    QPushButton *btLoes = nullptr;
    QLabel *paHint = nullptr;
    GuessLogPad *paLog = nullptr;
    QMenu *Popup = nullptr;
    QTimer tiArrow;
    QTimer tiHint;
    int ArrowTicks = 0;
    TfmSplash *splash() const { return m_splash; }

    // The notepad picture and the texts the last DrawGuessLog wrote on it.
    const QImage &logImage() const;
    const QList<GuessLogPad::LogText> &logTexts() const;

    // Hover hint state. The pointer's place is known once it has moved over
    // the board; before that there is no hint (a keyboard or touch player
    // may never bring it there).
    int BoardMouseX = 0;
    int BoardMouseY = 0;
    bool BoardMouseKnown = false;
    int HintMouseX = 0;
    int HintMouseY = 0;
    qint64 LastBoardMove = 0; // ms on the monotonic clock
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    void DrawGuessLog() override;
    void ShowStatistics();
    void PrintTask();

    // Page of the task printout at a given resolution (printer pixels per inch).
    void paintTaskPage(QPainter &painter, int resolution, const QString &title) const;

public slots:
    void bbStartClick();
    void bbLavOpgaveClick();
    void bbIndstilClick();
    void btX0Click();
    void btY0Click();
    void btLoesClick();
    void bbAfslutClick();
    void bbHelpClick();
    void Vejledning1Click();
    void AboutClick();
    void bbStatistikClick();
    void bbPrintClick();
    void tiArrowTimer();
    void tiHintTimer();

    void sgNetMouseUp(Qt::MouseButton button, QPoint point);
    void sgNetMouseMove(QPoint point);
    void FormMouseMove();
    void ShowGuessHint();
    void FormActivate();
    void FormResize();
    // Back from maximised: 640 x 480 outer, centred.
    void showRestored();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Requests of the rules.
    void EnableCoordinateButtons(bool enabled) override;
    void arrowStart(char16_t caption) override;
    void arrowSwitch(char16_t caption) override;
    void arrowStop() override;
    void setSolveButtonVisible(bool visible) override;
    void repaintBoard() override;
    bool AskYesNo(const QString &question) override;
    bool showSettings() override;
    bool modalOpen() const override;

    void FormCreate();
    // A command of the window's own, ignored like the rules' while a modal
    // window is open.
    std::function<void()> command(void (TfmBraet::*handler)());
    // The hint of the guess on the point under a pixel of the board, if any.
    bool showHintAt(QPoint pixel);
    void createToolBar();
    void createBoard();
    void enableArrowTimer();
    qint64 now() const { return m_clock(); }
    TfmIndstil &indstil();
    TfmAbout &about();
    TfmStatistik &statistik();

    TaskEngine m_engine;
    CoordinateKeys *m_keys = nullptr;
    QPointer<TfmIndstil> m_indstil;
    QPointer<TfmAbout> m_about;
    QPointer<TfmStatistik> m_statistik;
    TfmSplash *m_splash = nullptr;
    QPixmap m_titlePicture;
    std::function<qint64()> m_clock;
    bool m_shownOnce = false;
    QSize m_sizeAsked; // the last size FormResize asked for, until one fits
};
