// ComPtr<T>: owns one reference to a COM interface and releases it when it
// goes, so no early return can leak the host's object.
//
//   ComPtr<IUnknown> unknown;
//   if (SUCCEEDED(GetActiveObject(clsid, nullptr, unknown.Put()))) ...
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace velmora::panel {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // The pointer is cleared before Release, so code that Release runs never
  // sees an interface on its way out.
  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }

  // The slot for an out-parameter; whatever was held is released first.
  T** Put() {
    Reset();
    return &p_;
  }

  // Asks the object for interface `iid` of type U.
  template <typename U>
  HRESULT QueryInterface(REFIID iid, ComPtr<U>* out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(iid, reinterpret_cast<void**>(out->Put()));
  }

 private:
  T* p_ = nullptr;
};

}  // namespace velmora::panel
