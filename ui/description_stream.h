// The compiled window description: the byte stream the window is built from.
//
// The readable source (ui/form1.layout) is compiled at build time into this
// stream, which is carried inside the executable. Layout, all integers
// little-endian:
//
//   stream   := "ANW1" object
//   object   := short(class) short(name) property* 0x00 object* 0x00
//   property := short(path) value          (path never empty)
//   short    := 1-byte length, then that many bytes
//   value    := 1-byte type, then its payload:
//                 1 integer   4 bytes, signed
//                 2 text      4-byte length, then Windows-1252 bytes
//                 3 ident     short
//                 4 false, 5 true (no payload)
//                 6 set       short* closed by an empty short
//                10 bytes     4-byte length N, then N raw bytes
//
// A child object follows its parent's properties, so a stream lists every
// object in creation order (depth first). A picture is the path
// "Picture.Data" with a bytes value whose N bytes are the picture value
// (class name and JPEG stream), the icon "Icon.Data" with the icon file.
//
//   StreamWriter w;  w.BeginObject("TForm1", "Form1");
//   w.Integer("Left", 279);  w.EndProperties();  w.EndObject();
//   w.Bytes() -> "ANW1" 06 "TForm1" 05 "Form1" 04 "Left" 01 17 01 00 00 00 00
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace anod {

inline constexpr std::string_view kDescriptionSignature = "ANW1";

enum class ValueType : std::uint8_t {
  Integer = 1,
  Text = 2,
  Ident = 3,
  False = 4,
  True = 5,
  Set = 6,
  Bytes = 10,
};

// One property value. `text` holds a text, an identifier or bytes to write;
// `set` the identifiers of a set. Bytes read from a stream stay where they
// are: `raw` views them (150 KB of pictures are not copied while the window
// is built), valid as long as the stream's bytes.
struct Value {
  ValueType type = ValueType::Integer;
  std::int32_t integer = 0;
  std::string text;
  std::vector<std::string> set;
  std::string_view raw;

  // The bytes of a Bytes value, read or to be written.
  std::span<const std::uint8_t> Payload() const {
    const std::string_view bytes = raw.data() != nullptr ? raw : std::string_view(text);
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
  }

  static Value Int(std::int32_t v) { return {ValueType::Integer, v, {}, {}, {}}; }
  static Value Str(std::string v) { return {ValueType::Text, 0, std::move(v), {}, {}}; }
  static Value Id(std::string v) { return {ValueType::Ident, 0, std::move(v), {}, {}}; }
  static Value Bool(bool v) { return {v ? ValueType::True : ValueType::False, 0, {}, {}, {}}; }
  static Value Members(std::vector<std::string> v) { return {ValueType::Set, 0, {}, std::move(v), {}}; }
  static Value Raw(std::string v) { return {ValueType::Bytes, 0, std::move(v), {}, {}}; }
  friend bool operator==(const Value&, const Value&) = default;
};

class StreamWriter {
 public:
  StreamWriter();
  void BeginObject(std::string_view class_name, std::string_view name);
  void Property(std::string_view path, const Value& value);
  void EndProperties();
  void EndObject();
  const std::string& Bytes() const { return out_; }

 private:
  void Short(std::string_view s);
  void Int32(std::int32_t v);
  std::string out_;
};

// A cursor over a stream's bytes. Every read past the end raises EReadError
// "Erreur de lecture du flux"; an unknown value type raises EReadError
// "Valeur de propriété incorrecte".
class StreamCursor {
 public:
  explicit StreamCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint8_t Byte();
  // The next byte, not consumed.
  std::uint8_t PeekByte() const;
  std::int32_t Int32();
  std::string Short();
  std::string Take(std::size_t n);
  // The next n bytes where they lie.
  std::string_view View(std::size_t n);
  Value ReadValue();
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::size_t Position() const { return pos_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace anod
