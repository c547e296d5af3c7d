#pragma once
// Arms a timer for its full time again, running or not: a platform timer enabled again keeps its
// due time, and so does one given the interval it has.
#include "platform/Timer.h"

namespace transport {

inline void restart(platform::Timer& timer, int ms)
{
    timer.setEnabled(false);
    timer.setInterval(ms);
    timer.setEnabled(true);
}

} // namespace transport
