#pragma once

#include "core/language.h"

#include <QDialog>

#include <functional>

class QLabel;

// The saved notice: confirms a successful save for a moment and closes by
// itself. Shown modally; the command that shows it goes on when it closes.
class FormOk : public QDialog
{
  public:
    // Starts a one-shot timer, the window system's or a test's.
    using StartTimer = std::function<void(int milliseconds, QObject *context, std::function<void()> tick)>;

    FormOk(StartTimer startTimer, Language language, QWidget *parent);

    QLabel *Label1;

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void Timer1_Timer();

    StartTimer m_startTimer;
    Language m_language;
    bool m_timerEnabled = false;
};
