// ScopedHandle: owns one kernel object handle and closes it when it goes.
//
//   ScopedHandle semaphore(::CreateSemaphoreA(...));
//   if (!semaphore) ...
#pragma once

#include <windows.h>

#include <utility>

namespace velmora::panel {

class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() { Close(); }
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Close() {
    if (handle_) ::CloseHandle(std::exchange(handle_, nullptr));
  }

  HANDLE handle_ = nullptr;
};

}  // namespace velmora::panel
