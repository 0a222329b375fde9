#include "ui/planner/plan_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "tests/plan/worked_example.h"

namespace anod {
namespace {

using C = PlanColumn;

// The worked example typed into a new plan, as a user would: French decimal
// commas, the density's unit chosen from its list.
PlanEditor TypedWorkedExample() {
  PlanEditor editor;
  editor.SetRowShape(0, PlanShape::kTube);
  for (auto [column, text] : {std::pair{C::kQuantity, "4"},
                              {C::kDimension1, "2"},
                              {C::kDimension2, "1,5"},
                              {C::kDimension3, "10"},
                              {C::kLabel, "corps"}}) {
    editor.SetCellText(0, column, text);
  }
  const std::size_t plate = editor.AddRow(0);
  editor.SetRowShape(plate, PlanShape::kPlate);
  for (auto [column, text] : {std::pair{C::kQuantity, "2"},
                              {C::kDimension1, "10"},
                              {C::kDimension2, "5"},
                              {C::kDimension3, "0,2"},
                              {C::kLabel, "couvercle"}}) {
    editor.SetCellText(plate, column, text);
  }
  editor.SetSettingText(PlanSetting::kRack, "20");
  editor.SetDensityUnit(DensityUnit::kAmpPerDm2);
  editor.SetSettingText(PlanSetting::kDensity, "1,5");
  editor.SetSettingText(PlanSetting::kSupply, "10");
  return editor;
}

TEST(PlanEditorWorkedExample, TypedOrReadFromItsPlanShowsTheSameResults) {
  for (const PlanEditor& editor : {TypedWorkedExample(), PlanEditor(WorkedExample())}) {
    EXPECT_EQ(editor.CellText(0, C::kPartArea), "230.79");
    EXPECT_EQ(editor.CellText(0, C::kRowArea), "923.16");
    EXPECT_EQ(editor.CellText(1, C::kRowArea), "212.00");
    const LoadSummary& load = editor.Results().load;
    EXPECT_EQ(load.problem, "");
    EXPECT_EQ(load.area, "Surface totale : 1155.16 cm\xC2\xB2 (11.55 dm\xC2\xB2)");
    EXPECT_EQ(load.current, "Courant : 17327 mA (17.33 A) \xC3\xA0 15.00 mA/cm\xC2\xB2");
    EXPECT_EQ(load.time, "Temps : 31.2 min pour 15 \xC2\xB5m (r\xC3\xA8gle de 312)");
    EXPECT_EQ(load.supply, "Alimentation 10 A : insuffisante");
    EXPECT_EQ(load.supply_advice.size(), 2u);
    EXPECT_TRUE(editor.Results().problems.empty());
    EXPECT_EQ(editor.SaveProblem(), "");
    EXPECT_TRUE(editor.Results().RunSheetText().starts_with("Fiche de bain\n1. D\xC3\xA9graissage :"));
  }
  EXPECT_EQ(TypedWorkedExample().ToPlan(), WorkedExample());
}

// One edit of the typed worked example, and the message it marks where.
struct EditCase {
  const char* name;
  std::function<void(PlanEditor&)> edit;
  std::size_t row;
  PlanColumn column;  // kShape: the message is the row's; kLabel: a setting's
  PlanSetting setting = PlanSetting::kRack;
  const char* problem = "";
  bool blocks_saving = false;
};
void PrintTo(const EditCase& row, std::ostream* os) { *os << row.name; }

class PlanEditorEdits : public testing::TestWithParam<EditCase> {};

TEST_P(PlanEditorEdits, MarkTheFieldAndKeepTheOtherRows) {
  const EditCase& row = GetParam();
  PlanEditor editor = TypedWorkedExample();
  row.edit(editor);
  const std::string marked = row.column == C::kLabel   ? editor.SettingProblem(row.setting)
                             : row.column == C::kShape ? editor.RowProblem(row.row)
                                                       : editor.CellProblem(row.row, row.column);
  EXPECT_EQ(marked, row.problem);
  EXPECT_EQ(editor.Results().problems.size(), 1u);
  EXPECT_EQ(editor.SaveProblem().empty(), !row.blocks_saving);
  EXPECT_NE(editor.Results().load.problem, "");
  EXPECT_EQ(editor.Results().load.current, "");
  if (row.column != C::kLabel) {
    EXPECT_EQ(editor.CellText(1 - row.row, C::kRowArea), row.row == 0 ? "212.00" : "923.16");
  }
}

const EditCase kEdits[] = {
    {"InnerRadiusNotANumber",
     [](PlanEditor& e) { e.SetCellText(0, C::kDimension2, "1,5x"); },
     0,
     C::kDimension2,
     {},
     "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB), rayon int\xC3\xA9rieur : "
     "\xC2\xAB 1,5x \xC2\xBB n'est pas un nombre",
     true},
    {"InnerRadiusAboveOuter",
     [](PlanEditor& e) { e.SetCellText(0, C::kDimension2, "2,5"); },
     0,
     C::kDimension2,
     {},
     "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : \xC2\xAB rayon int\xC3\xA9rieur "
     "\xC2\xBB (2.5) doit \xC3\xAAtre "
     "inf\xC3\xA9rieur \xC3\xA0 \xC2\xAB rayon ext\xC3\xA9rieur \xC2\xBB (2)"},
    {"QuantityNotWhole",
     [](PlanEditor& e) { e.SetCellText(1, C::kQuantity, "2,5"); },
     1,
     C::kQuantity,
     {},
     "Ligne 2 (Plaque \xC2\xAB couvercle \xC2\xBB), quantit\xC3\xA9 : \xC2\xAB "
     "2,5 \xC2\xBB n'est pas un nombre entier",
     true},
    {"QuantityZero",
     [](PlanEditor& e) { e.SetCellText(1, C::kQuantity, "0"); },
     1,
     C::kQuantity,
     {},
     "Ligne 2 (Plaque \xC2\xAB couvercle \xC2\xBB) : la quantit\xC3\xA9 (0) "
     "doit \xC3\xAAtre un nombre entier "
     "d'au moins 1"},
    {"ThicknessBlank",
     [](PlanEditor& e) { e.SetCellText(1, C::kDimension3, " "); },
     1,
     C::kDimension3,
     {},
     "Ligne 2 (Plaque \xC2\xAB couvercle \xC2\xBB), \xC3\xA9paisseur : valeur "
     "\xC3\xA0 saisir"},
    {"HugePlate",
     [](PlanEditor& e) { e.SetCellText(1, C::kDimension1, "1e308"); },
     1,
     C::kShape,
     {},
     "Ligne 2 (Plaque \xC2\xAB couvercle \xC2\xBB) : surface hors limites"},
    {"DensityNotANumber", [](PlanEditor& e) { e.SetSettingText(PlanSetting::kDensity, "abc"); }, 0, C::kLabel,
     PlanSetting::kDensity, "Densit\xC3\xA9 de courant : \xC2\xAB abc \xC2\xBB n'est pas un nombre", true},
    {"RackNegative", [](PlanEditor& e) { e.SetSettingText(PlanSetting::kRack, "-1"); }, 0, C::kLabel,
     PlanSetting::kRack,
     "Montage et contacts : la surface (-1 cm\xC2\xB2) ne peut pas \xC3\xAAtre "
     "n\xC3\xA9gative",
     true},
};
INSTANTIATE_TEST_SUITE_P(Typed, PlanEditorEdits, testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanEditorSettings, OptionalOnesMayBeEmptyAndATimeGivesItsThickness) {
  PlanEditor editor = TypedWorkedExample();
  editor.SetSettingText(PlanSetting::kSupply, "");
  editor.SetSettingText(PlanSetting::kTime, "20");
  EXPECT_EQ(editor.Results().load.supply, "");
  EXPECT_EQ(editor.Results().load.thickness_at_time, "En 20 min : 9.6 \xC2\xB5m");
  EXPECT_FALSE(editor.ToPlan().supply_a.has_value());
}

// Shapes' names along the rows after each edit of the rows.
struct RowsCase {
  const char* name;
  std::function<std::size_t(PlanEditor&)> edit;  // gives the row it made or moved
  std::size_t row;
  std::vector<PlanShape> shapes;
};
void PrintTo(const RowsCase& row, std::ostream* os) { *os << row.name; }

class PlanEditorRows : public testing::TestWithParam<RowsCase> {};

TEST_P(PlanEditorRows, EditTheTable) {
  const RowsCase& row = GetParam();
  PlanEditor editor = TypedWorkedExample();
  const std::uint64_t revision = editor.Revision();
  EXPECT_EQ(row.edit(editor), row.row);
  std::vector<PlanShape> shapes;
  for (std::size_t i = 0; i < editor.RowCount(); ++i) shapes.push_back(editor.RowShape(i));
  EXPECT_EQ(shapes, row.shapes);
  const std::vector unchanged{PlanShape::kTube, PlanShape::kPlate};
  EXPECT_EQ(editor.Revision() > revision, shapes != unchanged);
}

using S = PlanShape;
const RowsCase kRows[] = {
    {"AddAfterFirst", [](PlanEditor& e) { return e.AddRow(0); }, 1, {S::kTube, S::kTube, S::kPlate}},
    {"AddAtEnd", [](PlanEditor& e) { return e.AddRow(std::nullopt); }, 2, {S::kTube, S::kPlate, S::kPlate}},
    {"Duplicate", [](PlanEditor& e) { return e.DuplicateRow(0); }, 1, {S::kTube, S::kTube, S::kPlate}},
    {"Remove",
     [](PlanEditor& e) {
       e.RemoveRow(0);
       return std::size_t{0};
     },
     0,
     {S::kPlate}},
    {"MoveDown", [](PlanEditor& e) { return e.MoveRow(0, +1); }, 1, {S::kPlate, S::kTube}},
    {"MoveLastDown", [](PlanEditor& e) { return e.MoveRow(1, +1); }, 1, {S::kTube, S::kPlate}},
    {"MoveFirstUp", [](PlanEditor& e) { return e.MoveRow(0, -1); }, 0, {S::kTube, S::kPlate}},
    {"SameText",
     [](PlanEditor& e) {
       e.SetCellText(0, C::kQuantity, "4");
       return std::size_t{0};
     },
     0,
     {S::kTube, S::kPlate}},
    {"AreaColumn",
     [](PlanEditor& e) {
       e.SetCellText(0, C::kRowArea, "1");
       return std::size_t{0};
     },
     0,
     {S::kTube, S::kPlate}},
};
INSTANTIATE_TEST_SUITE_P(Rows, PlanEditorRows, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanEditorShapes, FieldsAndHeadersFollowTheShape) {
  PlanEditor editor = TypedWorkedExample();  // tube: 2, 1,5, 10
  EXPECT_EQ(editor.ColumnHeader(C::kDimension2, 0), "Rayon int\xC3\xA9rieur");
  EXPECT_EQ(editor.ColumnHeader(C::kDimension3, 1), "\xC3\x89paisseur");
  EXPECT_EQ(editor.ColumnHeader(C::kDimension2, std::nullopt), "Cote 2");
  editor.SetRowShape(0, PlanShape::kPlate);  // the length is kept
  EXPECT_EQ(editor.CellText(0, C::kDimension1), "10");
  EXPECT_EQ(editor.CellText(0, C::kDimension3), "");
  editor.SetRowShape(0, PlanShape::kSphere);
  EXPECT_FALSE(editor.CellEditable(0, C::kDimension2));
  EXPECT_EQ(editor.ColumnHeader(C::kDimension2, 0), "Cote 2");
  EXPECT_FALSE(editor.CellEditable(0, C::kPartArea));
}

TEST(PlanEditorCalculatedPart, FillsTheBlankRowInThePlansUnit) {
  PlanEditor editor;  // one blank cylinder row
  editor.SetLengthUnit(LengthUnit::kMillimetre);
  EXPECT_EQ(editor.AddCalculatedPart({PlanShape::kCylinder, {"3", "10"}}), 0u);
  EXPECT_EQ(editor.CellText(0, C::kDimension1), "30");
  EXPECT_EQ(editor.CellText(0, C::kRowArea), "244.92");
  EXPECT_EQ(editor.AddCalculatedPart({PlanShape::kBox, {"2", "3x", "4"}}), 1u);
  EXPECT_EQ(editor.CellText(1, C::kDimension2), "3x");
  EXPECT_NE(editor.CellProblem(1, C::kDimension2), "");
}

}  // namespace
}  // namespace anod
