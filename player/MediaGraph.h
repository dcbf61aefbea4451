#pragma once

// One DirectShow filter graph playing one local file, with its events announced to a window
// by a posted message instead of being waited for.

#include <windows.h>
#include <dshow.h>
#include <wrl/client.h>

#include <optional>
#include <string>

namespace quavlet::player {

class MediaGraph {
 public:
  MediaGraph() = default;
  ~MediaGraph() { Close(); }
  MediaGraph(const MediaGraph&) = delete;
  MediaGraph& operator=(const MediaGraph&) = delete;

  // Builds the graph for the file; its events are announced by posting `eventMessage` to
  // `notify`. Any earlier graph is closed first. On failure nothing stays open.
  HRESULT Open(const std::wstring& path, HWND notify, UINT eventMessage);
  void Close();
  bool IsOpen() const { return static_cast<bool>(control_); }

  HRESULT Run();
  HRESULT Pause();
  // Stops and goes back to the start, as a stop button does.
  HRESULT Stop();

  struct Event {
    long code;
    LONG_PTR parameter1;
  };
  // The next pending event, or nothing when none is waiting.
  std::optional<Event> NextEvent();

 private:
  Microsoft::WRL::ComPtr<IGraphBuilder> graph_;
  Microsoft::WRL::ComPtr<IMediaControl> control_;
  Microsoft::WRL::ComPtr<IMediaEventEx> events_;
  Microsoft::WRL::ComPtr<IMediaSeeking> seeking_;
};

// Why a media can't be played, in the user's words, with the code behind it.
std::wstring DescribeMediaFailure(HRESULT result);
// Why an address couldn't be fetched, likewise.
std::wstring DescribeDownloadFailure(HRESULT result);

}  // namespace quavlet::player
