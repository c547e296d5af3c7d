#include "operations/OperationHost.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace operations {

OutputTexts defaultOutputTexts()
{
    const platform::Texts& texts = platform::texts();
    return {texts.detailedLowerOutputLabel, texts.detailedUpperOutputLabel, texts.detailedLowerOutputDefault,
            texts.detailedUpperOutputDefault, texts.detailedFixOffValue};
}

bool commandAllowed(OperationHost& host, bool checkReadOnly)
{
    if (!host.linkOpen()) {
        platform::dialogs().message(platform::texts().driverNotFound);
        return false;
    }
    if (checkReadOnly && host.readOnlyUser()) {
        platform::dialogs().message(platform::texts().noAuthorization);
        return false;
    }
    return true;
}

} // namespace operations
