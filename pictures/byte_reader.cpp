#include "pictures/byte_reader.h"

#include <algorithm>
#include <cstring>

#include "core/failures.h"

namespace anod {

std::size_t ByteReader::Read(void* destination, std::size_t count) {
  const std::size_t n = std::min(count, Remaining());
  if (n > 0) std::memcpy(destination, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

std::span<const std::uint8_t> ByteReader::Take(std::size_t count) {
  if (count > Remaining()) throw EReadError("Erreur de lecture du flux");
  const auto part = bytes_.subspan(position_, count);
  position_ += count;
  return part;
}

void ByteReader::ReadBuffer(void* destination, std::size_t count) {
  const auto part = Take(count);
  if (!part.empty()) std::memcpy(destination, part.data(), part.size());
}

std::uint8_t ByteReader::ReadByte() { return Take(1)[0]; }

std::uint32_t ByteReader::ReadUInt32() {
  const auto b = Take(4);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

}  // namespace anod
