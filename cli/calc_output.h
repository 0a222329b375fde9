// The command-line calculator's only way out: every text it prints, on
// stdout or stderr, goes through one CalcOutput, in UTF-8. A port that must
// write to its console another way changes this file alone.
//
// Text for stdout is gathered and written in blocks of 64 KiB (a batch of a
// million lines makes a few hundred writes, not a million); Flush writes
// what is gathered, and the batch calls it whenever no more input is
// waiting, so a program that writes one line and waits for the answer gets
// it. Text for stderr is written at once, after what stdout has gathered, so
// that the two keep their order when they go to the same place.
//
// A write that fails (a full disk, a closed pipe, /dev/full) must not pass
// for success: Finish flushes both streams and, when stdout could not take
// everything, says so on stderr in French and English; the program then
// exits with kExitUsage.
//
//   anodisation-calc cylindre 3 10 > /dev/full
//     stderr "anodisation-calc: écriture impossible sur la sortie standard /
//             cannot write to standard output\n", exit 2
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace anod {

class CalcOutput {
 public:
  CalcOutput(std::ostream& out, std::ostream& err);
  CalcOutput(const CalcOutput&) = delete;
  CalcOutput& operator=(const CalcOutput&) = delete;

  void Out(std::string_view utf8);
  void Err(std::string_view utf8);

  // Writes what stdout has gathered and flushes it.
  void Flush();

  // False once a write to stdout has failed: there is no point computing
  // more lines for it.
  bool OutWritable() const;

  // Flushes both streams. True when everything was written; otherwise the
  // failure has been reported on stderr (as far as stderr still works).
  bool Finish();

 private:
  // Writes the gathered text to `out_`, without flushing it.
  void WriteGathered();

  std::ostream& out_;
  std::ostream& err_;
  std::string gathered_;  // its capacity is reserved once: no allocation after
};

}  // namespace anod
