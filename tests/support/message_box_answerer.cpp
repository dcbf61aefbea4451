#include "tests/support/message_box_answerer.h"

#include <algorithm>

#include "tests/support/window_queries.h"

namespace quavlet::test {
namespace {

constexpr wchar_t kAnswererClass[] = L"QuavletTestMessageBoxAnswerer";
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMilliseconds = 20;

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

MessageBoxIcon IconKind(HICON icon) {
  if (!icon) return MessageBoxIcon::None;
  // Message boxes show the shared system icons.
  const std::pair<LPCWSTR, MessageBoxIcon> kinds[] = {{IDI_HAND, MessageBoxIcon::Critical},
                                                     {IDI_QUESTION, MessageBoxIcon::Question},
                                                     {IDI_EXCLAMATION, MessageBoxIcon::Exclamation},
                                                     {IDI_ASTERISK, MessageBoxIcon::Information}};
  for (const auto& [name, kind] : kinds) {
    if (LoadIconW(nullptr, name) == icon) return kind;
  }
  return MessageBoxIcon::None;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM context) {
  auto& seen = *reinterpret_cast<SeenMessageBox*>(context);
  const std::wstring className = ClassOf(child);
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if (_wcsicmp(className.c_str(), L"Button") == 0) {
    seen.buttons.push_back(GetDlgCtrlID(child));
  } else if (_wcsicmp(className.c_str(), L"Static") == 0) {
    if ((style & SS_TYPEMASK) == SS_ICON) {
      seen.icon = IconKind(reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)));
    } else if (seen.text.empty()) {
      seen.text = TextOf(child);
    }
  }
  return TRUE;
}

}  // namespace

HWND FindMessageBox() { return FindVisibleTopLevel(GetCurrentProcessId(), L"#32770"); }

SeenMessageBox DescribeMessageBox(HWND box) {
  SeenMessageBox seen;
  seen.title = TextOf(box);
  seen.owner = GetWindow(box, GW_OWNER);
  EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&seen));
  const LRESULT defaultId = SendMessageW(box, DM_GETDEFID, 0, 0);
  if (HIWORD(defaultId) == DC_HASDEFID) seen.defaultButton = LOWORD(defaultId);
  return seen;
}

MessageBoxAnswerer::MessageBoxAnswerer(std::initializer_list<int> answers) : answers_(answers) {
  if (answers_.empty()) answers_.push_back(IDOK);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kAnswererClass;
  RegisterClassW(&windowClass);  // fails harmlessly when already registered
  window_ = CreateWindowExW(0, kAnswererClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetTimer(window_, kPollTimer, kPollMilliseconds, nullptr);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK MessageBoxAnswerer::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* answerer = reinterpret_cast<MessageBoxAnswerer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      if (answerer && wParam == kPollTimer) answerer->Poll();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void MessageBoxAnswerer::Poll() {
  // A handle of a box that has gone may come back for a new one.
  answered_.erase(std::remove_if(answered_.begin(), answered_.end(), [](HWND box) { return !IsWindow(box); }),
                  answered_.end());
  const HWND box = FindMessageBox();
  if (!box || std::find(answered_.begin(), answered_.end(), box) != answered_.end()) return;
  answered_.push_back(box);
  seen_.push_back(DescribeMessageBox(box));
  Answer(box);
}

void MessageBoxAnswerer::Answer(HWND box) {
  const size_t index = std::min(seen_.size() - 1, answers_.size() - 1);
  const int answer = answers_[index];
  if (answer == kCloseBox) {
    PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    return;
  }
  const HWND button = GetDlgItem(box, answer);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace quavlet::test
