// Moved to ui/qt/form1.h; kept while the start-up code still includes it here.
#pragma once

#include "ui/qt/form1.h"
