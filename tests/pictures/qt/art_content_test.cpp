// What the committed pictures show, where a wrong detail would mislead the
// user: the colouring step's hot-plate display must read a temperature
// inside the "55/65°" the step's text asks for.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "pictures/art_files.h"
#include "tools/art/drawing.h"

namespace anod {
namespace {

// Where the art generator draws the display, and how; its outline is left
// out of the comparison.
const QRect kDisplay(118, 208, 58, 24);
constexpr int kOutline = 2;
const QColor kDisplayGlass(15, 20, 15);
const QColor kDisplayDigits(255, 90, 60);
constexpr int kDigitPixels = 18;

QImage DisplayReading(const QString& text) {
  QImage image(kDisplay.size(), QImage::Format_RGB32);
  image.fill(kDisplayGlass);
  QPainter p(&image);
  art::PreparePainter(p);
  art::Label(p, QRectF(0, 0, kDisplay.width(), kDisplay.height()), text, kDisplayDigits, kDigitPixels);
  return image;
}

// On brightness alone: the stream keeps it at full resolution, while the
// red digits' colour is spread over pairs of pixels.
long Difference(const QImage& a, const QImage& b) {
  long sum = 0;
  for (int y = kOutline; y < a.height() - kOutline; ++y) {
    for (int x = kOutline; x < a.width() - kOutline; ++x) {
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
  }
  return sum;
}

// The committed display is compared with the display drawn afresh for each
// reading; it must be nearer to "60.0" than to a wrong reading by half again
// (the JPEG's noise stays small beside a different digit).
TEST(ArtContentTest, ColouringHotPlateReadsSixtyDegrees) {
  const auto stream = ArtFile("colouring.jpg");
  QImage picture;
  ASSERT_TRUE(picture.loadFromData(stream.data(), static_cast<int>(stream.size()), "JPEG"));
  const QImage shown = picture.copy(kDisplay).convertToFormat(QImage::Format_RGB32);
  const long sixty = Difference(shown, DisplayReading("60.0"));
  // 85.0 is what it read before, far too hot for the dye bath.
  for (const char* too_hot : {"85.0", "80.0", "90.0"}) {
    SCOPED_TRACE(too_hot);
    EXPECT_LT(3 * sixty / 2, Difference(shown, DisplayReading(too_hot))) << "60.0 differs by " << sixty;
  }
}

}  // namespace
}  // namespace anod
