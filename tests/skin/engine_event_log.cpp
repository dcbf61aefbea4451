#include "tests/skin/engine_event_log.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace quavlet::skin::test {

// Replaces one entry of this program's import address table for the patch's lifetime.
class ImportPatch {
 public:
  ImportPatch(const wchar_t* moduleName, const char* functionName, void* replacement) {
    const HMODULE module = GetModuleHandleW(moduleName);
    void* original = module ? reinterpret_cast<void*>(GetProcAddress(module, functionName)) : nullptr;
    if (!original) return;
    slot_ = FindSlotHolding(original);
    if (!slot_) return;
    original_ = original;
    Write(replacement);
  }
  ~ImportPatch() {
    if (slot_) Write(original_);
  }
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  ImportPatch(ImportPatch&& other) noexcept
      : slot_(std::exchange(other.slot_, nullptr)), original_(other.original_) {}
  ImportPatch& operator=(ImportPatch&&) = delete;

  bool Installed() const { return slot_ != nullptr; }

 private:
  static void** FindSlotHolding(void* address) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
      for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); slot->u1.Function != 0;
           ++slot) {
        if (reinterpret_cast<void*>(slot->u1.Function) == address) return reinterpret_cast<void**>(&slot->u1.Function);
      }
    }
    return nullptr;
  }

  void Write(void* value) {
    DWORD oldProtection = 0;
    VirtualProtect(slot_, sizeof(void*), PAGE_READWRITE, &oldProtection);
    *slot_ = value;
    VirtualProtect(slot_, sizeof(void*), oldProtection, &oldProtection);
    FlushInstructionCache(GetCurrentProcess(), slot_, sizeof(void*));
  }

  void** slot_ = nullptr;
  void* original_ = nullptr;
};

namespace {

// An import patch has no context argument, so the log in use has to be found without one.
EventLog* activeLog = nullptr;

const wchar_t kOriginalProcedure[] = L"QuavletTest.OriginalProcedure";

using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using BitBltFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, DWORD);

// The functions themselves, not this program's (patched) imports of them.
void* ExportOf(const wchar_t* moduleName, const char* functionName) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(moduleName), functionName));
}

AlphaBlendFunction RealAlphaBlend() {
  return reinterpret_cast<AlphaBlendFunction>(ExportOf(L"msimg32.dll", "AlphaBlend"));
}

BitBltFunction RealBitBlt() { return reinterpret_cast<BitBltFunction>(ExportOf(L"gdi32.dll", "BitBlt")); }

BOOL WINAPI LoggedAlphaBlend(HDC target, int x, int y, int width, int height, HDC source, int sourceX,
                             int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
  if (activeLog) activeLog->RecordDraw(target, "AlphaBlend " + std::to_string(blend.SourceConstantAlpha));
  return RealAlphaBlend()(target, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, blend);
}

BOOL WINAPI LoggedBitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                         DWORD operation) {
  if (activeLog) {
    char text[64];
    std::snprintf(text, sizeof(text), "BitBlt %d,%d %dx%d", x, y, width, height);
    activeLog->RecordDraw(target, text);
  }
  return RealBitBlt()(target, x, y, width, height, source, sourceX, sourceY, operation);
}

LRESULT CALLBACK LoggingSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (activeLog) activeLog->RecordMessage(window, message);
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProcedure));
  if (message == WM_NCDESTROY) RemovePropW(window, kOriginalProcedure);
  return original ? CallWindowProcW(original, window, message, wParam, lParam)
                  : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

EventLog::EventLog() {
  activeLog = this;
  patches_.emplace_back(L"msimg32.dll", "AlphaBlend", reinterpret_cast<void*>(&LoggedAlphaBlend));
  patches_.emplace_back(L"gdi32.dll", "BitBlt", reinterpret_cast<void*>(&LoggedBitBlt));
}

EventLog::~EventLog() {
  patches_.clear();
  if (activeLog == this) activeLog = nullptr;
}

EventLog* EventLog::Active() { return activeLog; }

void EventLog::Name(HWND window, const std::string& name) { names_[window] = name; }

void EventLog::Watch(std::initializer_list<UINT> messages) { watched_.insert(messages.begin(), messages.end()); }

std::vector<std::string> EventLog::LinesStartingWith(const std::string& prefix) const {
  std::vector<std::string> matching;
  for (const std::string& line : lines_) {
    if (line.compare(0, prefix.size(), prefix) == 0) matching.push_back(line);
  }
  return matching;
}

int EventLog::Count(const std::string& line) const {
  int count = 0;
  for (const std::string& each : lines_) count += each == line ? 1 : 0;
  return count;
}

void EventLog::When(HWND window, UINT message, std::function<void()> probe) {
  probes_[{window, message}] = std::move(probe);
}

void EventLog::RecordMessage(HWND window, UINT message) {
  const auto probe = probes_.find({window, message});
  if (probe != probes_.end()) probe->second();
  const auto name = names_.find(window);
  if (name == names_.end() || !watched_.count(message)) return;
  lines_.push_back(name->second + " " + MessageName(message));
}

void EventLog::RecordDraw(HDC target, const std::string& what) {
  const auto name = names_.find(WindowFromDC(target));
  if (name == names_.end()) return;
  lines_.push_back(name->second + " " + what);
}

LRESULT CALLBACK LoggingClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (activeLog) activeLog->RecordMessage(window, message);
  return DefWindowProcW(window, message, wParam, lParam);
}

void LogMessagesOf(HWND window) {
  const LONG_PTR original =
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LoggingSubclassProc));
  SetPropW(window, kOriginalProcedure, reinterpret_cast<HANDLE>(original));
}

std::string MessageName(UINT message) {
  static const std::pair<UINT, const char*> kNames[] = {
      {WM_DESTROY, "WM_DESTROY"},
      {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ENABLE, "WM_ENABLE"},
      {WM_PAINT, "WM_PAINT"},
      {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_NCPAINT, "WM_NCPAINT"},
      {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"},
      {WM_TIMER, "WM_TIMER"},
      {WM_ENTERIDLE, "WM_ENTERIDLE"},
      {WM_CTLCOLORLISTBOX, "WM_CTLCOLORLISTBOX"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
      {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
      {WM_COMMAND, "WM_COMMAND"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
  };
  for (const auto& [number, name] : kNames) {
    if (number == message) return name;
  }
  char text[16];
  std::snprintf(text, sizeof(text), "0x%04X", message);
  return text;
}

}  // namespace quavlet::skin::test
