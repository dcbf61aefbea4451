// The main window's button that puts a shortcut to the maker's site on the user's desktop.

#include <iterator>
#include <string>

#include "app/Form1.h"
#include "windows/ShortcutFile.h"

namespace quavlet {
namespace {

constexpr UINT kThanksStyle = MB_OK | MB_ICONINFORMATION;  // 0x40
constexpr UINT kFailureStyle = MB_OK | MB_ICONERROR;       // 0x10

// The system's own words for an error code, without the trailing line break.
std::wstring SystemMessage(DWORD error) {
  wchar_t text[512] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text, static_cast<DWORD>(std::size(text)), nullptr);
  std::wstring message(text, length);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) message = L"错误代码 " + std::to_wstring(error);
  return message;
}

std::wstring FailureText(const windows::ShortcutOutcome& outcome) {
  std::wstring text = L"无法在桌面上创建快捷方式。";
  if (!outcome.path.empty()) text += L"\r\n\r\n" + outcome.path;
  return text + L"\r\n" + SystemMessage(outcome.error);
}

}  // namespace

void Form1::Command6_Click() {
  // The file is closed before either message is shown.
  const windows::ShortcutOutcome outcome = windows::WriteDesktopShortcut(Text1.Text(), windows::CurrentShortcutPlaces());
  if (outcome.written) {
    MsgBox(L"感谢您对我们的支持，我代表Brindlebox团队向您敬礼！！", kThanksStyle, L"创建桌面快捷方式成功！");
  } else {
    MsgBox(FailureText(outcome), kFailureStyle, L"创建桌面快捷方式失败");
  }
}

}  // namespace quavlet
