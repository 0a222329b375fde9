// The file name, without directories, of the loaded program or library whose
// code holds `address`; empty when none does (or for 0). Windows-1252 on
// Windows, where the name keeps its extension; the loader's bytes elsewhere.
//
//   an address inside this program  -> "core_tests" (Linux), "core_tests.exe" (Windows)
//   0x10                            -> ""
#pragma once

#include <cstdint>
#include <string>

namespace anod {

std::string ModuleFileName(std::uintptr_t address);

}  // namespace anod
