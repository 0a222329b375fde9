// The main window as built from the description carried in the program.
#include "ui/qt/form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "pictures/jpeg_module.h"
#include "platform/qt/qt_canvas.h"
#include "ui/description_stream.h"
#include "ui/picture_control.h"
#include "tests/ui/click_counts.h"

namespace anod {
namespace {

using testing_support::Counts;
using testing_support::Handlers;

class Form1Test : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterJPEGFormats(); }
  void SetUp() override { form_ = qt::BuildForm1(Handlers(counts_)); }

  void ShowActive() {
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  std::string FocusName() const {
    QWidget* w = QApplication::focusWidget();
    return w != nullptr ? w->objectName().toStdString() : std::string("(none)");
  }
  // The window's client area as the user sees it.
  QImage Grab() { return form_->Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  Counts counts_;
  std::unique_ptr<qt::TForm1> form_;
};

Rgb PixelOf(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
          static_cast<std::uint8_t>(qBlue(p))};
}

// The model's controls become widgets with their bounds and names.
TEST_F(Form1Test, WindowAndWidgetsShowTheModel) {
  for (const FormControl& control : form_->Model().Controls()) {
    SCOPED_TRACE(control.name);
    const QWidget* widget = form_->Windowed(control.name);
    EXPECT_EQ(widget != nullptr, control.windowed != nullptr);
    if (widget != nullptr) {
      const Rect& b = control.bounds;
      EXPECT_EQ(widget->geometry(), QRect(b.left, b.top, b.Width(), b.Height()));
      EXPECT_EQ(widget->objectName().toStdString(), control.name);
    }
  }
  EXPECT_EQ(form_->Windowed("Image4"), nullptr);
  EXPECT_EQ(form_->Windowed("Panel2")->parentWidget(), form_->Surface());
  EXPECT_EQ(form_->windowTitle().toStdString(), "Calculs de surfaces pour anodisation de l'aluminium");
  EXPECT_EQ(form_->size(), QSize(1073, 936));
  EXPECT_EQ(form_->Surface()->size(), QSize(1057, 921));
  EXPECT_EQ(form_->Surface()->Color(), clNavy);
  EXPECT_EQ(form_->windowIcon().availableSizes().value(0), QSize(32, 32));
}

// Where and how often it is centred is the model's rule; the shell moves
// the window where the first show's answer says, and only then.
TEST_F(Form1Test, OpensCentredOnceWithTheFocusAndCaretInEdit1) {
  ShowActive();
  // The test screen is 1280 x 1024.
  EXPECT_EQ(form_->pos(), QPoint(99, 30));
  EXPECT_EQ(FocusName(), "Edit1");
  EXPECT_TRUE(form_->As<QLineEdit>("Edit1")->hasFocus());
  EXPECT_EQ(form_->As<QLineEdit>("Edit1")->cursorPosition(), 0);
  form_->move(5, 6);
  form_->hide();
  form_->show();
  EXPECT_EQ(form_->pos(), QPoint(5, 6));
}

// --- Focus ----------------------------------------------------------------------------

// Each focus key reaches the model's rule, whose own tests walk the whole
// order: Tab and Shift+Tab (Backtab on X11) ask for the next tab stop, the
// arrows for the next control in tab order unless an edit box keeps them,
// and Ctrl+Tab moves nothing.
struct FocusKeyCase {
  const char* name;
  const char* start;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* focused;
};

TEST_F(Form1Test, FocusKeysAskTheModel) {
  ShowActive();
  const FocusKeyCase cases[] = {
      {"TabFromEdit1", "Edit1", Qt::Key_Tab, Qt::NoModifier, "btn1"},
      {"ShiftTabFromEdit1", "Edit1", Qt::Key_Tab, Qt::ShiftModifier, "VividButton4"},
      {"BacktabFromVividButton4", "VividButton4", Qt::Key_Backtab, Qt::ShiftModifier, "VividButton3"},
      {"CtrlTabOnAButton", "VividButton3", Qt::Key_Tab, Qt::ControlModifier, "VividButton3"},
      {"CtrlTabInAnEditBox", "Edit1", Qt::Key_Tab, Qt::ControlModifier, "Edit1"},
      {"RightFromButton2ToAPanel", "Button2", Qt::Key_Right, Qt::NoModifier, "Panel1"},
      {"RightFromAPanel", "Panel1", Qt::Key_Right, Qt::NoModifier, "Panel2"},
      {"DownFromBtn1", "btn1", Qt::Key_Down, Qt::NoModifier, "edt1"},
      {"LeftFromButton1ToTheStaticText", "Button1", Qt::Key_Left, Qt::NoModifier, "StaticText1"},
      {"UpFromBtn1", "btn1", Qt::Key_Up, Qt::NoModifier, "Edit1"},
      {"EditKeepsItsArrows", "edt1", Qt::Key_Right, Qt::NoModifier, "edt1"},
  };
  for (const FocusKeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    form_->Windowed(c.start)->setFocus();
    ASSERT_EQ(FocusName(), c.start);
    QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
    EXPECT_EQ(FocusName(), c.focused);
  }
}

TEST_F(Form1Test, TabEntrySelectsTheWholeTextAndAClickDoesNot) {
  ShowActive();
  auto* edt1 = form_->As<QLineEdit>("edt1");
  auto* edt2 = form_->As<QLineEdit>("edt2");
  edt1->setText("10");
  edt2->setText("25");
  form_->Windowed("btn1")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(FocusName(), "edt1");
  EXPECT_EQ(edt1->selectedText(), "10");
  QTest::mouseClick(edt2, Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_EQ(FocusName(), "edt2");
  EXPECT_FALSE(edt2->hasSelectedText());
}

TEST_F(Form1Test, SelectionIsNotShownWithoutTheFocus) {
  ShowActive();
  auto* edt1 = form_->As<QLineEdit>("edt1");
  edt1->setText("88888");
  form_->Windowed("btn1")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(edt1->hasSelectedText());
  const QRgb highlight = ToQColor(clHighlight).rgb();
  auto count_highlight = [&] {
    const QImage image = edt1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == highlight ? 1 : 0;
    }
    return n;
  };
  EXPECT_GT(count_highlight(), 20);
  // Another window takes the focus: the selection stays but is not shown.
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ASSERT_TRUE(edt1->hasSelectedText());
  // It looks exactly as the same text without a selection.
  const QImage hidden = edt1->grab().toImage();
  edt1->deselect();
  EXPECT_EQ(hidden, edt1->grab().toImage());
  edt1->selectAll();
  QApplication::setActiveWindow(form_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_GT(count_highlight(), 20);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(count_highlight(), 0);
}

TEST_F(Form1Test, ReturningToTheWindowRestoresTheLastFocus) {
  ShowActive();
  form_->Windowed("btn2")->setFocus();
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(form_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_EQ(FocusName(), "btn2");
}

TEST_F(Form1Test, SpaceAndEnterClickTheStandardButton) {
  ShowActive();
  form_->Windowed("btn2")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
  EXPECT_EQ(counts_.btn2, 3);
  // No default button: Enter in an edit box clicks nothing.
  form_->Windowed("edt2")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(counts_.btn2 + counts_.btn1 + counts_.button1 + counts_.button2, 3);
}

// --- What covers what ------------------------------------------------------------------

TEST_F(Form1Test, EachColoredButtonLeavesAMarginOfTheStandardButton) {
  ShowActive();
  form_->Windowed("Edit1")->setFocus();  // no button focused: plain edges
  const QImage image = Grab();
  struct Pair {
    const char* standard;
    const char* colored;
  };
  for (const Pair p : {Pair{"btn1", "VividButton1"}, Pair{"btn2", "VividButton2"}, Pair{"Button1", "VividButton3"},
                       Pair{"Button2", "VividButton4"}}) {
    SCOPED_TRACE(p.standard);
    const Rect s = form_->Model().Find(p.standard)->bounds;
    const Rect c = form_->Model().Find(p.colored)->bounds;
    EXPECT_EQ(c.left - s.left, 3);
    EXPECT_EQ(c.top - s.top, 4);
    EXPECT_EQ(s.right - c.right, 4);
    EXPECT_EQ(s.bottom - c.bottom, 5);
    const int mx = (c.left + c.right) / 2, my = (c.top + c.bottom) / 2;
    // Left margin: outer ring, inner ring, face.
    EXPECT_EQ(PixelOf(image, s.left, my), ColorToRgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(image, s.left + 1, my), ColorToRgb(cl3DLight));
    EXPECT_EQ(PixelOf(image, s.left + 2, my), ColorToRgb(clBtnFace));
    // Top margin.
    EXPECT_EQ(PixelOf(image, mx, s.top), ColorToRgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(image, mx, s.top + 1), ColorToRgb(cl3DLight));
    EXPECT_EQ(PixelOf(image, mx, s.top + 2), ColorToRgb(clBtnFace));
    EXPECT_EQ(PixelOf(image, mx, s.top + 3), ColorToRgb(clBtnFace));
    // Right margin.
    EXPECT_EQ(PixelOf(image, s.right - 1, my), ColorToRgb(cl3DDkShadow));
    EXPECT_EQ(PixelOf(image, s.right - 2, my), ColorToRgb(clBtnShadow));
    EXPECT_EQ(PixelOf(image, s.right - 3, my), ColorToRgb(clBtnFace));
    EXPECT_EQ(PixelOf(image, s.right - 4, my), ColorToRgb(clBtnFace));
    // Bottom margin.
    EXPECT_EQ(PixelOf(image, mx, s.bottom - 1), ColorToRgb(cl3DDkShadow));
    EXPECT_EQ(PixelOf(image, mx, s.bottom - 2), ColorToRgb(clBtnShadow));
    for (int y = s.bottom - 5; y < s.bottom - 2; ++y) EXPECT_EQ(PixelOf(image, mx, y), ColorToRgb(clBtnFace));
    // The colored button's black face starts right after the margin.
    EXPECT_EQ(PixelOf(image, c.left + 3, my), ColorToRgb(clBlack));
    // The widget under each margin and under the colored button.
    for (const QPoint margin : {QPoint(s.left + 1, my), QPoint(mx, s.top + 1), QPoint(s.right - 2, my),
                                QPoint(mx, s.bottom - 3)}) {
      EXPECT_EQ(form_->Surface()->childAt(margin), form_->Windowed(p.standard)) << margin.x() << "," << margin.y();
    }
    EXPECT_EQ(form_->Surface()->childAt(mx, my), form_->Windowed(p.colored));
  }
}

TEST_F(Form1Test, AClickInTheMarginReachesTheStandardButton) {
  ShowActive();
  // btn1 spans x 24..256, VividButton1 27..252: x = 25 is in the margin.
  QWidget* target = form_->Surface()->childAt(25, 480);
  ASSERT_EQ(target, form_->Windowed("btn1"));
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form_->Surface(), QPoint(25, 480)));
  EXPECT_EQ(counts_.btn1, 1);
  EXPECT_EQ(FocusName(), "btn1");
  QWidget* colored = form_->Surface()->childAt(140, 480);
  ASSERT_EQ(colored, form_->Windowed("VividButton1"));
  QTest::mouseClick(colored, Qt::LeftButton, {}, colored->mapFrom(form_->Surface(), QPoint(140, 480)));
  EXPECT_EQ(counts_.btn1, 2);
}

TEST_F(Form1Test, EachShapePictureLeavesAnEightPixelMatBand) {
  ShowActive();
  const QImage image = Grab();
  for (const char* mat : {"shp1", "shp2", "Shape1", "Shape2"}) {
    SCOPED_TRACE(mat);
    const Rect m = form_->Model().Find(mat)->bounds;
    for (int i = 0; i < 233; ++i) {
      // The outermost ring is the mat's black pen, then 7 pixels of mat.
      EXPECT_EQ(PixelOf(image, m.left + i, m.top), ColorToRgb(clBlack));
      EXPECT_EQ(PixelOf(image, m.left, m.top + i), ColorToRgb(clBlack));
      EXPECT_EQ(PixelOf(image, m.right - 1, m.top + i), ColorToRgb(clBlack));
      EXPECT_EQ(PixelOf(image, m.left + i, m.bottom - 1), ColorToRgb(clBlack));
      if (i == 0 || i == 232) continue;
      for (int d = 1; d < 8; ++d) {
        EXPECT_EQ(PixelOf(image, m.left + d, m.top + i), ColorToRgb(clMoneyGreen));
        EXPECT_EQ(PixelOf(image, m.left + i, m.top + d), ColorToRgb(clMoneyGreen));
        EXPECT_EQ(PixelOf(image, m.right - 1 - d, m.top + i), ColorToRgb(clMoneyGreen));
        EXPECT_EQ(PixelOf(image, m.left + i, m.bottom - 1 - d), ColorToRgb(clMoneyGreen));
      }
    }
  }
}

// The picture of an image control drawn alone, as it appears in the window.
QImage DrawnAlone(qt::TForm1& form, const char* name) {
  auto* image = dynamic_cast<ImageControl*>(form.Model().Find(name)->drawn);
  EXPECT_NE(image, nullptr);
  if (image == nullptr) return {};
  const Rect b = image->Bounds();
  ImageCanvas canvas(b.Width(), b.Height(), RgbColor(1, 2, 3));
  image->Paint(canvas.canvas());
  return canvas.image().copy();
}

TEST_F(Form1Test, ShapePicturesFillTheirFrames) {
  ShowActive();
  const QImage image = Grab();
  for (const char* name : {"img1", "img2", "Image1", "Image2"}) {
    SCOPED_TRACE(name);
    const Rect b = form_->Model().Find(name)->bounds;
    const QImage alone = DrawnAlone(*form_, name);
    EXPECT_EQ(image.copy(b.left, b.top, b.Width(), b.Height()), alone);
    EXPECT_NE(PixelOf(alone, b.Width() - 1, b.Height() - 1), (Rgb{1, 2, 3}));
  }
}

TEST_F(Form1Test, PanelCaptionIsNeverSeenUnderItsPicture) {
  ShowActive();
  for (const auto& [panel, picture] : {std::pair{"Panel2", "Image4"}, std::pair{"Panel3", "Image3"},
                                       std::pair{"Panel4", "Image6"}, std::pair{"Panel5", "Image5"}}) {
    SCOPED_TRACE(panel);
    QWidget* p = form_->Windowed(panel);
    const QImage shown = p->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The whole interior inside the bevels is the picture, pixel for pixel.
    EXPECT_EQ(shown.copy(4, 4, 233, 193), DrawnAlone(*form_, picture));
    // The bevels: two raised rings, then two lowered ones.
    EXPECT_EQ(PixelOf(shown, 0, 0), ColorToRgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(shown, 1, 100), ColorToRgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(shown, 2, 100), ColorToRgb(clBtnShadow));
    EXPECT_EQ(PixelOf(shown, 3, 100), ColorToRgb(clBtnShadow));
    EXPECT_EQ(PixelOf(shown, 240, 100), ColorToRgb(clBtnShadow));
    EXPECT_EQ(PixelOf(shown, 237, 100), ColorToRgb(clBtnHighlight));
  }
}

TEST_F(Form1Test, Bevel3LiesOnLabel19sOutermostPixels) {
  ShowActive();
  form_->Model().SetLabelCaption("Label19", "2450 mA ");
  const QImage image = Grab();
  const Rect r = form_->Model().Find("Label19")->bounds;
  for (int x = r.left; x < r.right - 1; ++x) EXPECT_EQ(PixelOf(image, x, r.top), ColorToRgb(clBtnHighlight));
  for (int y = r.top; y < r.bottom; ++y) {
    EXPECT_EQ(PixelOf(image, r.left, y), ColorToRgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(image, r.right - 1, y), ColorToRgb(clBtnShadow));
  }
  for (int x = r.left + 1; x < r.right; ++x) EXPECT_EQ(PixelOf(image, x, r.bottom - 1), ColorToRgb(clBtnShadow));
  // Inside the frame, the read-out's black and its red caption.
  EXPECT_EQ(PixelOf(image, r.left + 1, r.top + 1), ColorToRgb(clBlack));
  int red = 0;
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    for (int x = r.left + 1; x < r.right - 1; ++x) red += PixelOf(image, x, y) == ColorToRgb(clRed) ? 1 : 0;
  }
  EXPECT_GT(red, 50);
}

