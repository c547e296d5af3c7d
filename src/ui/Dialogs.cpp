#include "Dialogs.h"

#include <stdexcept>

namespace ui {

namespace {
Dialogs* current = nullptr;
} // namespace

Dialogs& dialogs()
{
    if (!current) throw std::logic_error("no dialogs installed");
    return *current;
}

void setDialogs(Dialogs* replacement) { current = replacement; }

} // namespace ui
