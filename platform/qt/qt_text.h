// Windows-1252 captions to and from Qt's strings, for every place a caption
// or a field's text crosses into Qt (widgets, painting, message boxes,
// assistive technology).
//
//   FromCp1252("Cm\xB2")           -> u"Cm²"
//   ToCp1252(QString("1✓"))        -> "1?"   (no such character in the code page)
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace anod {

QString FromCp1252(std::string_view text);
std::string ToCp1252(const QString& text);

}  // namespace anod