TEST_F(Form1Test, NothingCoversTheColumnFramesEdges) {
  ShowActive();
  const QImage image = Grab();
  for (const char* frame : {"bvl1", "bvl2", "Bevel1", "Bevel2"}) {
    SCOPED_TRACE(frame);
    const Rect r = form_->Model().Find(frame)->bounds;
    for (int x = r.left; x < r.right - 1; ++x) ASSERT_EQ(PixelOf(image, x, r.top), ColorToRgb(clBtnHighlight)) << x;
    for (int y = r.top; y < r.bottom; ++y) ASSERT_EQ(PixelOf(image, r.left, y), ColorToRgb(clBtnHighlight)) << y;
    for (int y = r.top; y < r.bottom; ++y) ASSERT_EQ(PixelOf(image, r.right - 1, y), ColorToRgb(clBtnShadow)) << y;
    for (int x = r.left + 1; x < r.right; ++x) ASSERT_EQ(PixelOf(image, x, r.bottom - 1), ColorToRgb(clBtnShadow)) << x;
    // Inside the frame, between the controls, the window's navy shows.
    EXPECT_EQ(PixelOf(image, r.left + 2, r.top + 300), ColorToRgb(clNavy));
  }
}

TEST_F(Form1Test, ResultLabelShowsCm2FlushRightOnWhite) {
  ShowActive();
  const QImage image = Grab();
  const Rect r = form_->Model().Find("lbl4")->bounds;
  int first_ink = -1;
  for (int x = r.left; x < r.right && first_ink < 0; ++x) {
    for (int y = r.top; y < r.bottom; ++y) {
      if (PixelOf(image, x, y) != ColorToRgb(clWhite)) {
        first_ink = x;
        break;
      }
    }
  }
  // "Cm² " takes the right part only; the 17 spaces leave the left white.
  EXPECT_GT(first_ink, r.left + 60);
  EXPECT_EQ(PixelOf(image, r.left, r.top), ColorToRgb(clWhite));
}

