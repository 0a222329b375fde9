#include "platform/qt/application_font.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/fonts.h"

namespace anod {
namespace {

TEST(ApplicationFontTest, WindowFontForWidgetsBoxesAndMenusKeepTheirs) {
  const QFont before = QApplication::font();
  const QFont box = QApplication::font("QMessageBox");
  const QFont menu = QApplication::font("QMenu");
  UseWindowFontForApplication(FontSpec{});
  EXPECT_EQ(QApplication::font(), ToQFont(FontSpec{}));
  EXPECT_EQ(QApplication::font("QLineEdit"), ToQFont(FontSpec{}));
  EXPECT_EQ(QApplication::font("QMessageBox"), box);
  EXPECT_EQ(QApplication::font("QMenu"), menu);
  QApplication::setFont(before);
}

}  // namespace
}  // namespace anod
