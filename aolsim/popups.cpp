#include "aolsim/popups.h"

#include "aolsim/flash_session.h"
#include "aolsim/notice.h"
#include "aolsim/window_classes.h"

namespace aolsim {

ErrorWindow::ErrorWindow(ClientContext& context) : ClientWindow(context, WindowKind::kErrorPopup) {
  CreateContentWindow(kErrorCaption);
  AddControl(classes::kStatic, "An error has occurred.");
  SetText(AddControl(classes::kView), "The system is temporarily unavailable.");
  AttachIcon(AddControl(classes::kIcon, "OK"), [this] { CloseSoon(); });
}

AolModalWindow::AolModalWindow(ClientContext& context)
    : ClientWindow(context, WindowKind::kModalPopup) {
  CreateTopLevel(classes::kAolModal, kNoticeCaption, Visibility::kShown);
  AddControl(classes::kStatic, "You have been idle for a while.");
  AttachIcon(AddControl(classes::kIcon, "OK"), [this] { CloseSoon(); });
}

std::unique_ptr<ClientWindow> MakePopup(ClientContext& context, PopupKind kind) {
  switch (kind) {
    case PopupKind::kStatus:
      return std::make_unique<StatusWindow>(context, WindowKind::kStatusPopup,
                                            "Checking for new mail...");
    case PopupKind::kError:
      return std::make_unique<ErrorWindow>(context);
    case PopupKind::kModal:
      return std::make_unique<AolModalWindow>(context);
    case PopupKind::kNotice:
      return std::make_unique<Notice>(context, WindowKind::kNoticePopup,
                                      "Your request could not be completed at this time.",
                                      std::vector<NoticeButton>{NoticeButton{"OK", {}}});
  }
  return nullptr;
}

bool IsPopupKind(WindowKind kind) {
  switch (kind) {
    case WindowKind::kStatusPopup:
    case WindowKind::kSessionStatus:
    case WindowKind::kErrorPopup:
    case WindowKind::kModalPopup:
    case WindowKind::kNoticePopup:
    case WindowKind::kInstantMessageRefusal:
      return true;
    default:
      return false;
  }
}

}  // namespace aolsim