// --- Scrolling and scaling -----------------------------------------------------------

struct ScrollCase {
  const char* name;
  int width, height;
  bool horizontal, vertical;
};

TEST_F(Form1Test, ScrollBarsExactlyWhenTheClientAreaIsSmaller) {
  ShowActive();
  const ScrollCase cases[] = {
      {"Client1073x936", 1073, 936, false, false}, {"Width1057", 1057, 936, false, false},
      // A bar takes 14 pixels here, which the other direction can spare
      // (936 - 14 >= 921, 1073 - 14 >= 1057).
      {"Width1056", 1056, 936, true, false},
      {"Height921", 1073, 921, false, false},      {"Height920", 1073, 920, false, true},
      {"Both", 1056, 920, true, true},
  };
  for (const ScrollCase& c : cases) {
    SCOPED_TRACE(c.name);
    form_->resize(c.width, c.height);
    QApplication::processEvents();
    EXPECT_EQ(form_->ScrollArea()->horizontalScrollBar()->isVisible(), c.horizontal);
    EXPECT_EQ(form_->ScrollArea()->verticalScrollBar()->isVisible(), c.vertical);
    // Resizing moves and resizes no control.
    EXPECT_EQ(form_->Model().Find("Panel7")->bounds, Rect::FromBounds(16, 8, 1041, 41));
    EXPECT_EQ(form_->Windowed("Panel7")->pos(), QPoint(16, 8));
  }
  // The horizontal bar moves every control together.
  form_->resize(900, 936);
  QApplication::processEvents();
  form_->ScrollArea()->horizontalScrollBar()->setValue(100);
  EXPECT_EQ(form_->Surface()->mapTo(form_.get(), QPoint(16, 8)), QPoint(-84, 8));
}

