// Late-bound calls on an automation object: members are looked up by name at
// run time (GetIDsOfNames) and called through IDispatch::Invoke, so the panel
// needs neither the host's headers nor its type library. This is the only
// place that builds DISPPARAMS.
//
//   Variant macro(Bstr::FromAnsi("<MODE:CW>"));
//   HRESULT hr = Invoke(host, L"ExecuteMacros", macro);
//   Variant mode;
//   hr = GetProperty(host, L"Mode", &mode);
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <array>
#include <span>

#include "variant.h"

namespace velmora::panel {

// Calls member `name` of `object` as `kind` (DISPATCH_METHOD, ...) with
// `arguments` in their natural order, passed by value. The result goes to
// `*result` when it is given. The HRESULT of the lookup or of the call; a
// failure that the object describes (DISP_E_EXCEPTION) has its description
// freed here.
HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD kind, std::span<const VARIANT> arguments,
                     Variant* result);

// Calls method `name` of `object` with `arguments`, discarding its result.
template <typename... Arguments>
HRESULT Invoke(IDispatch* object, const wchar_t* name, const Arguments&... arguments) {
  const std::array<VARIANT, sizeof...(Arguments)> values{arguments.Get()...};
  return InvokeByName(object, name, DISPATCH_METHOD, values, /*result=*/nullptr);
}

// Reads property `name` of `object` into `*value`.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, Variant* value);

}  // namespace velmora::panel
