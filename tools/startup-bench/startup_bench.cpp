// Times the program's start from outside: starts it several times and watches, from process
// creation on, for its main window to be made, to gain its player and its skin, to be shown,
// to answer a message and to be painted. A bare window program (bare_window.cpp) is started
// the same way in the same rounds, as the yardstick; the medians of both and their ratio are
// printed. Nothing is asked of the program: every stage is read from its windows.
//
// Usage: quavlet_startup_bench.exe <program> <bare window program> [rounds, default 7]
// Both programs must show a top-level window titled "Quavlet".

#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMainWindowTitle[] = L"Quavlet";
constexpr DWORD kGiveUpMilliseconds = 30000;

// What the launcher sees of a start, in the order it happens in the program.
enum Stage {
  kProcessCreated,  // CreateProcess has returned
  kMainWindowMade,  // the main window exists (the forms layer has made it)
  kPlayerHostMade,  // the player's host window exists
  kPlayerMade,      // the control after the player exists: the player is made
  kSkinAttached,    // the main window carries the skin's "PROCADDR"
  kColourKeyed,     // the main window is layered: its load has ended
  kShown,           // the main window is visible
  kAnswers,         // the main window answers WM_NULL: the program waits for messages
  kPainted,         // the main window and its children have nothing left to paint
  kStageCount
};

constexpr std::array<const char*, kStageCount> kStageNames = {
    "process created",
    "main window made",
    "player host window made",
    "player made (the next control exists)",
    "skin attached (\"PROCADDR\" on the main window)",
    "load ended (main window colour-keyed)",
    "main window shown",
    "main window shown and answering (WM_NULL)",
    "first paint done",
};

using StageTimes = std::array<std::optional<double>, kStageCount>;

double NowMilliseconds() {
  static const double frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return static_cast<double>(value.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

HWND FindMainWindow(DWORD processId) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, kMainWindowTitle)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM found) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

// Which stages the window has reached now.
void LookAt(HWND window, double now, StageTimes& times) {
  const auto reach = [&](Stage stage, bool reached) {
    if (reached && !times[stage]) times[stage] = now;
  };
  reach(kMainWindowMade, true);
  reach(kPlayerHostMade, FindWindowExW(window, nullptr, L"QuavletHost", nullptr) != nullptr);
  reach(kPlayerMade, FindWindowExW(window, nullptr, L"Button", nullptr) != nullptr);
  reach(kSkinAttached, GetPropW(window, L"PROCADDR") != nullptr);
  reach(kColourKeyed, (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0);
  reach(kShown, IsWindowVisible(window) != FALSE);
}

// One start: from CreateProcess to the first paint, then the process is ended.
StageTimes TimeOneStart(const std::wstring& program) {
  StageTimes times;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const double start = NowMilliseconds();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return times;
  }
  const auto since = [start] { return NowMilliseconds() - start; };
  times[kProcessCreated] = since();

  HWND window = nullptr;
  while (since() < kGiveUpMilliseconds && !times[kPainted]) {
    if (!window) window = FindMainWindow(process.dwProcessId);
    if (window) {
      LookAt(window, since(), times);
      if (times[kShown] && !times[kAnswers]) {
        DWORD_PTR ignored = 0;
        if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kGiveUpMilliseconds, &ignored)) {
          times[kAnswers] = since();
        }
      }
      if (times[kAnswers] && Painted(window)) times[kPainted] = since();
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;  // it ended early
    Sleep(1);
  }

  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return times;
}

std::optional<double> Median(std::vector<double> values) {
  if (values.empty()) return std::nullopt;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::optional<double> MedianOf(const std::vector<StageTimes>& runs, Stage stage) {
  std::vector<double> values;
  for (const StageTimes& run : runs) {
    if (run[stage]) values.push_back(*run[stage]);
  }
  return Median(std::move(values));
}

void PrintRound(const char* what, int round, const StageTimes& times) {
  std::printf("round %d %-8s", round, what);
  for (const std::optional<double>& time : times) {
    if (time) {
      std::printf(" %7.1f", *time);
    } else {
      std::printf("       -");
    }
  }
  std::printf("\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: %ls <program> <bare window program> [rounds]\n", argv[0]);
    return 2;
  }
  const std::wstring program = argv[1];
  const std::wstring bare = argv[2];
  const int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;

  // One start of each first, not counted: it brings the files into the caches.
  TimeOneStart(bare);
  TimeOneStart(program);

  std::printf("Times in ms from process creation; columns are the stages below, in order.\n");
  std::vector<StageTimes> bareRuns;
  std::vector<StageTimes> programRuns;
  for (int round = 1; round <= rounds; ++round) {
    // Alternating which goes first, so neither always meets the other's aftermath.
    for (int turn = 0; turn < 2; ++turn) {
      const bool bareTurn = (turn == 0) == (round % 2 == 1);
      Sleep(200);
      StageTimes times = TimeOneStart(bareTurn ? bare : program);
      PrintRound(bareTurn ? "bare" : "Quavlet", round, times);
      (bareTurn ? bareRuns : programRuns).push_back(times);
    }
  }

  std::printf("\nMedians of %d starts (ms from process creation):\n", rounds);
  std::printf("%-50s %10s %10s\n", "stage", "bare", "Quavlet");
  for (int stage = 0; stage < kStageCount; ++stage) {
    const auto bareMedian = MedianOf(bareRuns, static_cast<Stage>(stage));
    const auto programMedian = MedianOf(programRuns, static_cast<Stage>(stage));
    std::printf("%-50s", kStageNames[stage]);
    for (const auto& median : {bareMedian, programMedian}) {
      if (median) {
        std::printf(" %10.1f", *median);
      } else {
        std::printf(" %10s", "-");
      }
    }
    std::printf("\n");
  }
  const auto bareShown = MedianOf(bareRuns, kAnswers);
  const auto programShown = MedianOf(programRuns, kAnswers);
  if (!bareShown || !programShown) {
    std::printf("\nA window was never shown: no ratio.\n");
    return 1;
  }
  std::printf("\nStart to main window shown and answering: bare %.1f ms, Quavlet %.1f ms, ratio %.2f\n", *bareShown,
              *programShown, *programShown / *bareShown);
  return 0;
}
