#include "app/accessible_names.h"

#include <gtest/gtest.h>

#include <string>

namespace anod {
namespace {

const CalculatorInfo& Column(Shape shape) { return CalculatorFor(shape); }

struct NameCase {
  const char* name;
  std::string heard;
  const char* expected;
  friend void PrintTo(const NameCase& row, std::ostream* os) { *os << row.name; }
};

class AccessibleNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(AccessibleNameTest, ReadsAsTheListenerHearsIt) { EXPECT_EQ(GetParam().heard, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Names, AccessibleNameTest,
    testing::Values(
        NameCase{"Edit1", EditBoxName(Column(Shape::kCylinder), Column(Shape::kCylinder).fields[0]),
                 "Rayon (CYLINDRE)"},
        NameCase{"edt1", EditBoxName(Column(Shape::kCylinder), Column(Shape::kCylinder).fields[1]),
                 "Hauteur (CYLINDRE)"},
        NameCase{"edt4", EditBoxName(Column(Shape::kBox), Column(Shape::kBox).fields[2]),
                 "Largeur (PARALLELEPIPEDE)"},
        NameCase{"Edit2", EditBoxName(Column(Shape::kSphere), Column(Shape::kSphere).fields[0]), "Rayon (SPHERE)"},
        NameCase{"Edit6", EditBoxName(Column(Shape::kPyramid), Column(Shape::kPyramid).fields[1]),
                 "Longueur (PYRAMIDE)"},
        NameCase{"VividButton4", ComputeButtonName(Column(Shape::kPyramid)), "Calculer la surface (PYRAMIDE)"},
        NameCase{"btn2_description", CoveredButtonDescription(Column(Shape::kBox)),
                 "Même action que le bouton coloré « Calculer la surface » (PARALLELEPIPEDE)"},
        NameCase{"Label8_role", LabelRole("Label8"), "Surface (SPHERE)"},
        NameCase{"Label19_role", LabelRole("Label19"), "Courant d'électrolyse"},
        NameCase{"Label1_has_no_role", LabelRole("Label1"), ""},
        NameCase{"Image1", std::string(PictureDescription("Image1")), "Sphère : rayon"},
        NameCase{"Panel2_is_no_picture", std::string(PictureDescription("Panel2")), ""}),
    testing::PrintToStringParamName());

// Each calculator's standard button lies under its colored one.
TEST(ComputeButtonsTest, EachCalculatorHasItsOwnPair) {
  const struct {
    Shape shape;
    const char* standard;
    const char* colored;
  } rows[] = {{Shape::kCylinder, "btn1", "VividButton1"},
              {Shape::kBox, "btn2", "VividButton2"},
              {Shape::kSphere, "Button1", "VividButton3"},
              {Shape::kPyramid, "Button2", "VividButton4"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.standard);
    const ComputeButtons& pair = ButtonsOf(CalculatorFor(row.shape));
    EXPECT_STREQ(pair.standard, row.standard);
    EXPECT_STREQ(pair.colored, row.colored);
  }
}

}  // namespace
}  // namespace anod
