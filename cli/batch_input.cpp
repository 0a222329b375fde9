#include "cli/batch_input.h"

#include <algorithm>
#include <cstring>
#include <ios>

namespace anod {
namespace {

constexpr std::size_t kBlock = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

BatchInput::BatchInput(std::streambuf& in) : in_(in) {}

bool BatchInput::LineReady() {
  if (ended_ || failed_) return true;
  if (std::memchr(buffer_.data() + begin_, '\n', end_ - begin_) != nullptr) return true;
  return in_.in_avail() > 0;
}

void BatchInput::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  // Pending bytes never exceed the line limit (Next drops them first), so
  // the buffer never grows beyond the limit and one block.
  if (buffer_.size() - end_ < kBlock) buffer_.resize(end_ + kBlock);
  try {
    if (std::streambuf::traits_type::eq_int_type(in_.sgetc(), std::streambuf::traits_type::eof())) {
      ended_ = true;
      return;
    }
    const auto wanted = std::min<std::streamsize>(in_.in_avail(), static_cast<std::streamsize>(buffer_.size() - end_));
    end_ += static_cast<std::size_t>(in_.sgetn(buffer_.data() + end_, std::max<std::streamsize>(wanted, 1)));
  } catch (const std::ios_base::failure&) {
    failed_ = true;
  }
}

BatchInput::Status BatchInput::Next(std::string_view& line) {
  bool too_long = false;  // the bytes of an over-long line are being read past
  for (;;) {
    if (failed_) return Status::kReadFailed;
    const std::string_view pending(buffer_.data() + begin_, end_ - begin_);
    if (!bom_checked_) {
      // Wait for three bytes unless the input already differs from the mark.
      if (pending.size() < kByteOrderMark.size() && kByteOrderMark.starts_with(pending) && !ended_) {
        Fill();
        continue;
      }
      if (pending.starts_with(kByteOrderMark)) begin_ += kByteOrderMark.size();
      bom_checked_ = true;
      continue;
    }
    const std::size_t newline = pending.find('\n');
    if (newline != std::string_view::npos || (ended_ && !pending.empty())) {
      line = pending.substr(0, newline);
      begin_ += newline == std::string_view::npos ? pending.size() : newline + 1;
      if (line.ends_with('\r')) line.remove_suffix(1);
      return too_long || line.size() > kBatchLineLimit ? Status::kTooLong : Status::kLine;
    }
    if (ended_) return too_long ? Status::kTooLong : Status::kEnd;
    // Beyond the limit and its "\r": whatever follows, the line is unusable.
    if (pending.size() > kBatchLineLimit + 1) {
      too_long = true;
      begin_ = end_ = 0;
    }
    Fill();
  }
}

}  // namespace anod
