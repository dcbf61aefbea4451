#include "runtime/Controls.h"

#include <commctrl.h>

#include "runtime/Colours.h"

namespace quavlet::runtime {
namespace {

std::wstring ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = SendMessageW(window, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

}  // namespace

void CommandButton::OnCommand(WORD notification) {
  if (notification == BN_CLICKED) Raise(Click);
}

void TextBox::OnCommand(WORD notification) {
  if (notification == EN_CHANGE) Raise(Change);
}

void TextBox::OnKeyPress(int& character) { Raise(KeyPress, character); }

int ComboBox::CreationHeight(int designHeight) const {
  // The window's height includes its drop-down list; the closed box takes the font's height.
  constexpr int kDroppedListHeight = 120;
  return designHeight + kDroppedListHeight;
}

void ComboBox::OnCreated() {
  for (const std::wstring& item : designItems_) {
    SendMessageW(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  designItems_.clear();
}

void ComboBox::OnCommand(WORD notification) {
  switch (notification) {
    case CBN_SELCHANGE:
      Raise(Click);
      break;
    case CBN_EDITCHANGE:
      Raise(Change);
      break;
    default:
      break;
  }
}

void ComboBox::AddItem(std::wstring_view item) {
  if (!hWnd()) {
    designItems_.emplace_back(item);
    return;
  }
  const std::wstring text(item);
  SendMessageW(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboBox::Clear() {
  designItems_.clear();
  if (hWnd()) SendMessageW(hWnd(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::ListCount() const {
  if (!hWnd()) return static_cast<int>(designItems_.size());
  return static_cast<int>(SendMessageW(hWnd(), CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::List(int index) const {
  if (!hWnd()) {
    return index >= 0 && index < static_cast<int>(designItems_.size()) ? designItems_[static_cast<size_t>(index)]
                                                                        : std::wstring();
  }
  return ItemText(hWnd(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

int ComboBox::ListIndex() const {
  return hWnd() ? static_cast<int>(SendMessageW(hWnd(), CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::SetListIndex(int index) {
  if (hWnd()) SendMessageW(hWnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::OnCommand(WORD notification) {
  switch (notification) {
    case LBN_SELCHANGE:
      Raise(Click);
      break;
    case LBN_DBLCLK:
      Raise(DblClick);
      break;
    default:
      break;
  }
}

void ListBox::AddItem(std::wstring_view item) {
  if (!hWnd()) return;
  const std::wstring text(item);
  SendMessageW(hWnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::Clear() {
  if (hWnd()) SendMessageW(hWnd(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ListCount() const { return hWnd() ? static_cast<int>(SendMessageW(hWnd(), LB_GETCOUNT, 0, 0)) : 0; }

std::wstring ListBox::List(int index) const {
  if (!hWnd()) return {};
  return ItemText(hWnd(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

void ListViewWindow::OnCreated() {
  if (ForeColour()) SendMessageW(hWnd(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ResolveColour(*ForeColour())));
  if (BackColour()) {
    const COLORREF back = ResolveColour(*BackColour());
    SendMessageW(hWnd(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
    SendMessageW(hWnd(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  }
}

LRESULT ListViewWindow::OnNotify(const NMHDR& header) {
  switch (header.code) {
    case NM_CLICK:
      Raise(Click);
      break;
    case NM_DBLCLK:
      Raise(DblClick);
      break;
    default:
      break;
  }
  return 0;
}

void HostWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
}

}  // namespace quavlet::runtime
