#include "platform/Texts.h"

namespace platform {

namespace {
Texts& table()
{
    static Texts current;
    return current;
}
} // namespace

const Texts& texts() { return table(); }

void setTexts(const Texts& replacement) { table() = replacement; }

} // namespace platform
