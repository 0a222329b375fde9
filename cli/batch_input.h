// The lines of a --batch run, read from a stream buffer a block at a time.
//
// A line ends at "\n" (a "\r" before it is dropped) or at the end of the
// input. A UTF-8 byte-order mark at the very start is skipped, so that a
// file saved as "UTF-8 with BOM" reads as its text. A line longer than
// kBatchLineLimit bytes is kTooLong: its bytes are read past without being
// kept, so memory stays bounded whatever comes in (`--batch < /dev/zero`
// runs in about 1 MB plus one block). A read that fails (standard input a
// folder, or closed) is kReadFailed, never taken for the end of input: the
// stream buffer reports it by throwing std::ios_base::failure.
//
//   "\xEF\xBB\xBF" "sphere\t2\r\n#\n"      -> kLine "sphere\t2", kLine "#", kEnd
//   2,000,000 "1" then "\nsphere\t2"        -> kTooLong, kLine "sphere\t2", kEnd
//   "sphere\t2\n" then a failing read       -> kLine "sphere\t2", kReadFailed
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

namespace anod {

inline constexpr std::size_t kBatchLineLimit = 1024 * 1024;  // bytes, without the line end

class BatchInput {
 public:
  enum class Status { kLine, kTooLong, kEnd, kReadFailed };

  explicit BatchInput(std::streambuf& in);

  // The next line, in `line` when kLine (valid until the next call).
  // kEnd and kReadFailed repeat once reached.
  Status Next(std::string_view& line);

  // True when Next can answer without waiting for input: a whole line is
  // buffered, the input has ended, or the source has bytes ready. When it is
  // false the caller flushes its output first, so that a program that writes
  // one line and waits for the answer gets it.
  bool LineReady();

 private:
  // Reads what the source has (waiting only when it has nothing yet) after
  // the bytes still pending; sets `ended_` or `failed_` instead.
  void Fill();

  std::streambuf& in_;
  std::string buffer_;
  std::size_t begin_ = 0;  // pending bytes: [begin_, end_)
  std::size_t end_ = 0;
  bool bom_checked_ = false;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace anod
