#include <gtest/gtest.h>

#include "tests/app/main_window.h"

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include "tests/support/message_pump.h"

namespace quavlet::test {

MainWindowTest::MainWindowTest() : form(application.Show<Form1>()) { FlushEvents(); }

MainWindowTest::~MainWindowTest() {
  // A test may have closed the window and let its object go.
  if (Form1* open = application.Find<Form1>()) open->Unload();
  FlushEvents();
  application.CollectClosedForms();
}

void MainWindowTest::SetQQText(std::wstring_view typed) {
  form.QQ.SetText(typed);
  FlushEvents();
}

void MainWindowTest::StartQuery(std::wstring_view typed) {
  SetQQText(typed);
  SendMessageW(form.Command1.hWnd(), BM_CLICK, 0, 0);
}

void MainWindowTest::Query(std::wstring_view typed) {
  StartQuery(typed);
  EXPECT_TRUE(WaitForQuery()) << "the query of " << std::string(typed.begin(), typed.end()) << " did not end";
}

void MainWindowTest::QueryWithEnter(std::wstring_view typed) {
  SetQQText(typed);
  SetFocus(form.QQ.hWnd());
  SendMessageW(form.QQ.hWnd(), WM_CHAR, 13, 1);
  EXPECT_TRUE(WaitForQuery());
}

bool MainWindowTest::WaitForQuery() {
  const bool ended = PumpUntil([this] { return !form.QueryInFlight(); }, 20000);
  FlushEvents();
  return ended;
}

int MainWindowTest::ThreadCount() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

int MainWindowTest::ShownRowCount() const {
  return static_cast<int>(SendMessageW(form.ListView1.hWnd(), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring MainWindowTest::ShownCell(int row, int column) const {
  wchar_t text[1024] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 1024;
  SendMessageW(form.ListView1.hWnd(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  return text;
}

std::vector<std::wstring> MainWindowTest::ShownHeaders() const {
  const HWND header = ListView_GetHeader(form.ListView1.hWnd());
  std::vector<std::wstring> texts;
  for (int i = 0; i < Header_GetItemCount(header); ++i) {
    wchar_t text[64] = L"";
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    texts.emplace_back(text);
  }
  return texts;
}

std::vector<int> MainWindowTest::ShownHeaderWidths() const {
  std::vector<int> widths;
  const int count = Header_GetItemCount(ListView_GetHeader(form.ListView1.hWnd()));
  for (int i = 0; i < count; ++i) {
    widths.push_back(ListView_GetColumnWidth(form.ListView1.hWnd(), i));
  }
  return widths;
}

DWORD MainWindowTest::ViewType() const {
  return static_cast<DWORD>(GetWindowLongPtrW(form.ListView1.hWnd(), GWL_STYLE)) & LVS_TYPEMASK;
}

void MainWindowTest::ClickRow(int row, WPARAM keys) {
  const HWND view = form.ListView1.hWnd();
  POINT point{20, 200};  // below the rows of a short list
  if (row >= 0) {
    ListView_EnsureVisible(view, row, FALSE);
    RECT box{};
    ListView_GetItemRect(view, row, &box, LVIR_LABEL);
    point = {box.left + 4, (box.top + box.bottom) / 2};
  }
  const LPARAM where = MAKELPARAM(point.x, point.y);
  // The control follows a press until the button comes up: the release waits in the queue.
  PostMessageW(view, WM_LBUTTONUP, keys, where);
  SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
  FlushEvents();
}

std::vector<SeenMessageBox> MainWindowTest::TakeBoxes() {
  const auto& seen = boxes.Seen();
  std::vector<SeenMessageBox> shown(seen.begin() + static_cast<std::ptrdiff_t>(boxesTaken_), seen.end());
  boxesTaken_ = seen.size();
  return shown;
}

std::vector<std::wstring> MainWindowTest::Entries(const runtime::ListBox& list) {
  std::vector<std::wstring> entries;
  for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
  return entries;
}

}  // namespace quavlet::test
