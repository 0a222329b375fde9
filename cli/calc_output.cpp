#include "cli/calc_output.h"

#include <ostream>

namespace anod {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

}  // namespace

CalcOutput::CalcOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) { gathered_.reserve(kBlock); }

void CalcOutput::WriteGathered() {
  if (gathered_.empty()) return;
  out_.write(gathered_.data(), static_cast<std::streamsize>(gathered_.size()));
  gathered_.clear();
}

void CalcOutput::Out(std::string_view utf8) {
  if (gathered_.size() + utf8.size() > kBlock) {
    WriteGathered();
    if (utf8.size() >= kBlock) {
      out_.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
      return;
    }
  }
  gathered_.append(utf8);
}

void CalcOutput::Flush() {
  WriteGathered();
  out_.flush();
}

void CalcOutput::Err(std::string_view utf8) {
  Flush();
  err_.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
}

bool CalcOutput::OutWritable() const { return out_.good(); }

bool CalcOutput::Finish() {
  Flush();
  const bool out_ok = out_.good();
  if (!out_ok) {
    Err("anodisation-calc: \xC3\xA9" "criture impossible sur la sortie standard / cannot write to standard output\n");
  }
  err_.flush();
  return out_ok && err_.good();
}

}  // namespace anod
