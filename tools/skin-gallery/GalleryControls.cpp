#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include "skin/SkinArt.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"
#include "tools/skin-gallery/GalleryWindow.h"
#include "tools/skin-gallery/SongColumns.h"
#include "tools/skin-gallery/PinnedLook.h"

namespace quavlet::tools {

namespace {

using skin::kStateHot;
using skin::kStateNormal;
using skin::kStatePressed;

constexpr int kLeft = 20;

// One control of the gallery: its text, its state, and whether it is disabled or checked.
struct Sample {
  const wchar_t* text;
  int state;
  bool disabled = false;
  WPARAM check = BST_UNCHECKED;
};

}  // namespace

// The class names the forms runtime gives its check boxes, option buttons and progress bars,
// which the skin recognises; here they behave as the system's own controls.
void RegisterRuntimeClassNames() {
  const struct {
    const wchar_t* name;
    const wchar_t* system;
  } classes[] = {{L"ThunderRT6CheckBox", L"Button"},
                 {L"ThunderRT6OptionButton", L"Button"},
                 {L"ProgressBar20WndClass", PROGRESS_CLASSW}};
  for (const auto& names : classes) {
    WNDCLASSEXW system{};
    system.cbSize = sizeof(system);
    if (!GetClassInfoExW(nullptr, names.system, &system)) continue;
    system.hInstance = GetModuleHandleW(nullptr);
    system.lpszClassName = names.name;
    system.style &= ~CS_GLOBALCLASS;
    RegisterClassExW(&system);
  }
}

namespace {

DWORD DisabledIf(bool disabled) { return disabled ? WS_DISABLED : 0; }

void AddButtons(GalleryWindow& gallery, int top) {
  gallery.AddLabel(L"命令按钮：常态、悬停、按下、禁用、有焦点", kLeft, top);
  int x = kLeft;
  HWND focused = nullptr;
  for (const Sample& sample : {Sample{L"常态", kStateNormal}, Sample{L"悬停", kStateHot},
                               Sample{L"按下", kStatePressed}, Sample{L"禁用", kStateNormal, true},
                               Sample{L"有焦点", kStateNormal}}) {
    HWND button = gallery.AddControl(L"Button", sample.text, BS_PUSHBUTTON | DisabledIf(sample.disabled), 0,
                                     RECT{x, top + 20, x + 100, top + 46});
    gallery.KeepFaces(button);
    PinLook(button, sample.state);
    focused = button;
    x += 115;
  }
  SetFocus(focused);
  skin::RenderButtonFaces(focused);
}

void AddMarks(GalleryWindow& gallery, const wchar_t* className, const wchar_t* label,
              std::initializer_list<Sample> samples, int top) {
  gallery.AddLabel(label, kLeft, top);
  int x = kLeft;
  for (const Sample& sample : samples) {
    HWND mark = gallery.AddControl(className, sample.text, BS_3STATE | DisabledIf(sample.disabled), 0,
                                   RECT{x, top + 20, x + 108, top + 40});
    SendMessageW(mark, BM_SETCHECK, sample.check, 0);
    PinLook(mark, sample.state);
    x += 115;
  }
}

void AddCombos(GalleryWindow& gallery, int top) {
  gallery.AddLabel(L"组合框：下拉列表（常态、悬停、按下）；可编辑（常态、悬停）；禁用", kLeft, top);
  const struct {
    DWORD style;
    Sample sample;
  } combos[] = {{CBS_DROPDOWNLIST, {L"", kStateNormal}}, {CBS_DROPDOWNLIST, {L"", kStateHot}},
                {CBS_DROPDOWNLIST, {L"", kStatePressed}}, {CBS_DROPDOWN, {L"", kStateNormal}},
                {CBS_DROPDOWN, {L"", kStateHot}},        {CBS_DROPDOWNLIST, {L"", kStateNormal, true}}};
  int index = 0;
  for (const auto& combo : combos) {
    const int x = kLeft + (index % 3) * 170;
    const int y = top + 20 + (index / 3) * 32;
    HWND box = gallery.AddControl(L"ComboBox", L"", combo.style | WS_VSCROLL | DisabledIf(combo.sample.disabled), 0,
                                  RECT{x, y, x + 155, y + 120});
    for (const wchar_t* song : {L"月亮代表我的心", L"甜蜜蜜", L"小城故事"}) {
      SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(song));
    }
    SendMessageW(box, CB_SETCURSEL, index % 3, 0);
    PinLook(box, combo.sample.state);
    ++index;
  }
}

void AddSongList(GalleryWindow& gallery, int top) {
  gallery.AddLabel(L"列表视图：列标题“歌曲”悬停、“歌手”按下；客户区边框换成蓝色细框", kLeft, top);
  HWND list = gallery.AddControl(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL, WS_EX_CLIENTEDGE,
                                 RECT{kLeft, top + 20, kLeft + 520, top + 170});
  AddSongColumns(list, 190);
  const wchar_t* rows[][4] = {{L"1", L"月亮代表我的心", L"邓丽君", L"http://127.0.0.1/1.mp3"},
                              {L"2", L"甜蜜蜜", L"邓丽君", L"http://127.0.0.1/2.mp3"},
                              {L"3", L"小城故事", L"邓丽君", L"http://127.0.0.1/3.mp3"}};
  int row = 0;
  for (const auto& song : rows) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(song[0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int sub = 1; sub < 4; ++sub) {
      item.iSubItem = sub;
      item.pszText = const_cast<wchar_t*>(song[sub]);
      SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    ++row;
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const skin::SkinProperties properties(header);
  properties.Set(skin::kHmIndexProperty, 1);
  properties.Set(skin::kHdIndexProperty, 2);
  PinLook(header, kStateNormal);
  PinLook(list, kStateNormal);
}

HWND AddProgressBar(GalleryWindow& gallery, DWORD style, RECT place, int position) {
  HWND bar = gallery.AddControl(L"ProgressBar20WndClass", L"", style | WS_BORDER, 0, place);
  SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
  SendMessageW(bar, PBM_SETPOS, position, 0);
  PinLook(bar, kStateNormal);
  return bar;
}

void AddBars(GalleryWindow& gallery, int top) {
  gallery.AddLabel(L"进度条：15000 / 30000、0；右侧竖直 20000", kLeft, top);
  AddProgressBar(gallery, 0, RECT{kLeft, top + 20, kLeft + 300, top + 40}, 15000);
  AddProgressBar(gallery, 0, RECT{kLeft + 320, top + 20, kLeft + 520, top + 40}, 0);
  AddProgressBar(gallery, PBS_VERTICAL | PBS_SMOOTH, RECT{kLeft + 560, top - 190, kLeft + 584, top + 40}, 20000);
}

void AddEdgeBox(GalleryWindow& gallery, int top) {
  gallery.AddLabel(L"带客户区边框的文本框", kLeft, top);
  HWND edit = gallery.AddControl(L"Edit", L"61234567", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                 RECT{kLeft, top + 20, kLeft + 300, top + 44});
  PinLook(edit, kStateNormal);
}

}  // namespace

void AddGalleryControls(GalleryWindow& gallery) {
  RegisterRuntimeClassNames();
  AddButtons(gallery, 8);
  AddMarks(gallery, L"ThunderRT6CheckBox", L"复选框：未选中、选中、灰色；选中的悬停、按下、禁用",
           {Sample{L"未选中", kStateNormal}, Sample{L"选中", kStateNormal, false, BST_CHECKED},
            Sample{L"灰色", kStateNormal, false, BST_INDETERMINATE}, Sample{L"悬停", kStateHot, false, BST_CHECKED},
            Sample{L"按下", kStatePressed, false, BST_CHECKED}, Sample{L"禁用", kStateNormal, true, BST_CHECKED}},
           66);
  AddMarks(gallery, L"ThunderRT6OptionButton", L"单选按钮：未选中、选中；选中的悬停、按下、禁用",
           {Sample{L"未选中", kStateNormal}, Sample{L"选中", kStateNormal, false, BST_CHECKED},
            Sample{L"悬停", kStateHot, false, BST_CHECKED}, Sample{L"按下", kStatePressed, false, BST_CHECKED},
            Sample{L"禁用", kStateNormal, true, BST_CHECKED}},
           122);
  AddCombos(gallery, 178);
  AddSongList(gallery, 266);
  AddBars(gallery, 460);
  AddEdgeBox(gallery, 520);
}

}  // namespace quavlet::tools
