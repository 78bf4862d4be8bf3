#pragma once
// The standard control classes of the simulated desktop, registered once for all processes:
// "Button" (push button, check box, group box), "Static", "Edit" (single and multi-line),
// "ListBox", "ComboBox" (with its "Edit" child), "MDIClient", "msctls_statusbar32",
// "msctls_progress32", "ToolbarWindow32" and the dialog class "#32770". Each behaves as its
// Win32 namesake does for the messages listed in its source file.

#include "shared/winsys/window_system.h"

namespace winsys::sim {

void RegisterStandardControls(WindowSystem& system);

}  // namespace winsys::sim
