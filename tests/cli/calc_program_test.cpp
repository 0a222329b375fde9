// The installed program end to end: arguments, streams, exit codes and the
// decimal mark read from the environment's locale.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs the program through the shell with `environment` and `arguments`
// (already quoted) and `input` on stdin; stdout goes to `stdout_path` when
// one is given.
Outcome RunProgram(const std::string& environment, const std::string& arguments, const std::string& input = "",
                   const std::string& stdout_path = "") {
  // ctest runs tests side by side: each process has files of its own.
  const std::string base = testing::TempDir() + "anodisation_calc_" + std::to_string(getpid()) + "_";
  const std::string in = base + "in", out = stdout_path.empty() ? base + "out" : stdout_path, err = base + "err";
  std::ofstream(in, std::ios::binary) << input;
  // ANOD_CALC_RUNNER: the emulator of a cross build ("qemu-aarch64-static"), else empty.
  const std::string command = "env -u LC_ALL -u LC_NUMERIC -u LANG " + environment + " " ANOD_CALC_RUNNER " '" ANOD_CALC_PROGRAM "' " +
                              arguments + " <'" + in + "' >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, stdout_path.empty() ? ReadFile(out) : "", ReadFile(err)};
  for (const std::string& path : {in, base + "out", err}) std::remove(path.c_str());
  return outcome;
}

struct ProgramRow {
  const char* name;
  std::string environment;
  std::string arguments;
  int status;
  std::string out;
  const char* err = nullptr;  // checked when given
};
void PrintTo(const ProgramRow& row, std::ostream* os) { *os << row.name; }

class Program : public testing::TestWithParam<ProgramRow> {};

TEST_P(Program, Runs) {
  const ProgramRow& row = GetParam();
  const Outcome outcome = RunProgram(row.environment, row.arguments);
  EXPECT_EQ(outcome.status, row.status) << outcome.err;
  EXPECT_EQ(outcome.out, row.out);
  if (row.err != nullptr) {
    EXPECT_EQ(outcome.err, row.err);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Invocations, Program,
    testing::Values(
        ProgramRow{"cylindre_3_10", "LANG=C", "cylindre 3 10", 0, " 244.92 Cm\xC2\xB2 \n2450 mA \n"},
        ProgramRow{"french_locale_comma", "LANG=fr_FR.UTF-8", "sphere 1e7", 0,
                   " 1256000000000000.00 Cm\xC2\xB2 \n1,256E16 mA \n"},
        ProgramRow{"lc_all_overrides_lang", "LANG=fr_FR.UTF-8 LC_ALL=en_US.UTF-8", "sphere 1e7", 0,
                   " 1256000000000000.00 Cm\xC2\xB2 \n1.256E16 mA \n"},
        ProgramRow{"lc_numeric_german", "LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8", "sphere 1e7", 0,
                   " 1256000000000000.00 Cm\xC2\xB2 \n1,256E16 mA \n"},
        // A mark outside the code page cannot be shown: ".".
        ProgramRow{"arabic_mark_not_in_code_page", "LC_ALL=ar_EG.UTF-8", "sphere 1e7", 0,
                   " 1256000000000000.00 Cm\xC2\xB2 \n1.256E16 mA \n"},
        ProgramRow{"no_locale_at_all", "", "sphere 1e7", 0, " 1256000000000000.00 Cm\xC2\xB2 \n1.256E16 mA \n"},
        ProgramRow{"french_locale_plain_digits", "LANG=fr_FR.UTF-8", "cylindre 3 10", 0,
                   " 244.92 Cm\xC2\xB2 \n2450 mA \n"},
        // The failure's message goes to stderr in UTF-8.
        ProgramRow{"failure_exits_1", "LANG=C", "sphere 1e400", 1, "                 Cm\xC2\xB2 \n0 mA\n",
                   "D\xC3\xA9" "bordement en virgule flottante.\n"},
        ProgramRow{"usage_exits_2", "LANG=C", "cube", 2, ""}), testing::PrintToStringParamName());

TEST(Program, FullDeviceIsAWriteFailure) {
  for (const char* arguments : {"cylindre 3 10", "--batch", "--help"}) {
    SCOPED_TRACE(arguments);
    const Outcome outcome = RunProgram("LANG=C", arguments, "sphere\t2\n", "/dev/full");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("cannot write to standard output"), std::string::npos) << outcome.err;
  }
}

TEST(Program, BatchReadsStdin) {
  const Outcome outcome = RunProgram("LANG=fr_FR.UTF-8", "--batch", "sphere\t2\nsphere\t1e8\n");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out,
            " 50.24 Cm\xC2\xB2 \t500 mA \t\n 125600000000000000.00 Cm\xC2\xB2 \t1,256E18 mA \t\n");
}

}  // namespace
