#include "musiclist/MusicListQuery.h"

#include <objbase.h>

#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <utility>

#include "musiclist/XmlDocument.h"
#include "runtime/MessageWindow.h"

namespace quavlet::musiclist {
namespace {

constexpr wchar_t kWindowClassName[] = L"QuavletMusicListQuery";
// Posted by a load's thread as its last step.
constexpr UINT kLoadEndedMessage = WM_APP + 1;
constexpr UINT_PTR kDeadlineTimer = 1;
// How long a window's object waits for the threads of its abandoned loads when it goes.
constexpr std::chrono::milliseconds kEndingWait = std::chrono::seconds(2);
// How long past the reply deadline a load may still be blocked on the network before its
// connection is closed under it.
constexpr std::chrono::milliseconds kDeadlineGrace = std::chrono::seconds(2);

// The load's own apartment, for the XML document object it makes.
class Apartment {
 public:
  Apartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~Apartment() {
    if (initialized_) CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
  bool Initialized() const { return initialized_; }

 private:
  bool initialized_;
};

}  // namespace

struct MusicListQuery::Load {
  std::wstring address;
  // Where the load reports its end; null once nobody waits for it.
  std::mutex reportMutex;
  HWND window = nullptr;
  FetchCancellation cancellation;
  std::atomic<bool> abandoned{false};
  // Written by the load's thread before it sets ended; read by the owner after.
  MusicListLoad outcome;
  std::atomic<bool> ended{false};
  std::thread thread;
};

MusicListQuery::MusicListQuery(Reader read, Finished finished)
    : read_(read), finished_(std::move(finished)) {
  window_ = runtime::CreateMessageOnlyWindow(kWindowClassName, WindowProcedure, this);
}

MusicListQuery::~MusicListQuery() {
  Abandon();
  for (const auto& load : loads_) {
    load->abandoned = true;
    load->cancellation.Cancel();
  }
  const auto waitEnd = std::chrono::steady_clock::now() + kEndingWait;
  for (const auto& load : loads_) {
    while (!load->ended.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < waitEnd) {
      Sleep(10);
    }
    {
      const std::lock_guard lock(load->reportMutex);
      load->window = nullptr;
    }
    if (load->ended.load(std::memory_order_acquire)) {
      load->thread.join();
    } else {
      load->thread.detach();  // it keeps its share of the load until it ends
    }
  }
  loads_.clear();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool MusicListQuery::Start(std::wstring_view address) {
  Abandon();
  if (!window_) return false;
  auto load = std::make_shared<Load>();
  load->address = address;
  load->window = window_;
  // Room first: once the thread runs, keeping it must not fail.
  loads_.reserve(loads_.size() + 1);
  try {
    load->thread = std::thread(Run, load, read_);
  } catch (const std::system_error&) {
    return false;
  }
  current_ = load.get();
  loads_.push_back(std::move(load));
  const auto deadline = ReplyDeadline() + kDeadlineGrace;
  SetTimer(window_, kDeadlineTimer, static_cast<UINT>(deadline.count()), nullptr);
  return true;
}

void MusicListQuery::Abandon() noexcept {
  if (!current_) return;
  current_->abandoned = true;
  current_->cancellation.Cancel();
  current_ = nullptr;
  if (window_) KillTimer(window_, kDeadlineTimer);
}

MusicListLoad MusicListQuery::Fetch(Load& load, Reader read) {
  MusicListLoad outcome;
  const Apartment apartment;
  if (!apartment.Initialized()) return outcome;
  // Made, used and released here, inside this thread's apartment.
  const auto document = XmlDocument::Create();
  if (!document) return outcome;
  document->SetAsync(false);
  document->SetValidateOnParse(false);
  const auto reply = FetchHttp(load.address, &load.cancellation);
  // A reply that has all come in is parsed even past the deadline; one nobody waits for
  // any more is not.
  if (!reply || load.abandoned) return outcome;
  if (!document->LoadReply(*reply) || load.abandoned) return outcome;
  outcome.lists = read(*document);
  outcome.loaded = true;
  return outcome;
}

void MusicListQuery::Run(const std::shared_ptr<Load>& load, Reader read) noexcept {
  try {
    load->outcome = Fetch(*load, read);
  } catch (...) {
    // Memory ran out, or anything else went wrong: a failed load.
    load->outcome = MusicListLoad();
  }
  load->ended.store(true, std::memory_order_release);
  const std::lock_guard lock(load->reportMutex);
  if (load->window) PostMessageW(load->window, kLoadEndedMessage, 0, 0);
}

void MusicListQuery::CollectEnded() {
  std::optional<MusicListLoad> delivered;
  for (auto it = loads_.begin(); it != loads_.end();) {
    Load& load = **it;
    if (!load.ended.load(std::memory_order_acquire)) {
      ++it;
      continue;
    }
    load.thread.join();  // past its last step: this is only the thread's own ending
    if (&load == current_) {
      current_ = nullptr;
      KillTimer(window_, kDeadlineTimer);
      delivered.emplace(std::move(load.outcome));
    }
    it = loads_.erase(it);
  }
  // Last: what runs here may start the next load.
  if (delivered && finished_) finished_(std::move(*delivered));
}

void MusicListQuery::OnDeadline() {
  KillTimer(window_, kDeadlineTimer);
  CollectEnded();
  if (!current_) return;
  // Still not in: a failed load now, whatever the network still holds its thread in; the
  // thread is waited for when it ends.
  Abandon();
  if (finished_) finished_(MusicListLoad());
}

LRESULT CALLBACK MusicListQuery::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* query = reinterpret_cast<MusicListQuery*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (query && (message == kLoadEndedMessage || (message == WM_TIMER && wParam == kDeadlineTimer))) {
    // Nothing thrown may leave a window procedure: the outcome's handler guards itself, and
    // what is left here (waiting for an ended thread) has nowhere better to go.
    try {
      if (message == kLoadEndedMessage) {
        query->CollectEnded();
      } else {
        query->OnDeadline();
      }
    } catch (...) {
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quavlet::musiclist
