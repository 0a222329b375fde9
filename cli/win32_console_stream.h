// The standard handles of a Windows console program as C++ streams that
// carry UTF-8, whatever the handle is.
//
// A console is not UTF-8 by default (its code page is 850 or 1252), so text
// meant for one goes through the console's wide-character functions
// (WriteConsoleW, ReadConsoleW), converted from and to UTF-8. A handle
// redirected to a file or a pipe gets and gives the UTF-8 bytes unchanged:
// no "\r" is added before "\n" and byte 1A is no end of file, so a script reads
// exactly what the Linux program writes.
//
// A read that fails (no standard input, a handle that cannot be read) throws
// std::ios_base::failure, which the batch reports, rather than passing for
// the end of input; a pipe whose writer has gone is the end. in_avail() says
// whether bytes are waiting (a file always, a pipe when it holds some, a
// console never), so that the batch knows when to answer before it waits.
//
//   anodisation-calc cylindre 3 10            console shows " 244.92 Cm² "
//   anodisation-calc cylindre 3 10 > out.txt  out.txt holds " 244.92 Cm\xC2\xB2 \n..."
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

namespace anod {

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(const wchar_t* text, int length);

class ConsoleOutputBuffer : public std::streambuf {
 public:
  explicit ConsoleOutputBuffer(HANDLE handle);
  ~ConsoleOutputBuffer() override;
  ConsoleOutputBuffer(const ConsoleOutputBuffer&) = delete;
  ConsoleOutputBuffer& operator=(const ConsoleOutputBuffer&) = delete;

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  // Writes the pending bytes; on a console, a UTF-8 sequence cut at the end
  // of the buffer waits for its remaining bytes.
  bool Flush();

  HANDLE handle_;
  bool console_;
  std::string pending_;
};

class ConsoleInputBuffer : public std::streambuf {
 public:
  explicit ConsoleInputBuffer(HANDLE handle);

 protected:
  int_type underflow() override;
  std::streamsize showmanyc() override;

 private:
  HANDLE handle_;
  bool console_;
  std::string chunk_;
};

}  // namespace anod
