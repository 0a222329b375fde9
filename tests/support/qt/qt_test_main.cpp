// Entry point of every test binary that needs a QApplication.
//
// gtest_discover_tests runs each binary at build time to list its tests, with
// none of the test environment set, so the platform is chosen here: the
// offscreen platform with a plain 1280 x 1024 screen at 96 dpi and no fake
// window frame, unless the caller asked for a platform of its own (the
// end-to-end tests run under Xvfb with QT_QPA_PLATFORM=xcb).
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    const std::string platform = std::string("offscreen:configfile=") + ANOD_OFFSCREEN_CONFIG;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  }
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
