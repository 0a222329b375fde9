#include "app/plan_request.h"

namespace anod {
namespace {

bool IsOption(std::string_view argument) { return argument.starts_with('-') && argument.size() > 1; }

bool NamesAPlan(std::string_view argument) {
  constexpr std::string_view kSuffix = ".anodplan";
  return !IsOption(argument) && argument.size() > kSuffix.size() && argument.ends_with(kSuffix);
}

}  // namespace

std::optional<PlanRequest> PlanRequestFromArguments(std::span<const std::string_view> arguments) {
  std::optional<PlanRequest> request;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--plan") {
      if (!request) request.emplace();
      if (i + 1 < arguments.size() && !IsOption(arguments[i + 1])) request->file = std::string(arguments[++i]);
    } else if (NamesAPlan(arguments[i])) {
      if (!request) request.emplace();
      if (!request->file) request->file = std::string(arguments[i]);
    }
  }
  return request;
}

}  // namespace anod
