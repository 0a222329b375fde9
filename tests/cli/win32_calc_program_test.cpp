// anodisation-calc.exe as a process: arguments given in UTF-16 on its command
// line, output redirected to files (UTF-8 bytes, "\n" line ends), exit codes.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/cli/plan_outputs.h"

namespace {

struct Outcome {
  DWORD status;
  std::string out;
  std::string err;
};

// The program lies beside this test.
std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring own(path, length);
  return own.substr(0, own.find_last_of(L"\\/") + 1) + ANOD_CALC_PROGRAM;
}

// A file the child inherits as one of its standard handles; closed with the test.
struct InheritedFile {
  InheritedFile(const std::wstring& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                         FILE_ATTRIBUTE_TEMPORARY, nullptr);
  }
  ~InheritedFile() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  InheritedFile(const InheritedFile&) = delete;
  InheritedFile& operator=(const InheritedFile&) = delete;
  HANDLE handle;
};

std::string ReadFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

Outcome RunProgram(const std::wstring& arguments, const std::string& input = "") {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring base = std::wstring(folder) + L"anodisation_calc_" + std::to_wstring(GetCurrentProcessId());
  const std::wstring in = base + L".in", out = base + L".out", err = base + L".err";
  std::ofstream(in.c_str(), std::ios::binary) << input;
  Outcome outcome{~0u, {}, {}};
  {
    InheritedFile in_file(in, GENERIC_READ, OPEN_EXISTING);
    InheritedFile out_file(out, GENERIC_WRITE, CREATE_ALWAYS);
    InheritedFile err_file(err, GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in_file.handle;
    startup.hStdOutput = out_file.handle;
    startup.hStdError = err_file.handle;
    std::wstring command = L"\"" + ProgramPath() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
      ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
      return outcome;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &outcome.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  outcome.out = ReadFile(out);
  outcome.err = ReadFile(err);
  for (const std::wstring& path : {in, out, err}) DeleteFileW(path.c_str());
  return outcome;
}

struct ProgramRow {
  const char* name;
  std::wstring arguments;
  DWORD status;
  std::string out;
  std::string err;
};
void PrintTo(const ProgramRow& row, std::ostream* os) { *os << row.name; }

class Program : public testing::TestWithParam<ProgramRow> {};

TEST_P(Program, Runs) {
  const ProgramRow& row = GetParam();
  const Outcome outcome = RunProgram(row.arguments);
  EXPECT_EQ(outcome.status, row.status) << outcome.err;
  EXPECT_EQ(outcome.out, row.out);
  if (row.status != 2) {
    EXPECT_EQ(outcome.err, row.err);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Invocations, Program,
    testing::Values(
        ProgramRow{"cylindre_3_10", L"cylindre 3 10", 0, " 244.92 Cm\xC2\xB2 \n2450 mA \n", ""},
        ProgramRow{"failure_exits_1", L"sphere 1e400", 1, "                 Cm\xC2\xB2 \n0 mA\n",
                   "D\xC3\xA9" "bordement en virgule flottante.\n"},
        // Read as UTF-16, the field keeps its letter and the message shows it back in UTF-8;
        // read through the ANSI code page it would have been mangled.
        ProgramRow{"accented_argument", L"sphere \x00E9", 1, "                 Cm\xC2\xB2 \n0 mA\n",
                   "Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : \xC2\xAB \xC3\xA9 \xC2\xBB.\n"},
        ProgramRow{"quoted_argument_with_space", L"cylindre \"3 \" 10", 0, " 244.92 Cm\xC2\xB2 \n2450 mA \n", ""},
        ProgramRow{"usage_exits_2", L"cube", 2, "", ""}), testing::PrintToStringParamName());

// The worked example's plan, copied beside the program, in each format.
std::wstring PlanArguments(const wchar_t* options) {
  const std::wstring program = ProgramPath();
  return std::wstring(L"plan ") + options + L"\"" + program.substr(0, program.find_last_of(L"\\/") + 1) +
         L"worked_example.anodplan\"";
}

INSTANTIATE_TEST_SUITE_P(
    Plans, Program,
    testing::Values(ProgramRow{"plan_text", PlanArguments(L""), 0, anod::kWorkedExampleText, ""},
                    ProgramRow{"plan_tsv", PlanArguments(L"--format tsv "), 0, anod::kWorkedExampleTsv, ""},
                    ProgramRow{"plan_json", PlanArguments(L"--format json "), 0, anod::kWorkedExampleJson, ""}),
    testing::PrintToStringParamName());

TEST(Program, BatchReadsStdinBytes) {
  // A leading UTF-8 byte-order mark is skipped.
  const Outcome outcome = RunProgram(L"--batch", "\xEF\xBB\xBFsphere\t2\r\nsphere\t1e400\n");
  // The second line's calculation fails: exit code 1.
  EXPECT_EQ(outcome.status, 1u);
  EXPECT_EQ(outcome.out,
            " 50.24 Cm\xC2\xB2 \t500 mA \t\n                 Cm\xC2\xB2 \t0 mA\tD\xC3\xA9"
            "bordement en virgule flottante.\n");
}

}  // namespace
