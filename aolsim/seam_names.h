#pragma once
// The seam's names the stand-in's windows are written in, said once for all of its files.

#include "shared/winsys/types.h"

namespace aolsim {

using winsys::DWORD;
using winsys::HWND;
using winsys::LPARAM;
using winsys::LRESULT;
using winsys::UINT;
using winsys::WPARAM;

}  // namespace aolsim
