// Building the window from damaged descriptions: every failure is an
// EReadError whose message names what was being read.
#include <gtest/gtest.h>

#include <functional>

#include "core/failures.h"
#include "pictures/jpeg_module.h"
#include "ui/description_stream.h"
#include "ui/form1_description.h"
#include "ui/form_model.h"
#include "tests/ui/recording_shell.h"

namespace anod {
namespace {

using testing_support::Build;

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// A form with one label and one button, then whatever `extra` adds to the
// button before its properties end.
std::string SmallForm(const std::function<void(StreamWriter&)>& extra) {
  StreamWriter w;
  w.BeginObject("TForm1", "Form1");
  w.Property("Color", Value::Id("clNavy"));
  w.EndProperties();
  w.BeginObject("TLabel", "L");
  w.Property("Caption", Value::Str("0 mA"));
  w.EndProperties();
  w.EndObject();
  w.BeginObject("TButton", "B");
  w.Property("Left", Value::Int(24));
  extra(w);
  w.EndProperties();
  w.EndObject();
  w.EndObject();
  return w.Bytes();
}

const HandlerTable kHandlers = {{"btn1Click", [] {}}};

struct Damage {
  const char* name;
  std::function<std::string()> bytes;
  const char* message;
  friend void PrintTo(const Damage& row, std::ostream* os) { *os << row.name; }
};

class DamagedDescriptionTest : public testing::TestWithParam<Damage> {};

TEST_P(DamagedDescriptionTest, FailsWithReadError) {
  const Damage& row = GetParam();
  const std::string bytes = row.bytes();
  try {
    Build(AsBytes(bytes), kHandlers);
    FAIL() << "built without failure";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), row.message);
  }
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  const auto at = s.find(from);
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Streams, DamagedDescriptionTest,
    testing::Values(
        Damage{"Empty", [] { return std::string(); }, "Erreur de lecture du flux"},
        Damage{"WrongSignature", [] { return Replace(SmallForm([](StreamWriter&) {}), "ANW1", "ANW2"); },
               "Erreur de lecture du flux"},
        Damage{"CutInsideFormHeader", [] { return SmallForm([](StreamWriter&) {}).substr(0, 9); },
               "Erreur de lecture du flux"},
        Damage{"CutBeforeLastEnd",
               [] {
                 std::string s = SmallForm([](StreamWriter&) {});
                 return s.substr(0, s.size() - 1);
               },
               "Erreur de lecture du flux"},
        Damage{"CutInsideCaption",
               [] {
                 std::string s = SmallForm([](StreamWriter&) {});
                 return s.substr(0, s.find("0 mA") + 2);
               },
               "Erreur lors de la lecture de L.Caption: Erreur de lecture du flux"},
        Damage{"UnknownValueType",
               [] {
                 return Replace(SmallForm([](StreamWriter&) {}), std::string("\x05" "Color\x03", 7),
                                std::string("\x05" "Color\x07", 7));
               },
               "Erreur lors de la lecture de Form1.Color: Valeur de propri\xE9t\xE9 incorrecte"},
        Damage{"TextWhereANumberBelongs", [] { return SmallForm([](StreamWriter& w) { w.Property("Top", Value::Str("8")); }); },
               "Erreur lors de la lecture de B.Top: Valeur de propri\xE9t\xE9 incorrecte"},
        Damage{"UnknownColourName",
               [] { return Replace(SmallForm([](StreamWriter&) {}), "\x06" "clNavy", "\x06" "clNovy"); },
               "Erreur lors de la lecture de Form1.Color: Valeur de propri\xE9t\xE9 incorrecte"},
        Damage{"NegativeWidth", [] { return SmallForm([](StreamWriter& w) { w.Property("Width", Value::Int(-1)); }); },
               "Erreur lors de la lecture de B.Width: Valeur de propri\xE9t\xE9 incorrecte"},
        Damage{"UnknownProperty", [] { return SmallForm([](StreamWriter& w) { w.Property("Colour", Value::Int(1)); }); },
               "Erreur lors de la lecture de B.Colour: Propri\xE9t\xE9 Colour inexistante"},
        Damage{"UnknownHandler", [] { return SmallForm([](StreamWriter& w) { w.Property("OnClick", Value::Id("nope")); }); },
               "Erreur lors de la lecture de B.OnClick: M\xE9thode nope introuvable"},
        Damage{"DefaultButton", [] { return SmallForm([](StreamWriter& w) { w.Property("Default", Value::Bool(true)); }); },
               "Erreur lors de la lecture de B.Default: Valeur de propri\xE9t\xE9 incorrecte"},
        Damage{"UnknownClass", [] { return Replace(SmallForm([](StreamWriter&) {}), "\x07TButton", "\x07TBottom"); },
               "Erreur lors de la lecture de B: Classe TBottom introuvable"},
        Damage{"RootIsNoWindow", [] { return Replace(SmallForm([](StreamWriter&) {}), "\x06TForm1", "\x06TPanel"); },
               "Erreur lors de la lecture de Form1: Classe TPanel introuvable"},
        Damage{"NameTwice", [] { return Replace(SmallForm([](StreamWriter&) {}), "\x01" "B", "\x01L"); },
               "Erreur lors de la lecture de L: Un composant nomm\xE9 L existe d\xE9j\xE0"},
        Damage{"IconNotAnIconFile",
               [] {
                 StreamWriter w;
                 w.BeginObject("TForm1", "Form1");
                 w.Property("Icon.Data", Value::Raw("GIF89a"));
                 w.EndProperties();
                 w.EndObject();
                 return w.Bytes();
               },
               "Erreur lors de la lecture de Form1.Icon.Data: Ic\xF4ne incorrecte"},
        Damage{"ChildOfALabel",
               [] {
                 StreamWriter w;
                 w.BeginObject("TForm1", "Form1");
                 w.EndProperties();
                 w.BeginObject("TLabel", "L");
                 w.EndProperties();
                 w.BeginObject("TLabel", "M");
                 w.EndProperties();
                 w.EndObject();
                 w.EndObject();
                 w.EndObject();
                 return w.Bytes();
               },
               "Erreur lors de la lecture de M: Erreur de lecture du flux"}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// A form with one image control whose Picture.Data is `value`.
std::string ImageForm(const Value& value) {
  StreamWriter w;
  w.BeginObject("TForm1", "Form1");
  w.EndProperties();
  w.BeginObject("TImage", "img1");
  w.Property("Width", Value::Int(217));
  w.Property("Height", Value::Int(217));
  w.Property("Picture.Data", value);
  w.Property("Proportional", Value::Bool(true));
  w.EndProperties();
  w.EndObject();
  w.EndObject();
  return w.Bytes();
}

// The bytes of a picture value: class name, J, then `stream` (of which only
// `present` bytes are really there when given).
std::string PictureBytes(const std::string& class_name, const std::string& stream, std::size_t declared) {
  std::string out(1, static_cast<char>(class_name.size()));
  out += class_name;
  for (int i = 0; i < 4; ++i) out += static_cast<char>((declared >> (8 * i)) & 0xFF);
  out += stream;
  return out;
}

const std::string kTinyJpegStart("\xFF\xD8\xFF\xE0", 4);

struct PictureDamage {
  const char* name;
  Value value;
  const char* message;
  friend void PrintTo(const PictureDamage& row, std::ostream* os) { *os << row.name; }
};

class DamagedPictureTest : public testing::TestWithParam<PictureDamage> {
 protected:
  static void SetUpTestSuite() { RegisterJPEGFormats(); }
};

TEST_P(DamagedPictureTest, FailsNamingTheControlAndProperty) {
  const PictureDamage& row = GetParam();
  const std::string bytes = ImageForm(row.value);
  try {
    Build(AsBytes(bytes), {});
    FAIL() << "built without failure";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), row.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, DamagedPictureTest,
    testing::Values(
        PictureDamage{"NotAJpeg", Value::Raw(PictureBytes("TJPEGImage", "GIF89a", 6)),
                      "Erreur lors de la lecture de img1.Picture.Data: Erreur JPEG #53"},
        PictureDamage{"StreamShorterThanItsLength", Value::Raw(PictureBytes("TJPEGImage", kTinyJpegStart, 5000)),
                      "Erreur lors de la lecture de img1.Picture.Data: Erreur de lecture du flux"},
        PictureDamage{"NotRawBytes", Value::Str("cylinder.jpg"),
                      "Erreur lors de la lecture de img1.Picture.Data: Valeur de propri\xE9t\xE9 incorrecte"}),
    [](const testing::TestParamInfo<PictureDamage>& info) { return std::string(info.param.name); });

TEST(DescriptionReaderTest, UnknownPictureClassLeavesTheControlEmpty) {
  RegisterJPEGFormats();
  const std::string bytes = ImageForm(Value::Raw(PictureBytes("TImage", "xyz", 3)));
  auto built = Build(AsBytes(bytes), {});
  EXPECT_NE(built->form->Find("img1")->drawn, nullptr);
}

TEST(DamagedDescriptionTest, EveryCutOfTheRealDescriptionFailsCleanly) {
  const std::span<const std::uint8_t> full = Form1Description();
  ASSERT_GT(full.size(), 1000u);
  for (const std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{40}, std::size_t{400}, std::size_t{4000},
                                full.size() / 2, full.size() - 200, full.size() - 1}) {
    SCOPED_TRACE(cut);
    EXPECT_THROW(Build(full.first(cut), kHandlers), EReadError);
  }
}

TEST(DescriptionReaderTest, SmallFormBuildsAndBindsItsHandler) {
  int clicks = 0;
  const HandlerTable handlers = {{"btn1Click", [&] { ++clicks; }}};
  const std::string bytes = SmallForm([](StreamWriter& w) { w.Property("OnClick", Value::Id("btn1Click")); });
  auto built = Build(AsBytes(bytes), handlers);
  ASSERT_EQ(built->form->Controls().size(), 2u);
  EXPECT_EQ(built->form->LabelCaption("L"), "0 mA");
  built->form->Find("B")->As<PushButtonModel>()->Click();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace anod
