// The main window's music list: the query, the song list view and the copy of an address.

#include <windows.h>

#include <new>
#include <string>

#include "app/Form1.h"
#include "musiclist/FeedDecoding.h"
#include "musiclist/MusicRequest.h"
#include "musiclist/QQNumber.h"
#include "musiclist/SongLists.h"
#include "musiclist/SongRows.h"
#include "musiclist/XmlDocument.h"
#include "runtime/Clipboard.h"

namespace quavlet {
namespace {

constexpr wchar_t kSongPath[] = L"/qqmusic/minemusiclist/minemusic/xsong_url";
constexpr int kEnterKey = 13;

// The music list service to ask: QUAVLET_MUSIC_HOST when set, else the local demo service.
std::wstring ConfiguredMusicHost() {
  wchar_t value[256];
  const DWORD length = GetEnvironmentVariableW(musiclist::kMusicHostVariable.data(), value, 256);
  return musiclist::MusicServiceHost(length > 0 && length < 256 ? value : nullptr);
}

// Runs on the load's own thread with the document it made: if the reply has songs at the song
// path, every element of each name anywhere in the reply, decoded; otherwise no songs at all.
musiclist::LoadedSongLists ReadSongLists(const musiclist::XmlDocument& document) {
  musiclist::LoadedSongLists lists;
  if (document.SelectNodes(kSongPath).Length() == 0) return lists;
  musiclist::AppendDecodedTexts(document.GetElementsByTagName(L"xsong_url"), musiclist::AppendDecodedAddress, lists.addresses);
  AppendDecodedTexts(document.GetElementsByTagName(L"xsinger_name"), musiclist::AppendDecodedName, lists.singers);
  AppendDecodedTexts(document.GetElementsByTagName(L"xsong_name"), musiclist::AppendDecodedName, lists.titles);
  return lists;
}

// One step of filling the view: one that fails (memory ran out) is skipped, and the fill goes on.
template <typename Step>
void SkippingFailure(Step step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

void Form1::Command1_Click() {
  bool due = false;  // the view is emptied: the query must end with a rebuilt view
  try {
    const std::wstring typed = QQ.Text();
    if (!musiclist::IsQQNumberInRange(musiclist::ReadNumber(typed))) {
      MsgBox(L"QQ号为5至10位数字", MB_OK | MB_ICONSTOP, L"错误");
      return;
    }
    // A query takes over from the one in flight: nothing of that one reaches the view.
    if (musicQuery) musicQuery->Abandon();
    ListView1.ListItems().Clear();
    ListView1.ColumnHeaders().Clear();
    loadOk = false;
    due = true;
    if (!musicQuery) {
      musicQuery = std::make_unique<musiclist::MusicListQuery>(
          ReadSongLists, [this](musiclist::MusicListLoad load) { Command1_LoadEnded(std::move(load)); });
    }
    // The reply is awaited off this thread; the load's end comes back as a message.
    if (musicQuery->Start(musiclist::BuildRequestAddress(ConfiguredMusicHost(), typed))) return;
  } catch (...) {
    // Memory ran out before the load was on its way: a failed load like any other (or, before
    // the number was read, a press that changed nothing).
  }
  if (due) Command1_LoadEnded(musiclist::MusicListLoad());
}

void Form1::Command1_LoadEnded(musiclist::MusicListLoad load) noexcept {
  if (!IsLoaded()) return;  // the window went without its unload (the program ending)
  loadOk = load.loaded;
  arrived = std::move(load.lists);
  // Only a load that succeeded replaces the lists; moving entries in allocates nothing, so the
  // three always come from the same reply.
  if (loadOk) songAddresses.Replace(std::move(arrived.addresses));
  sing();
  song();
  arrived = musiclist::LoadedSongLists();

  ListView1.SetView(musiclist::kListViewReport);
  const auto widths = musiclist::SongColumnWidths(static_cast<float>(ListView1.Width()));
  const wchar_t* const captions[] = {L"编号", L"歌曲", L"歌手", L"地址"};
  for (size_t column = 0; column < 4; ++column) {
    SkippingFailure([&] { ListView1.ColumnHeaders().Add(captions[column], widths[column]); });
  }
  fillList();

  Command2.SetEnabled(true);
  ListView1.SetEnabled(true);
  Timer1.SetEnabled(true);
}

void Form1::QQ_KeyPress(int& KeyAscii) {
  if (KeyAscii == kEnterKey) Command1_Click();
}

void Form1::sing() {
  if (loadOk) songSingers.Replace(std::move(arrived.singers));
}

void Form1::song() {
  if (loadOk) songTitles.Replace(std::move(arrived.titles));
}

void Form1::fillList() {
  // A step that fails (an entry missing from a shorter List2 or List3, or no memory left for a
  // row or a cell) leaves its row or cell out; the next one is tried all the same.
  const int count = songAddresses.Count();
  for (int i = 0; i < count; ++i) {
    std::optional<musiclist::ListItem> row;
    SkippingFailure([&] { row = ListView1.ListItems().Add(std::to_wstring(i + 1)); });
    if (!row) continue;
    SkippingFailure([&] {
      if (const auto title = songTitles.Entry(i)) row->SetSubItems(1, *title);
    });
    SkippingFailure([&] {
      if (const auto singer = songSingers.Entry(i)) row->SetSubItems(2, *singer);
    });
    SkippingFailure([&] {
      if (const auto address = songAddresses.Entry(i)) row->SetSubItems(3, musiclist::AddressOfEntry(*address));
    });
  }
}

void Form1::Combo1_Click() {
  if (const auto mode = musiclist::ViewModeFromText(Combo1.Text())) ListView1.SetView(*mode);
}

void Form1::Combo1_Change() {
  if (const auto mode = musiclist::ViewModeFromText(Combo1.Text())) ListView1.SetView(*mode);
}

void Form1::ListView1_Click() {
  // Each cell is read from the row at the selection's position; with no selected row the
  // reading fails, and what was already shown stays.
  const auto selectedCell = [this](int subItem) -> std::optional<std::wstring> {
    const auto selected = ListView1.SelectedItem();
    if (!selected) return std::nullopt;
    const auto row = ListView1.ListItems().Item(selected->Index());
    if (!row) return std::nullopt;
    return row->SubItems(subItem);
  };
  runtime::Label* const details[] = {&gqm, &gq, &GuRL};
  for (int subItem = 1; subItem <= 3; ++subItem) {
    const auto text = selectedCell(subItem);
    if (!text) {
      MsgBox(L"对不起，该好友没有歌曲，请重新搜索！", MB_OK | MB_ICONSTOP, L"搜索失败");
      ListView1.SetEnabled(false);
      Command2.SetEnabled(false);
      return;
    }
    details[subItem - 1]->SetCaption(*text);
  }
}

void Form1::GuRL_DblClick() {
  runtime::clipboard::Clear(hWnd());
  if (!runtime::clipboard::SetText(hWnd(), GuRL.Caption())) {
    // Another program holds the clipboard: saying the copy worked would be wrong.
    MsgBox(L"复制失败，请稍后再试！", MB_OK | MB_ICONSTOP, L"复制");
    return;
  }
  MsgBox(L"复制成功！", MB_OK | MB_ICONINFORMATION, L"复制");
}

}  // namespace quavlet
