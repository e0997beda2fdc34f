// Times how long each of two programs takes from process creation to its window being visible,
// alternating them so that both see the same machine state, and prints the medians and their
// ratio. Every run starts the program from a fresh copy in a directory of its own, so no run
// finds the settings or pages an earlier run wrote beside the exe.
//   startup_timer RUNS WORK_DIR ZEMBRIX_EXE MINIMAL_POPUP_EXE
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/startup/minimal_popup_title.h"

namespace {

// UTF-16 of the bar's title; the program sets it through the GBK code page.
constexpr wchar_t kZembrixTitle[] = L"Zembrix\uFF0C\u4FBF\u6377\u641C\u5B9D\u5165\u53E3";
constexpr double kGiveUpMs = 30000;

struct Program {
  const char* label;
  std::wstring exe;
  const wchar_t* title;
  std::vector<double> startupMs;
};

class Clock {
 public:
  Clock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double ElapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - start_.QuadPart) * 1000.0 / double(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

[[noreturn]] void Fail(const char* what, const Program& program) {
  std::fprintf(stderr, "startup_timer: %s: %s\n", program.label, what);
  std::exit(1);
}

std::wstring FileName(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FreshCopy(const std::wstring& workDir, const Program& program, int run) {
  const std::wstring dir = workDir + L"\\" + FileName(program.exe) + L"-" + std::to_wstring(run);
  const std::wstring exe = dir + L"\\" + FileName(program.exe);
  if (!CreateDirectoryW(dir.c_str(), nullptr) || !CopyFileW(program.exe.c_str(), exe.c_str(), TRUE)) {
    Fail("cannot make a fresh program directory (does the work directory hold old runs?)", program);
  }
  return exe;
}

// Zembrix ends at once when a window with its title exists, so a run may only begin when the
// previous one's window is gone, not merely its process.
void WaitUntilNoWindow(const Program& program) {
  const Clock clock;
  while (FindWindowW(nullptr, program.title)) {
    if (clock.ElapsedMs() > kGiveUpMs) Fail("a window with its title stays open", program);
    Sleep(1);
  }
}

double TimeToVisibleWindow(const std::wstring& exe, const Program& program) {
  WaitUntilNoWindow(program);
  std::wstring commandLine = L"\"" + exe + L"\"";
  const std::wstring dir = exe.substr(0, exe.find_last_of(L'\\'));
  STARTUPINFOW startup = {sizeof startup};
  PROCESS_INFORMATION process = {};

  const Clock clock;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir.c_str(), &startup, &process)) {
    Fail("cannot start the program", program);
  }
  double elapsedMs = 0;
  for (;;) {
    HWND window = FindWindowW(nullptr, program.title);
    if (window && IsWindowVisible(window)) {
      elapsedMs = clock.ElapsedMs();
      break;
    }
    // Doubles as the ~1 ms poll interval.
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
      Fail("the process ended before its window was visible", program);
    }
    if (clock.ElapsedMs() > kGiveUpMs) Fail("no visible window with its title", program);
  }

  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsedMs;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5 || std::wcstol(argv[1], nullptr, 10) < 1) {
    std::fprintf(stderr, "usage: startup_timer RUNS WORK_DIR ZEMBRIX_EXE MINIMAL_POPUP_EXE\n");
    return 2;
  }
  const int runs = int(std::wcstol(argv[1], nullptr, 10));
  const std::wstring workDir = argv[2];
  Program zembrix{"Zembrix", argv[3], kZembrixTitle, {}};
  Program minimal{"minimal popup", argv[4], kMinimalPopupTitle, {}};

  // The first start of any program in a prefix loads DLLs the later starts find ready.
  TimeToVisibleWindow(FreshCopy(workDir, zembrix, 0), zembrix);
  TimeToVisibleWindow(FreshCopy(workDir, minimal, 0), minimal);
  for (int run = 1; run <= runs; ++run) {
    for (Program* program : {&zembrix, &minimal}) {
      program->startupMs.push_back(TimeToVisibleWindow(FreshCopy(workDir, *program, run), *program));
    }
  }

  std::printf("start-up to visible window, median of %d alternating runs each (after a warm-up):\n",
              runs);
  for (const Program* program : {&zembrix, &minimal}) {
    const auto [fastest, slowest] =
        std::minmax_element(program->startupMs.begin(), program->startupMs.end());
    std::printf("  %-14s %8.1f ms   (%.1f to %.1f ms)\n", program->label,
                Median(program->startupMs), *fastest, *slowest);
  }
  std::printf("  ratio Zembrix / minimal popup: %.2f\n",
              Median(zembrix.startupMs) / Median(minimal.startupMs));
  return 0;
}
