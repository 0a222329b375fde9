// The button's properties: defaults, setter rules (repaint or only store),
// the font rule for rotated captions, glyph sources and parent values.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/widgets/widget_fixtures.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

TEST(TVividButtonTest, StartsWithTheDefaults) {
  QWidget form;
  TVividButton b(&form);
  EXPECT_EQ(b.ButtonStyle(), ubsWin40);
  EXPECT_EQ(b.Color(), clBtnFace);  // ParentColor: the parent's colour
  EXPECT_TRUE(b.ParentColor());
  EXPECT_TRUE(b.ParentFont());
  EXPECT_EQ(b.NumGlyphs(), 1);
  EXPECT_TRUE(b.Glyph().Empty());
  EXPECT_EQ(b.ImageList(), nullptr);
  EXPECT_EQ(b.ImageIndex(), 0);
  EXPECT_EQ(b.ListIndex(), 0);
  EXPECT_TRUE(b.UseCaption());
  EXPECT_FALSE(b.MultiLine());
  EXPECT_TRUE(b.HideHint());
  EXPECT_FALSE(b.RepeatedClick());
  EXPECT_EQ(b.RepeatingDelay(), 500);
  EXPECT_EQ(b.RepeatingInterval(), 100);
  EXPECT_FALSE(b.UseGlobalTimer());
  EXPECT_TRUE(b.CtlXP());
  EXPECT_EQ(b.DropDownMenu(), nullptr);
  EXPECT_EQ(b.DropDownIndent(), 0);
  EXPECT_FALSE(b.DropDownRight());
  EXPECT_FALSE(b.Default());
  EXPECT_FALSE(b.Cancel());
  EXPECT_EQ(b.ModalResult(), 0);
  EXPECT_TRUE(b.TabStop());
  EXPECT_TRUE(b.Enabled());
  EXPECT_EQ(b.width(), 75);
  EXPECT_EQ(b.height(), 25);
  EXPECT_FALSE(b.MouseInside());
  EXPECT_EQ(b.PaintState(), ButtonDrawState::Normal);
  EXPECT_FALSE(b.IsActive());
  EXPECT_FALSE(b.DroppingDown());
  EXPECT_EQ(b.RepeatTimer(), nullptr);
  EXPECT_EQ(b.ButtonLayout().Alignment(), agCenter);
  EXPECT_EQ(b.FontFX().Style(), tdNone);
}

TEST(TVividButtonTest, ColorWithoutParentColourIsClWindow) {
  QWidget form;
  TVividButton b(&form);
  b.SetParentColor(false);
  b.SetParentColor(true);
  form.setProperty("anodColor", static_cast<int>(clNavy));
  EXPECT_EQ(b.Color(), clNavy);
  b.SetColor(clBlack);
  EXPECT_FALSE(b.ParentColor());
  EXPECT_EQ(b.Color(), clBlack);
  TVividButton alone;
  alone.SetParentColor(false);
  EXPECT_EQ(alone.Color(), clBtnFace);  // the colour it showed is kept
}

TEST(TVividButtonTest, FontFollowsTheParentUntilSet) {
  QWidget form;
  const FontSpec parent_font{"Arial", -13, false, true};
  form.setProperty("anodFont", QVariant::fromValue(parent_font));
  TVividButton b(&form);
  EXPECT_EQ(b.Font(), parent_font);
  b.SetFont(parent_font);  // the same font: no change
  EXPECT_TRUE(b.ParentFont());
  FontSpec lime = parent_font;
  lime.color = clLime;
  b.SetFont(lime);
  EXPECT_FALSE(b.ParentFont());
  EXPECT_EQ(b.Font(), lime);
}

TEST(TVividButtonTest, CaptionEffectChangesMakeParentFontFalse) {
  QWidget form;
  TVividButton b(&form);
  b.FontFX().SetStyle(tdShadow);
  EXPECT_FALSE(b.ParentFont());
}

TEST(TVividButtonTest, AssigningSettingsCopiesIntoTheOwnedObjects) {
  QWidget form;
  TVividButton b(&form);
  const TVividButtonLayout* owned = &b.ButtonLayout();
  TVividButtonLayout layout;
  layout.SetSpacing(1);
  b.SetButtonLayout(layout);
  EXPECT_EQ(&b.ButtonLayout(), owned);
  EXPECT_EQ(b.ButtonLayout().Spacing(), 1);
  b.FontFX().SetOrientation(toBottomRight);
  TVividFxCaption fx;
  fx.SetStyle(tdRaised);
  b.SetFontFX(fx);
  EXPECT_EQ(b.FontFX().Style(), tdRaised);
  EXPECT_EQ(b.FontFX().Orientation(), toBottomRight);
}

