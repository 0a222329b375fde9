#include "platform/qt/application_font.h"

#include <QApplication>
#include <iterator>

#include "platform/qt/fonts.h"

namespace anod {

void UseWindowFontForApplication(const FontSpec& window_font) {
  // Setting the application font forgets the fonts kept per class, so the
  // desktop's kinds of window get theirs back right after. Reading a font
  // loads nothing: a face is loaded when text is first measured or drawn.
  const char* const own_font_classes[] = {"QMessageBox", "QMenu", "QTipLabel"};
  QFont kept[std::size(own_font_classes)];
  for (std::size_t i = 0; i < std::size(own_font_classes); ++i) kept[i] = QApplication::font(own_font_classes[i]);
  QApplication::setFont(ToQFont(window_font));
  for (std::size_t i = 0; i < std::size(own_font_classes); ++i) QApplication::setFont(kept[i], own_font_classes[i]);
}

}  // namespace anod
