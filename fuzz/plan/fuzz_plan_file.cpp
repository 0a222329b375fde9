// Feeds arbitrary bytes to the plan file reader and to anodisation-calc plan
// in each format: nothing may crash, no sanitizer may complain, a plan that
// reads is written and read back unchanged, the exit code is one the help
// promises, the output is valid UTF-8 without stray control characters and
// the JSON output is JSON.
#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_command.h"
#include "core/float_environment.h"
#include "plan/plan_file.h"
#include "plan/plan_report.h"
#include "plan/plan_texts.h"
#include "plan/run_sheet.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Valid UTF-8 whose only control characters are line feeds and TABs: what
// EchoText leaves as it is once those two are spaces.
bool IsPrintable(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\t') c = ' ';
  }
  return anod::EchoText(text, std::string::npos) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  anod::ResetFloatingPointUnit();
  const anod::PlanReading reading = anod::ParsePlan(input);
  Check(reading.plan.has_value() == reading.problem.empty());
  if (reading.plan) {
    const anod::PlanReading again = anod::ParsePlan(anod::PlanToJson(*reading.plan));
    Check(again.plan.has_value() && *again.plan == *reading.plan);
    anod::RunSheet(*reading.plan, anod::EvaluatePlan(*reading.plan));
  }
  for (const char* format : {"text", "tsv", "json"}) {
    const std::vector<std::string> args{"plan", "--format", format, "-"};
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = anod::RunCalcCommand(args, in, out, err);
    Check(status == anod::kExitOk || status == anod::kExitFailure || status == anod::kExitUsage);
    Check(status == anod::kExitUsage || !out.str().empty());
    Check(IsPrintable(out.str()) && IsPrintable(err.str()));
    if (std::string_view(format) == "json" && status != anod::kExitUsage) {
      Check(nlohmann::json::accept(out.str()));
    }
  }
  return 0;
}
