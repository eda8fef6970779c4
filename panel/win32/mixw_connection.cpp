#include "mixw_connection.h"

#include <string>

#include "bstr.h"
#include "dispatch.h"
#include "panel_names.h"
#include "variant.h"

namespace velmora::panel {
namespace {

// Only the running instance: GetActiveObject never starts the host, unlike
// CoCreateInstance, so a panel cannot bring up a host the operator closed.
ComPtr<IDispatch> BindRunningHost() {
  const std::wstring progId(kHostProgId.begin(), kHostProgId.end());
  CLSID hostClass{};
  if (FAILED(::CLSIDFromProgID(progId.c_str(), &hostClass))) return {};
  ComPtr<IUnknown> running;
  if (FAILED(::GetActiveObject(hostClass, /*reserved=*/nullptr, running.Put()))) return {};
  ComPtr<IDispatch> dispatch;
  if (FAILED(running.QueryInterface(IID_IDispatch, &dispatch))) return {};
  return dispatch;
}

}  // namespace

bool MixwConnection::Bind() {
  // The old reference goes only after the new one is held: a host that is
  // still there is never released to zero in between.
  hostApp_ = BindRunningHost();
  return static_cast<bool>(hostApp_);
}

bool MixwConnection::ExecuteMacros(std::string_view macro) {
  Bstr text = Bstr::FromAnsi(macro);
  if (!text) return false;
  const Variant argument(std::move(text));
  return SUCCEEDED(Invoke(hostApp_.Get(), L"ExecuteMacros", argument));
}

bool MixwConnection::ReadMode() {
  Variant mode;
  return SUCCEEDED(GetProperty(hostApp_.Get(), L"Mode", &mode));
}

}  // namespace velmora::panel
