#include "FakeChannel.h"

namespace testing_support {

bool FakeChannel::connectTo(const QString& service, const QString& topic)
{
    connects.append(service + u'|' + topic);
    if (!connectResults.empty()) {
        connected = connectResults.front();
        connectResults.pop_front();
    } else {
        connected = true;
    }
    return connected;
}

platform::ExecuteResult FakeChannel::execute(const QByteArray& macro)
{
    if (!connected || refuseExecute) return platform::ExecuteResult::Refused;
    executed.append(macro);
    if (onExecute) onExecute(macro);
    return platform::ExecuteResult::Accepted;
}

QByteArray FakeChannel::request(const QString&, int)
{
    ++requests;
    if (onRequest) onRequest();
    notification.reset(); // the answer is newer than what came unasked before it
    return connected ? item : QByteArray();
}

void FakeChannel::notify(const QByteArray& text)
{
    item = text;
    notification = text;
    if (onNotified) onNotified();
}

} // namespace testing_support
