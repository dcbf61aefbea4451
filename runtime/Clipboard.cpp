#include "runtime/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace quavlet::runtime::clipboard {
namespace {

// Open for the scope. Another program may hold the clipboard for a moment, so it is tried a
// few times before giving up. The owner becomes the clipboard's owner at EmptyClipboard:
// Windows refuses SetClipboardData to a clipboard emptied with no owner.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

// Global memory until the clipboard takes it.
class GlobalMemory {
 public:
  explicit GlobalMemory(size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~GlobalMemory() {
    if (memory_) GlobalFree(memory_);
  }
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;
  HGLOBAL get() const { return memory_; }
  HGLOBAL release() {
    HGLOBAL memory = memory_;
    memory_ = nullptr;
    return memory;
  }

 private:
  HGLOBAL memory_;
};

}  // namespace

bool Clear(HWND owner) {
  OpenClipboardScope open(owner);
  return open && EmptyClipboard();
}

bool SetText(HWND owner, std::wstring_view text) {
  OpenClipboardScope open(owner);
  if (!open || !EmptyClipboard()) return false;
  GlobalMemory memory((text.size() + 1) * sizeof(wchar_t));
  if (!memory.get()) return false;
  auto* target = static_cast<wchar_t*>(GlobalLock(memory.get()));
  if (!target) return false;
  std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
  target[text.size()] = L'\0';
  GlobalUnlock(memory.get());
  if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
  memory.release();  // the clipboard owns it now
  return true;
}

std::wstring GetText() {
  OpenClipboardScope open(nullptr);
  if (!open) return {};
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* source = static_cast<const wchar_t*>(GlobalLock(data));
  if (!source) return {};
  std::wstring text(source);
  GlobalUnlock(data);
  return text;
}

}  // namespace quavlet::runtime::clipboard
