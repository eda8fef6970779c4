// Bstr: owns one BSTR, the string type of automation calls, and frees it when
// it goes (or hands it over with Release).
//
//   Bstr macro = Bstr::FromAnsi("<MODE:CW>");
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace velmora::panel {

class Bstr {
 public:
  Bstr() = default;
  ~Bstr() { ::SysFreeString(text_); }
  Bstr(Bstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    if (this != &other) {
      ::SysFreeString(text_);
      text_ = std::exchange(other.text_, nullptr);
    }
    return *this;
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  // `text` in the system's ANSI code page, as the host's own texts are. An
  // empty Bstr (null) when memory runs out or the text is too long.
  static Bstr FromAnsi(std::string_view text) {
    Bstr result;
    if (text.size() > 0x7fffffff) return result;
    const int length = static_cast<int>(text.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, /*flags=*/0, text.data(), length, nullptr, 0);
    if (wide == 0 && length != 0) return result;
    result.text_ = ::SysAllocStringLen(nullptr, static_cast<UINT>(wide));
    if (result.text_ && wide > 0) {
      ::MultiByteToWideChar(CP_ACP, /*flags=*/0, text.data(), length, result.text_, wide);
    }
    return result;
  }

  BSTR Get() const { return text_; }
  explicit operator bool() const { return text_ != nullptr; }

  // Hands the string to a new owner, such as a VARIANT.
  [[nodiscard]] BSTR Release() { return std::exchange(text_, nullptr); }

 private:
  BSTR text_ = nullptr;
};

}  // namespace velmora::panel
