#include "platform/locale.h"

#include <QLocale>
#include <QString>

#include "core/codepage.h"
#include "core/decimal_mark.h"

namespace anod {

char ReadSystemDecimalMark() {
  const QString mark = QLocale::system().decimalPoint();
  if (mark.isEmpty()) return '.';
  // The first character, as one byte of the code page; a character the code
  // page lacks cannot be the mark.
  const QString first = mark.left(mark.at(0).isHighSurrogate() ? 2 : 1);
  const std::string converted = Utf8ToCp1252(first.toStdString());
  if (converted.size() != 1 || converted == "?") return '.';
  return converted[0];
}

void RereadLocaleDecimalMark() { SetLocaleDecimalMark(ReadSystemDecimalMark()); }

}  // namespace anod
