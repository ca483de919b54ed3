// Runs one disabled test of this test program in a child process, for what can only
// happen once in a process (ending it, the statics' teardown). The child knows it is
// one by `variable` in its environment and reports on its standard output, which the
// parent gets back as text.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

namespace dusk {

struct ChildRun {
  bool started = false;
  DWORD exitCode = 0;
  std::string output;
};

// `filter` names the child's test, e.g. "Suite.DISABLED_Child".
inline ChildRun RunChildTest(const std::string& filter, const char* variable) {
  ChildRun run;
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string outPath =
      std::string(folder) + "dusk_child_" + std::to_string(GetCurrentProcessId()) + ".txt";
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return run;
  std::string command = std::string("\"") + exe + "\" --gtest_also_run_disabled_tests --gtest_filter=" + filter;
  STARTUPINFOA start{};
  start.cb = sizeof(start);
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = out;
  start.hStdError = out;
  start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION child{};
  SetEnvironmentVariableA(variable, "1");
  run.started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &start, &child) != FALSE;
  SetEnvironmentVariableA(variable, nullptr);
  CloseHandle(out);
  if (run.started) {
    if (WaitForSingleObject(child.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(child.hProcess, 99);
    GetExitCodeProcess(child.hProcess, &run.exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
  if (FILE* f = std::fopen(outPath.c_str(), "rb")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) run.output.append(buffer, n);
    std::fclose(f);
  }
  DeleteFileA(outPath.c_str());
  return run;
}

// A line on standard output without any stream object: it works after every static.
inline void SayToParent(const std::string& line) {
  DWORD written = 0;
  const std::string text = line + "\n";
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

}  // namespace dusk
