// Where a failure was caught, for the last-resort report: the module that
// holds a code address. code_place.cpp asks the dynamic loader; a Win32
// build brings its own (the module handle of the address).
#pragma once

#include <cstdint>
#include <string>

namespace anod {

struct CodePlace {
  std::string module;           // file name only: "anodisation"; "?" when unknown
  std::uintptr_t offset = 0;    // from the module's load address
};

CodePlace FindCodePlace(const void* address);

}  // namespace anod
