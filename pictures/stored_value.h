// The stored values of the window description that carry pictures.
//
// A raw-bytes value: type byte 10, a 4-byte little-endian length N, N bytes.
// Two properties use it:
//
//   Picture.Data   L (1 byte, 0 to 63), the class name (L bytes, no
//                  terminator), J (4 bytes), the JPEG stream (J bytes).
//                  For the eight pictures N = 1 + 10 + 4 + J.
//   Icon.Data      an icon file, nothing before it.
//
// The boundary with the window-description reader: that reader reads the
// property name, then calls ReadBinaryValue for the type byte and N (which
// raises EReadError "Valeur de propriété incorrecte" for a type other than 10
// and "Erreur de lecture du flux" when fewer than N bytes remain), then hands
// the N bytes to ReadPictureValue. Whatever that raises it wraps into
// EReadError "Erreur lors de la lecture de %s%s%s: %s" (control name, ".",
// "Picture.Data", the message). ReadPictureValue raises:
//   EJPEG "Erreur JPEG #53"              the stream does not start with FF D8
//   EReadError "Erreur de lecture du flux"  J larger than the bytes present
//                                        (or N = 0: no class-name length)
//   EJPEG "Erreur JPEG #<n>"             headers the library rejects
//   EInvalidGraphic "Format d'image non pris en charge"  a listed kind whose
//                                        stored layout is not read here
//                                        (TBitmap, TIcon, TMetafile)
// A class name no list entry matches leaves the control without a picture,
// silently; so does a short name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace anod {

class ByteReader;
class TGraphic;
class TPicture;

inline constexpr std::uint8_t kBinaryValueType = 10;
inline constexpr std::size_t kMaxClassNameLength = 63;

// Reads type byte and N at the reader's position and returns the N bytes
// that follow (the reader moves past them).
std::span<const std::uint8_t> ReadBinaryValue(ByteReader& reader);
// Appends type byte 10, N and the bytes.
void WriteBinaryValue(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes);

// Replaces the picture from the N bytes of a Picture.Data value (algorithm of
// the header comment); on failure the previous picture stays.
void ReadPictureValue(TPicture& picture, std::span<const std::uint8_t> bytes);

// The N bytes of a Picture.Data value for `graphic`: its class name cut to 63
// characters, then what the picture object writes (J and the stream for a
// JPEG picture, J = 0 when it holds no bytes).
std::vector<std::uint8_t> PictureValueBytes(const TGraphic& graphic);
// The whole value (type byte and N included); none for a picture without a
// picture object, which stores no Picture.Data at all.
std::optional<std::vector<std::uint8_t>> WritePictureValue(const TPicture& picture);
// The whole value of a "TJPEGImage" picture holding `jpeg`, written without
// reading the stream:
//   WriteJPEGPictureValue({FF D8 FF D9}) -> 0A 13 00 00 00 0A "TJPEGImage" 04 00 00 00 FF D8 FF D9
std::vector<std::uint8_t> WriteJPEGPictureValue(std::span<const std::uint8_t> jpeg);

// Icon.Data: the whole value around an icon file.
std::vector<std::uint8_t> WriteIconValue(std::span<const std::uint8_t> icon_file);

// The first image of an icon file, 32 bits per pixel with alpha, as
// non-premultiplied ARGB words, top row first. EInvalidGraphic "Icône
// incorrecte" for anything else (other depths, truncated files).
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};
IconImage DecodeIconFile(std::span<const std::uint8_t> icon_file);

}  // namespace anod
