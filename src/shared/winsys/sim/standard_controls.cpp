#include "shared/winsys/sim/standard_controls.h"

#include "shared/winsys/sim/control_procedures.h"

namespace winsys::sim {

void RegisterStandardControls(WindowSystem& system) {
  system.RegisterClass(kButtonClass, ButtonProcedure(system));
  system.RegisterClass(kStaticClass, StaticProcedure(system));
  system.RegisterClass(kEditClass, EditProcedure(system));
  system.RegisterClass(kListBoxClass, ListBoxProcedure(system));
  system.RegisterClass(kComboBoxClass, ComboBoxProcedure(system));
  system.RegisterClass(kMdiClientClass, MdiClientProcedure(system));
  system.RegisterClass(kStatusBarClass, StatusBarProcedure(system));
  system.RegisterClass(kProgressBarClass, ProgressBarProcedure(system));
  system.RegisterClass(kToolbarClass, ToolbarProcedure(system));
  system.RegisterClass(kDialogClass, DialogProcedure(system));
}

}  // namespace winsys::sim
