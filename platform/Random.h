#pragma once
// The program's one pseudo-random generator, seeded once at start-up: the sequencer's pauses,
// the history's scramble values and the filler characters of user records draw from it.
#include <QtGlobal>

namespace platform {

void seedRandom(quint32 seed);
// Seeds from the clock.
void seedRandomFromClock();
// A number in 0..range-1 (0 when range is not positive).
int random(int range);

} // namespace platform
