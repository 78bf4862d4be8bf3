#include "aolsim/window_classes.h"

#include <utility>

#include "aolsim/seam_names.h"

namespace aolsim {

namespace {

void RegisterPlain(winsys::WindowSystem& ws, const char* name) {
  ws.RegisterClass(
      name, [&ws](HWND h, UINT m, WPARAM w, LPARAM l) { return ws.DefWindowProc(h, m, w, l); });
}

void RegisterSuperclass(winsys::WindowSystem& ws, const char* name, const char* base_name) {
  winsys::WindowProc base = ws.ClassProcedure(base_name);
  if (!base) {
    RegisterPlain(ws, name);
    return;
  }
  ws.RegisterClass(name, [base = std::move(base)](HWND h, UINT m, WPARAM w, LPARAM l) {
    return base(h, m, w, l);
  });
}

}  // namespace

void RegisterClientClasses(winsys::WindowSystem& ws) {
  using namespace classes;
  RegisterSuperclass(ws, kRichText, kStandardEdit);
  RegisterSuperclass(ws, kEdit, kStandardEdit);
  RegisterSuperclass(ws, kListbox, kStandardListBox);
  RegisterSuperclass(ws, kTree, kStandardListBox);
  RegisterSuperclass(ws, kCheckbox, kButton);
  for (const char* name : {kFrame, kChild, kToolbar, kInnerToolbar, kIcon, kStatic, kImage, kView,
                           kFontCombo, kCombobox, kModal, kAolModal}) {
    RegisterPlain(ws, name);
  }
}

}  // namespace aolsim
