#include "player/MediaGraph.h"

#include <mmsystem.h>

#include <cwchar>

#include "runtime/DelayLoad.h"

namespace quavlet::player {

HRESULT MediaGraph::Open(const std::wstring& path, HWND notify, UINT eventMessage) {
  Close();
  Microsoft::WRL::ComPtr<IGraphBuilder> graph;
  HRESULT result = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&graph));
  if (FAILED(result)) return result;
  result = graph->RenderFile(path.c_str(), nullptr);
  if (FAILED(result)) return result;
  Microsoft::WRL::ComPtr<IMediaControl> control;
  Microsoft::WRL::ComPtr<IMediaEventEx> events;
  if (FAILED(result = graph.As(&control))) return result;
  // No __uuidof for this one in the platform headers: ask by its identifier.
  result = graph->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(events.GetAddressOf()));
  if (FAILED(result)) return result;
  result = events->SetNotifyWindow(reinterpret_cast<OAHWND>(notify), eventMessage, 0);
  if (FAILED(result)) return result;
  graph.As(&seeking_);  // optional: without it a stop just doesn't rewind
  graph_ = std::move(graph);
  control_ = std::move(control);
  events_ = std::move(events);
  return S_OK;
}

void MediaGraph::Close() {
  if (control_) control_->Stop();
  // The graph may still post: nobody is listening any more.
  if (events_) events_->SetNotifyWindow(0, 0, 0);
  seeking_.Reset();
  events_.Reset();
  control_.Reset();
  graph_.Reset();
}

HRESULT MediaGraph::Run() { return control_ ? control_->Run() : E_UNEXPECTED; }

HRESULT MediaGraph::Pause() { return control_ ? control_->Pause() : E_UNEXPECTED; }

HRESULT MediaGraph::Stop() {
  if (!control_) return E_UNEXPECTED;
  const HRESULT result = control_->Stop();
  if (seeking_) {
    LONGLONG start = 0;
    seeking_->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  }
  return result;
}

std::optional<MediaGraph::Event> MediaGraph::NextEvent() {
  if (!events_) return std::nullopt;
  long code = 0;
  LONG_PTR parameter1 = 0;
  LONG_PTR parameter2 = 0;
  if (events_->GetEvent(&code, &parameter1, &parameter2, 0) != S_OK) return std::nullopt;
  events_->FreeEventParams(code, parameter1, parameter2);
  return Event{code, parameter1};
}

namespace {

std::wstring WithCode(const wchar_t* text, HRESULT result) {
  wchar_t code[16];
  swprintf(code, 16, L" (0x%08lX)", static_cast<unsigned long>(result));
  return std::wstring(text) + code;
}

}  // namespace

std::wstring DescribeMediaFailure(HRESULT result) {
  switch (result) {
    case VFW_E_NO_AUDIO_HARDWARE:
      return WithCode(L"没有可用的声音设备", result);
    case VFW_E_CANNOT_RENDER:
      // The framework says this both for a format it can't decode and for a missing sound
      // device: tell them apart by the devices there are (none when winmm cannot be had).
      {
        const bool noDevice =
            !runtime::DelayLoadable(L"winmm.dll", {"waveOutGetNumDevs"}) || waveOutGetNumDevs() == 0;
        return WithCode(noDevice ? L"没有可用的声音设备" : L"不支持该格式", result);
      }
    case VFW_E_UNKNOWN_FILE_TYPE:
    case VFW_E_UNSUPPORTED_STREAM:
    case VFW_E_INVALID_FILE_FORMAT:
    case VFW_E_NOT_FOUND:
      return WithCode(L"不支持该格式", result);
    case REGDB_E_CLASSNOTREG:
      return WithCode(L"缺少播放组件", result);
    default:
      return WithCode(L"无法打开该媒体", result);
  }
}

std::wstring DescribeDownloadFailure(HRESULT result) {
  return WithCode(L"无法下载该地址，它可能已失效", result);
}

}  // namespace quavlet::player
