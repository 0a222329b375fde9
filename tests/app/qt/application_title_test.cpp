// The running program takes its title from its own file name: this test
// program's file is named "OUTIL.DE.CALCUL.EXE".
#include <gtest/gtest.h>

#include "app/qt/application.h"

namespace anod {
namespace {

TEST(RunningProgramTitleTest, FromItsOwnFileName) {
  ASSERT_NE(Application(), nullptr);
  EXPECT_EQ(Application()->Title(), "Outil");
  EXPECT_EQ(Application()->Reporter().Title(), "Outil");
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Outil"));
}

}  // namespace
}  // namespace anod
