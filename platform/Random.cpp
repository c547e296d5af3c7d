#include "platform/Random.h"

#include <QDateTime>
#include <random>

namespace platform {

namespace {
std::mt19937& generator()
{
    static std::mt19937 engine(5489u);
    return engine;
}
} // namespace

void seedRandom(quint32 seed) { generator().seed(seed); }

void seedRandomFromClock() { seedRandom(quint32(QDateTime::currentMSecsSinceEpoch())); }

int random(int range)
{
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(generator());
}

} // namespace platform
