#pragma once

// Owning wrappers for the COM strings the XML document object trades in.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace quavlet::runtime {

// A BSTR freed with SysFreeString. Copying is deleted.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    if (this != &other) {
      SysFreeString(value_);
      value_ = std::exchange(other.value_, nullptr);
    }
    return *this;
  }

  BSTR get() const { return value_; }
  // For out parameters: frees what is held and hands out the slot.
  BSTR* receive() {
    SysFreeString(std::exchange(value_, nullptr));
    return &value_;
  }
  std::wstring str() const { return std::wstring(value_, SysStringLen(value_)); }

 private:
  BSTR value_ = nullptr;
};

}  // namespace quavlet::runtime
