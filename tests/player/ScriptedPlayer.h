#pragma once

// A player for tests: it plays nothing, answers its status from a script and writes down
// every call in order, status reads included.

#include <deque>
#include <string>
#include <vector>

#include "player/MediaPlayer.h"

namespace quavlet::test {

class ScriptedPlayer final : public player::MediaPlayer {
 public:
  // Each status read takes the next scripted text; the last one stays once the script runs out.
  void ScriptStatuses(std::initializer_list<std::wstring> statuses) {
    statuses_.assign(statuses.begin(), statuses.end());
  }
  void SetStatus(const std::wstring& status) { statuses_.assign(1, status); }

  // Raises the open-state change as the real control would.
  void RaiseOpenStateChange(long newState = player::open_state::kMediaOpen) {
    if (auto handler = onOpenStateChange_) handler(newState);
  }
  bool HasOpenStateChangeHandler() const { return static_cast<bool>(onOpenStateChange_); }

  // Every call so far: "Stop", "Play", "Pause", "SetUrl <address>", "Status".
  const std::vector<std::wstring>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // When set, SetUrl raises the open-state change at once, as the control does.
  bool raiseOnSetUrl = false;
  // When set, every call is also written here, to be interleaved with what else a test logs.
  std::vector<std::wstring>* journal = nullptr;

  void SetUrl(const std::wstring& url) override {
    Record(L"SetUrl " + url);
    if (raiseOnSetUrl) RaiseOpenStateChange(player::open_state::kMediaChanging);
  }
  void Stop() override { Record(L"Stop"); }
  void Play() override { Record(L"Play"); }
  void Pause() override { Record(L"Pause"); }
  std::wstring Status() override {
    Record(L"Status");
    if (statuses_.empty()) return {};
    std::wstring status = statuses_.front();
    if (statuses_.size() > 1) statuses_.pop_front();
    return status;
  }
  void SetOpenStateChangeHandler(OpenStateChangeHandler handler) override { onOpenStateChange_ = std::move(handler); }

 private:
  void Record(const std::wstring& call) {
    calls_.push_back(call);
    if (journal) journal->push_back(call);
  }

  std::deque<std::wstring> statuses_;
  std::vector<std::wstring> calls_;
  OpenStateChangeHandler onOpenStateChange_;
};

}  // namespace quavlet::test
