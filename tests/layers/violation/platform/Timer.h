#pragma once
// A platform header that reaches above its layer.
#include "link/Sequencer.h"
