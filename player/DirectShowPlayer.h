#pragma once

// Our own player on DirectShow, for where the platform's media player control is missing or
// can't be trusted (it reports no status under Wine and crashes on web addresses there).
// A web address is fetched to a temporary file first, since the media framework plays local
// files only; the file goes when the media is replaced or the player is destroyed.
// Everything happens on the user-interface thread, driven by messages to a hidden window:
// the download's progress and end, and the graph's events. Nothing waits.

#include <windows.h>

#include <memory>
#include <string>

#include "player/MediaGraph.h"
#include "player/MediaPlayer.h"
#include "player/UrlDownload.h"

namespace quavlet::player {

class DirectShowPlayer final : public MediaPlayer {
 public:
  // nullptr only when its message window can't be made.
  static std::unique_ptr<DirectShowPlayer> Create();

  struct ConstructionKey {
   private:
    friend class DirectShowPlayer;
    ConstructionKey() = default;
  };
  explicit DirectShowPlayer(ConstructionKey) {}
  ~DirectShowPlayer() override;

  void SetUrl(const std::wstring& url) override;
  void Stop() override;
  void Play() override;
  void Pause() override;
  std::wstring Status() override { return status_; }
  void SetOpenStateChangeHandler(OpenStateChangeHandler handler) override;

 private:
  enum class Intent { Play, Pause, Stop };

  bool CreateMessageWindow();
  void CloseMedia();
  void OpenLocalFile(const std::wstring& path);
  void ApplyIntent();
  void Fail(const std::wstring& reason);
  void RaiseOpenStateChange(long newState);

  void OnOpenLocal(WPARAM ticket);
  void OnDownloadProgress(WPARAM ticket, int percent);
  void OnDownloadDone(WPARAM ticket, HRESULT result);
  void OnGraphEvents();

  // What failed unforeseen in handling a message of the media in hand fails that media.
  void GiveUpMedia() noexcept;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT HandleMessage(DirectShowPlayer* player, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::wstring status_;
  Intent intent_ = Intent::Stop;
  // Which media the messages in flight belong to; older ones are ignored.
  WPARAM ticket_ = 0;
  std::wstring localAddress_;
  std::unique_ptr<UrlDownload> download_;  // owns the temporary file of a web address
  MediaGraph graph_;                       // closed before the file it reads is removed
  OpenStateChangeHandler onOpenStateChange_;
};

}  // namespace quavlet::player
