#include "player/WmpPlayer.h"

#include <ocidl.h>

#include "runtime/ComHandles.h"

namespace quavlet::player {

WmpPlayer::WmpPlayer(ConstructionKey)
    : sink_([this](long newState) {
        if (auto handler = onOpenStateChange_) handler(newState);
      }) {}

std::unique_ptr<WmpPlayer> WmpPlayer::Create(HWND parent, const RECT& bounds, DWORD extraStyle) {
  auto player = std::make_unique<WmpPlayer>(ConstructionKey{});
  if (!player->Connect(parent, bounds, extraStyle)) return nullptr;
  return player;
}

bool WmpPlayer::Connect(HWND parent, const RECT& bounds, DWORD extraStyle) {
  host_ = ole::OleControlHost::Create(parent, bounds, __uuidof(WindowsMediaPlayer), extraStyle);
  if (!host_) return false;
  player_ = host_->Query<IWMPPlayer>();
  if (!player_ || FAILED(player_->get_controls(&controls_)) || !controls_) return false;
  runtime::Bstr status;
  if (FAILED(player_->get_status(status.receive()))) return false;

  Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
  if (FAILED(player_.As(&container))) return false;
  if (FAILED(container->FindConnectionPoint(__uuidof(_WMPOCXEvents), &events_))) return false;
  if (FAILED(events_->Advise(&sink_, &eventsCookie_))) {
    events_.Reset();
    return false;
  }
  return true;
}

WmpPlayer::~WmpPlayer() {
  if (events_) events_->Unadvise(eventsCookie_);
  events_.Reset();
  controls_.Reset();
  player_.Reset();
  host_.reset();
}

void WmpPlayer::SetUrl(const std::wstring& url) {
  runtime::Bstr address(url);
  player_->put_URL(address.get());
}

void WmpPlayer::Stop() { controls_->stop(); }

void WmpPlayer::Play() { controls_->play(); }

void WmpPlayer::Pause() { controls_->pause(); }

std::wstring WmpPlayer::Status() {
  runtime::Bstr status;
  player_->get_status(status.receive());
  return status.get() ? status.str() : std::wstring();
}

void WmpPlayer::SetOpenStateChangeHandler(OpenStateChangeHandler handler) { onOpenStateChange_ = std::move(handler); }

}  // namespace quavlet::player
