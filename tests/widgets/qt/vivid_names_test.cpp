// Enumeration names as the window description writes them, and the older
// stored style properties.
#include <gtest/gtest.h>

#include <QWidget>

#include "core/failures.h"
#include "widgets/qt/vivid_button.h"
#include "widgets/vivid_stored.h"

namespace anod {
namespace {

template <typename E>
void ExpectRoundTrip(int count) {
  for (int i = 0; i < count; ++i) {
    const auto value = static_cast<E>(i);
    const std::string_view name = VividName(value);
    SCOPED_TRACE(std::string(name));
    ASSERT_FALSE(name.empty());
    E read{};
    ASSERT_TRUE(ReadVividName(name, read));
    EXPECT_EQ(read, value);
  }
}

TEST(VividNameTest, EveryValueReadsBackFromItsName) {
  ExpectRoundTrip<TVividUserButtonStyle>(14);
  ExpectRoundTrip<TVividAlignment>(9);
  ExpectRoundTrip<TVividTextArrange>(8);
  ExpectRoundTrip<TVividArrowPosition>(4);
  ExpectRoundTrip<TVividThreeDStyle>(11);
  ExpectRoundTrip<TVividThreeDOrientation>(4);
  ExpectRoundTrip<TVividDisabledStyle>(4);
}

struct StyleNameRow {
  const char* name;
  bool known;
  TVividUserButtonStyle value;
};

TEST(VividNameTest, ReadsStyleNamesExactly) {
  const StyleNameRow rows[] = {
      {"ubsExplorerColored", true, ubsExplorerColored},
      {"ubsWin31", true, ubsWin31},
      {"ubsWin40Ext", true, ubsWin40Ext},
      {"ubsexplorercolored", false, ubsWin40},
      {"ubsWinXP", false, ubsWin40},
      {"", false, ubsWin40},
      {"ubsExplorerColored ", false, ubsWin40},
  };
  for (const StyleNameRow& row : rows) {
    SCOPED_TRACE(row.name);
    TVividUserButtonStyle value = ubsWin40;
    EXPECT_EQ(ReadVividName(row.name, value), row.known);
    EXPECT_EQ(value, row.value);
  }
}

struct StoredRow {
  const char* property;
  const char* value;
  std::optional<StoredStyle> expected;
};

TEST(ReadStoredStyleTest, MapsTheOlderNames) {
  const StoredRow rows[] = {
      {"ExtStyle", "ubsWinXP", StoredStyle{ubsWin40, true}},
      {"ExtStyle", "ubsWinXPCombo", StoredStyle{ubsCombo, true}},
      {"ExtStyle", "ubsWinXPTool", StoredStyle{ubsExplorer, true}},
      {"ExtStyle", "ubsFlat", StoredStyle{ubsFlat, std::nullopt}},
      {"ExtStyle", "ubsExplorerColored", StoredStyle{ubsExplorerColored, std::nullopt}},
      {"Style", "nbsAutoDetect", StoredStyle{ubsWin40, std::nullopt}},
      {"Style", "nbsWin40", StoredStyle{ubsWin40, std::nullopt}},
      {"Style", "nbsWin31", StoredStyle{ubsWin31, std::nullopt}},
      {"ButtonStyle", "ubsFlat", std::nullopt},
      {"Caption", "ubsWinXP", std::nullopt},
  };
  for (const StoredRow& row : rows) {
    SCOPED_TRACE(std::string(row.property) + "=" + row.value);
    EXPECT_EQ(ReadStoredStyle(row.property, row.value), row.expected);
  }
}

TEST(ReadStoredStyleTest, RejectsAnUnknownValue) {
  for (const auto& [property, value] : {std::pair{"ExtStyle", "ubsNoSuchStyle"}, std::pair{"Style", "nbsWin95"},
                                        std::pair{"ExtStyle", ""}}) {
    SCOPED_TRACE(std::string(property) + "=" + value);
    try {
      ReadStoredStyle(property, value);
      ADD_FAILURE() << "no failure raised";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), "Valeur de propri\xE9t\xE9 incorrecte");
    }
  }
}

TEST(ApplyStoredStyleTest, SetsStyleAndThemeSwitch) {
  QWidget form;
  TVividButton button(&form);
  button.SetCtlXP(false);
  EXPECT_TRUE(ApplyStoredStyle(button, "ExtStyle", "ubsWinXPTool"));
  EXPECT_EQ(button.ButtonStyle(), ubsExplorer);
  EXPECT_TRUE(button.CtlXP());
  button.SetCtlXP(false);
  EXPECT_TRUE(ApplyStoredStyle(button, "Style", "nbsWin31"));
  EXPECT_EQ(button.ButtonStyle(), ubsWin31);
  EXPECT_FALSE(button.CtlXP());
  EXPECT_FALSE(ApplyStoredStyle(button, "Caption", "x"));
  EXPECT_EQ(button.ButtonStyle(), ubsWin31);
}

}  // namespace
}  // namespace anod
