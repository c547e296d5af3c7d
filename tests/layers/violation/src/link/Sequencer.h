#pragma once
// A link header reaching up into the main window: the layer check must refuse it.
#include "app/TForm1.h"
