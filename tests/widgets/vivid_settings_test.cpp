// The settings objects: defaults, the compare-then-store rule, updates and
// assignment.
#include "widgets/vivid_settings.h"

#include <gtest/gtest.h>

#include <functional>

namespace anod {
namespace {

TEST(TVividButtonLayoutTest, StartsWithTheButtonDefaults) {
  TVividButtonLayout layout;
  EXPECT_EQ(layout.Alignment(), agCenter);
  EXPECT_EQ(layout.AlignText2Glyph(), taRight);
  EXPECT_EQ(layout.OffsetX(), 0);
  EXPECT_EQ(layout.OffsetY(), 0);
  EXPECT_EQ(layout.Spacing(), 2);
  EXPECT_FALSE(layout.Arrow());
  EXPECT_EQ(layout.ArrowColor(), clBlack);
  EXPECT_EQ(layout.ArrowIndent(), 3);
  EXPECT_EQ(layout.ArrowPosition(), apRightText);
  EXPECT_EQ(layout.ArrowSize(), 3);
}

TEST(TVividGlyphTextLayoutTest, BareLayoutStartsTopLeft) {
  TVividGlyphTextLayout layout;
  EXPECT_EQ(layout.Alignment(), agTopLeft);
}

TEST(TVividFxCaptionTest, StartsWithTheDefaults) {
  TVividFxCaption fx;
  EXPECT_EQ(fx.Style(), tdNone);
  EXPECT_EQ(fx.DisabledStyle(), dsAuto);
  EXPECT_EQ(fx.LightDepth(), 1);
  EXPECT_EQ(fx.ShadowDepth(), 1);
  EXPECT_EQ(fx.LightColor(), clBtnHighlight);
  EXPECT_EQ(fx.ShadowColor(), clBtnShadow);
  EXPECT_EQ(fx.Orientation(), toTopLeft);
  EXPECT_EQ(fx.Tracing(), 0);
  EXPECT_EQ(fx.Angle(), 0);
  EXPECT_EQ(fx.PosX(), 0);
  EXPECT_EQ(fx.PosY(), 0);
}

// One setter call on a fresh object and how many change notifications it gives.
struct SetterRow {
  const char* name;
  std::function<void(TVividButtonLayout&, TVividFxCaption&)> set;
  int changes;
  friend void PrintTo(const SetterRow& row, std::ostream* os) { *os << row.name; }
};

class SettingsSetterTest : public testing::TestWithParam<SetterRow> {};

TEST_P(SettingsSetterTest, NotifiesOnlyARealChange) {
  TVividButtonLayout layout;
  TVividFxCaption fx;
  int changes = 0;
  layout.OnChange = [&](TVividObject& sender) {
    EXPECT_EQ(&sender, &layout);
    ++changes;
  };
  fx.OnChange = [&](TVividObject& sender) {
    EXPECT_EQ(&sender, &fx);
    ++changes;
  };
  GetParam().set(layout, fx);
  EXPECT_EQ(changes, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, SettingsSetterTest,
    testing::Values(
        SetterRow{"AlignmentCenterUnchanged", [](auto& l, auto&) { l.SetAlignment(agCenter); }, 0},
        SetterRow{"AlignmentTopLeft", [](auto& l, auto&) { l.SetAlignment(agTopLeft); }, 1},
        SetterRow{"Spacing2Unchanged", [](auto& l, auto&) { l.SetSpacing(2); }, 0},
        SetterRow{"Spacing1", [](auto& l, auto&) { l.SetSpacing(1); }, 1},
        SetterRow{"Spacing1Twice", [](auto& l, auto&) { l.SetSpacing(1); l.SetSpacing(1); }, 1},
        SetterRow{"OffsetX5", [](auto& l, auto&) { l.SetOffsetX(5); }, 1},
        SetterRow{"ArrowSize3Unchanged", [](auto& l, auto&) { l.SetArrowSize(3); }, 0},
        SetterRow{"ArrowSize40ClampsTo10", [](auto& l, auto&) { l.SetArrowSize(40); }, 1},
        SetterRow{"StyleNoneUnchanged", [](auto&, auto& f) { f.SetStyle(tdNone); }, 0},
        SetterRow{"StyleShadow", [](auto&, auto& f) { f.SetStyle(tdShadow); }, 1},
        SetterRow{"Angle360IsZeroUnchanged", [](auto&, auto& f) { f.SetAngle(360); }, 0},
        SetterRow{"Angle90", [](auto&, auto& f) { f.SetAngle(90); }, 1},
        SetterRow{"MeasuredPosSilent", [](auto&, auto& f) { f.SetMeasuredPos(3, 4); }, 0},
        SetterRow{"ThreeChangesInOneUpdate",
                  [](auto& l, auto&) {
                    l.BeginUpdate();
                    l.SetOffsetX(1);
                    l.SetOffsetY(1);
                    l.SetSpacing(0);
                    l.EndUpdate(true);
                  },
                  1},
        SetterRow{"UpdateEndedWithoutNotice",
                  [](auto& l, auto&) {
                    l.BeginUpdate();
                    l.SetOffsetX(1);
                    l.EndUpdate(false);
                  },
                  0}),
    [](const testing::TestParamInfo<SetterRow>& info) { return info.param.name; });

TEST(TVividFxCaptionTest, AngleIsTakenModulo360) {
  TVividFxCaption fx;
  fx.SetAngle(450);
  EXPECT_EQ(fx.Angle(), 90);
  fx.SetAngle(-90);
  EXPECT_EQ(fx.Angle(), 270);
  fx.SetAngle(360);
  EXPECT_EQ(fx.Angle(), 0);
}

TEST(TVividFxCaptionTest, AssignCopiesEverythingButOrientation) {
  TVividFxCaption source;
  source.SetStyle(tdRaisedShadow);
  source.SetDisabledStyle(dsNone);
  source.SetLightDepth(3);
  source.SetShadowDepth(4);
  source.SetLightColor(clRed);
  source.SetShadowColor(clNavy);
  source.SetOrientation(toBottomRight);
  source.SetTracing(2);
  source.SetAngle(45);
  TVividFxCaption target;
  target.SetOrientation(toTopRight);
  int changes = 0;
  target.OnChange = [&](TVividObject&) { ++changes; };
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Style(), tdRaisedShadow);
  EXPECT_EQ(target.DisabledStyle(), dsNone);
  EXPECT_EQ(target.LightDepth(), 3);
  EXPECT_EQ(target.ShadowDepth(), 4);
  EXPECT_EQ(target.LightColor(), clRed);
  EXPECT_EQ(target.ShadowColor(), clNavy);
  EXPECT_EQ(target.Tracing(), 2);
  EXPECT_EQ(target.Angle(), 45);
  EXPECT_EQ(target.Orientation(), toTopRight);
  target.Assign(source);
  EXPECT_EQ(changes, 1);  // nothing differed the second time
}

TEST(TVividButtonLayoutTest, AssignCopiesEveryValueOnce) {
  TVividButtonLayout source;
  source.SetAlignment(agBottomRight);
  source.SetAlignText2Glyph(taBottomLeft);
  source.SetOffsetX(-2);
  source.SetOffsetY(7);
  source.SetSpacing(9);
  source.SetArrow(true);
  source.SetArrowColor(clRed);
  source.SetArrowIndent(1);
  source.SetArrowPosition(apLeftGlyph);
  source.SetArrowSize(8);
  TVividButtonLayout target;
  int changes = 0;
  target.OnChange = [&](TVividObject&) { ++changes; };
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Alignment(), agBottomRight);
  EXPECT_EQ(target.AlignText2Glyph(), taBottomLeft);
  EXPECT_EQ(target.OffsetX(), -2);
  EXPECT_EQ(target.OffsetY(), 7);
  EXPECT_EQ(target.Spacing(), 9);
  EXPECT_TRUE(target.Arrow());
  EXPECT_EQ(target.ArrowColor(), clRed);
  EXPECT_EQ(target.ArrowIndent(), 1);
  EXPECT_EQ(target.ArrowPosition(), apLeftGlyph);
  EXPECT_EQ(target.ArrowSize(), 8);
  EXPECT_FALSE(target.Updating());
}

struct MarginRow {
  TVividThreeDStyle style;
  int margin;  // with LightDepth 2 and ShadowDepth 5
};

TEST(TVivid3DCaptionTest, EffectMarginFollowsTheEffect) {
  const MarginRow rows[] = {
      {tdNone, 0},          {tdSunken, 2},       {tdRaised, 2},        {tdSunkenShadow, 7},
      {tdRaisedShadow, 7},  {tdPColorSunken, 7}, {tdPColorRaised, 7},  {tdShadow, 5},
      {tdOutline, 5},       {tdExtrude, 5},      {tdExtrudeEnh, 5},
  };
  for (const MarginRow& row : rows) {
    SCOPED_TRACE(VividName(row.style));
    TVividFxCaption fx;
    fx.SetLightDepth(2);
    fx.SetShadowDepth(5);
    fx.SetStyle(row.style);
    EXPECT_EQ(fx.EffectMargin(), row.margin);
  }
}

}  // namespace
}  // namespace anod
