// LocaleDecimalMark: the user's decimal mark, one Windows-1252 character,
// used only by the general writer (the current's exponent form). The reader
// and the fixed writer always use ".".
//
// The core only holds the setting; platform/locale.h fills it from the
// user's locale at start-up and whenever the desktop announces a change.
//
//   LocaleDecimalMark()          -> '.' until someone sets it
//   SetLocaleDecimalMark(',');   FormatGeneral(2.45e18) -> "2,45E18"
#pragma once

namespace anod {

char LocaleDecimalMark();
void SetLocaleDecimalMark(char mark);

}  // namespace anod
