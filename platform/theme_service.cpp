#include "platform/theme_service.h"

namespace anod {

ThemeService* PlatformThemeService() { return nullptr; }

}  // namespace anod
