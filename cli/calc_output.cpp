#include "cli/calc_output.h"

#include <ostream>

namespace anod {

void CalcOutput::Out(std::string_view utf8) { out_.write(utf8.data(), static_cast<std::streamsize>(utf8.size())); }

void CalcOutput::Err(std::string_view utf8) { err_.write(utf8.data(), static_cast<std::streamsize>(utf8.size())); }

bool CalcOutput::OutWritable() const { return out_.good(); }

bool CalcOutput::Finish() {
  out_.flush();
  const bool out_ok = out_.good();
  if (!out_ok) {
    Err("anodisation-calc: \xC3\xA9" "criture impossible sur la sortie standard / cannot write to standard output\n");
  }
  err_.flush();
  return out_ok && err_.good();
}

}  // namespace anod
