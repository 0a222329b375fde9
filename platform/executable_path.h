// Where the running program was started from.
#pragma once

#include <string>

namespace anod {

// The full path of the running executable as the kernel reports it
// (/proc/self/exe), in the file system's own bytes (UTF-8 on this platform),
// for instance "/usr/bin/anodisation". Empty when the link cannot be read.
// On Windows, GetModuleFileNameA's path in the ANSI code page
// ("C:\Program Files\Anodisation\anodisation.exe").
std::string ExecutablePath();

}  // namespace anod
