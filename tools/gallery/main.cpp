// anod-gallery [OUTPUT.png [ZOOMED.png]]: renders the colored button gallery
// (default gallery.png) and the main window's button states magnified three
// times (default gallery-main.png).
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "tools/gallery/gallery.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const char* out = argc > 1 ? argv[1] : "gallery.png";
  const char* zoomed = argc > 2 ? argv[2] : "gallery-main.png";
  if (!anod::RenderGallery().save(out)) {
    std::fprintf(stderr, "anod-gallery: cannot write %s\n", out);
    return 1;
  }
  if (!anod::RenderMainButtonStates(3).save(zoomed)) {
    std::fprintf(stderr, "anod-gallery: cannot write %s\n", zoomed);
    return 1;
  }
  std::printf("%s\n%s\n", out, zoomed);
  return 0;
}
