#include "cli/posix_input_buffer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <ios>
#include <system_error>

namespace anod {

PosixInputBuffer::PosixInputBuffer(int fd) : fd_(fd), block_(64 * 1024) {}

PosixInputBuffer::int_type PosixInputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  for (;;) {
    const ssize_t count = ::read(fd_, block_.data(), block_.size());
    if (count > 0) {
      setg(block_.data(), block_.data(), block_.data() + count);
      return traits_type::to_int_type(*gptr());
    }
    if (count == 0) return traits_type::eof();
    if (errno != EINTR) throw std::ios_base::failure("read", std::error_code(errno, std::generic_category()));
  }
}

std::streamsize PosixInputBuffer::showmanyc() {
  pollfd waiting{fd_, POLLIN, 0};
  return ::poll(&waiting, 1, 0) > 0 ? 1 : 0;
}

}  // namespace anod
