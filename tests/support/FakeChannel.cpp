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

ui::ExecuteResult FakeChannel::execute(const QByteArray& macro)
{
    if (!connected || refuseExecute) return ui::ExecuteResult::Refused;
    executed.append(macro);
    if (onExecute) onExecute(macro);
    return ui::ExecuteResult::Accepted;
}

QByteArray FakeChannel::request(const QString&, int)
{
    ++requests;
    return connected ? item : QByteArray();
}

} // namespace testing_support
