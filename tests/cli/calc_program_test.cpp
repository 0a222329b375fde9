// The installed program end to end: arguments, streams, exit codes and the
// decimal mark read from the environment's locale.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "tests/cli/plan_outputs.h"

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
  const std::string command = "env -u LC_ALL -u LC_NUMERIC -u LANG LOCPATH='" ANOD_LOCALE_DIR "' " + environment +
                              " " ANOD_CALC_RUNNER " '" ANOD_CALC_PROGRAM "' " +
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

// The worked example's plan in each format: "." whatever the locale.
INSTANTIATE_TEST_SUITE_P(
    Plans, Program,
    testing::Values(ProgramRow{"plan_text", "LANG=fr_FR.UTF-8", "plan '" ANOD_PLAN_EXAMPLE "'", 0,
                               anod::kWorkedExampleText, ""},
                    ProgramRow{"plan_tsv", "LANG=fr_FR.UTF-8", "plan --format tsv '" ANOD_PLAN_EXAMPLE "'", 0,
                               anod::kWorkedExampleTsv, ""},
                    ProgramRow{"plan_json", "LANG=fr_FR.UTF-8", "plan --format json '" ANOD_PLAN_EXAMPLE "'", 0,
                               anod::kWorkedExampleJson, ""}),
    testing::PrintToStringParamName());

TEST(Program, FullDeviceIsAWriteFailure) {
  for (const char* arguments : {"cylindre 3 10", "--batch", "--help", "plan '" ANOD_PLAN_EXAMPLE "'"}) {
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

// Standard input that cannot be read, a line beyond the limit and endless
// input, each through the shell: `command` has PROGRAM where the program
// goes. A memory limit (ulimit -v) shows that nothing grows with the input.
struct InputRow {
  const char* name;
  std::string command;
  int status;
  std::string out;
  std::string err_mentions;
  bool memory_limit = false;
};
void PrintTo(const InputRow& row, std::ostream* os) { *os << row.name; }

class BatchInput : public testing::TestWithParam<InputRow> {};

TEST_P(BatchInput, FailsCleanly) {
  const InputRow& row = GetParam();
#ifdef ANOD_SANITIZED
  // The address sanitizer reserves terabytes of address space at start-up.
  if (row.memory_limit) GTEST_SKIP() << "ulimit -v and the address sanitizer exclude each other";
#endif
  // An emulator maps its own memory too, beyond any limit the program needs.
  if (row.memory_limit && std::string_view(ANOD_CALC_RUNNER).size() > 0) GTEST_SKIP() << "ulimit -v and " ANOD_CALC_RUNNER;
  std::string command = row.command;
  command.replace(command.find("PROGRAM"), 7, ANOD_CALC_RUNNER " '" ANOD_CALC_PROGRAM "'");
  const std::string base = testing::TempDir() + "anodisation_calc_input_" + std::to_string(getpid()) + "_";
  const int raw = std::system(("(" + command + ") >'" + base + "out' 2>'" + base + "err'").c_str());
  const Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(base + "out"), ReadFile(base + "err")};
  std::remove((base + "out").c_str());
  std::remove((base + "err").c_str());
  EXPECT_EQ(outcome.status, row.status) << outcome.err;
  EXPECT_EQ(outcome.out, row.out);
  EXPECT_NE(outcome.err.find(row.err_mentions), std::string::npos) << outcome.err;
}

const std::string kSphere2 = " 50.24 Cm\xC2\xB2 \t500 mA \t\n";
const std::string kSphere1 = " 12.56 Cm\xC2\xB2 \t130 mA \t\n";
const std::string kTooLong = "\t\tligne de plus de 1048576 octets / line longer than 1048576 bytes\n";

INSTANTIATE_TEST_SUITE_P(
    Robustness, BatchInput,
    testing::Values(
        InputRow{"folder", "PROGRAM --batch < /", 2, "", "cannot read standard input"},
        InputRow{"closed", "PROGRAM --batch <&-", 2, "", "cannot read standard input"},
        // 100 MB in one line, kept whole, needs more than the limit allows.
        InputRow{"long_line_under_a_memory_limit",
                 "{ printf 'sphere\\t2\\n'; head -c 100000000 /dev/zero | tr '\\0' 1; printf '\\nsphere\\t1\\n'; } | "
                 "(ulimit -v 100000; PROGRAM --batch)",
                 2, kSphere2 + kTooLong + kSphere1, "line 2: ligne de plus de", true},
        // Still running after 3 s in 100 MB: /dev/zero is one endless line.
        InputRow{"dev_zero_endless", "ulimit -v 100000; timeout 3 PROGRAM --batch < /dev/zero", 124, "", "", true}),
    testing::PrintToStringParamName());

// A program that writes one line and waits for the answer gets it before
// it sends the next (or closes its end).
TEST(Program, AnswersEachLineOfACoProcess) {
  int to_program[2], from_program[2];
  ASSERT_EQ(pipe(to_program), 0);
  ASSERT_EQ(pipe(from_program), 0);
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    dup2(to_program[0], 0);
    dup2(from_program[1], 1);
    for (const int fd : {to_program[0], to_program[1], from_program[0], from_program[1]}) close(fd);
    if (std::string_view(ANOD_CALC_RUNNER).empty()) {
      execl(ANOD_CALC_PROGRAM, ANOD_CALC_PROGRAM, "--batch", static_cast<char*>(nullptr));
    } else {
      execlp(ANOD_CALC_RUNNER, ANOD_CALC_RUNNER, ANOD_CALC_PROGRAM, "--batch", static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  close(to_program[0]);
  close(from_program[1]);
  for (const std::string& expected : {kSphere2, kSphere1}) {
    const std::string line = expected == kSphere2 ? "sphere\t2\n" : "sphere\t1\n";
    ASSERT_EQ(write(to_program[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    std::string answer;
    char byte = 0;
    pollfd readable{from_program[0], POLLIN, 0};
    while (answer.find('\n') == std::string::npos && poll(&readable, 1, 10000) == 1 &&
           read(from_program[0], &byte, 1) == 1) {
      answer += byte;
    }
    EXPECT_EQ(answer, expected);
  }
  close(to_program[1]);
  int raw = 0;
  waitpid(child, &raw, 0);
  close(from_program[0]);
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
}

}  // namespace
