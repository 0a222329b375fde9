// The user's decimal mark, read from the system locale (QLocale::system(),
// which follows LC_ALL, LC_NUMERIC and LANG even where the C library has not
// generated that locale). Qt Core only.
//
//   LANG=fr_FR.UTF-8  ReadSystemDecimalMark() -> ','
//   LANG=en_US.UTF-8  ReadSystemDecimalMark() -> '.'
//   LANG=C            ReadSystemDecimalMark() -> '.'
//
// A mark that is not one Windows-1252 character (the Arabic mark of ar_EG),
// or that cannot be read, gives ".".
//
// Qt reads the locale environment once per process on Linux, so there a
// re-read gives the mark the program started with; the call still belongs on
// the locale-change event, where the platform reports real changes.
//
// On Windows (platform/win32/locale.cpp) the mark is the thread locale's
// LOCALE_SDECIMAL, read at every call.
#pragma once

namespace anod {

char ReadSystemDecimalMark();

// Reads the mark again and makes it the core's LocaleDecimalMark(). Called at
// start-up and on Qt's locale-change event; the command-line calculator calls
// it once before it runs.
void RereadLocaleDecimalMark();

}  // namespace anod
