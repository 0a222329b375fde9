// The user's decimal mark on Windows: the thread locale's LOCALE_SDECIMAL,
// read afresh at every call, so the window's settings-change handler sees
// a change made in the control panel.
#include "platform/locale.h"

#include <windows.h>

#include "core/decimal_mark.h"

namespace anod {

char ReadSystemDecimalMark() {
  // Up to four characters; the first one is the mark.
  char mark[4] = {};
  if (GetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, mark, sizeof mark) == 0 || mark[0] == '\0') {
    return '.';
  }
  return mark[0];
}

void RereadLocaleDecimalMark() { SetLocaleDecimalMark(ReadSystemDecimalMark()); }

}  // namespace anod
