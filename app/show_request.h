// How the first window is to be shown. On Linux the request comes from the
// command line, with the X toolkit's "-iconic" or the long options
// (arguments[0] is the program and not read):
//   {"anodisation"}                           -> kNormal
//   {"anodisation", "-iconic"}                -> kMinimized
//   {"anodisation", "--minimized"}            -> kMinimized
//   {"anodisation", "--maximized"}            -> kMaximized
//   {"anodisation", "--maximized", "-iconic"} -> kMinimized  (the last wins)
// Anything else is ignored: the program reads no other argument.
#pragma once

#include <span>
#include <string>

namespace anod {

enum class ShowRequest { kNormal, kMaximized, kMinimized };

ShowRequest ShowRequestFromArguments(std::span<const std::string> arguments);

}  // namespace anod
