#pragma once

// Runs music list loads off the window's thread, one ticket per load, so the window keeps
// answering while a reply is awaited. Each load fetches and parses on a thread of its own,
// which makes, uses and releases its own XML document object in its own apartment and hands
// back only plain song lists. The newest load is the one in flight; starting another abandons
// it: its connection is closed at once, so its thread ends soon after, and nothing of it is
// delivered. What a load gives is delivered on the thread that owns this object, from a
// message of its own window, never from inside Start.

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "musiclist/HttpFetch.h"
#include "musiclist/SongLists.h"

namespace quavlet::musiclist {

class XmlDocument;

// The song lists read from a reply: addresses, singers, titles.
struct LoadedSongLists {
  SongListEntries addresses;
  SongListEntries singers;
  SongListEntries titles;
};

// What a finished load gives: whether a document was obtained and read, and what was read.
struct MusicListLoad {
  bool loaded = false;
  LoadedSongLists lists;
};

class MusicListQuery {
 public:
  // Reads the lists out of a loaded document, on the load's own thread; it may throw.
  using Reader = LoadedSongLists (*)(const XmlDocument&);
  // Runs on the owner's thread with the outcome of the load in flight.
  using Finished = std::function<void(MusicListLoad)>;

  MusicListQuery(Reader read, Finished finished);
  // Abandons every load and waits for their threads to end, which closing their connections
  // makes quick where WinINet ends a blocked call at the close, as Windows documents. A thread
  // still blocked after a moment is left to end by itself at its own bounded wait, holding
  // what it uses; it reports to nobody.
  ~MusicListQuery();
  MusicListQuery(const MusicListQuery&) = delete;
  MusicListQuery& operator=(const MusicListQuery&) = delete;

  // Abandons the load in flight, if any, and starts loading the address. False when no load
  // could be started (no window or no thread to be had): then nothing will be delivered.
  bool Start(std::wstring_view address);
  // Abandons the load in flight, if any: nothing of it is delivered.
  void Abandon() noexcept;
  // Whether a load has been started and neither delivered nor abandoned.
  bool InFlight() const { return current_ != nullptr; }
  // Loads whose threads have not been waited for yet, the one in flight included.
  size_t Running() const { return loads_.size(); }
  // The window the loads report to.
  HWND hWnd() const { return window_; }

 private:
  struct Load;

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void Run(const std::shared_ptr<Load>& load, Reader read) noexcept;
  static MusicListLoad Fetch(Load& load, Reader read);
  // Waits for the threads that have ended and delivers the load in flight if it is one of them.
  void CollectEnded();
  // The reply deadline (and a little more) has passed for the load in flight: one still not
  // in then is a failed load, even if its thread is still blocked on the network (a reply whose
  // headers trickle in holds a wait that the time left does not bound).
  void OnDeadline();

  Reader read_;
  Finished finished_;
  HWND window_ = nullptr;
  std::vector<std::shared_ptr<Load>> loads_;
  Load* current_ = nullptr;
  unsigned long long lastTicket_ = 0;
};

}  // namespace quavlet::musiclist
