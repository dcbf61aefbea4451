#include "player/DirectShowPlayer.h"

#include <evcode.h>

#include "player/MediaAddress.h"
#include "player/PlayerStatus.h"
#include "runtime/Barrier.h"
#include "runtime/MessageWindow.h"

namespace quavlet::player {

namespace {

constexpr wchar_t kWindowClassName[] = L"QuavletDirectShowPlayer";

enum : UINT {
  kGraphEventMessage = WM_APP + 1,
  kDownloadProgressMessage,
  kDownloadDoneMessage,
  kOpenLocalMessage,
};

std::wstring TemporaryMediaPath(WPARAM ticket, const std::wstring& url) {
  wchar_t folder[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, folder);
  return std::wstring(folder) + L"quavlet-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(ticket) + MediaFileExtension(url);
}

}  // namespace

std::unique_ptr<DirectShowPlayer> DirectShowPlayer::Create() {
  auto player = std::make_unique<DirectShowPlayer>(ConstructionKey{});
  if (!player->CreateMessageWindow()) return nullptr;
  return player;
}

bool DirectShowPlayer::CreateMessageWindow() {
  window_ = runtime::CreateMessageOnlyWindow(kWindowClassName, WindowProcedure, this);
  return window_ != nullptr;
}

DirectShowPlayer::~DirectShowPlayer() {
  CloseMedia();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void DirectShowPlayer::SetOpenStateChangeHandler(OpenStateChangeHandler handler) {
  onOpenStateChange_ = std::move(handler);
}

void DirectShowPlayer::RaiseOpenStateChange(long newState) {
  // A copy: the handler may replace itself.
  if (auto handler = onOpenStateChange_) handler(newState);
}

void DirectShowPlayer::CloseMedia() {
  graph_.Close();       // first: it may hold the file open
  download_.reset();    // then the temporary file goes
  localAddress_.clear();
}

void DirectShowPlayer::SetUrl(const std::wstring& url) {
  CloseMedia();
  ++ticket_;
  intent_ = Intent::Play;  // the control starts a new media by itself once it is open
  if (url.empty()) {
    Fail(L"地址为空");
    RaiseOpenStateChange(open_state::kMediaChanging);
    return;
  }
  status_ = player::status::kConnecting;
  if (IsWebAddress(url)) {
    download_ = std::make_unique<UrlDownload>(
        url, TemporaryMediaPath(ticket_, url),
        UrlDownload::Notification{window_, kDownloadProgressMessage, kDownloadDoneMessage, ticket_});
  } else {
    // A local file: opened from the message loop too, so that both kinds behave alike.
    localAddress_ = url;
    PostMessageW(window_, kOpenLocalMessage, ticket_, 0);
  }
  RaiseOpenStateChange(open_state::kMediaChanging);
}

void DirectShowPlayer::Play() {
  intent_ = Intent::Play;
  if (graph_.IsOpen()) ApplyIntent();
}

void DirectShowPlayer::Pause() {
  if (graph_.IsOpen()) {
    intent_ = Intent::Pause;
    ApplyIntent();
  } else if (download_ || !localAddress_.empty()) {
    intent_ = Intent::Pause;  // taken up once the media is open
  }
}

void DirectShowPlayer::Stop() {
  intent_ = Intent::Stop;
  if (graph_.IsOpen()) {
    ApplyIntent();
  } else if (download_ || !localAddress_.empty()) {
    // Stopping while still fetching gives the fetch up.
    ++ticket_;
    CloseMedia();
    status_ = player::status::kStopped;
  }
}

void DirectShowPlayer::ApplyIntent() {
  switch (intent_) {
    case Intent::Play:
      if (SUCCEEDED(graph_.Run())) status_ = player::status::kPlaying;
      break;
    case Intent::Pause:
      if (SUCCEEDED(graph_.Pause())) status_ = player::status::kPaused;
      break;
    case Intent::Stop:
      if (SUCCEEDED(graph_.Stop())) status_ = player::status::kStopped;
      break;
  }
}

void DirectShowPlayer::OpenLocalFile(const std::wstring& path) {
  const HRESULT result = graph_.Open(path, window_, kGraphEventMessage);
  if (FAILED(result)) {
    Fail(DescribeMediaFailure(result));
    return;
  }
  // Open and not started: ready, as the control says it.
  status_ = player::status::kReady;
  RaiseOpenStateChange(open_state::kMediaOpen);
  if (intent_ != Intent::Stop) ApplyIntent();
}

void DirectShowPlayer::Fail(const std::wstring& reason) {
  CloseMedia();  // a copy that can't be played is of no further use
  intent_ = Intent::Stop;
  status_ = player::status::Failure(reason);
}

void DirectShowPlayer::OnOpenLocal(WPARAM ticket) {
  if (ticket != ticket_ || localAddress_.empty()) return;
  const std::wstring path = localAddress_;
  OpenLocalFile(path);
}

void DirectShowPlayer::OnDownloadProgress(WPARAM ticket, int percent) {
  if (ticket != ticket_ || !download_) return;
  status_ = player::status::Buffering(percent);
}

void DirectShowPlayer::OnDownloadDone(WPARAM ticket, HRESULT result) {
  if (ticket != ticket_ || !download_) return;
  if (FAILED(result)) {
    Fail(DescribeDownloadFailure(result));
    return;
  }
  const std::wstring path = download_->localPath();  // a copy: a failure drops the download
  OpenLocalFile(path);
}

void DirectShowPlayer::OnGraphEvents() {
  while (const auto event = graph_.NextEvent()) {
    switch (event->code) {
      case EC_COMPLETE:
        // A song that played to its end is stopped, not "ready": the status poll takes ready
        // to mean the song cannot be played. The media stays loaded, so play starts it again.
        graph_.Stop();
        intent_ = Intent::Stop;
        status_ = player::status::kStopped;
        break;
      case EC_ERRORABORT:
      case EC_ERRORABORTEX:
        Fail(DescribeMediaFailure(static_cast<HRESULT>(event->parameter1)));
        return;  // the graph is closed: no more events to fetch
      default:
        break;
    }
  }
}

void DirectShowPlayer::GiveUpMedia() noexcept {
  // Whatever failed, the media is of no further use: the player is ready for another, as after
  // any media that cannot be played.
  runtime::Barrier([&] {
    ++ticket_;
    intent_ = Intent::Stop;
    CloseMedia();
  });
  runtime::Barrier([&] { status_ = player::status::Failure(L"播放器出错"); },
                   [&] { status_.clear(); });
}

LRESULT CALLBACK DirectShowPlayer::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* player = reinterpret_cast<DirectShowPlayer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return runtime::Barrier([&] { return HandleMessage(player, window, message, wParam, lParam); },
                          [&] {
                            if (player && message != WM_NCCREATE) player->GiveUpMedia();
                            return DefWindowProcW(window, message, wParam, lParam);
                          });
}

LRESULT DirectShowPlayer::HandleMessage(DirectShowPlayer* player, HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case kGraphEventMessage:
      if (player) player->OnGraphEvents();
      return 0;
    case kDownloadProgressMessage:
      if (player) player->OnDownloadProgress(wParam, static_cast<int>(lParam));
      return 0;
    case kDownloadDoneMessage:
      if (player) player->OnDownloadDone(wParam, static_cast<HRESULT>(lParam));
      return 0;
    case kOpenLocalMessage:
      if (player) player->OnOpenLocal(wParam);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quavlet::player
