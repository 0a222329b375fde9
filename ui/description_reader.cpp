#include "ui/description_reader.h"

#include "core/failures.h"
#include "ui/read_messages.h"

namespace anod {
namespace {

// Objects nest only through panels; a deeper stream is damaged.
constexpr int kMaxDepth = 16;

void ReadObject(StreamCursor& in, DescriptionSink& sink, int depth) {
  if (depth > kMaxDepth) throw EReadError(kStreamReadError);
  const std::string class_name = in.Short();
  const std::string name = in.Short();
  if (class_name.empty()) throw EReadError(kStreamReadError);
  try {
    sink.BeginObject(class_name, name);
  } catch (const Exception& failure) {
    throw EReadError(ReadingMessage(name, "", "", failure.Message()));
  }
  for (std::string path = in.Short(); !path.empty(); path = in.Short()) {
    try {
      sink.SetProperty(path, in.ReadValue());
    } catch (const Exception& failure) {
      throw EReadError(ReadingMessage(name, ".", path, failure.Message()));
    }
  }
  sink.EndProperties();
  while (in.PeekByte() != 0) ReadObject(in, sink, depth + 1);
  in.Byte();
  sink.EndObject();
}

}  // namespace

void ReadDescription(std::span<const std::uint8_t> bytes, DescriptionSink& sink) {
  StreamCursor in(bytes);
  if (in.Take(kDescriptionSignature.size()) != kDescriptionSignature) throw EReadError(kStreamReadError);
  ReadObject(in, sink, 0);
}

}  // namespace anod
