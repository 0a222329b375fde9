#include "cli/win32_console_stream.h"

#include <ios>
#include <system_error>
#include <vector>

namespace anod {
namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// The length of `bytes` without a UTF-8 sequence its end cuts short.
std::size_t CompleteUtf8Length(const std::string& bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(bytes[size - back]);
    if ((byte & 0xC0) != 0x80) {
      const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      return needed > back ? size - back : size;
    }
  }
  return size;
}

constexpr std::size_t kChunk = 4096;

[[noreturn]] void ThrowReadFailure() {
  throw std::ios_base::failure("ReadFile", std::error_code(static_cast<int>(GetLastError()), std::system_category()));
}

}  // namespace

std::string WideToUtf8(const wchar_t* text, int length) {
  if (length == 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

ConsoleOutputBuffer::ConsoleOutputBuffer(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}

ConsoleOutputBuffer::~ConsoleOutputBuffer() { Flush(); }

ConsoleOutputBuffer::int_type ConsoleOutputBuffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return sync() == 0 ? 0 : traits_type::eof();
  pending_.push_back(traits_type::to_char_type(ch));
  if (pending_.size() >= kChunk && !Flush()) return traits_type::eof();
  return ch;
}

std::streamsize ConsoleOutputBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (pending_.size() >= kChunk && !Flush()) return 0;
  return count;
}

int ConsoleOutputBuffer::sync() { return Flush() ? 0 : -1; }

bool ConsoleOutputBuffer::Flush() {
  if (pending_.empty()) return true;
  if (!console_) {
    DWORD written = 0;
    const bool ok = WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written,
                              nullptr) != 0 &&
                    written == pending_.size();
    pending_.clear();
    return ok;
  }
  const std::size_t complete = CompleteUtf8Length(pending_);
  if (complete == 0) return true;
  const int wide_size = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(wide_size));
  MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), wide.data(), wide_size);
  pending_.erase(0, complete);
  DWORD written = 0;
  return WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
}

ConsoleInputBuffer::ConsoleInputBuffer(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}

ConsoleInputBuffer::int_type ConsoleInputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  chunk_.clear();
  DWORD read = 0;
  if (console_) {
    wchar_t wide[kChunk];
    if (ReadConsoleW(handle_, wide, kChunk, &read, nullptr) == 0) ThrowReadFailure();
    if (read == 0) return traits_type::eof();
    // Ctrl+Z at the start of a line ends console input, as for every console program.
    if (wide[0] == 0x1A) return traits_type::eof();
    chunk_ = WideToUtf8(wide, static_cast<int>(read));
  } else {
    chunk_.resize(kChunk);
    // A pipe whose writer has gone reports an error rather than zero bytes:
    // both end the input. Any other failure is one.
    if (ReadFile(handle_, chunk_.data(), kChunk, &read, nullptr) == 0) {
      if (GetLastError() == ERROR_BROKEN_PIPE || GetLastError() == ERROR_HANDLE_EOF) return traits_type::eof();
      ThrowReadFailure();
    }
    if (read == 0) return traits_type::eof();
    chunk_.resize(read);
  }
  setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
  return traits_type::to_int_type(*gptr());
}

std::streamsize ConsoleInputBuffer::showmanyc() {
  if (console_) return 0;
  switch (GetFileType(handle_)) {
    case FILE_TYPE_DISK:
      return 1;
    case FILE_TYPE_PIPE: {
      DWORD waiting = 0;
      // A pipe that cannot be peeked says nothing: the batch then answers
      // what it has before it reads, which costs a write at most.
      return PeekNamedPipe(handle_, nullptr, 0, nullptr, &waiting, nullptr) != 0 && waiting > 0 ? 1 : 0;
    }
    default:
      return 0;
  }
}

}  // namespace anod
