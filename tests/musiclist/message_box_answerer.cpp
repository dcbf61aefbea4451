#include "tests/musiclist/message_box_answerer.h"

#include <algorithm>
#include <utility>

namespace quavlet::test {
namespace {

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = L"";
  // Sent across threads: the UI thread pumps messages inside the box's modal loop.
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                      &copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

BoxIcon IconKind(HICON icon) {
  if (!icon) return BoxIcon::None;
  if (icon == LoadIconW(nullptr, IDI_HAND)) return BoxIcon::Stop;
  if (icon == LoadIconW(nullptr, IDI_ASTERISK)) return BoxIcon::Information;
  if (icon == LoadIconW(nullptr, IDI_QUESTION)) return BoxIcon::Question;
  if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) return BoxIcon::Exclamation;
  return BoxIcon::Other;
}

struct Search {
  std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM found) {
  if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) {
    reinterpret_cast<Search*>(found)->boxes.push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK ReadPart(HWND child, LPARAM result) {
  auto& box = *reinterpret_cast<ShownBox*>(result);
  if (ClassOf(child) != L"Static") return TRUE;
  if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_BLOCK, 2000, &icon);
    box.icon = IconKind(reinterpret_cast<HICON>(icon));
  } else if (box.text.empty()) {
    box.text = WindowText(child);
  }
  return TRUE;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer()
    : uiThread_(GetCurrentThreadId()), watcher_([this] { Watch(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  stop_ = true;
  watcher_.join();
}

std::vector<ShownBox> MessageBoxAnswerer::Shown() const {
  const std::lock_guard lock(mutex_);
  return shown_;
}

std::vector<ShownBox> MessageBoxAnswerer::Take() {
  const std::lock_guard lock(mutex_);
  return std::exchange(shown_, {});
}

void MessageBoxAnswerer::Watch() {
  while (!stop_) {
    Search search;
    EnumThreadWindows(uiThread_, CollectBox, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes) Answer(box);
    {
      // Forget boxes that have gone, so a later box given the same handle is answered too.
      const std::lock_guard lock(mutex_);
      std::erase_if(answered_, [](HWND box) { return !IsWindow(box) || !IsWindowVisible(box); });
    }
    Sleep(10);
  }
}

void MessageBoxAnswerer::Answer(HWND box) {
  {
    const std::lock_guard lock(mutex_);
    if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) return;
    answered_.push_back(box);
  }
  ShownBox shown;
  shown.title = WindowText(box);
  EnumChildWindows(box, ReadPart, reinterpret_cast<LPARAM>(&shown));
  {
    const std::lock_guard lock(mutex_);
    shown_.push_back(shown);
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace quavlet::test