TEST(Form1ScalingTest, ScaledControlsShowScrollBarsInTheUnscaledWindow) {
  RegisterJPEGFormats();
  BuildOptions options;
  options.pixels_per_inch = 96;
  options.zero_height = [](int) { return 16; };
  Counts counts;
  auto form = qt::BuildForm1(Handlers(counts), options);
  EXPECT_EQ(form->Windowed("Panel7")->geometry(), QRect(20, 10, 1281, 50));
  EXPECT_EQ(form->Surface()->size(), QSize(1301, 1134));
  EXPECT_EQ(form->size(), QSize(1073, 936));
  form->show();
  QApplication::processEvents();
  EXPECT_TRUE(form->ScrollArea()->horizontalScrollBar()->isVisible());
}

TEST(Form1PaintTest, PictureFailingAtFirstPaintGoesToTheSink) {
  RegisterJPEGFormats();
  // J = 0 is accepted when read; the first draw fails with code 42.
  StreamWriter w;
  w.BeginObject("TForm1", "Form1");
  w.EndProperties();
  w.BeginObject("TImage", "img1");
  w.Property("Width", Value::Int(217));
  w.Property("Height", Value::Int(217));
  w.Property("Picture.Data", Value::Raw(std::string("\x0ATJPEGImage\0\0\0\0", 15)));
  w.EndProperties();
  w.EndObject();
  w.EndObject();
  const std::string& bytes = w.Bytes();
  auto form = qt::BuildFormFromDescription({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, {});
  std::vector<std::string> reported;
  form->Model().SetFailureSink([&](const Exception& e) { reported.push_back(e.Message()); });
  form->show();
  form->Surface()->grab();
  form->Surface()->grab();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0], "Erreur JPEG #42");
}

}  // namespace
}  // namespace anod

