// A read position over bytes held in memory, as the window-description reader
// hands them on: short reads are allowed where the stored layout allows them
// (Read), exact reads fail with "Erreur de lecture du flux" (ReadBuffer).
//
//   ByteReader r(bytes {0x04, 0x00, 0x00, 0x00, 0xAA});
//   r.ReadUInt32()   -> 4
//   r.Remaining()    -> 1
//   r.ReadBuffer(dst, 4)  -> throws EReadError "Erreur de lecture du flux"
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace anod {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }

  // Copies up to `count` bytes and returns how many there were.
  std::size_t Read(void* destination, std::size_t count);
  // Copies exactly `count` bytes or, when fewer remain, consumes nothing and
  // raises EReadError "Erreur de lecture du flux".
  void ReadBuffer(void* destination, std::size_t count);
  std::uint8_t ReadByte();
  // Little-endian.
  std::uint32_t ReadUInt32();
  // The next `count` bytes without copying; same failure as ReadBuffer.
  std::span<const std::uint8_t> Take(std::size_t count);

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace anod
