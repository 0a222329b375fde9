// The main window's life in start-up and the show request, over a host
// that records what start-up asks of it.
#include "app/main_window_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/float_environment.h"
#include "fake_services.h"
#include "app/show_request.h"

namespace anod {
namespace {

using testing_support::FakeCalculatorWindow;
using testing_support::FakeProgram;

struct ArgumentsCase {
  const char* name;
  std::vector<std::string> arguments;
  ShowRequest request;
  friend void PrintTo(const ArgumentsCase& row, std::ostream* os) { *os << row.name; }
};

class ShowRequestTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(ShowRequestTest, ReadsTheShowRequest) {
  EXPECT_EQ(ShowRequestFromArguments(GetParam().arguments), GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ShowRequestTest,
    testing::Values(ArgumentsCase{"none", {"anodisation"}, ShowRequest::kNormal},
                    ArgumentsCase{"iconic", {"anodisation", "-iconic"}, ShowRequest::kMinimized},
                    ArgumentsCase{"minimized", {"anodisation", "--minimized"}, ShowRequest::kMinimized},
                    ArgumentsCase{"maximized", {"anodisation", "--maximized"}, ShowRequest::kMaximized},
                    ArgumentsCase{"last_wins", {"anodisation", "--maximized", "-iconic"}, ShowRequest::kMinimized},
                    ArgumentsCase{"unknown_ignored", {"anodisation", "--verbose", "3"}, ShowRequest::kNormal},
                    // The program's own name is not an argument.
                    ArgumentsCase{"program_named_like_an_option", {"--maximized"}, ShowRequest::kNormal},
                    ArgumentsCase{"no_arguments_at_all", {}, ShowRequest::kNormal}), testing::PrintToStringParamName());

// Records the calls in order; building runs `on_build` (to fail, or to
// change the control word as a toolkit creating windows may).
class RecordingHost final : public MainWindowHost {
 public:
  void Build(std::span<const std::uint8_t>, const HandlerTable& operations) override {
    calls.push_back("Build");
    if (on_build) on_build();
    wired = operations;
  }
  CalculatorWindow& Window() override { return window; }
  EventSender Sender() override { return this; }
  void Show(ShowRequest request) override {
    calls.push_back("Show");
    shown_as = request;
    // A click while the loop runs.
    window.texts = {{"Edit1", "3"}, {"edt1", "10"}};
    wired.at("btn1Click")();
  }
  int RunLoop() override {
    calls.push_back("RunLoop");
    return loop_code;
  }
  void Destroy() override { calls.push_back("Destroy"); }

  std::function<void()> on_build;
  int loop_code = kExitNormal;
  std::vector<std::string> calls;
  ShowRequest shown_as = ShowRequest::kNormal;
  FakeCalculatorWindow window;
  HandlerTable wired;
};

TEST(MainWindowRunTest, BuildsShowsRunsThenDestroysAndReturnsTheLoopsCode) {
  FakeProgram program;
  RecordingHost host;
  host.loop_code = 7;
  EXPECT_EQ(RunMainWindow(host, program.reporter, {}, ShowRequest::kMaximized), 7);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"Build", "Show", "RunLoop", "Destroy"}));
  EXPECT_EQ(host.shown_as, ShowRequest::kMaximized);
  EXPECT_EQ(host.window.captions.at("lbl4"), " 244.92 Cm\xB2 ") << "the operations reach the built window";
  EXPECT_TRUE(program.boxes.shown.empty());
}

// A window that cannot be built: the last-resort report, exit code 1, and
// the loop never starts.
TEST(MainWindowRunTest, FailedBuildIsReportedAndEndsWithOne) {
  FakeProgram program;
  RecordingHost host;
  host.on_build = [] { throw EReadError("Erreur de lecture du flux"); };
  EXPECT_EQ(RunMainWindow(host, program.reporter, {}, ShowRequest::kNormal), kExitStartUpFailed);
  EXPECT_EQ(host.calls, std::vector<std::string>{"Build"});
  ASSERT_EQ(program.boxes.shown.size(), 1u);
  EXPECT_EQ(program.boxes.shown[0].caption, "Erreur d'application");
  EXPECT_EQ(program.boxes.shown[0].owner, BoxOwner::kNone);
  const std::string& text = program.boxes.shown[0].text;
  EXPECT_EQ(text.rfind("Exception EReadError dans le module ", 0), 0u) << text;
  EXPECT_NE(text.find("Erreur de lecture du flux.\r\n"), std::string::npos) << text;
}

// The control word in force before building is loaded again afterwards and
// becomes the default: a word changed by the toolkit while it built does
// not stay.
TEST(MainWindowRunTest, ControlWordBeforeBuildingIsKeptAsTheDefault) {
  FakeProgram program;
  RecordingHost host;
  LoadControlWord(0x133F);
  host.on_build = [] { LoadControlWord(kInitialControlWord); };
  BuildMainWindow(host, program.reporter, {});
  EXPECT_EQ(ControlWordInForce(), 0x133F);
  EXPECT_EQ(DefaultControlWord(), 0x133F);
  SetDefaultControlWord(kInitialControlWord);
  ResetFloatingPointUnit();
}

}  // namespace
}  // namespace anod
