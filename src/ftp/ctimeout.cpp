#include "ctimeout.h"

#include "support/vexlerror.h"

#include <QTimer>

#include <limits>

namespace vexl {

CTimeout::CTimeout(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    // Precise: a watchdog must never fire before its interval is over.
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(false);
    connect(m_timer, &QTimer::timeout, this, &CTimeout::TimeOut);
}

CTimeout::~CTimeout() = default;

void CTimeout::StartTimer()
{
    if (m_seconds <= 0)
        return;
    if (m_seconds > std::numeric_limits<int>::max() / 1000)
        throw VexlError{17002, QStringLiteral("Cannot create the timer"), QStringLiteral("MTimeOutSupport.RegisterTimer"), 0};
    m_everStarted = true;
    m_timer->start(m_seconds * 1000);
}

void CTimeout::StopTimer()
{
    m_timer->stop();
}

void CTimeout::Reset()
{
    // A timer never started stays unarmed; an interval that does not fit is skipped.
    if (!m_everStarted || m_seconds > std::numeric_limits<int>::max() / 1000)
        return;
    if (m_seconds <= 0) {
        m_timer->stop(); // no interval: nothing to count down
        return;
    }
    m_timer->start(m_seconds * 1000);
}

bool CTimeout::isRunning() const
{
    return m_timer->isActive();
}

} // namespace vexl
