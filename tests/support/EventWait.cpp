#include "support/EventWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {

// Only keeps a broken test from hanging the suite.
constexpr int HangGuardMs = 600000;   // a whole real-encoder batch fits well inside

} // namespace

bool RunEventsUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer guard(HangGuardMs);
    while (!done()) {
        if (guard.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}
