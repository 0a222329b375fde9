// Entry point of the start-up tests: like every Qt test binary it picks the
// offscreen platform (unless the caller chose one), but the application
// object is the program's own TApplication, so that its catch around every
// event and its title (this binary is named "OUTIL.DE.CALCUL.EXE": "Outil")
// are the ones under test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/executable_path.h"
#include "app/qt/application.h"
#include "app/qt/startup.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    const std::string platform = std::string("offscreen:configfile=") + ANOD_OFFSCREEN_CONFIG;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  }
  testing::InitGoogleTest(&argc, argv);
  anod::TApplication app(argc, argv, anod::ExecutablePath());
  const anod::PictureKindsInUse picture_kinds;
  return RUN_ALL_TESTS();
}
