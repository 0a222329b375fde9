// Standard input on Linux as the stream buffer the batch reads
// (cli/batch_input.h), where std::cin would not do: it reads with read(2) in
// blocks of 64 KiB, throws std::ios_base::failure when a read fails (a folder
// or a closed descriptor as input, an I/O error) instead of taking the
// failure for the end of the input, and says through in_avail() whether
// bytes are waiting (poll(2)), so that the batch knows when to answer
// before it waits.
//
//   anodisation-calc --batch < /tmp   read fails with EISDIR: thrown
//   anodisation-calc --batch <&-      read fails with EBADF: thrown
#pragma once

#include <streambuf>
#include <vector>

namespace anod {

class PosixInputBuffer : public std::streambuf {
 public:
  explicit PosixInputBuffer(int fd);

 protected:
  int_type underflow() override;
  // 1 when a read would not wait (bytes, the end of a pipe, or an error to
  // report), else 0.
  std::streamsize showmanyc() override;

 private:
  int fd_;
  std::vector<char> block_;
};

}  // namespace anod
