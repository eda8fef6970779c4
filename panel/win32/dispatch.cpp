#include "dispatch.h"

#include <vector>

namespace velmora::panel {
namespace {

// Frees the strings an object may put into an EXCEPINFO.
class ExceptionInfo {
 public:
  ExceptionInfo() = default;
  ~ExceptionInfo() {
    ::SysFreeString(info_.bstrSource);
    ::SysFreeString(info_.bstrDescription);
    ::SysFreeString(info_.bstrHelpFile);
  }
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;

  EXCEPINFO* Put() { return &info_; }

 private:
  EXCEPINFO info_{};
};

}  // namespace

HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD kind, std::span<const VARIANT> arguments,
                     Variant* result) {
  if (!object) return E_POINTER;
  DISPID member = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, /*cNames=*/1, LOCALE_USER_DEFAULT, &member);
  if (FAILED(hr)) return hr;

  // Automation takes arguments last to first. The copies share the caller's
  // strings: they are read, never freed, here.
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPPARAMS parameters{};
  parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
  parameters.cArgs = static_cast<UINT>(reversed.size());

  Variant discarded;
  ExceptionInfo exception;
  UINT badArgument = 0;
  return object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                        result ? result->Put() : discarded.Put(), exception.Put(), &badArgument);
}

HRESULT GetProperty(IDispatch* object, const wchar_t* name, Variant* value) {
  // Both kinds, as automation clients do for a value read, so a host that
  // offers `Mode` as a method without arguments answers too.
  return InvokeByName(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, value);
}

}  // namespace velmora::panel
