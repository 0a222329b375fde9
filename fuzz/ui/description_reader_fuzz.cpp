// Feeds arbitrary bytes to the window description reader: it must either
// walk them or raise EReadError, never read out of bounds.
#include <cstddef>
#include <cstdint>

#include "core/failures.h"
#include "ui/description_reader.h"

namespace {

class CountingSink final : public anod::DescriptionSink {
 public:
  void BeginObject(std::string_view, std::string_view) override { ++depth_; }
  void SetProperty(std::string_view path, const anod::Value& value) override {
    // Touch every byte of what was read.
    for (char c : path) sum_ += static_cast<unsigned char>(c);
    for (char c : value.text) sum_ += static_cast<unsigned char>(c);
    for (std::uint8_t b : value.Payload()) sum_ += b;
    for (const auto& member : value.set) sum_ += member.size();
  }
  void EndObject() override { --depth_; }
  std::size_t sum_ = 0;
  int depth_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CountingSink sink;
  try {
    anod::ReadDescription({data, size}, sink);
  } catch (const anod::EReadError&) {
  }
  return 0;
}
