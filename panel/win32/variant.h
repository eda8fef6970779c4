// Variant: owns one VARIANT, the value type of automation calls, and clears it
// (freeing any string or interface inside) when it goes.
//
//   Variant argument(Bstr::FromAnsi("<MODE:CW>"));
//   Variant result;
//   object->Invoke(..., result.Put(), ...);
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "bstr.h"

namespace velmora::panel {

class Variant {
 public:
  Variant() { ::VariantInit(&value_); }
  // A string value that takes over `text`.
  explicit Variant(Bstr text) : Variant() {
    value_.vt = VT_BSTR;
    value_.bstrVal = text.Release();
  }
  ~Variant() { ::VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  const VARIANT& Get() const { return value_; }

  // The slot for an out-parameter; whatever was held is cleared first.
  VARIANT* Put() {
    ::VariantClear(&value_);
    return &value_;
  }

 private:
  VARIANT value_;
};

}  // namespace velmora::panel
