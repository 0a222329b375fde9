#include "app/show_request.h"

namespace anod {

ShowRequest ShowRequestFromArguments(std::span<const std::string> arguments) {
  ShowRequest request = ShowRequest::kNormal;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-iconic" || argument == "--minimized") {
      request = ShowRequest::kMinimized;
    } else if (argument == "--maximized") {
      request = ShowRequest::kMaximized;
    }
  }
  return request;
}

}  // namespace anod
