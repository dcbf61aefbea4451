#pragma once

// The platform's media player control (Windows Media Player), hosted in place in our own
// small container, driven through IWMPPlayer and IWMPControls, its open-state changes heard
// through its connection point.

#include <windows.h>
#include <wmp.h>
#include <wrl/client.h>

#include <memory>

#include "player/MediaPlayer.h"
#include "player/WmpEventSink.h"
#include "ole/OleHost.h"

namespace quavlet::player {

class WmpPlayer final : public MediaPlayer {
 public:
  // Hosts the control in a child window of `parent` at `bounds`. nullptr when it is not
  // installed, can't be hosted, or reports no status (then it is no use to the status poll).
  static std::unique_ptr<WmpPlayer> Create(HWND parent, const RECT& bounds, DWORD extraStyle);

  struct ConstructionKey {
   private:
    friend class WmpPlayer;
    ConstructionKey() = default;
  };
  explicit WmpPlayer(ConstructionKey);
  ~WmpPlayer() override;

  HWND hWnd() const { return host_ ? host_->hWnd() : nullptr; }

  void SetUrl(const std::wstring& url) override;
  void Stop() override;
  void Play() override;
  void Pause() override;
  std::wstring Status() override;
  void SetOpenStateChangeHandler(OpenStateChangeHandler handler) override;

 private:
  bool Connect(HWND parent, const RECT& bounds, DWORD extraStyle);

  std::unique_ptr<ole::OleControlHost> host_;
  Microsoft::WRL::ComPtr<IWMPPlayer> player_;
  Microsoft::WRL::ComPtr<IWMPControls> controls_;
  Microsoft::WRL::ComPtr<IConnectionPoint> events_;
  DWORD eventsCookie_ = 0;
  WmpEventSink sink_;
  OpenStateChangeHandler onOpenStateChange_;
};

}  // namespace quavlet::player
