// The main window's playback: play a row, play/pause, the status poll.

#include "app/Form1.h"
#include "player/PlaybackRules.h"
#include "windows/Form3.h"

namespace quavlet {

namespace {

// Command2 as the play/pause press sees it: its caption is the only play/pause state.
class CaptionOfButton final : public player::PlayPauseButton {
 public:
  explicit CaptionOfButton(runtime::CommandButton& button) : button_(button) {}
  std::wstring Caption() const override { return button_.Text(); }
  void SetCaption(std::wstring_view caption) override { button_.SetText(caption); }

 private:
  runtime::CommandButton& button_;
};

// What one tick of the poll changes on the main window: Label8, Form3, Command2.
class MainWindowPoll final : public player::StatusPollTarget {
 public:
  explicit MainWindowPoll(Form1& form) : form_(form) {}
  void ShowStatusText(const std::wstring& status) override { form_.Label8.SetCaption(status); }
  void ShowUnplayableNotice() override { form_.ShowUnplayableNotice(); }
  void SetPlayPauseCaption(std::wstring_view caption) override { form_.Command2.SetText(caption); }

 private:
  Form1& form_;
};

}  // namespace

void Form1::ShowUnplayableNotice() {
  runtime::Application& owner = application();
  // When the notice closes itself it stops the poll, unless the main window has closed by then.
  owner.Show<windows::Form3>().TimeUp = [&owner] {
    if (Form1* main = owner.Find<Form1>()) main->Timer1.SetEnabled(false);
  };
}

void Form1::ListView1_DblClick() {
  // The row is looked up again by the selection's position; with no selection the read fails.
  player::PlaySelectedSong(WP1, [this]() -> std::optional<std::wstring> {
    const std::optional<musiclist::ListItem> selected = ListView1.SelectedItem();
    if (!selected) return std::nullopt;
    const std::optional<musiclist::ListItem> row = ListView1.ListItems().Item(selected->Index());
    return row ? row->SubItems(3) : std::nullopt;
  });
}

void Form1::Command2_Click() {
  Cls();
  CaptionOfButton button(Command2);
  player::PressPlayPause(WP1, button);
}

void Form1::Timer1_Timer() {
  MainWindowPoll poll(*this);
  player::PollPlayerStatus(WP1, poll);
}

void Form1::WP1_OpenStateChange(std::int32_t NewState) {
  (void)NewState;  // whatever the new state, the poll comes on
  Timer1.SetEnabled(true);
}

}  // namespace quavlet
