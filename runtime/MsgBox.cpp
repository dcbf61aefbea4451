#include "runtime/MsgBox.h"

#include <string>

namespace quavlet::runtime {

int MsgBox(HWND owner, std::wstring_view prompt, UINT style, std::wstring_view title) {
  const std::wstring text(prompt);
  const std::wstring caption(title);
  return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

}  // namespace quavlet::runtime
