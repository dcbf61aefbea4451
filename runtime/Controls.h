#pragma once

// The windowed controls: command button, text box, combo box, list box, list view window and a
// plain host window (for a control that is put in place later).

#include <windows.h>

#include <string>
#include <vector>

#include <commctrl.h>

#include "runtime/WindowedControl.h"

namespace quavlet::runtime {

// "Button", a push button: raises Click.
class CommandButton : public WindowedControl {
 public:
  CommandButton() : WindowedControl(L"Button") {}
  Event Click;

 protected:
  DWORD Style() const override { return BS_PUSHBUTTON; }
  void OnCommand(WORD notification) override;
};

// "Edit", one line with a sunken border: raises KeyPress for each character typed (Enter = 13
// included) and Change when the text changes.
class TextBox : public WindowedControl {
 public:
  TextBox() : WindowedControl(L"Edit") {}
  KeyPressEvent KeyPress;
  Event Change;

 protected:
  DWORD Style() const override { return ES_AUTOHSCROLL | ES_LEFT; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void OnCommand(WORD notification) override;
  void OnKeyPress(int& character) override;
};

// "ComboBox" as a drop-down list: the user picks an item and cannot type. Click is raised when
// the pick changes; Change when the edit text changes, which a drop-down list never does
// through the user.
class ComboBox : public WindowedControl {
 public:
  ComboBox() : WindowedControl(L"ComboBox") {}
  Event Click;
  Event Change;

  void AddItem(std::wstring_view item);
  void Clear();
  int ListCount() const;
  std::wstring List(int index) const;
  // The picked item's index, -1 when none.
  int ListIndex() const;
  void SetListIndex(int index);

 protected:
  DWORD Style() const override { return CBS_DROPDOWNLIST | WS_VSCROLL; }
  int CreationHeight(int designHeight) const override;
  void OnCreated() override;
  void OnCommand(WORD notification) override;

 private:
  std::vector<std::wstring> designItems_;  // kept until the window exists
};

// "ListBox": entries kept in the window, 0-based.
class ListBox : public WindowedControl {
 public:
  ListBox() : WindowedControl(L"ListBox") {}
  Event Click;
  Event DblClick;

  void AddItem(std::wstring_view item);
  void Clear();
  int ListCount() const;
  std::wstring List(int index) const;

 protected:
  DWORD Style() const override { return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void OnCommand(WORD notification) override;
};

// "SysListView32" in report view, with the design's text and background colours: raises Click
// and DblClick on a click and a double-click anywhere in the view.
class ListViewWindow : public WindowedControl {
 public:
  ListViewWindow() : WindowedControl(L"SysListView32") {}
  Event Click;
  Event DblClick;

 protected:
  DWORD Style() const override { return LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void OnCreated() override;
  LRESULT OnNotify(const NMHDR& header) override;
};

// A plain window of the class "QuavletHost" that holds a place (and a tab position) for a
// control created in it later, such as an embedded player or browser.
class HostWindow : public WindowedControl {
 public:
  static constexpr wchar_t kClassName[] = L"QuavletHost";
  static void RegisterWindowClass(HINSTANCE instance);
  HostWindow() : WindowedControl(kClassName) {}

 protected:
  DWORD Style() const override { return WS_CLIPCHILDREN; }
};

}  // namespace quavlet::runtime
