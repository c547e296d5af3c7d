#pragma once
// The event loop of the running program: timers are QTimers, a wait blocks in Qt's event loop.
#include "platform/EventLoop.h"

#include <QElapsedTimer>
#include <memory>
#include <unordered_map>

class QTimer;

namespace platform {

class QtEventLoop final : public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;
    void start(Timer& timer) override;
    void stop(Timer& timer) override;
    void processMessages() override;
    void waitForEvents() override;
    qint64 nowMs() const override;

private:
    std::unordered_map<Timer*, std::unique_ptr<QTimer>> timers;
    QElapsedTimer clock;
};

} // namespace platform
