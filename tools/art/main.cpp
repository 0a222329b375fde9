// anod-art OUTPUT-DIR [PREVIEW-DIR]
//
// Draws the eight pictures and the icon and writes them into OUTPUT-DIR as
// the files the window embeds, and the desktop's icons into
// OUTPUT-DIR/desktop: anodisation-SIZE.png for each of kDesktopIconSizes and
// anodisation.svg, installed into the hicolor icon theme. With PREVIEW-DIR it also writes PNG previews
// of each picture as the window shows it: the stored stream decoded and
// reduced to its frame by keeping whole rows and columns (217 x 217 for the
// shapes, 233 x 193 for the steps), and the icon enlarged eight times.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <string>

#include "tools/art/jpeg_encoder.h"
#include "tools/art/scenes.h"

namespace {

using anod::art::JpegKind;

struct Picture {
  const char* file;
  QImage (*draw)();
  JpegKind kind;
  int shown_width, shown_height;
};

const Picture kPictures[] = {
    {"cylinder.jpg", anod::art::DrawCylinder, JpegKind::Baseline, 217, 217},
    {"box.jpg", anod::art::DrawBox, JpegKind::Baseline, 217, 217},
    {"sphere.jpg", anod::art::DrawSphere, JpegKind::Baseline, 217, 217},
    {"pyramid.jpg", anod::art::DrawPyramid, JpegKind::Baseline, 217, 217},
    {"degreasing.jpg", anod::art::DrawDegreasing, JpegKind::Baseline, 233, 193},
    {"electrolysis.jpg", anod::art::DrawElectrolysis, JpegKind::Baseline, 233, 193},
    {"colouring.jpg", anod::art::DrawColouring, JpegKind::Baseline, 233, 193},
    {"fixing.jpg", anod::art::DrawFixing, JpegKind::Progressive, 233, 193},
};

constexpr int kQuality = 90;

// The sizes the hicolor theme asks of an application icon, up to the
// software centres' 256.
constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Destination pixel (x, y) takes source pixel (x * sw / dw, y * sh / dh), as
// the window's colour-on-colour reduction does.
QImage KeepRowsAndColumns(const QImage& source, int dw, int dh) {
  const QImage in = source.convertToFormat(QImage::Format_RGB32);
  QImage out(dw, dh, QImage::Format_RGB32);
  for (int y = 0; y < dh; ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(in.constScanLine(y * in.height() / dh));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < dw; ++x) dst[x] = src[x * in.width() / dw];
  }
  return out;
}

bool WriteFile(const QString& path, const char* data, qsizetype size) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(data, size) != size) {
    std::fprintf(stderr, "anod-art: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: anod-art OUTPUT-DIR [PREVIEW-DIR]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const bool preview = argc == 3;
  const QDir previews(preview ? QString::fromLocal8Bit(argv[2]) : QString());
  try {
    for (const Picture& picture : kPictures) {
      const QImage drawn = picture.draw();
      const auto bytes = anod::art::EncodeJpeg(drawn, picture.kind, kQuality);
      if (!WriteFile(out.filePath(picture.file), reinterpret_cast<const char*>(bytes.data()),
                     static_cast<qsizetype>(bytes.size())))
        return 1;
      std::printf("%-18s %dx%d %zu bytes\n", picture.file, drawn.width(), drawn.height(), bytes.size());
      if (preview) {
        QImage decoded;
        if (!decoded.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "JPEG")) decoded = drawn;
        const QString stem = QString(picture.file).chopped(4);
        KeepRowsAndColumns(decoded, picture.shown_width, picture.shown_height)
            .save(previews.filePath(stem + "-shown.png"));
        decoded.save(previews.filePath(stem + "-full.png"));
      }
    }
    const QImage icon = anod::art::DrawIcon();
    const auto ico = anod::art::EncodeIcon(icon);
    if (!WriteFile(out.filePath("icon.ico"), reinterpret_cast<const char*>(ico.data()),
                   static_cast<qsizetype>(ico.size())))
      return 1;
    std::printf("%-18s 32x32 %zu bytes\n", "icon.ico", ico.size());
    if (preview) {
      QImage on_grey(32, 32, QImage::Format_RGB32);
      on_grey.fill(QColor(128, 160, 128));
      QPainter p(&on_grey);
      p.drawImage(0, 0, icon);
      p.end();
      on_grey.scaled(256, 256).save(previews.filePath("icon-x8.png"));
    }
    const QDir desktop(out.filePath("desktop"));
    if (!desktop.mkpath(".")) {
      std::fprintf(stderr, "anod-art: cannot create %s\n", qPrintable(desktop.path()));
      return 1;
    }
    for (const int size : kDesktopIconSizes) {
      const QString file = desktop.filePath(QString("anodisation-%1.png").arg(size));
      if (!anod::art::DrawDesktopIcon(size).save(file, "PNG")) {
        std::fprintf(stderr, "anod-art: cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
    const std::string svg = anod::art::DrawDesktopIconSvg();
    if (!WriteFile(desktop.filePath("anodisation.svg"), svg.data(), static_cast<qsizetype>(svg.size()))) return 1;
    std::printf("%-18s %zu sizes and SVG\n", "desktop/", std::size(kDesktopIconSizes));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "anod-art: %s\n", e.what());
    return 1;
  }
  return 0;
}
