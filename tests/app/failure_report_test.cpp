#include "app/failure_report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>

#include "core/failure_map.h"
#include "core/float_environment.h"
#include "fake_services.h"
#include "app/failure_route.h"

namespace anod {
namespace {

using testing_support::FakeProgram;

struct UnhandledTextCase {
  const char* name;
  const char* class_name;
  std::uintptr_t offset;
  const char* message;
  const char* text;
  friend void PrintTo(const UnhandledTextCase& row, std::ostream* os) { *os << row.name; }
};

class UnhandledFailureTextTest : public testing::TestWithParam<UnhandledTextCase> {};

TEST_P(UnhandledFailureTextTest, FillsTheTemplate) {
  const UnhandledTextCase& row = GetParam();
  EXPECT_EQ(UnhandledFailureText(row.class_name, "anodisation", row.offset, row.message), row.text);
}

const UnhandledTextCase kUnhandledTexts[] = {
    UnhandledTextCase{"EReadError_message_without_period", "EReadError", 0x1A2B, "Erreur de lecture du flux",
                      "Exception EReadError dans le module anodisation dans 00001A2B.\r\n"
                      "Erreur de lecture du flux.\r\n"},
    UnhandledTextCase{"message_ending_in_period", "EReadError", 0x10, "Fin.",
                      "Exception EReadError dans le module anodisation dans 00000010.\r\n"
                      "Fin.\r\n"},
    // Unlike the failure box, any last character but "." gets one.
    UnhandledTextCase{"message_ending_in_bang", "Exception", 0, "Non !",
                      "Exception Exception dans le module anodisation dans 00000000.\r\n"
                      "Non !.\r\n"},
    UnhandledTextCase{"non_failure_has_no_message", "std::runtime_error", 0xABCDEF12, "",
                      "Exception std::runtime_error dans le module anodisation dans ABCDEF12.\r\n"
                      "\r\n"},
#if UINTPTR_MAX > 0xFFFFFFFFu  // a 32-bit program's offsets all fit in eight digits
    UnhandledTextCase{"offset_beyond_eight_digits", "EAbort", 0x123456789, "",
                      "Exception EAbort dans le module anodisation dans 123456789.\r\n\r\n"},
#endif
};

INSTANTIATE_TEST_SUITE_P(Reports, UnhandledFailureTextTest, testing::ValuesIn(kUnhandledTexts),
                         testing::PrintToStringParamName());

class ECancelled : public EAbort {
  using EAbort::EAbort;
};

struct ReportCase {
  const char* name;
  std::function<void()> thrower;
  FailureRoute route;
  const char* caption;     // of the box, when one opens
  const char* text_start;  // Windows-1252
  friend void PrintTo(const ReportCase& row, std::ostream* os) { *os << row.name; }
};

std::exception_ptr Caught(const std::function<void()>& thrower) {
  try {
    thrower();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

class ReportTest : public testing::TestWithParam<ReportCase> {};

// Whatever the route, a press in progress is cancelled first; a box opens
// only on the box's and the last resort's routes.
TEST_P(ReportTest, TakesTheRouteOfWhatWasThrown) {
  const ReportCase& row = GetParam();
  const std::exception_ptr thrown = Caught(row.thrower);
  EXPECT_EQ(RouteFailure(thrown, false), row.route);

  FakeProgram program;
  program.reporter.Report(nullptr, thrown);
  EXPECT_EQ(program.windows.grabs_cancelled, 1);
  if (row.route == FailureRoute::kDropped) {
    EXPECT_TRUE(program.boxes.shown.empty());
    return;
  }
  ASSERT_EQ(program.boxes.shown.size(), 1u);
  const auto& box = program.boxes.shown.front();
  EXPECT_EQ(box.caption, row.caption);
  EXPECT_EQ(box.text.rfind(row.text_start, 0), 0u) << box.text;
  EXPECT_EQ(box.owner, row.route == FailureRoute::kBox ? BoxOwner::kApplication : BoxOwner::kNone);
  EXPECT_EQ(program.windows.activations_restored, row.route == FailureRoute::kBox ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Thrown, ReportTest,
    testing::Values(
        ReportCase{"EOverflow", [] { throw EOverflow("D\xE9" "bordement en virgule flottante"); },
                   FailureRoute::kBox, "Outil", "D\xE9" "bordement en virgule flottante."},
        ReportCase{"EInvalidOp", [] { throw EInvalidOp("Op\xE9ration en virgule flottante incorrecte"); },
                   FailureRoute::kBox, "Outil", "Op\xE9ration en virgule flottante incorrecte."},
        ReportCase{"message_ending_in_bang", [] { throw Exception("Attention !"); }, FailureRoute::kBox, "Outil",
                   "Attention !"},
        ReportCase{"empty_message", [] { throw Exception(""); }, FailureRoute::kBox, "Outil", ""},
        ReportCase{"EAbort", [] { throw EAbort("silence"); }, FailureRoute::kDropped, "", ""},
        ReportCase{"EAbort_subclass", [] { throw ECancelled("silence"); }, FailureRoute::kDropped, "", ""},
        ReportCase{"std_runtime_error", [] { throw std::runtime_error("boom"); }, FailureRoute::kUnhandled,
                   "Erreur d'application", "Exception std::runtime_error dans le module "},
        ReportCase{"int", [] { throw 42; }, FailureRoute::kUnhandled, "Erreur d'application",
                   "Exception int dans le module "}), testing::PrintToStringParamName());

TEST(ReportTest, InstalledHookReplacesTheBoxButNotTheDrop) {
  FakeProgram program;
  int sender_object = 0;
  std::vector<std::string> heard;
  program.reporter.SetHook([&](EventSender sender, const Exception& failure) {
    EXPECT_EQ(sender, &sender_object);
    heard.push_back(failure.Message());
  });
  program.reporter.Report(&sender_object, Caught([] { throw EOverflow("D\xE9" "bordement"); }));
  program.reporter.Report(&sender_object, Caught([] { throw EAbort("silence"); }));
  EXPECT_EQ(heard, std::vector<std::string>{"D\xE9" "bordement"});
  EXPECT_TRUE(program.boxes.shown.empty());
}

// Whatever word was in force when the processor failure was raised, the
// report puts DefaultControlWord back; a failure outside the processor's
// class tree (EExternal) leaves the word alone.
TEST(ReportTest, ProcessorFailureRestoresTheDefaultControlWord) {
  FakeProgram program;
  LoadControlWord(0x133F);
  program.reporter.Report(nullptr, Caught([] { ThrowProcessorFailure({kFloatOverflow}); }));
  EXPECT_EQ(ControlWordInForce(), DefaultControlWord());
  ASSERT_EQ(program.boxes.shown.size(), 1u);
  EXPECT_EQ(program.boxes.shown.front().text, "D\xE9" "bordement en virgule flottante.");

  LoadControlWord(0x133F);
  program.reporter.Report(nullptr, Caught([] { throw EInvalidInput("x"); }));
  EXPECT_EQ(ControlWordInForce(), 0x133F);
  ResetFloatingPointUnit();
}

// Caught in the middle of a paint: the grab and the control word at once,
// the box once the event is done; EAbort posts nothing.
TEST(ReportAfterEventTest, BoxFollowsTheEvent) {
  FakeProgram program;
  LoadControlWord(0x133F);
  program.reporter.ReportAfterEvent(nullptr, EAbort("silence"));
  EXPECT_TRUE(program.windows.posted.empty());
  program.reporter.ReportAfterEvent(nullptr, EOverflow("D\xE9" "bordement en virgule flottante"));
  EXPECT_EQ(program.windows.grabs_cancelled, 2);
  EXPECT_EQ(ControlWordInForce(), DefaultControlWord()) << "reset at once";
  EXPECT_TRUE(program.boxes.shown.empty()) << "not inside the event";
  program.windows.RunPosted();
  ASSERT_EQ(program.boxes.shown.size(), 1u);
  EXPECT_EQ(program.boxes.shown.front().text, "D\xE9" "bordement en virgule flottante.");
}

TEST(ReportAfterEventTest, HookHearsTheMessageWithTheSenderStillAlive) {
  FakeProgram program;
  int sender_object = 0;
  EventSender heard_sender = nullptr;
  std::string heard;
  program.reporter.SetHook([&](EventSender sender, const Exception& failure) {
    heard_sender = sender;
    heard = failure.Message();
  });
  program.reporter.ReportAfterEvent(&sender_object, EInvalidOp("Op\xE9ration"));
  program.windows.RunPosted();
  EXPECT_EQ(heard_sender, &sender_object);
  EXPECT_EQ(heard, "Op\xE9ration");
  EXPECT_TRUE(program.boxes.shown.empty());
}

}  // namespace
}  // namespace anod
