// The user's decimal mark from the C library (platform/locale.h), for the
// command-line calculator on Linux, which links no toolkit: LC_NUMERIC as
// the environment sets it (LC_ALL, then LC_NUMERIC, then LANG), its
// RADIXCHAR read with nl_langinfo. A locale the system has not generated
// reads as "C", as for every other command: ".".
#include <langinfo.h>

#include <clocale>
#include <string>

#include "core/codepage.h"
#include "core/decimal_mark.h"
#include "platform/locale.h"

namespace anod {

char ReadSystemDecimalMark() {
  // Everything else in the process keeps its numeric locale: the user's is
  // set only long enough to read its mark.
  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = current != nullptr ? current : "C";
  char mark = '.';
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    // The first character, as one byte of the code page; a character the
    // code page lacks (the Arabic mark of ar_EG) cannot be the mark.
    const std::string converted = Utf8ToCp1252(nl_langinfo(RADIXCHAR));
    if (!converted.empty() && converted[0] != '?') mark = converted[0];
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  return mark;
}

void RereadLocaleDecimalMark() { SetLocaleDecimalMark(ReadSystemDecimalMark()); }

}  // namespace anod
