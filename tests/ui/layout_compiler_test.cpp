#include "ui/layout_compiler.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/description_reader.h"

namespace anod {
namespace {

// Records what the reader hands over, as lines "Begin TKind name",
// "name.Path=<value>", "End".
class Recorder final : public DescriptionSink {
 public:
  void BeginObject(std::string_view class_name, std::string_view name) override {
    names_.emplace_back(name);
    log.push_back("Begin " + std::string(class_name) + " " + std::string(name));
  }
  void SetProperty(std::string_view path, const Value& value) override {
    std::string v;
    switch (value.type) {
      case ValueType::Integer: v = std::to_string(value.integer); break;
      case ValueType::Text: v = "'" + value.text + "'"; break;
      case ValueType::Ident: v = value.text; break;
      case ValueType::False: v = "false"; break;
      case ValueType::True: v = "true"; break;
      case ValueType::Set:
        v = "[";
        for (const auto& m : value.set) v += m + ";";
        v += "]";
        break;
      case ValueType::Bytes: v = "bytes:" + std::to_string(value.Payload().size()); break;
    }
    log.push_back(names_.back() + "." + std::string(path) + "=" + v);
  }
  void EndObject() override {
    log.push_back("End");
    names_.pop_back();
  }
  std::vector<std::string> log;

 private:
  std::vector<std::string> names_;
};

std::vector<std::string> CompileAndRead(const std::string& source) {
  const std::string bytes = CompileLayout(source, "test.layout", [](const std::string& path) {
    if (path == "four.bin") return std::string("\x01\x02\x03\x04", 4);
    throw std::runtime_error("no such file");
  });
  Recorder recorder;
  ReadDescription({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, recorder);
  return recorder.log;
}

TEST(LayoutCompilerTest, MultiLineCaptionKeepsCrLfAndLeadingSpaces) {
  const auto log = CompileAndRead(
      "window F TForm1\n"
      "L TLabel 1 2 3 4\n"
      "  Caption \"DEGRAISSAGE\\r\\n\"\n"
      "          \" Soude caustique\\r\\n\"\n"
      "          \" pendant 5 à 10 minutes\"\n");
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(log[6], "L.Caption='DEGRAISSAGE\r\n Soude caustique\r\n pendant 5 \xE0 10 minutes'");
}

TEST(LayoutCompilerTest, ControlsOwnLinesComeBeforeItsStyleAndOverrideIt) {
  const auto log = CompileAndRead(
      "style s\n"
      "  Stretch true\n"
      "  Color clWhite\n"
      "window F TForm1\n"
      "  Color clNavy\n"
      "I TImage 4 4 233 193 s\n"
      "  Picture.Data file \"four.bin\"\n"
      "  Color clRed\n");
  const std::vector<std::string> expected = {
      "Begin TForm1 F", "F.Color=clNavy",  "Begin TImage I", "I.Left=4",  "I.Top=4",
      "I.Width=233",    "I.Height=193",    "I.Picture.Data=bytes:4",      "I.Color=clRed",
      "I.Stretch=true", "End",             "End"};
  EXPECT_EQ(log, expected);
}

TEST(LayoutCompilerTest, ControlInAPanelIsItsChildInCreationOrder) {
  const auto log = CompileAndRead(
      "window F TForm1\n"
      "P TPanel 16 568 241 201\n"
      "I TImage 4 4 233 193 in P\n"
      "Q TPanel 1 1 1 1\n");
  const std::vector<std::string> expected = {
      "Begin TForm1 F", "Begin TPanel P", "P.Left=16",   "P.Top=568",    "P.Width=241", "P.Height=201",
      "Begin TImage I", "I.Left=4",       "I.Top=4",     "I.Width=233",  "I.Height=193", "End",
      "End",            "Begin TPanel Q", "Q.Left=1",    "Q.Top=1",      "Q.Width=1",   "Q.Height=1",
      "End",            "End"};
  EXPECT_EQ(log, expected);
}

TEST(LayoutCompilerTest, ValuesOfEveryKind) {
  const auto log = CompileAndRead(
      "window F TForm1  # comment\n"
      "  A -16\n"
      "  B [fsBold, fsItalic]\n"
      "  C []\n"
      "  D false\n"
      "  E \"q\\\"\\\\\\t\" \"x\"  # a # inside quotes: \"#\"\n"
      "  G picture TJPEGImage \"four.bin\"\n");
  const std::vector<std::string> expected = {
      "Begin TForm1 F", "F.A=-16", "F.B=[fsBold;fsItalic;]", "F.C=[]", "F.D=false", "F.E='q\"\\\tx'",
      "F.G=bytes:19",   "End"};
  EXPECT_EQ(log, expected);
}

struct BadLayout {
  const char* name;
  const char* source;
  const char* error;
  friend void PrintTo(const BadLayout& row, std::ostream* os) { *os << row.name; }
};

class LayoutCompilerErrorTest : public testing::TestWithParam<BadLayout> {};

TEST_P(LayoutCompilerErrorTest, NamesTheLineAndTheFault) {
  const BadLayout& row = GetParam();
  try {
    CompileAndRead(row.source);
    FAIL() << "no error";
  } catch (const LayoutError& e) {
    EXPECT_EQ(std::string(e.what()), row.error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LayoutCompilerErrorTest,
    testing::Values(
        BadLayout{"NoWindow", "style s\n", "test.layout: no window line"},
        BadLayout{"ControlBeforeWindow", "L TLabel 1 2 3 4\n", "test.layout:1: a control before the window line"},
        BadLayout{"UnknownStyle", "window F TForm1\nL TLabel 1 2 3 4 nope\n", "test.layout:2: unknown style nope"},
        BadLayout{"UnknownParent", "window F TForm1\nL TLabel 1 2 3 4 in P\n", "test.layout:2: unknown parent P"},
        BadLayout{"MissingHeight", "window F TForm1\nL TLabel 1 2 3\n", "test.layout:2: a name was expected"},
        BadLayout{"TwiceNamed", "window F TForm1\nL TLabel 1 2 3 4\nL TLabel 1 2 3 4\n",
                  "test.layout:3: control L defined twice"},
        BadLayout{"PropertyTwice", "window F TForm1\n  A 1\n  A 2\n", "test.layout:3: property A given twice"},
        BadLayout{"UnterminatedText", "window F TForm1\n  A \"abc\n", "test.layout:2: unterminated text"},
        BadLayout{"OutsideCodePage", "window F TForm1\n  A \"\xE2\x9C\x93\"\n",
                  "test.layout:2: text has a character outside Windows-1252"},
        BadLayout{"MissingFile", "window F TForm1\n  A file \"none\"\n",
                  "test.layout:2: cannot read \"none\": no such file"},
        BadLayout{"NumberTooBig", "window F TForm1\n  A 99999999999\n", "test.layout:2: bad number \"99999999999\""},
        BadLayout{"PictureOfAnotherKind", "window F TForm1\n  G picture TBitmap \"four.bin\"\n",
                  "test.layout:2: pictures are TJPEGImage, not TBitmap"},
        BadLayout{"PropertyFirst", "  A 1\n", "test.layout:1: a property outside a window, style or control"}),
    [](const testing::TestParamInfo<BadLayout>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anod