namespace anod {
namespace {

// With the fonts installed here, every caption of the window fits its
// control line by line, as it did where the layout was drawn: no step text
// wraps, no field caption is cut.
TEST_F(Form1Test, EveryInitialCaptionFitsItsControl) {
  ImageCanvas measure(1, 1);
  Canvas& canvas = measure.canvas();
  auto check = [&](const std::string& name, const std::string& caption, const FontSpec& font, int width) {
    SCOPED_TRACE(name);
    canvas.SetFont(font);
    std::size_t start = 0;
    while (start <= caption.size()) {
      std::size_t end = caption.find("\r\n", start);
      if (end == std::string::npos) end = caption.size();
      const std::string line = caption.substr(start, end - start);
      EXPECT_LE(canvas.TextWidth(line), width) << line;
      start = end + 2;
    }
  };
  for (const FormControl& entry : form_->Model().Controls()) {
    if (const TLabel* label = form_->Model().Label(entry.name)) {
      // A result label's leading spaces only pad: its "Cm² " is what must show.
      const std::string& caption = label->Caption();
      const std::size_t first = label->Look().alignment == TextAlignment::RightJustify
                                    ? caption.find_first_not_of(' ')
                                    : 0;
      check(entry.name, caption.substr(first), label->Look().font, entry.bounds.Width());
    } else if (const auto* text = form_->As<qt::TStaticText>(entry.name)) {
      FontSpec font;
      font.height = -16;
      font.bold = true;
      check(entry.name, text->Caption(), font, entry.bounds.Width() - 2);
    } else if (const auto* panel = form_->As<qt::TPanel>(entry.name)) {
      const Size size{entry.bounds.Width(), entry.bounds.Height()};
      check(entry.name, panel->Look().caption, panel->Look().font, PanelInterior(size, panel->Look()).Width());
    }
  }
  // The four lines of the step texts fit their 137-pixel labels; in the
  // 97-pixel electrolysis text they take 100 here (25 per line), so the text
  // starts a pixel above the label and loses its blank leading rows only:
  // no ink on the label's first and last rows.
  canvas.SetFont(form_->Model().Label("Label5")->Look().font);
  EXPECT_LE(4 * canvas.Metrics().height, 137);
  form_->show();
  const QImage image = Grab();
  const Rect r = form_->Model().Find("Label20")->bounds;
  for (int x = r.left; x < r.right; ++x) {
    ASSERT_EQ(PixelOf(image, x, r.top), ColorToRgb(clSilver)) << x;
    ASSERT_EQ(PixelOf(image, x, r.bottom - 1), ColorToRgb(clSilver)) << x;
  }
}

}  // namespace
}  // namespace anod
