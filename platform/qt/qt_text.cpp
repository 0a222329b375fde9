#include "platform/qt/qt_text.h"

#include "core/codepage.h"

namespace anod {

QString FromCp1252(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (unsigned char c : text) out.append(QChar(static_cast<char16_t>(Cp1252ToCodePoint(c))));
  return out;
}

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace anod
