// Moved to ui/qt/windowed_controls.h; kept while the start-up code still includes it here.
#pragma once

#include "ui/qt/windowed_controls.h"
