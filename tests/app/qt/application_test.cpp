#include "app/qt/application.h"

#include <gtest/gtest.h>

#include <QEvent>

#include <cstdlib>
#include <string>

#include "core/decimal_mark.h"

namespace anod {
namespace {

struct LocaleCase {
  const char* name;
  const char* lc_all;
  char mark;
  friend void PrintTo(const LocaleCase& row, std::ostream* os) { *os << row.name; }
};

class LocaleChangeTest : public testing::TestWithParam<LocaleCase> {
 protected:
  void TearDown() override {
    unsetenv("LC_ALL");
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  }
};

// The desktop announces a locale change: the decimal mark is read again.
TEST_P(LocaleChangeTest, ReadsTheDecimalMarkAgain) {
  SetLocaleDecimalMark('?');
  setenv("LC_ALL", GetParam().lc_all, 1);
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  EXPECT_EQ(LocaleDecimalMark(), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleChangeTest,
                         testing::Values(LocaleCase{"fr_FR", "fr_FR.UTF-8", ','},
                                         LocaleCase{"en_US", "en_US.UTF-8", '.'},
                                         LocaleCase{"de_DE", "de_DE.UTF-8", ','}), testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
