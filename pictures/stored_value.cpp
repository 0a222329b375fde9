#include "pictures/stored_value.h"

#include <algorithm>
#include <string_view>

#include "core/failures.h"
#include "pictures/byte_reader.h"
#include "pictures/graphic.h"
#include "pictures/picture.h"

namespace anod {

namespace {

void PutUInt32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t GetUInt32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void PutClassName(std::vector<std::uint8_t>& out, std::string_view name) {
  name = name.substr(0, kMaxClassNameLength);
  out.push_back(static_cast<std::uint8_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
}

}  // namespace

std::span<const std::uint8_t> ReadBinaryValue(ByteReader& reader) {
  if (reader.ReadByte() != kBinaryValueType) throw EReadError("Valeur de propri\xE9t\xE9 incorrecte");
  const std::uint32_t length = reader.ReadUInt32();
  return reader.Take(length);
}

void WriteBinaryValue(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes) {
  out.push_back(kBinaryValueType);
  PutUInt32(out, static_cast<std::uint32_t>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
}

void ReadPictureValue(TPicture& picture, std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  picture.ReadData(reader);
}

std::vector<std::uint8_t> PictureValueBytes(const TGraphic& graphic) {
  std::vector<std::uint8_t> out;
  PutClassName(out, graphic.ClassType().name);
  graphic.WriteData(out);
  return out;
}

std::optional<std::vector<std::uint8_t>> WritePictureValue(const TPicture& picture) {
  if (picture.Graphic() == nullptr) return std::nullopt;
  std::vector<std::uint8_t> value;
  WriteBinaryValue(value, PictureValueBytes(*picture.Graphic()));
  return value;
}

std::vector<std::uint8_t> WriteJPEGPictureValue(std::span<const std::uint8_t> jpeg) {
  std::vector<std::uint8_t> bytes;
  PutClassName(bytes, "TJPEGImage");
  PutUInt32(bytes, static_cast<std::uint32_t>(jpeg.size()));
  bytes.insert(bytes.end(), jpeg.begin(), jpeg.end());
  std::vector<std::uint8_t> value;
  WriteBinaryValue(value, bytes);
  return value;
}

std::vector<std::uint8_t> WriteIconValue(std::span<const std::uint8_t> icon_file) {
  std::vector<std::uint8_t> value;
  WriteBinaryValue(value, icon_file);
  return value;
}

IconImage DecodeIconFile(std::span<const std::uint8_t> file) {
  const auto bad = [] { return EInvalidGraphic("Ic\xF4ne incorrecte"); };
  // Directory (6 bytes) and the first entry (16 bytes).
  if (file.size() < 22 || file[0] != 0 || file[1] != 0 || file[2] != 1 || file[3] != 0 ||
      (file[4] | file[5]) == 0)
    throw bad();
  const std::uint32_t size = GetUInt32(file, 14);
  const std::uint32_t offset = GetUInt32(file, 18);
  if (offset > file.size() || size > file.size() - offset || size < 40) throw bad();
  const auto image = file.subspan(offset, size);
  const std::uint32_t header = GetUInt32(image, 0);
  const auto width = static_cast<std::int32_t>(GetUInt32(image, 4));
  const auto doubled = static_cast<std::int32_t>(GetUInt32(image, 8));
  const unsigned bits = image[14] | image[15] << 8;
  if (header < 40 || header > size || bits != 32 || width <= 0 || width > 256 || doubled <= 0 || doubled % 2 != 0 ||
      doubled / 2 > 256)
    throw bad();
  const int height = doubled / 2;
  const std::size_t pixel_bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  if (pixel_bytes > size - header) throw bad();
  IconImage icon{width, height, std::vector<std::uint32_t>(pixel_bytes / 4)};
  const auto pixels = image.subspan(header);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width) * 4;
    for (int x = 0; x < width; ++x) {
      const std::size_t at = row + static_cast<std::size_t>(x) * 4;
      icon.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          static_cast<std::uint32_t>(pixels[at + 3]) << 24 | static_cast<std::uint32_t>(pixels[at + 2]) << 16 |
          static_cast<std::uint32_t>(pixels[at + 1]) << 8 | pixels[at];
    }
  }
  return icon;
}

}  // namespace anod