TEST(TVividButtonTest, ButtonStyleSwitchesTheUncolouredGlyphMode) {
  const std::pair<TVividUserButtonStyle, bool> rows[] = {
      {ubsFlatUnColored, true}, {ubsNavigator, true}, {ubsExplorer, true},
      {ubsExplorerColored, false}, {ubsFlat, false}, {ubsWin40, false},
  };
  QWidget form;
  TVividButton b(&form);
  for (const auto& [style, uncoloured] : rows) {
    SCOPED_TRACE(VividName(style));
    b.SetButtonStyle(style);
    EXPECT_EQ(b.Glyph().Uncoloured(), uncoloured);
  }
}

// ----- Rotated captions need an outline font -----

TEST(TVividButtonTest, AngleOnABitmapFontSwitchesTheFontToArial) {
  QWidget form;
  TVividButton b(&form);
  b.SetFont(FontSpec{"NoSuchBitmapFace", -13});
  b.FontFX().SetAngle(90);
  EXPECT_EQ(b.Font().name, "Arial");
  EXPECT_EQ(b.FontFX().Angle(), 90);
}

TEST(TVividButtonTest, BitmapFontResetsTheAngle) {
  QWidget form;
  TVividButton b(&form);
  b.FontFX().SetAngle(90);  // the default face maps to an outline face: kept
  EXPECT_EQ(b.FontFX().Angle(), 90);
  b.SetFont(FontSpec{"NoSuchBitmapFace", -13});
  EXPECT_EQ(b.FontFX().Angle(), 0);
  EXPECT_EQ(b.Font().name, "NoSuchBitmapFace");
}

TEST(TVividButtonTest, MainWindowFontIsAnOutlineFaceSoRotationKeepsIt) {
  QWidget form;
  TVividButton b(&form);
  testing_support::SetUpAsMainWindowButton(b);
  b.FontFX().SetAngle(45);
  EXPECT_EQ(b.Font().name, "MS Sans Serif");
  EXPECT_EQ(b.FontFX().Angle(), 45);
}

// ----- Glyph sources -----

TEST(TVividButtonTest, ImageListSuppliesTheGlyph) {
  QWidget form;
  TVividButton b(&form);
  TCustomImageList list(16, 16);
  list.Add(GlyphBitmap::Solid(16, 16, clRed));
  list.Add(GlyphBitmap::Solid(16, 16, clBlue));
  list.Add(GlyphBitmap::Solid(16, 16, clNavy), 1);
  b.SetImageList(&list);
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{255, 0, 0}));
  b.SetImageIndex(1);
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 255}));
  b.SetImageIndex(-1);  // ignored
  EXPECT_EQ(b.ImageIndex(), 1);
  b.SetListIndex(-3);  // ignored
  EXPECT_EQ(b.ListIndex(), 0);
  b.SetListIndex(1);  // list 1 has no image 1: the glyph is cleared
  EXPECT_TRUE(b.Glyph().Empty());
  b.SetImageIndex(0);
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 128}));
  list.Add(GlyphBitmap::Solid(16, 16, clLime), 1);  // a change of the list rebuilds
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 128}));
}

TEST(TVividButtonTest, DestroyedImageListIsForgotten) {
  QWidget form;
  TVividButton b(&form);
  {
    TCustomImageList list(16, 16);
    list.Add(GlyphBitmap::Solid(16, 16, clRed));
    b.SetImageList(&list);
  }
  EXPECT_EQ(b.ImageList(), nullptr);
  EXPECT_FALSE(b.Glyph().Empty());
}

TEST(TVividButtonTest, SettingAGlyphDropsTheImageList) {
  QWidget form;
  TVividButton b(&form);
  TCustomImageList list(16, 16);
  list.Add(GlyphBitmap::Solid(16, 16, clRed));
  b.SetImageList(&list);
  b.SetGlyph(GlyphBitmap::Solid(32, 16, clBlue));
  EXPECT_EQ(b.ImageList(), nullptr);
  EXPECT_EQ(b.NumGlyphs(), 2);
  list.Add(GlyphBitmap::Solid(16, 16, clLime));  // no longer heard
  EXPECT_EQ(b.Glyph().Bitmap().Pixel(0, 0), (Rgb{0, 0, 255}));
}

TEST(TVividButtonTest, LoadingDefersTheImageListGlyph) {
  QWidget form;
  TVividButton b(&form);
  TCustomImageList list(16, 16);
  list.Add(GlyphBitmap::Solid(16, 16, clRed));
  b.BeginLoading();
  b.SetImageList(&list);
  EXPECT_TRUE(b.Glyph().Empty());
  b.EndLoading();
  EXPECT_FALSE(b.Glyph().Empty());
}

// ----- Setters: repaint or only store -----

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

struct SetterRow {
  const char* name;
  std::function<void(TVividButton&)> set;
  bool repaints;
  friend void PrintTo(const SetterRow& row, std::ostream* os) { *os << row.name; }
};

