// The window's click handlers by the names its description gives them
// ("btn1Click"). A handler's failures are its own: what escapes it reaches
// the toolkit's catch around the click, which reports it.
#pragma once

#include <functional>
#include <map>
#include <string>

namespace anod {

using HandlerTable = std::map<std::string, std::function<void()>, std::less<>>;

}  // namespace anod
