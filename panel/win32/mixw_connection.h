// MixwConnection: HostConnection over COM. Binds to the automation object the
// running host has registered in the Running Object Table under its ProgID,
// and calls `ExecuteMacros` and `Mode` on it by name.
//
// REQUIRES: COM is initialised on the calling thread for the object's life,
// and every call comes from that thread.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "com_ptr.h"
#include "host_connection.h"

namespace velmora::panel {

class MixwConnection final : public HostConnection {
 public:
  bool Bind() override;
  void Release() override { hostApp_.Reset(); }
  bool ExecuteMacros(std::string_view macro) override;
  bool ReadMode() override;

 private:
  ComPtr<IDispatch> hostApp_;
};

}  // namespace velmora::panel
