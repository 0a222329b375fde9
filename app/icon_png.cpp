// Build-time helper: writes the program's icon (the icon file the window
// carries) as a PNG of the given size for the desktop's icon theme.
//   anodisation_icon_png icon.ico 32 anodisation.png
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s ICON.ico SIZE OUTPUT.png\n", argv[0]);
    return 2;
  }
  QImageReader reader(QString::fromLocal8Bit(argv[1]));
  QImage image = reader.read();
  if (image.isNull()) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  const int size = QString::fromLocal8Bit(argv[2]).toInt();
  if (image.width() != size || image.height() != size) {
    image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write\n", argv[3]);
    return 1;
  }
  return 0;
}
