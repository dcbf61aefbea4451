#pragma once

// Fetches one address to a local file on a thread of its own, so the user-interface thread
// never waits on the network. The window given is told of progress and of the end by posted
// messages carrying the download's ticket:
//   progressMessage: wParam = ticket, lParam = percent done, or -1 while the size is unknown
//   doneMessage:     wParam = ticket, lParam = the HRESULT of the download
// Destroying the download abandons it: it stops at its next progress report, and its file is
// removed now or when the thread ends, whichever comes later. No message is posted once the
// download has been destroyed, so the window may go right after it.

#include <windows.h>

#include <memory>
#include <string>

namespace quavlet::player {

class UrlDownload {
 public:
  using PostFunction = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
  struct Notification {
    HWND window;
    UINT progressMessage;
    UINT doneMessage;
    WPARAM ticket;
    // How the messages are posted: PostMessageW unless given (a test watches the posting).
    PostFunction post = nullptr;
  };

  UrlDownload(const std::wstring& url, const std::wstring& localPath, Notification notification);
  ~UrlDownload();
  UrlDownload(const UrlDownload&) = delete;
  UrlDownload& operator=(const UrlDownload&) = delete;

  const std::wstring& localPath() const;

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace quavlet::player