class SetterRepaintTest : public testing::TestWithParam<SetterRow> {};

TEST_P(SetterRepaintTest, RepaintsOnlyForAChangeThatShows) {
  QWidget form;
  form.resize(300, 100);
  TVividButton b(&form);
  testing_support::SetUpAsMainWindowButton(b);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QApplication::processEvents();
  PaintCounter counter;
  b.installEventFilter(&counter);
  GetParam().set(b);
  QApplication::processEvents();
  if (GetParam().repaints) {
    EXPECT_GE(counter.paints, 1);
  } else {
    EXPECT_EQ(counter.paints, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Setters, SetterRepaintTest,
    testing::Values(
        SetterRow{"SameButtonStyle", [](TVividButton& b) { b.SetButtonStyle(ubsExplorerColored); }, false},
        SetterRow{"SameColor", [](TVividButton& b) { b.SetColor(clBlack); }, false},
        SetterRow{"SameFont",
                  [](TVividButton& b) { b.SetFont(FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime}); },
                  false},
        SetterRow{"SameCaption", [](TVividButton& b) { b.SetCaption("Calculer la surface"); }, false},
        SetterRow{"SameSpacing", [](TVividButton& b) { b.ButtonLayout().SetSpacing(1); }, false},
        SetterRow{"SameEffect", [](TVividButton& b) { b.FontFX().SetStyle(tdNone); }, false},
        SetterRow{"SameUseCaption", [](TVividButton& b) { b.SetUseCaption(true); }, false},
        SetterRow{"SameMultiLine", [](TVividButton& b) { b.SetMultiLine(false); }, false},
        SetterRow{"SameCtlXP", [](TVividButton& b) { b.SetCtlXP(true); }, false},
        SetterRow{"SameNumGlyphs", [](TVividButton& b) { b.SetNumGlyphs(1); }, false},
        SetterRow{"SameActive", [](TVividButton& b) { b.SetIsActive(b.IsActive()); }, false},
        SetterRow{"RepeatedClickOnlyStored", [](TVividButton& b) { b.SetRepeatedClick(true); }, false},
        SetterRow{"RepeatingDelayOnlyStored", [](TVividButton& b) { b.SetRepeatingDelay(300); }, false},
        SetterRow{"HideHintOnlyStored", [](TVividButton& b) { b.SetHideHint(false); }, false},
        SetterRow{"DropDownIndentOnlyStored", [](TVividButton& b) { b.SetDropDownIndent(4); }, false},
        SetterRow{"UseGlobalTimerOnlyStored", [](TVividButton& b) { b.SetUseGlobalTimer(true); }, false},
        SetterRow{"NewButtonStyle", [](TVividButton& b) { b.SetButtonStyle(ubsWin40); }, true},
        SetterRow{"NewColor", [](TVividButton& b) { b.SetColor(clNavy); }, true},
        SetterRow{"NewCaption", [](TVividButton& b) { b.SetCaption("Calculer"); }, true},
        SetterRow{"NewSpacing", [](TVividButton& b) { b.ButtonLayout().SetSpacing(4); }, true},
        SetterRow{"NewEffect", [](TVividButton& b) { b.FontFX().SetStyle(tdShadow); }, true},
        SetterRow{"NewUseCaption", [](TVividButton& b) { b.SetUseCaption(false); }, true},
        SetterRow{"NewMultiLine", [](TVividButton& b) { b.SetMultiLine(true); }, true},
        SetterRow{"NewCtlXP", [](TVividButton& b) { b.SetCtlXP(false); }, true},
        SetterRow{"NewEnabled", [](TVividButton& b) { b.SetEnabled(false); }, true},
        SetterRow{"NewActive", [](TVividButton& b) { b.SetIsActive(!b.IsActive()); }, true},
        SetterRow{"NewGlyph", [](TVividButton& b) { b.SetGlyph(GlyphBitmap::Solid(16, 16, clRed)); }, true},
        SetterRow{"ThemesSwitched",
                  [](TVividButton&) {
                    TVividApplication::Instance().SetThemedDrawingAllowed(false);
                    TVividApplication::Instance().SetThemedDrawingAllowed(true);
                  },
                  true}),
    [](const testing::TestParamInfo<SetterRow>& info) { return info.param.name; });

TEST(TVividButtonTest, LoadingStoresWithoutRepainting) {
  QWidget form;
  TVividButton b(&form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QApplication::processEvents();
  PaintCounter counter;
  b.installEventFilter(&counter);
  b.BeginLoading();
  b.SetButtonStyle(ubsFlat);
  b.FontFX().SetStyle(tdShadow);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  b.EndLoading();
  QApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
  EXPECT_EQ(b.ButtonStyle(), ubsFlat);
}

}  // namespace
}  // namespace anod
