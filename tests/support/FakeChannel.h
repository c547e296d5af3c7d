#pragma once
// An in-process driver conversation for tests: records what the program executes and lets the
// test decide what the reply item reads, whether the driver answers, refuses or still waits.
#include "platform/LinkChannel.h"

#include <QByteArrayList>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace testing_support {

class FakeChannel final : public platform::LinkChannel {
public:
    // Results of successive connect attempts; when empty, connects succeed.
    std::deque<bool> connectResults;
    QStringList connects; // "service|topic" of every attempt
    QString connectError; // why connects fail
    bool connected = false;
    bool waiting = false;
    bool refuseExecute = false;
    QByteArrayList executed;
    QByteArray item; // what the reply item reads
    int requests = 0;
    // Called for every accepted execute, so a test can play the driver.
    std::function<void(const QByteArray&)> onExecute;
    // Runs inside a request, before its answer.
    std::function<void()> onRequest;
    // Whether the driver sends the item's changes unasked, and how often it was asked to.
    bool offersNotification = false;
    int advises = 0;
    std::optional<QByteArray> notification; // sent unasked, not yet taken

    // The driver sends the item's text unasked (the item changes with it).
    void notify(const QByteArray& text);

    bool connectTo(const QString& service, const QString& topic) override;
    bool isConnected() const override { return connected; }
    bool isWaiting() override { return waiting; }
    platform::ExecuteResult execute(const QByteArray& macro) override;
    QByteArray request(const QString& item, int timeoutMs) override;
    void disconnect() override { connected = false; }
    QString lastError() const override { return connectError; }
    bool advise(const QString&) override
    {
        ++advises;
        return offersNotification;
    }
    std::optional<QByteArray> takeNotification() override { return std::exchange(notification, std::nullopt); }
};

} // namespace testing_support
