#include "platform/QtEventLoop.h"

#include "platform/Timer.h"

#include <QCoreApplication>
#include <QTimer>

namespace platform {

QtEventLoop::QtEventLoop() { clock.start(); }
QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::start(Timer& timer)
{
    auto& slot = timers[&timer];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        slot->setTimerType(Qt::PreciseTimer);
        Timer* t = &timer;
        QObject::connect(slot.get(), &QTimer::timeout, [t] { t->fire(); });
    }
    slot->start(timer.interval());
}

void QtEventLoop::stop(Timer& timer)
{
    auto it = timers.find(&timer);
    if (it == timers.end()) return;
    it->second->stop();
    // The QTimer may be the sender of the signal being handled right now: delete it later.
    it->second.release()->deleteLater();
    timers.erase(it);
}

void QtEventLoop::processMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventLoop::waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

qint64 QtEventLoop::nowMs() const { return clock.elapsed(); }

} // namespace platform
