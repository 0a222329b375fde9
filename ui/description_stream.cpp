#include "ui/description_stream.h"

#include <stdexcept>

#include "core/failures.h"
#include "ui/read_messages.h"

namespace anod {

StreamWriter::StreamWriter() : out_(kDescriptionSignature) {}

void StreamWriter::Short(std::string_view s) {
  if (s.size() > 255) throw std::length_error("short text longer than 255 bytes");
  out_ += static_cast<char>(s.size());
  out_ += s;
}

void StreamWriter::Int32(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out_ += static_cast<char>((u >> (8 * i)) & 0xFF);
}

void StreamWriter::BeginObject(std::string_view class_name, std::string_view name) {
  Short(class_name);
  Short(name);
}

void StreamWriter::Property(std::string_view path, const Value& value) {
  if (path.empty()) throw std::invalid_argument("empty property path");
  Short(path);
  out_ += static_cast<char>(value.type);
  switch (value.type) {
    case ValueType::Integer:
      Int32(value.integer);
      break;
    case ValueType::Text:
      Int32(static_cast<std::int32_t>(value.text.size()));
      out_ += value.text;
      break;
    case ValueType::Bytes: {
      const std::span<const std::uint8_t> bytes = value.Payload();
      Int32(static_cast<std::int32_t>(bytes.size()));
      out_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
      break;
    }
    case ValueType::Ident:
      Short(value.text);
      break;
    case ValueType::False:
    case ValueType::True:
      break;
    case ValueType::Set:
      for (const std::string& member : value.set) {
        if (member.empty()) throw std::invalid_argument("empty set member");
        Short(member);
      }
      Short("");
      break;
  }
}

void StreamWriter::EndProperties() { out_ += '\0'; }
void StreamWriter::EndObject() { out_ += '\0'; }

std::uint8_t StreamCursor::Byte() {
  if (pos_ >= bytes_.size()) throw EReadError(kStreamReadError);
  return bytes_[pos_++];
}

std::uint8_t StreamCursor::PeekByte() const {
  if (pos_ >= bytes_.size()) throw EReadError(kStreamReadError);
  return bytes_[pos_];
}

std::int32_t StreamCursor::Int32() {
  if (bytes_.size() - pos_ < 4) throw EReadError(kStreamReadError);
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(bytes_[pos_ + i]) << (8 * i);
  pos_ += 4;
  return static_cast<std::int32_t>(u);
}

std::string StreamCursor::Take(std::size_t n) { return std::string(View(n)); }

std::string_view StreamCursor::View(std::size_t n) {
  if (n > bytes_.size() - pos_) throw EReadError(kStreamReadError);
  const std::string_view out(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
  pos_ += n;
  return out;
}

std::string StreamCursor::Short() { return Take(Byte()); }

Value StreamCursor::ReadValue() {
  Value value;
  value.type = static_cast<ValueType>(Byte());
  switch (value.type) {
    case ValueType::Integer:
      value.integer = Int32();
      return value;
    case ValueType::Text:
    case ValueType::Bytes: {
      const std::int32_t n = Int32();
      if (n < 0) throw EReadError(kStreamReadError);
      if (value.type == ValueType::Text) {
        value.text = Take(static_cast<std::size_t>(n));
      } else {
        value.raw = View(static_cast<std::size_t>(n));
      }
      return value;
    }
    case ValueType::Ident:
      value.text = Short();
      return value;
    case ValueType::False:
    case ValueType::True:
      return value;
    case ValueType::Set:
      for (std::string member = Short(); !member.empty(); member = Short()) value.set.push_back(std::move(member));
      return value;
  }
  throw EReadError(kInvalidPropertyValue);
}

}  // namespace anod
