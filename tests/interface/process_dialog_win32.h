// Finding a dialog that this test process shows, from a second thread that
// plays the operator.
#pragma once

#include <windows.h>

namespace velmora::testing {

// The first visible dialog window (class "#32770") of this process whose
// caption is `caption`, or any caption when `caption` is null; null when none.
HWND FindProcessDialog(const char* caption);

}  // namespace velmora::testing
