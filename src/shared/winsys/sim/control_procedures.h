#pragma once
// The window procedures of the standard control classes, one source file each. Each is written
// only against WindowSystem (the view of the process that registers the classes), so the same
// classes could be registered on any backend.

#include "shared/winsys/window_system.h"

namespace winsys::sim {

inline constexpr char kButtonClass[] = "Button";
inline constexpr char kStaticClass[] = "Static";
inline constexpr char kEditClass[] = "Edit";
inline constexpr char kListBoxClass[] = "ListBox";
inline constexpr char kComboBoxClass[] = "ComboBox";
inline constexpr char kMdiClientClass[] = "MDIClient";
inline constexpr char kStatusBarClass[] = "msctls_statusbar32";
inline constexpr char kProgressBarClass[] = "msctls_progress32";
inline constexpr char kToolbarClass[] = "ToolbarWindow32";
inline constexpr char kDialogClass[] = "#32770";

WindowProc ButtonProcedure(WindowSystem& system);
WindowProc StaticProcedure(WindowSystem& system);
WindowProc EditProcedure(WindowSystem& system);
WindowProc ListBoxProcedure(WindowSystem& system);
WindowProc ComboBoxProcedure(WindowSystem& system);
WindowProc MdiClientProcedure(WindowSystem& system);
WindowProc StatusBarProcedure(WindowSystem& system);
WindowProc ProgressBarProcedure(WindowSystem& system);
WindowProc ToolbarProcedure(WindowSystem& system);
WindowProc DialogProcedure(WindowSystem& system);

}  // namespace winsys::sim
