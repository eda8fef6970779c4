// ComApartment: COM for the calling thread, as a single-threaded apartment
// (the panel's one thread owns its window and its calls to the host), for as
// long as the object lives.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace velmora::panel {

class ComApartment {
 public:
  ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace velmora::panel
