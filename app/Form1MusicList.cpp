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
#include "runtime/Clipboard.h"

namespace quavlet {
namespace {

constexpr wchar_t kSongPath[] = L"/qqmusic/minemusiclist/minemusic/xsong_url";
constexpr int kEnterKey = 13;

// The music list service to ask: QUAVLET_MUSIC_HOST when set, else the local demo service.
std::wstring ConfiguredMusicHost() {
  wchar_t value[256];
  const DWORD length = GetEnvironmentVariableW(kMusicHostVariable.data(), value, 256);
  return MusicServiceHost(length > 0 && length < 256 ? value : nullptr);
}

// Empties the list, then, if the reply has songs at the song path, fills it from every element
// of the name anywhere in the reply, through the node list slot.
void RefillSongList(const XmlDocument& document, XmlNodeList& slot, SongList& list,
                    const wchar_t* elementName, TextDecoding decode) {
  list.Clear();
  if (document.SelectNodes(kSongPath).Length() == 0) return;
  slot = document.GetElementsByTagName(elementName);
  list.AppendDecodedTexts(slot, decode);
}

}  // namespace

void Form1::Command1_Click() {
  const std::wstring typed = QQ.Text();
  if (!IsQQNumberInRange(ReadNumber(typed))) {
    MsgBox(L"QQ号为5至10位数字", MB_OK | MB_ICONSTOP, L"错误");
    return;
  }
  ListView1.ListItems().Clear();
  ListView1.ColumnHeaders().Clear();

  // Nothing reads the slot before the next fill step replaces it; letting go of it now lets the
  // load free the previous document at once.
  nodeList = XmlNodeList();
  loadOk = false;
  {
    SongListsRefill refill(songAddresses, songSingers, songTitles);
    try {
      if (!xmlDoc) xmlDoc = XmlDocument::Create();
      if (xmlDoc) {
        xmlDoc->SetAsync(false);
        xmlDoc->SetValidateOnParse(false);
        loadOk = xmlDoc->Load(BuildRequestAddress(ConfiguredMusicHost(), typed));
      }
      if (loadOk) RefillSongList(*xmlDoc, nodeList, songAddresses, L"xsong_url", AppendDecodedAddress);
      sing();
      song();
      if (loadOk) refill.Keep();
    } catch (const std::bad_alloc&) {
      // Memory ran out somewhere in the query: a failed load, the lists as they were.
      loadOk = false;
      nodeList = XmlNodeList();
    }
  }

  ListView1.SetView(kListViewReport);
  const auto widths = SongColumnWidths(static_cast<float>(ListView1.Width()));
  ListView1.ColumnHeaders().Add(L"编号", widths[0]);
  ListView1.ColumnHeaders().Add(L"歌曲", widths[1]);
  ListView1.ColumnHeaders().Add(L"歌手", widths[2]);
  ListView1.ColumnHeaders().Add(L"地址", widths[3]);
  fillList();

  Command2.SetEnabled(true);
  ListView1.SetEnabled(true);
  Timer1.SetEnabled(true);
}

void Form1::QQ_KeyPress(int& KeyAscii) {
  if (KeyAscii == kEnterKey) Command1_Click();
}

void Form1::sing() {
  if (loadOk) RefillSongList(*xmlDoc, nodeList, songSingers, L"xsinger_name", AppendDecodedName);
}

void Form1::song() {
  if (loadOk) RefillSongList(*xmlDoc, nodeList, songTitles, L"xsong_name", AppendDecodedName);
}

void Form1::fillList() {
  // A step that fails (an entry missing from a shorter List2 or List3) leaves its cell empty.
  const int count = songAddresses.Count();
  for (int i = 0; i < count; ++i) {
    ListItem row = ListView1.ListItems().Add(std::to_wstring(i + 1));
    if (const auto title = songTitles.Entry(i)) row.SetSubItems(1, *title);
    if (const auto singer = songSingers.Entry(i)) row.SetSubItems(2, *singer);
    if (const auto address = songAddresses.Entry(i)) row.SetSubItems(3, AddressOfEntry(*address));
  }
}

void Form1::Combo1_Click() {
  if (const auto mode = ViewModeFromText(Combo1.Text())) ListView1.SetView(*mode);
}

void Form1::Combo1_Change() {
  if (const auto mode = ViewModeFromText(Combo1.Text())) ListView1.SetView(*mode);
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
