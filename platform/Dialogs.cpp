#include "platform/Dialogs.h"

#include <stdexcept>

namespace platform {

namespace {
Dialogs* current = nullptr;
} // namespace

Dialogs& dialogs()
{
    if (!current) throw std::logic_error("no dialogs installed");
    return *current;
}

void setDialogs(Dialogs* replacement) { current = replacement; }

} // namespace platform
