// Renders the main window to a PNG, for looking at it beside its
// description:
//   ui_render_window out.png            the client area, grabbed off screen
//   ui_render_window --show SECONDS     shows the window (for a screenshot of
//                                    the whole frame under a real display)
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/codepage.h"
#include "pictures/jpeg_module.h"
#include "ui/qt/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  anod::RegisterJPEGFormats();
  const anod::HandlerTable handlers = {
      {"btn1Click", [] {}}, {"btn2Click", [] {}}, {"Button1Click", [] {}}, {"Button2Click", [] {}}};
  try {
    auto form = anod::qt::BuildForm1(handlers);
    form->Model().SetFailureSink([](const anod::Exception& e) {
      std::fprintf(stderr, "%s\n", anod::Cp1252ToUtf8(e.Message()).c_str());
    });
    if (argc == 3 && std::strcmp(argv[1], "--show") == 0) {
      form->show();
      QTimer::singleShot(std::stoi(argv[2]) * 1000, &app, &QApplication::quit);
      return app.exec();
    }
    form->show();
    QApplication::processEvents();
    const QImage image = form->grab().toImage();
    const char* out = argc > 1 ? argv[1] : "form1.png";
    if (!image.save(out)) {
      std::fprintf(stderr, "cannot write %s\n", out);
      return 1;
    }
  } catch (const anod::Exception& e) {
    std::fprintf(stderr, "%s\n", anod::Cp1252ToUtf8(e.Message()).c_str());
    return 1;
  }
  return 0;
}
