#pragma once

// Owning, move-only wrappers for GDI handles and scope guards for DCs and selections, so
// that every object made for one call is released on every path by construction.

#include <windows.h>

#include <utility>

namespace quavlet::runtime {

// Owns one handle; Release() runs the deleter. Copying is deleted.
template <typename Handle, BOOL(WINAPI* Delete)(Handle)>
class Unique {
 public:
  Unique() = default;
  explicit Unique(Handle handle) : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up, e.g. to SetWindowRgn, which takes ownership of a region.
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_) Delete(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteBitmap(HBITMAP object) { return DeleteObject(object); }
inline BOOL WINAPI DeleteBrush(HBRUSH object) { return DeleteObject(object); }
inline BOOL WINAPI DeletePen(HPEN object) { return DeleteObject(object); }
inline BOOL WINAPI DeleteFont(HFONT object) { return DeleteObject(object); }
inline BOOL WINAPI DeleteRegion(HRGN object) { return DeleteObject(object); }
inline BOOL WINAPI DeletePalette(HPALETTE object) { return DeleteObject(object); }
inline BOOL WINAPI DeleteMemoryDc(HDC dc) { return DeleteDC(dc); }

using Bitmap = Unique<HBITMAP, DeleteBitmap>;
using Brush = Unique<HBRUSH, DeleteBrush>;
using Pen = Unique<HPEN, DeletePen>;
using Font = Unique<HFONT, DeleteFont>;
using Region = Unique<HRGN, DeleteRegion>;
using Palette = Unique<HPALETTE, DeletePalette>;
using MemoryDc = Unique<HDC, DeleteMemoryDc>;  // from CreateCompatibleDC

// GetDC / GetWindowDC for the scope; released with ReleaseDC.
class WindowDc {
 public:
  enum class Area { Client, Window };
  explicit WindowDc(HWND window, Area area = Area::Client)
      : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint for the scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC get() const { return dc_; }
  // The area to paint.
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC for the scope and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelect() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC / RestoreDC for the scope: fonts, colours, clipping and modes come back as they were.
class ScopedSaveDc {
 public:
  explicit ScopedSaveDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~ScopedSaveDc() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  ScopedSaveDc(const ScopedSaveDc&) = delete;
  ScopedSaveDc& operator=(const ScopedSaveDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace quavlet::runtime
