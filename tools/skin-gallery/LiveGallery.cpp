#include "tools/skin-gallery/LiveGallery.h"

#include <windows.h>
#include <commctrl.h>

#include "runtime/GdiHandles.h"
#include "skin/MSkinButton.h"
#include "tools/skin-gallery/FadeRecorder.h"
#include "tools/skin-gallery/GalleryWindow.h"
#include "tools/skin-gallery/SongColumns.h"

namespace quavlet::tools {

namespace {

// The program's form class, which the skin engine recognises as a form.
constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";
constexpr int kMessageBoxButtonId = 100;
constexpr int kClientWidth = 560;
constexpr int kClientHeight = 300;

LRESULT OnCommand(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) == kMessageBoxButtonId && HIWORD(wParam) == BN_CLICKED) {
    MessageBoxW(window, L"这个消息框也由皮肤绘制。", L"提示", MB_OKCANCEL | MB_ICONQUESTION);
  }
  return 0;
}

// Closing gives the window back to the skin first, as the main window's unload does.
LRESULT OnClose(HWND window) {
  skin::DetachSkin(window);
  DestroyWindow(window);
  return 0;
}

LRESULT OnDestroy() {
  PostQuitMessage(0);
  return 0;
}

LRESULT CALLBACK LiveProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: return OnCommand(window, wParam);
    case WM_CLOSE: return OnClose(window);
    case WM_DESTROY: return OnDestroy();
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

class LiveForm {
 public:
  LiveForm() : font_(MakeFont()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = LiveProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    RegisterClassExW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    window_ = CreateWindowExW(0, kFormClass, kLiveGalleryTitle, style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }

  HWND window() const { return window_; }

  HWND Add(const wchar_t* className, const wchar_t* text, DWORD style, RECT place, DWORD exStyle = 0,
           int id = 0) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return control;
  }

 private:
  // The program's interface font: "宋体", 12 pixels, Chinese character set.
  static HFONT MakeFont() {
    LOGFONTW font{};
    font.lfHeight = -12;
    font.lfCharSet = GB2312_CHARSET;
    lstrcpynW(font.lfFaceName, L"宋体", LF_FACESIZE);
    return CreateFontIndirectW(&font);
  }

  runtime::Font font_;  // outlives the window: the controls draw with it until they go
  HWND window_ = nullptr;
};

// Returns the first button, the one a fade is recorded on.
HWND AddButtons(LiveForm& form) {
  HWND first = form.Add(L"Button", L"查询", BS_PUSHBUTTON, RECT{16, 16, 96, 41});
  form.Add(L"Button", L"播/暂", BS_PUSHBUTTON | WS_DISABLED, RECT{106, 16, 186, 41});
  form.Add(L"Button", L"退出", BS_PUSHBUTTON, RECT{196, 16, 276, 41});
  form.Add(L"Button", L"消息框", BS_PUSHBUTTON, RECT{286, 16, 386, 41}, 0, kMessageBoxButtonId);
  return first;
}

void AddMarks(LiveForm& form) {
  HWND check = form.Add(L"ThunderRT6CheckBox", L"自动播放", BS_AUTOCHECKBOX, RECT{16, 54, 116, 74});
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  form.Add(L"ThunderRT6CheckBox", L"随机", BS_AUTOCHECKBOX, RECT{126, 54, 206, 74});
  HWND first = form.Add(L"ThunderRT6OptionButton", L"列表", BS_AUTORADIOBUTTON | WS_GROUP, RECT{226, 54, 296, 74});
  SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
  form.Add(L"ThunderRT6OptionButton", L"图标", BS_AUTORADIOBUTTON, RECT{306, 54, 376, 74});
}

void AddCombosAndText(LiveForm& form) {
  for (const auto& [style, left] : {std::pair{CBS_DROPDOWNLIST, 16}, std::pair{CBS_DROPDOWN, 126}}) {
    HWND combo = form.Add(L"ComboBox", L"", static_cast<DWORD>(style) | WS_VSCROLL, RECT{left, 86, left + 100, 200});
    for (const wchar_t* item : {L"1", L"2", L"3"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  form.Add(L"Edit", L"61234567", ES_AUTOHSCROLL, RECT{236, 86, 386, 108}, WS_EX_CLIENTEDGE);
}

void AddSongList(LiveForm& form) {
  HWND list = form.Add(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL, RECT{16, 122, 544, 252}, WS_EX_CLIENTEDGE);
  AddSongColumns(list, 200);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"1");
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  item.iSubItem = 1;
  item.pszText = const_cast<wchar_t*>(L"甜蜜蜜");
  SendMessageW(list, LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
}

void AddProgressBar(LiveForm& form) {
  HWND bar = form.Add(L"ProgressBar20WndClass", L"", WS_BORDER, RECT{16, 266, 544, 284});
  SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
  SendMessageW(bar, PBM_SETPOS, 15000, 0);
}

}  // namespace

int RunLiveGallery(const std::wstring& fadeFolder) {
  RegisterRuntimeClassNames();
  LiveForm form;
  HWND firstButton = AddButtons(form);
  AddMarks(form);
  AddCombosAndText(form);
  AddSongList(form);
  AddProgressBar(form);
  // As the program's main window: every control is taken over before the window shows.
  skin::AttachSkin(form.window());
  ShowWindow(form.window(), SW_SHOWNORMAL);
  if (!fadeFolder.empty()) {
    UpdateWindow(form.window());
    RecordHoverFade(firstButton, fadeFolder);
    PostMessageW(form.window(), WM_CLOSE, 0, 0);
  }

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace quavlet::tools
