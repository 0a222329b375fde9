// The main window's compiled description, carried inside the program.
#pragma once

#include <cstdint>
#include <span>

namespace anod {

// The bytes of ui/form1.layout as compiled at build time (ui/description_stream.h),
// a C++ array of the program, the same on every platform.
std::span<const std::uint8_t> Form1Description();

}  // namespace anod
