#include "player/PlayerStatus.h"

#include <algorithm>

namespace quavlet::player::status {

std::wstring Buffering(int percent) {
  if (percent < 0) return L"正在缓冲...";
  return L"正在缓冲: " + std::to_wstring(std::clamp(percent, 0, 100)) + L"%";
}

std::wstring Failure(std::wstring_view reason) {
  std::wstring text = L"无法播放: ";
  text += reason;
  text += L"。";
  text += kReady;
  return text;
}

}  // namespace quavlet::player::status
