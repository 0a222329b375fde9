// The main window's model as built from the description carried in the
// program, on a shell without a toolkit.
#include "ui/form_model.h"

#include <gtest/gtest.h>

#include "ui/form1_description.h"
#include "pictures/jpeg_module.h"
#include "tests/ui/click_counts.h"
#include "tests/ui/recording_shell.h"

namespace anod {
namespace {

using testing_support::Build;
using testing_support::BuiltForm;
using testing_support::Counts;
using testing_support::FakeControl;
using testing_support::Handlers;

class FormModelTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterJPEGFormats(); }
  void SetUp() override { built_ = Build(Form1Description(), Handlers(counts_)); }

  FormModel& Form() { return *built_->form; }
  const FormControl& At(const char* name) {
    const FormControl* c = Form().Find(name);
    if (c == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *c;
  }
  const FakeControl* Fake(const char* name) { return dynamic_cast<const FakeControl*>(At(name).windowed); }
  std::string Name(const FormControl* c) { return c != nullptr ? c->name : "(none)"; }

  Counts counts_;
  std::unique_ptr<BuiltForm> built_;
};

// --- Geometry of all 72 controls ---------------------------------------------------

struct ControlRow {
  const char* name;
  const char* kind;
  const char* parent;
  int left, top, width, height;
  int tab_order;  // -1: drawn
};

constexpr ControlRow kControls[] = {
    {"bvl1", "TBevel", "Form1", 16, 56, 249, 449, -1},
    {"shp1", "TShape", "Form1", 24, 64, 233, 233, -1},
    {"Label1", "TLabel", "Form1", 24, 336, 89, 25, -1},
    {"Label2", "TLabel", "Form1", 216, 336, 41, 25, -1},
    {"lbl1", "TLabel", "Form1", 24, 368, 89, 25, -1},
    {"lbl2", "TLabel", "Form1", 216, 368, 41, 25, -1},
    {"lbl3", "TLabel", "Form1", 24, 432, 89, 25, -1},
    {"lbl4", "TLabel", "Form1", 128, 432, 129, 25, -1},
    {"img1", "TImage", "Form1", 32, 72, 217, 217, -1},
    {"bvl2", "TBevel", "Form1", 280, 56, 249, 449, -1},
    {"shp2", "TShape", "Form1", 288, 64, 233, 233, -1},
    {"lbl5", "TLabel", "Form1", 288, 336, 89, 25, -1},
    {"lbl6", "TLabel", "Form1", 480, 336, 41, 25, -1},
    {"lbl7", "TLabel", "Form1", 288, 368, 89, 25, -1},
    {"lbl8", "TLabel", "Form1", 480, 368, 41, 25, -1},
    {"lbl9", "TLabel", "Form1", 288, 432, 89, 25, -1},
    {"lbl10", "TLabel", "Form1", 392, 432, 129, 25, -1},
    {"img2", "TImage", "Form1", 296, 72, 217, 217, -1},
    {"lbl11", "TLabel", "Form1", 288, 400, 89, 25, -1},
    {"lbl12", "TLabel", "Form1", 480, 400, 41, 25, -1},
    {"Bevel1", "TBevel", "Form1", 544, 56, 249, 449, -1},
    {"Shape1", "TShape", "Form1", 552, 64, 233, 233, -1},
    {"Label3", "TLabel", "Form1", 552, 336, 89, 25, -1},
    {"Label4", "TLabel", "Form1", 744, 336, 41, 25, -1},
    {"Label7", "TLabel", "Form1", 552, 432, 89, 25, -1},
    {"Label8", "TLabel", "Form1", 656, 432, 129, 25, -1},
    {"Image1", "TImage", "Form1", 560, 72, 217, 217, -1},
    {"Bevel2", "TBevel", "Form1", 808, 56, 249, 449, -1},
    {"Shape2", "TShape", "Form1", 816, 64, 233, 233, -1},
    {"Label11", "TLabel", "Form1", 816, 336, 89, 25, -1},
    {"Label12", "TLabel", "Form1", 1008, 336, 41, 25, -1},
    {"Label13", "TLabel", "Form1", 816, 368, 89, 25, -1},
    {"Label14", "TLabel", "Form1", 1008, 368, 41, 25, -1},
    {"Label15", "TLabel", "Form1", 816, 432, 89, 25, -1},
    {"Label16", "TLabel", "Form1", 920, 432, 129, 25, -1},
    {"Image2", "TImage", "Form1", 824, 72, 217, 217, -1},
    {"Label5", "TLabel", "Form1", 16, 784, 241, 137, -1},
    {"Label6", "TLabel", "Form1", 552, 784, 241, 137, -1},
    {"Label9", "TLabel", "Form1", 816, 784, 241, 137, -1},
    {"Label20", "TLabel", "Form1", 280, 784, 241, 97, -1},
    {"Label19", "TLabel", "Form1", 280, 888, 241, 33, -1},
    {"Bevel3", "TBevel", "Form1", 280, 888, 241, 33, -1},
    {"Edit1", "TEdit", "Form1", 128, 336, 81, 28, 0},
    {"btn1", "TButton", "Form1", 24, 464, 233, 33, 1},
    {"edt1", "TEdit", "Form1", 128, 368, 81, 28, 2},
    {"txt1", "TStaticText", "Form1", 24, 304, 233, 24, 3},
    {"edt2", "TEdit", "Form1", 392, 336, 81, 28, 4},
    {"edt3", "TEdit", "Form1", 392, 368, 81, 28, 5},
    {"txt2", "TStaticText", "Form1", 288, 304, 233, 24, 6},
    {"edt4", "TEdit", "Form1", 392, 400, 81, 28, 7},
    {"btn2", "TButton", "Form1", 288, 464, 233, 33, 8},
    {"Edit2", "TEdit", "Form1", 656, 336, 81, 28, 9},
    {"StaticText1", "TStaticText", "Form1", 552, 304, 233, 24, 10},
    {"Button1", "TButton", "Form1", 552, 464, 233, 33, 11},
    {"Edit5", "TEdit", "Form1", 920, 336, 81, 28, 12},
    {"Edit6", "TEdit", "Form1", 920, 368, 81, 28, 13},
    {"StaticText2", "TStaticText", "Form1", 816, 304, 233, 24, 14},
    {"Button2", "TButton", "Form1", 816, 464, 233, 33, 15},
    {"Panel1", "TPanel", "Form1", 16, 520, 1041, 41, 16},
    {"Panel2", "TPanel", "Form1", 16, 568, 241, 201, 17},
    {"Image4", "TImage", "Panel2", 4, 4, 233, 193, -1},
    {"Panel3", "TPanel", "Form1", 280, 568, 241, 201, 18},
    {"Image3", "TImage", "Panel3", 4, 4, 233, 193, -1},
    {"Panel4", "TPanel", "Form1", 552, 568, 241, 201, 19},
    {"Image6", "TImage", "Panel4", 4, 4, 233, 193, -1},
    {"Panel5", "TPanel", "Form1", 816, 568, 241, 201, 20},
    {"Image5", "TImage", "Panel5", 4, 4, 233, 193, -1},
    {"Panel7", "TPanel", "Form1", 16, 8, 1041, 41, 21},
    {"VividButton1", "TVividButton", "Form1", 27, 468, 226, 24, 22},
    {"VividButton2", "TVividButton", "Form1", 291, 468, 226, 24, 23},
    {"VividButton3", "TVividButton", "Form1", 555, 468, 226, 24, 24},
    {"VividButton4", "TVividButton", "Form1", 819, 468, 226, 24, 25},
};

TEST_F(FormModelTest, EveryControlInCreationOrderWithItsGeometry) {
  const auto& built = Form().Controls();
  ASSERT_EQ(built.size(), std::size(kControls));
  for (std::size_t i = 0; i < built.size(); ++i) {
    const ControlRow& row = kControls[i];
    SCOPED_TRACE(row.name);
    const Rect bounds = Rect::FromBounds(row.left, row.top, row.width, row.height);
    EXPECT_EQ(built[i].name, row.name);
    EXPECT_EQ(built[i].class_name, row.kind);
    EXPECT_EQ(built[i].parent, row.parent);
    EXPECT_EQ(built[i].bounds, bounds);
    EXPECT_EQ(built[i].tab_order, row.tab_order);
    EXPECT_EQ(built[i].windowed != nullptr, row.tab_order >= 0);
    EXPECT_EQ(built[i].drawn != nullptr, row.tab_order < 0);
    if (built[i].drawn != nullptr) {
      EXPECT_EQ(built[i].drawn->Bounds(), bounds);
    }
    // The shell's control has its bounds and its look applied once.
    if (const auto* fake = dynamic_cast<const FakeControl*>(built[i].windowed); fake != nullptr) {
      EXPECT_EQ(fake->bounds, bounds);
      EXPECT_EQ(fake->looks, 1);
    }
  }
  EXPECT_EQ(dynamic_cast<const testing_support::FakeColoredButton*>(At("VividButton1").windowed)->bounds,
            Rect::FromBounds(27, 468, 226, 24));
  EXPECT_EQ(Form().ScrollRange(), (Size{1057, 921}));
}

TEST_F(FormModelTest, WindowItselfIsReadBeforeItsControls) {
  const WindowProperties& w = Form().Window();
  EXPECT_EQ(w.caption, "Calculs de surfaces pour anodisation de l'aluminium");
  EXPECT_EQ(built_->shell.window_caption, w.caption);
  EXPECT_EQ(built_->shell.controls_before_window_read, 0);
  EXPECT_EQ(w.outer_size, (Size{1081, 963}));
  EXPECT_EQ(FormModel::ClientSizeFor(w.outer_size), (Size{1073, 936}));
  EXPECT_EQ(w.color, clNavy);
  EXPECT_EQ(w.font, FontSpec{});
  EXPECT_TRUE(w.system_menu && w.minimize_box && w.maximize_box);
  EXPECT_TRUE(w.centre_on_show);
  EXPECT_TRUE(w.auto_scroll);
  EXPECT_EQ(w.icon.width, 32);
  EXPECT_EQ(w.icon.height, 32);
}

TEST_F(FormModelTest, InitialCaptionsAndEmptyEdits) {
  for (const char* name : {"Edit1", "edt1", "edt2", "edt3", "edt4", "Edit2", "Edit5", "Edit6"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(At(name).As<EditBoxModel>(), nullptr);
    EXPECT_EQ(At(name).As<EditBoxModel>()->text, "");
  }
  const std::string empty_result = std::string(17, ' ') + "Cm\xB2 ";
  for (const char* name : {"lbl4", "lbl10", "Label8", "Label16"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Form().LabelCaption(name), empty_result);
  }
  EXPECT_EQ(Form().LabelCaption("Label19"), "0 mA");
  EXPECT_EQ(Form().LabelCaption("lbl7"), "Longueur:");
  EXPECT_EQ(Form().LabelCaption("Label5"),
            "DEGRAISSAGE\r\n Soude caustique\r\n 10g /100ml d'eau\r\n pendant 5 \xE0 10 minutes");
  EXPECT_EQ(Form().LabelCaption("Label20"),
            "ELECTROLYSE\r\nAcide sulfurique\r\n170ml / litre d'eau <24\xB0\r\nCourant \xE0 utiliser:");
  EXPECT_EQ(Form().LabelCaption("Label6"),
            "COLORATION\r\nColorant: 6ml /100ml\r\nd'eau chaude \xE0 55/65\xB0\r\n pendant 15 \xE0 20mn");
  EXPECT_EQ(Form().LabelCaption("Label9"), "FIXATION\r\nEau bouillante pendant\r\n10 \xE0 30mn");
  EXPECT_EQ(At("txt2").As<StaticTextModel>()->caption, "PARALLELEPIPEDE");
  EXPECT_EQ(At("Panel1").As<PanelModel>()->look.caption, "Les \xE9tapes de l'anodisation de l'aluminium");
  EXPECT_EQ(At("Panel7").As<PanelModel>()->look.caption, "Le calcul de la surface totale \xE0 anodiser");
  EXPECT_EQ(At("Panel4").As<PanelModel>()->look.caption, "Panel2");
  EXPECT_EQ(At("Button2").As<PushButtonModel>()->look.caption, "Calculer la surface");
  auto& colored = dynamic_cast<ColoredButtonControl*>(At("VividButton3").windowed)->Model();
  EXPECT_EQ(colored.Caption(), "Calculer la surface");
  EXPECT_FALSE(colored.Loading());
}

TEST_F(FormModelTest, FontsOfTheEdits) {
  const FontSpec& own = At("Edit1").As<EditBoxModel>()->font;
  EXPECT_EQ(own.name, "Arial");
  EXPECT_TRUE(own.bold);
  EXPECT_EQ(own.color, clBlack);
  EXPECT_EQ(own.charset, 0);
  const FontSpec& shared = At("edt1").As<EditBoxModel>()->font;
  EXPECT_EQ(shared.name, "Arial Black");
  EXPECT_EQ(shared.height, -16);
  EXPECT_FALSE(shared.bold);
  EXPECT_EQ(At("edt4").As<EditBoxModel>()->color, clInactiveCaption);
}

TEST_F(FormModelTest, TextsGoThroughTheShellsEditBoxAndTheLabels) {
  Form().SetEditText("edt2", "3,5");
  EXPECT_EQ(Fake("edt2")->text, "3,5");
  EXPECT_EQ(Form().EditText("edt2"), "3,5");
  std::vector<Rect> repainted;
  Form().Surface().SetInvalidate([&](const Rect& r) { repainted.push_back(r); });
  Form().SetLabelCaption("Label19", "2450 mA ");
  EXPECT_EQ(Form().LabelCaption("Label19"), "2450 mA ");
  EXPECT_EQ(repainted, std::vector<Rect>{Rect::FromBounds(280, 888, 241, 33)});
  Form().SetLabelCaption("Label19", "2450 mA ");  // unchanged: no repaint
  EXPECT_EQ(repainted.size(), 1u);
  // Unknown names and kinds change nothing.
  Form().SetLabelCaption("Edit1", "x");
  EXPECT_EQ(Form().EditText("Label19"), "");
  EXPECT_EQ(Form().EditText("nothing"), "");
}

// Both buttons of a column, the standard one and the colored one over it,
// run that column's handler and no other.
TEST_F(FormModelTest, ClicksRunTheirColumnsHandler) {
  const std::pair<const char*, int Counts::*> rows[] = {
      {"btn1", &Counts::btn1},       {"VividButton1", &Counts::btn1},    {"btn2", &Counts::btn2},
      {"VividButton2", &Counts::btn2}, {"Button1", &Counts::button1},    {"VividButton3", &Counts::button1},
      {"Button2", &Counts::button2}, {"VividButton4", &Counts::button2},
  };
  for (const auto& [button, count] : rows) {
    SCOPED_TRACE(button);
    const int before = counts_.*count;
    if (auto* standard = At(button).As<PushButtonModel>()) {
      standard->Click();
    } else {
      dynamic_cast<ColoredButtonControl&>(*At(button).windowed).Model().OnClick();
    }
    EXPECT_EQ(counts_.*count, before + 1);
  }
  EXPECT_EQ(counts_.btn1 + counts_.btn2 + counts_.button1 + counts_.button2, 8);
}

TEST(PushButtonKeyTest, EnterClicksOncePerPressNeverOnItsRepeats) {
  struct Row {
    const char* name;
    bool enter, auto_repeat, clicks;
  };
  const Row rows[] = {
      {"Enter", true, false, true}, {"EnterHeldDown", true, true, false}, {"Space", false, false, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PushButtonModel::KeyClicks(row.enter, row.auto_repeat), row.clicks);
  }
}

// --- Placement --------------------------------------------------------------------

TEST_F(FormModelTest, CentredOnTheFirstShowOnly) {
  const Rect screen{0, 0, 1280, 1024};
  EXPECT_EQ(Form().FirstShow(screen, screen), (Rect{99, 30, 1180, 993}));
  EXPECT_EQ(Form().FirstShow(screen, screen), std::nullopt);
}

// --- Focus ----------------------------------------------------------------------------

TEST_F(FormModelTest, TabVisitsEveryTabStopInOrderAndWraps) {
  const auto can = built_->shell.Focusable();
  EXPECT_EQ(Name(Form().NextTabStop(nullptr, true, can)), "Edit1");
  const std::vector<std::string> cycle = {"btn1",    "edt1",         "edt2",         "edt3",         "edt4",
                                          "btn2",    "Edit2",        "Button1",      "Edit5",        "Edit6",
                                          "Button2", "VividButton1", "VividButton2", "VividButton3", "VividButton4",
                                          "Edit1"};
  const FormControl* at = Form().Find("Edit1");
  for (const std::string& expected : cycle) {
    at = Form().NextTabStop(at, true, can);
    EXPECT_EQ(Name(at), expected);
  }
}

TEST_F(FormModelTest, ShiftTabGoesBackwardsAndSkipsWhatCannotTakeTheFocus) {
  auto& shell = built_->shell;
  EXPECT_EQ(Name(Form().NextTabStop(&At("Edit1"), false, shell.Focusable())), "VividButton4");
  EXPECT_EQ(Name(Form().NextTabStop(nullptr, false, shell.Focusable())), "VividButton4");
  shell.refusing_focus = {"btn1", "Edit1"};
  EXPECT_EQ(Name(Form().NextTabStop(nullptr, true, shell.Focusable())), "edt1");
  EXPECT_EQ(Name(Form().NextTabStop(&At("edt1"), false, shell.Focusable())), "VividButton4");
}

struct ArrowCase {
  const char* name;
  const char* start;
  bool forward;
  std::vector<std::string> visited;
};

TEST_F(FormModelTest, ArrowKeysMoveThroughEveryWindowedControl) {
  const ArrowCase cases[] = {
      {"ForwardFromButton2ThroughThePanels", "Button2", true,
       {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel7", "VividButton1"}},
      {"ForwardFromBtn1", "btn1", true, {"edt1"}},
      {"BackFromButton1ToTheStaticText", "Button1", false, {"StaticText1", "Edit2"}},
      {"BackFromBtn1", "btn1", false, {"Edit1"}},
      {"ForwardFromVividButton4Wraps", "VividButton4", true, {"Edit1"}},
  };
  const auto can = built_->shell.Focusable();
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(c.name);
    const FormControl* at = &At(c.start);
    for (const std::string& expected : c.visited) {
      at = Form().NextInTabOrder(*at, c.forward, can);
      ASSERT_EQ(Name(at), expected);
    }
  }
  EXPECT_TRUE(FormModel::UsesArrowKeys(At("edt1")));
  EXPECT_FALSE(FormModel::UsesArrowKeys(At("Panel1")));
  EXPECT_EQ(Form().NextInTabOrder(At("Image4"), true, can), nullptr);
}

// --- Scaling ---------------------------------------------------------------------------

TEST(FormModelScalingTest, ZeroOf16PixelsScalesEveryControlBy16Over13) {
  RegisterJPEGFormats();
  Counts counts;
  auto built = Build(Form1Description(), Handlers(counts), {96, [](int) { return 16; }});
  const FormModel& form = *built->form;
  EXPECT_EQ(form.Find("Panel7")->bounds, (Rect{20, 10, 1301, 60}));
  EXPECT_EQ(dynamic_cast<const FakeControl*>(form.Find("Panel7")->windowed)->bounds, (Rect{20, 10, 1301, 60}));
  EXPECT_EQ(form.Find("Image4")->drawn->Bounds(), (Rect{5, 5, 292, 242}));
  EXPECT_EQ(form.Find("VividButton1")->bounds, (Rect{33, 576, 311, 606}));
  EXPECT_EQ(form.ScrollRange(), (Size{1301, 1134}));
  // Fonts: 12 pt -> 15 pt (-20 px); the window keeps its size.
  EXPECT_EQ(form.Label("Label1")->Look().font.height, -20);
  EXPECT_EQ(form.Find("edt1")->As<EditBoxModel>()->font.height, -20);
  EXPECT_EQ(dynamic_cast<ColoredButtonControl*>(form.Find("VividButton1")->windowed)->Model().Font().height, -23);
  EXPECT_EQ(form.Window().outer_size, (Size{1081, 963}));
}

TEST(FormModelScalingTest, At96DpiWithTheUsualFontNothingScales) {
  RegisterJPEGFormats();
  Counts counts;
  auto built = Build(Form1Description(), Handlers(counts), {96, [](int) { return 13; }});
  EXPECT_EQ(built->form->Find("Panel7")->bounds, Rect::FromBounds(16, 8, 1041, 41));
  EXPECT_EQ(built->form->Label("Label1")->Look().font.height, -16);
  EXPECT_EQ(built->form->Window().font.height, -11);
}

TEST(FormModelScalingTest, HigherDpiChangesTheWindowFontThatPanelsFollow) {
  RegisterJPEGFormats();
  Counts counts;
  auto built = Build(Form1Description(), Handlers(counts), {120, [](int) { return 13; }});
  const FormModel& form = *built->form;
  EXPECT_EQ(form.Window().font.height, -14);
  EXPECT_EQ(form.Find("Panel2")->As<PanelModel>()->look.font.height, -14);
  EXPECT_EQ(form.Find("Panel1")->As<PanelModel>()->look.font.height, -24);
  EXPECT_EQ(form.Find("Panel7")->bounds, Rect::FromBounds(16, 8, 1041, 41));
}

}  // namespace
}  // namespace anod
