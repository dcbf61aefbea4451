#pragma once

// Form1, the main window: borderless and shaped by its face picture, with the music lookup,
// the player, the window chrome and the buttons of the other windows. It is where the subsystems
// meet: its handlers call what musiclist/, player/ and windows/ offer, and none of those folders
// knows the main window.
//
// The handlers are grouped by the file that defines them, one per subsystem:
//   app/Form1.cpp            layout, Form_Load, Form_Unload
//   app/Form1Chrome.cpp      drag, minimise, close, hover highlights, Command3
//   app/Form1MusicList.cpp   the query, the song list view, the copy of an address
//   app/Form1Player.cpp      playback, the status poll and the overlay it opens
//   app/Form1Windows.cpp     the promotion page window
//   app/Form1Shortcut.cpp    the desktop shortcut
// A subsystem that needs state of its own on the main window adds it in its block below.

#include <cstdint>
#include <memory>
#include <string_view>

#include "musiclist/ListView.h"
#include "musiclist/MusicListQuery.h"
#include "musiclist/SongLists.h"
#include "player/PlayerControl.h"
#include "runtime/Application.h"
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

namespace quavlet {

class Form1 : public runtime::Form {
 public:
  static constexpr std::wstring_view kFormName = L"Form1";

  explicit Form1(runtime::Application& application);

  // ---- Controls (the stacking and tab order are set in app/Form1.cpp) ----
  runtime::TextBox Text1;
  runtime::CommandButton Command6;
  runtime::CommandButton Command5;
  runtime::ComboBox Combo1;
  runtime::CommandButton Command3;
  runtime::CommandButton Command2;
  runtime::CommandButton Command1;
  runtime::TextBox QQ;
  runtime::WindowTimer Timer1;
  runtime::CommandButton Command4;
  musiclist::ListView ListView1;
  musiclist::SongListBox List3;
  musiclist::SongListBox List2;
  musiclist::SongListBox List1;
  runtime::Label Label10;
  runtime::Label Label9;
  runtime::Image Image5;
  runtime::Image Image4;
  runtime::Label Label3;
  runtime::Image Image3;
  runtime::Label Label7;
  runtime::Label GuRL;
  runtime::Label Label8;
  runtime::Image Image2;
  runtime::Label Label6;
  runtime::Label Label5;
  runtime::Image CL;
  runtime::Image MI;
  player::PlayerControl WP1;
  runtime::Label gqm;
  runtime::Label Label1;
  runtime::Label gq;
  runtime::Label Label2;
  runtime::Label Label4;
  runtime::Image Image1;

  // ---- The window itself (app/Form1.cpp) ----
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

  // ---- Window chrome (app/Form1Chrome.cpp) ----
  void Image2_MouseDown(int Button, int Shift, float X, float Y);
  void Label3_MouseDown(int Button, int Shift, float X, float Y);
  void MI_MouseDown(int Button, int Shift, float X, float Y);
  void CL_MouseDown(int Button, int Shift, float X, float Y);
  void Label5_MouseMove(int Button, int Shift, float X, float Y);
  void Label6_MouseMove(int Button, int Shift, float X, float Y);
  void Image1_MouseMove(int Button, int Shift, float X, float Y);
  void Label3_MouseMove(int Button, int Shift, float X, float Y);
  void Command3_Click();

  // ---- Music list (app/Form1MusicList.cpp) ----
  void Command1_Click();
  void QQ_KeyPress(int& KeyAscii);
  // The end of the query in flight: the lists replaced when the reply loaded, the view rebuilt
  // from them, the controls enabled.
  void Command1_LoadEnded(musiclist::MusicListLoad load) noexcept;
  // Whether a query waits for its reply.
  bool QueryInFlight() const { return musicQuery && musicQuery->InFlight(); }
  void sing();
  void song();
  void fillList();
  void Combo1_Click();
  void Combo1_Change();
  void ListView1_Click();
  void GuRL_DblClick();

  // ---- Player (app/Form1Player.cpp) ----
  void ListView1_DblClick();
  void Command2_Click();
  void Timer1_Timer();
  void WP1_OpenStateChange(std::int32_t NewState);
  // Shows the overlay Form3, which stops the poll when its time is up.
  void ShowUnplayableNotice();

  // ---- Other windows (app/Form1Windows.cpp; Command6_Click in app/Form1Shortcut.cpp) ----
  void Command5_Click();
  void Command6_Click();

  // ---- State of the music list ----
  bool loadOk = false;                  // the last load's result
  musiclist::SongList songAddresses{List1};        // the song lists, as held by the hidden list boxes
  musiclist::SongList songSingers{List2};
  musiclist::SongList songTitles{List3};
  musiclist::LoadedSongLists arrived;              // what the last load read, until sing and song take it
  // Loads the music list off the window's thread; made by the first query. Declared after
  // everything its delivery touches, so it goes (waiting for its threads) before them.
  std::unique_ptr<musiclist::MusicListQuery> musicQuery;

  // ---- State of the player ----

 private:
  void LayOutWindowedControls();
  void LayOutWindowlessControls();
  void BindEvents();
  void StackWindowedControls();
};

}  // namespace quavlet
