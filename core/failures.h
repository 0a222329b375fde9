// The failure classes of Anodisation: one class tree under `Exception`.
//
// A failure carries a French message, stored as 8-bit Windows-1252 text like
// every caption of the program ("Débordement en virgule flottante", without a
// final period: the message box adds it). Failures raised by the processor
// (the floating-point ones among them) also carry the exception record they
// were built from.
//
// Failures travel as C++ exceptions, are caught at the end of each event's
// dispatch and shown there; nothing here shows or logs anything.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace anod {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  // The message in Windows-1252, as the message box shows it (before the
  // final "." rule).
  const std::string& Message() const { return message_; }
  int HelpContext() const { return 0; }

  // The class name shown by the last-resort report ("Exception EOverflow ...").
  virtual const char* ClassName() const { return "Exception"; }

  // Throws a copy of this failure as its own class, so that a failure held
  // through a base pointer (as MapProcessorFailure gives it) reaches the
  // catches of its class.
  [[noreturn]] virtual void Raise() const { throw *this; }

  // The message in Windows-1252 (not UTF-8): for diagnostics only.
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// What the processor or the system reported: the exception code of the home
// platform (C0000091 for a floating-point overflow), the address of the
// faulting code and, for an access violation, whether it was a write and the
// data address.
struct ExceptionRecord {
  std::uint32_t code = 0;
  std::uintptr_t code_address = 0;
  bool write_access = false;
  std::uintptr_t data_address = 0;
};

#define ANOD_FAILURE_CLASS(Name, Base)                           \
  class Name : public Base {                                     \
   public:                                                       \
    using Base::Base;                                            \
    const char* ClassName() const override { return #Name; }     \
    [[noreturn]] void Raise() const override { throw *this; }    \
  }

ANOD_FAILURE_CLASS(EAbort, Exception);

class EExternal : public Exception {
 public:
  explicit EExternal(std::string message, ExceptionRecord record = {})
      : Exception(std::move(message)), record_(record) {}
  const ExceptionRecord& Record() const { return record_; }
  const char* ClassName() const override { return "EExternal"; }
  [[noreturn]] void Raise() const override { throw *this; }

 private:
  ExceptionRecord record_;
};

ANOD_FAILURE_CLASS(EMathError, EExternal);
ANOD_FAILURE_CLASS(EInvalidOp, EMathError);
ANOD_FAILURE_CLASS(EZeroDivide, EMathError);
ANOD_FAILURE_CLASS(EOverflow, EMathError);
ANOD_FAILURE_CLASS(EUnderflow, EMathError);
ANOD_FAILURE_CLASS(EIntError, EExternal);
ANOD_FAILURE_CLASS(EDivByZero, EIntError);
ANOD_FAILURE_CLASS(ERangeError, EIntError);
ANOD_FAILURE_CLASS(EIntOverflow, EIntError);
ANOD_FAILURE_CLASS(EAccessViolation, EExternal);
ANOD_FAILURE_CLASS(EPrivilege, EExternal);
ANOD_FAILURE_CLASS(EControlC, EExternal);
ANOD_FAILURE_CLASS(EStackOverflow, EExternal);
ANOD_FAILURE_CLASS(EExternalException, EExternal);

// Failures of the other subsystems, all raised by the program itself.
ANOD_FAILURE_CLASS(EInvalidGraphic, Exception);           // pictures
ANOD_FAILURE_CLASS(EJPEG, EInvalidGraphic);               // "Erreur JPEG #%d"
ANOD_FAILURE_CLASS(EInvalidGraphicOperation, Exception);  // pictures
ANOD_FAILURE_CLASS(EReadError, Exception);                // window description reader
ANOD_FAILURE_CLASS(EOutOfResources, Exception);           // colored button timers
ANOD_FAILURE_CLASS(EInvalidInput, Exception);             // a malformed or negative field

#undef ANOD_FAILURE_CLASS

}  // namespace anod
