#pragma once

#include <QObject>

class QTimer;

namespace vexl {

// A restartable watchdog in whole seconds. Once started it raises TimeOut every
// TimeOutValue seconds until StopTimer; Reset starts the countdown again from
// the full interval. A TimeOutValue of 0 or less arms nothing.
class CTimeout final : public QObject
{
    Q_OBJECT

public:
    explicit CTimeout(QObject *parent = nullptr);
    ~CTimeout() override;

    // Arms the timer (or restarts its countdown when it is already running).
    // An interval too large for the system timer throws 17002.
    void StartTimer();
    // Disarms it; a later StartTimer or Reset arms it again.
    void StopTimer();
    // Restarts the countdown from the full interval, also after StopTimer.
    // Does nothing on a timer that was never started.
    void Reset();

    int TimeOutValue() const { return m_seconds; }
    // Takes effect at the next StartTimer or Reset.
    void setTimeOutValue(int seconds) { m_seconds = seconds; }

    bool isRunning() const;

signals:
    void TimeOut();

private:
    int m_seconds = 0;
    bool m_everStarted = false;
    QTimer *m_timer;
};

} // namespace vexl
