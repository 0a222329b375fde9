// The user's decimal mark, read from the system locale. Three readers:
// - the window on Linux (platform/qt/locale.cpp): QLocale, which follows
//   LC_ALL, LC_NUMERIC and LANG even where the C library has not generated
//   that locale; Qt reads the environment once per process, so there a
//   re-read gives the mark the program started with;
// - the command-line calculator on Linux (platform/libc_locale.cpp): the C
//   library's LC_NUMERIC (nl_langinfo), so that it links no toolkit; a
//   locale the system has not generated reads as "C";
// - Windows (platform/win32/locale.cpp): the thread locale's
//   LOCALE_SDECIMAL, read at every call.
//
//   LANG=fr_FR.UTF-8  ReadSystemDecimalMark() -> ','
//   LANG=en_US.UTF-8  ReadSystemDecimalMark() -> '.'
//   LANG=C            ReadSystemDecimalMark() -> '.'
//
// A mark that is not one Windows-1252 character (the Arabic mark of ar_EG),
// or that cannot be read, gives ".".
#pragma once

namespace anod {

char ReadSystemDecimalMark();

// Reads the mark again and makes it the core's LocaleDecimalMark(). Called at
// start-up and on Qt's locale-change event; the command-line calculator calls
// it once before it runs.
void RereadLocaleDecimalMark();

}  // namespace anod
