#include "app/plan_request.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace anod {
namespace {

struct PlanRequestCase {
  std::vector<std::string_view> arguments;
  bool planner;
  std::optional<std::string> file;
};

TEST(PlanRequest, FromArguments) {
  const std::vector<PlanRequestCase> cases = {
      {{}, false, std::nullopt},
      {{"--maximized"}, false, std::nullopt},
      {{"-platform", "xcb"}, false, std::nullopt},
      {{"notes.txt"}, false, std::nullopt},
      {{".anodplan"}, false, std::nullopt},
      {{"--plan"}, true, std::nullopt},
      {{"--plan", "--maximized"}, true, std::nullopt},
      {{"--plan", "bain"}, true, "bain"},
      {{"--plan", "-"}, true, "-"},
      {{"bain.anodplan"}, true, "bain.anodplan"},
      {{"/tmp/\xC3\xA9t\xC3\xA9 2.anodplan", "--minimized"}, true, "/tmp/\xC3\xA9t\xC3\xA9 2.anodplan"},
      {{"-platform", "xcb", "a.anodplan", "b.anodplan"}, true, "a.anodplan"},
  };
  for (const PlanRequestCase& c : cases) {
    std::string trace;
    for (const std::string_view a : c.arguments) trace += std::string(a) + " ";
    SCOPED_TRACE(trace);
    const std::optional<PlanRequest> request = PlanRequestFromArguments(c.arguments);
    ASSERT_EQ(request.has_value(), c.planner);
    if (request) {
      EXPECT_EQ(request->file, c.file);
    }
  }
}

}  // namespace
}  // namespace anod
