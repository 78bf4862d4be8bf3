#include "shared/winsys/sim/desktop_impl.h"

#include <algorithm>
#include <cstring>

#include "shared/winsys/sim/popup_menu_handler.h"
#include "shared/winsys/sim/sim_process.h"
#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {
namespace {

constexpr const char* kMdiClientKey = "mdiclient";
constexpr int kShowMaximized = 3;      // SW_SHOWMAXIMIZED
constexpr UINT kRelationLast = 1;      // GW_HWNDLAST
constexpr UINT kRelationPrevious = 3;  // GW_HWNDPREV
constexpr WPARAM kSizeRestored = 0;    // SIZE_RESTORED
// No window text is longer than this; guards against a procedure answering nonsense.
constexpr LRESULT kLongestText = 1 << 24;

// How far a window's client area, where its children's coordinates start, lies inside its
// window rectangle: the frame its style gives it, then the caption, then a top-level window's
// menu bar.
Point ClientOrigin(const SimWindow& window) {
  const DWORD style = window.style;
  int across = 0;
  int down = 0;
  if ((style & WS_THICKFRAME) != 0) {
    across = SimDesktop::Impl::SystemMetric(SM_CXFRAME);
    down = SimDesktop::Impl::SystemMetric(SM_CYFRAME);
  } else if ((style & WS_DLGFRAME) != 0) {
    across = SimDesktop::Impl::SystemMetric(SM_CXDLGFRAME);
    down = SimDesktop::Impl::SystemMetric(SM_CYDLGFRAME);
  } else if ((style & WS_BORDER) != 0) {
    across = SimDesktop::Impl::SystemMetric(SM_CXBORDER);
    down = SimDesktop::Impl::SystemMetric(SM_CYBORDER);
  }
  if ((style & WS_CAPTION) == WS_CAPTION) down += SimDesktop::Impl::SystemMetric(SM_CYCAPTION);
  if (!window.is_child() && window.menu != 0) down += SimDesktop::Impl::SystemMetric(SM_CYMENU);
  return Point{across, down};
}

LPARAM PackPoint(int x, int y) {
  return static_cast<LPARAM>(MakeWParam(static_cast<unsigned>(x), static_cast<unsigned>(y)));
}

bool ActivatesOnShow(int command) {
  return command == SW_SHOW || command == SW_SHOWNORMAL || command == SW_RESTORE ||
         command == kShowMaximized;
}

}  // namespace

SimDesktop::Impl::Impl(SimDesktop& desktop, Clock& clock, VirtualClock* moved, TimeKind time)
    : desktop_(desktop),
      clock_(clock),
      loop_(clock, moved, time, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        return DeliverPosted(window, message, wparam, lparam);
      }) {
  loop_.SetResponsiveness(EventLoop::Responsiveness{
      [this](HWND window) { return Responds(window); },
      [this] { return hangs_.NextWake(clock_.Now()); },
      [this] { return hangs_.AnyWoken(clock_.Now()); }, [this] { return DeliverWoken(); }});
  system_ = &CreateProcess("system");
  classes_ = std::make_unique<ClassRegistry>(system_->id());
  // Popup menus answer their keys through whichever menu session owns the window.
  classes_->Register(system_->id(), kPopupMenuClass,
                     [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
                       if (message == WM_KEYDOWN) {
                         if (PopupMenuHandler* handler = PopupOf(window)) {
                           handler->OnKey(window, wparam);
                           return 0;
                         }
                       }
                       return DefWindowProc(window, message, wparam, lparam);
                     });
}

// Windows still open when the desktop goes get no messages: the objects behind their procedures
// may be gone already.
SimDesktop::Impl::~Impl() = default;

// --- Processes --------------------------------------------------------------------------------

SimProcess& SimDesktop::Impl::CreateProcess(std::string_view name) {
  const DWORD id = next_process_id_;
  next_process_id_ += 4;
  auto process = std::make_unique<SimProcess>(*this, id, std::string(name));
  SimProcess& created = *process;
  processes_[id] = std::move(process);
  return created;
}

SimProcess* SimDesktop::Impl::FindProcess(DWORD id) {
  const auto found = processes_.find(id);
  return found == processes_.end() ? nullptr : found->second.get();
}

DWORD SimDesktop::Impl::SystemProcessId() const {
  return system_->id();
}

// --- Classes and windows -------------------------------------------------------------------------

bool SimDesktop::Impl::RegisterClass(DWORD caller, std::string_view name, WindowProc procedure) {
  return classes_->Register(caller, name, std::move(procedure));
}

WindowProc SimDesktop::Impl::ClassProcedure(DWORD caller, std::string_view name) const {
  const WindowClass* found = classes_->Find(caller, name);
  return found == nullptr ? WindowProc{} : *found->procedure;
}

LRESULT SimDesktop::Impl::DefWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return 0;
  switch (message) {
    case WM_SETTEXT:
      target->caption =
          lparam == 0 ? std::string() : std::string(reinterpret_cast<const char*>(lparam));
      return 1;
    case WM_GETTEXT: {
      if (wparam == 0 || lparam == 0) return 0;
      char* buffer = reinterpret_cast<char*>(lparam);
      const std::size_t count = std::min<std::size_t>(target->caption.size(), wparam - 1);
      std::memcpy(buffer, target->caption.data(), count);
      buffer[count] = '\0';
      return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(target->caption.size());
    case WM_CLOSE:
      Destroy(window);
      return 0;
    default:
      return 0;
  }
}

WindowProc SimDesktop::Impl::SubclassWindow(DWORD caller, HWND window, WindowProc procedure) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr || !procedure) return {};
  if (caller != SystemProcessId() && caller != target->process) return {};
  WindowProc previous = *target->procedure;
  target->procedure = std::make_shared<const WindowProc>(std::move(procedure));
  return previous;
}

HWND SimDesktop::Impl::CreateWindow(DWORD caller, const CreateParams& params) {
  const WindowClass* window_class = classes_->Find(caller, params.class_name);
  if (window_class == nullptr) return kNoWindow;
  auto window = std::make_unique<SimWindow>();
  window->style = params.style & ~WS_VISIBLE;  // shown after WM_CREATE, as on Windows
  ZPlacement placement = ZPlacement::kFront;
  if (window->is_child()) {
    const SimWindow* parent = tree_.Find(params.parent);
    if (parent == nullptr || parent->destroying) return kNoWindow;
    window->parent = params.parent;
    // Controls enumerate in creation order; an MDI child comes up in front of its siblings.
    placement = parent->class_key == kMdiClientKey ? ZPlacement::kFront : ZPlacement::kBack;
  } else if (params.parent != kNoWindow) {
    if (tree_.Find(params.parent) == nullptr) return kNoWindow;
    window->owner = tree_.RootOf(params.parent);  // the owner is always a top-level window
  }
  const HWND handle = tree_.NewHandle();
  window->handle = handle;
  // The standard controls run inside the program that uses them: what the system makes under
  // a program's window belongs to that program, as a combo box's edit field does on Windows.
  window->process = caller;
  if (caller == SystemProcessId()) {
    const SimWindow* relative = tree_.Find(window->is_child() ? window->parent : window->owner);
    if (relative != nullptr) window->process = relative->process;
  }
  window->class_name = window_class->name;
  window->class_key = window_class->key;
  window->procedure = window_class->procedure;
  window->caption = params.caption;
  window->rect = params.rect;
  window->control_id = params.control_id;
  window->menu = window->is_child() ? 0 : params.menu;
  tree_.Add(std::move(window), placement);
  loop_.NoteActivity();

  const LRESULT created = SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&params));
  if (!IsWindow(handle)) return kNoWindow;
  if (created == -1) {
    Destroy(handle);
    return kNoWindow;
  }
  if ((params.style & WS_VISIBLE) != 0) ShowWindow(handle, SW_SHOW);
  return IsWindow(handle) ? handle : kNoWindow;
}

bool SimDesktop::Impl::DestroyWindow(DWORD caller, HWND window) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  if (caller != SystemProcessId() && caller != target->process) return false;
  return Destroy(window);
}

// As on Windows: the window loses activation, its owned windows go first, then WM_DESTROY goes
// to the window and then down to its children, and WM_NCDESTROY comes back up from the deepest
// child to the window itself.
bool SimDesktop::Impl::Destroy(HWND window) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr || target->destroying) return false;
  loop_.NoteActivity();
  if (!target->is_child()) {
    ActivateNext(window);
    DestroyOwnedBy(window);
  }
  target = tree_.Find(window);
  if (target == nullptr || target->destroying) return true;  // a handler got there first
  SendDestroyMessages(window);
  FinishDestroying(window);
  return true;
}

void SimDesktop::Impl::DestroyOwnedBy(HWND owner) {
  const SimWindow* owner_window = tree_.Find(owner);
  if (owner_window == nullptr) return;
  const DWORD process = owner_window->process;
  const std::vector<HWND> top_levels = tree_.TopLevels();
  for (HWND candidate : top_levels) {
    SimWindow* owned = tree_.Find(candidate);
    if (owned == nullptr || owned->owner != owner) continue;
    // Another process's window outlives its owner and is simply disowned.
    if (owned->process == process) {
      Destroy(candidate);
    } else {
      owned->owner = kNoWindow;
    }
  }
}

void SimDesktop::Impl::SendDestroyMessages(HWND window) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return;
  target->destroying = true;
  SendMessage(window, WM_DESTROY, 0, 0);
  target = tree_.Find(window);
  if (target == nullptr) return;
  const std::vector<HWND> children = target->children;
  for (HWND child : children) {
    const SimWindow* child_window = tree_.Find(child);
    if (child_window != nullptr && !child_window->destroying) SendDestroyMessages(child);
  }
}

void SimDesktop::Impl::FinishDestroying(HWND window) {
  for (;;) {
    SimWindow* target = tree_.Find(window);
    if (target == nullptr) return;
    if (target->children.empty()) break;
    // Always removes the child: no window can be added under a parent that is being destroyed.
    FinishDestroying(target->children.front());
  }
  SimWindow* target = tree_.Find(window);
  target->destroying = true;
  SendMessage(window, WM_NCDESTROY, 0, 0);
  Forget(window);
}

void SimDesktop::Impl::Forget(HWND window) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return;
  loop_.KillTimersOf(window);
  if (!target->is_child() && target->menu != 0) menus_.Destroy(target->menu);
  if (focus_ == window) focus_ = kNoWindow;
  if (active_ == window) active_ = kNoWindow;
  popups_.erase(window);
  for (HWND candidate : tree_.TopLevels()) {
    SimWindow* owned = tree_.Find(candidate);
    if (owned != nullptr && owned->owner == window) owned->owner = kNoWindow;
  }
  tree_.Remove(window);
}

void SimDesktop::Impl::RemoveSilently(HWND window) {
  for (;;) {
    const SimWindow* target = tree_.Find(window);
    if (target == nullptr) return;
    if (target->children.empty()) break;
    RemoveSilently(target->children.front());
  }
  Forget(window);
}

void SimDesktop::Impl::EndProcess(DWORD process) {
  loop_.NoteActivity();
  const std::vector<HWND> top_levels = tree_.TopLevels();
  for (HWND window : top_levels) {
    const SimWindow* found = tree_.Find(window);
    if (found != nullptr && found->process == process) RemoveSilently(window);
  }
  modals_.DropOf(process);
}

HWND SimDesktop::Impl::FindWindowEx(HWND parent, HWND child_after, const char* class_name,
                                    const char* caption) {
  const std::vector<HWND>* list = &tree_.TopLevels();
  if (parent != kNoWindow) {
    const SimWindow* parent_window = tree_.Find(parent);
    if (parent_window == nullptr) return kNoWindow;
    list = &parent_window->children;
  }
  auto position = list->begin();
  if (child_after != kNoWindow) {
    // The place found last is checked before it is trusted: the list may have changed since.
    const bool still_there = last_found_.siblings == list && last_found_.index < list->size() &&
                             (*list)[last_found_.index] == child_after;
    position = still_there ? list->begin() + static_cast<std::ptrdiff_t>(last_found_.index)
                           : std::find(list->begin(), list->end(), child_after);
    if (position == list->end()) return kNoWindow;  // not a direct child: Windows finds nothing
    ++position;
  }
  const std::string_view class_asked = class_name == nullptr ? std::string_view() : class_name;
  const std::string_view caption_asked = caption == nullptr ? std::string_view() : caption;
  for (; position != list->end(); ++position) {
    const SimWindow* candidate = tree_.Find(*position);
    if (candidate == nullptr) continue;
    // A class or caption of another length rules a window out before any text is compared.
    if (class_name != nullptr && candidate->class_name.size() != class_asked.size()) continue;
    if (caption != nullptr && candidate->caption.size() != caption_asked.size()) continue;
    // Searches mostly spell a class as it was registered: those compare as bytes.
    if (class_name != nullptr && !SameBytes(candidate->class_name, class_asked) &&
        !MatchesFoldedKey(candidate->class_key, class_asked)) {
      continue;
    }
    if (caption != nullptr && !EqualsIgnoringCase(candidate->caption, caption_asked)) continue;
    last_found_ = {list, static_cast<std::size_t>(position - list->begin())};
    return candidate->handle;
  }
  return kNoWindow;
}

HWND SimDesktop::Impl::GetWindow(HWND window, UINT relation) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return kNoWindow;
  if (relation == GW_CHILD) return target->children.empty() ? kNoWindow : target->children.front();
  if (relation == GW_OWNER) return target->is_child() ? kNoWindow : target->owner;
  const std::vector<HWND>& siblings = *tree_.SiblingsOf(*target);
  const auto position = std::find(siblings.begin(), siblings.end(), window);
  if (position == siblings.end()) return kNoWindow;
  switch (relation) {
    case GW_HWNDFIRST:
      return siblings.front();
    case kRelationLast:
      return siblings.back();
    case GW_HWNDNEXT:
      return position + 1 == siblings.end() ? kNoWindow : *(position + 1);
    case kRelationPrevious:
      return position == siblings.begin() ? kNoWindow : *(position - 1);
    default:
      return kNoWindow;
  }
}

HWND SimDesktop::Impl::GetParent(HWND window) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return kNoWindow;
  if (target->is_child()) return target->parent;
  return (target->style & WS_POPUP) != 0 ? target->owner : kNoWindow;
}

std::string SimDesktop::Impl::GetClassName(HWND window) {
  const SimWindow* target = tree_.Find(window);
  return target == nullptr ? std::string() : target->class_name;
}

int SimDesktop::Impl::GetDlgCtrlID(HWND window) {
  const SimWindow* target = tree_.Find(window);
  return target == nullptr ? 0 : target->control_id;
}

HWND SimDesktop::Impl::GetDlgItem(HWND parent, int control_id) {
  const SimWindow* parent_window = tree_.Find(parent);
  if (parent_window == nullptr) return kNoWindow;
  for (HWND child : parent_window->children) {
    const SimWindow* candidate = tree_.Find(child);
    if (candidate != nullptr && candidate->control_id == control_id) return child;
  }
  return kNoWindow;
}

// --- Messages ---------------------------------------------------------------------------------

LRESULT SimDesktop::Impl::CallProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return 0;
  const bool activates_mdi_child = message == WM_MDIACTIVATE && target->class_key == kMdiClientKey;
  // Hold the procedure: it may destroy its window or be replaced while it runs.
  const std::shared_ptr<const WindowProc> procedure = target->procedure;
  const LRESULT result = (*procedure)(window, message, wparam, lparam);
  // The MDI client brings the child it activates to the front, whatever its procedure did (it
  // still saw the previous front child while it ran).
  if (activates_mdi_child) {
    const SimWindow* child = tree_.Find(static_cast<HWND>(wparam));
    if (child != nullptr && child->is_child() && child->parent == window) {
      tree_.BringToFront(child->handle);
    }
  }
  return result;
}

LRESULT SimDesktop::Impl::SendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsWindow(window)) return 0;
  loop_.NoteActivity();
  return CallProcedure(window, message, wparam, lparam);
}

bool SimDesktop::Impl::PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsWindow(window)) return false;
  loop_.Post(window, message, wparam, lparam);
  return true;
}

std::optional<LRESULT> SimDesktop::Impl::SendFrom(DWORD caller, HWND window, UINT message,
                                                  WPARAM wparam, LPARAM lparam) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return std::nullopt;
  const DWORD receiver = target->process;
  const bool bounded =
      caller != SystemProcessId() && caller != receiver && hangs_.IsHung(receiver, clock_.Now());
  if (!bounded) return SendMessage(window, message, wparam, lparam);
  loop_.NoteActivity();
  if (!hangs_.CountsAsHung(receiver, clock_.Now())) {
    const double wakes = hangs_.WakeTime(receiver, clock_.Now());
    const double gives_up = clock_.Now() + send_bound_;
    if (wakes <= gives_up) {
      loop_.Block(wakes);
      // What it was sent before comes first, then this send.
      DeliverWoken();
      if (!IsWindow(window)) return std::nullopt;
      return SendMessage(window, message, wparam, lparam);
    }
    loop_.Block(gives_up);
  }
  hangs_.Hold(receiver, window, message, wparam, lparam);
  return std::nullopt;
}

void SimDesktop::Impl::Hang(DWORD process, double seconds) {
  loop_.NoteActivity();
  hangs_.Hang(process, clock_.Now(), clock_.Now() + seconds);
}

bool SimDesktop::Impl::IsHung(DWORD process) const {
  return hangs_.IsHung(process, clock_.Now());
}

bool SimDesktop::Impl::Responds(HWND window) const {
  const SimWindow* target = tree_.Find(window);
  return target == nullptr || !hangs_.IsHung(target->process, clock_.Now());
}

bool SimDesktop::Impl::DeliverWoken() {
  const std::vector<HeldSend> woken = hangs_.TakeWoken(clock_.Now());
  for (const HeldSend& held : woken) DeliverHeld(held);
  return !woken.empty();
}

void SimDesktop::Impl::DeliverHeld(const HeldSend& held) {
  if (!IsWindow(held.window)) return;
  if ((held.message == LB_GETTEXT || held.message == CB_GETLBTEXT) && held.copy) {
    const UINT length_message = held.message == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
    const LRESULT length = SendMessage(held.window, length_message, held.wparam, 0);
    if (length < 0 || static_cast<std::size_t>(length) >= held.copy->size()) {
      held.copy->resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1);
    }
    SendMessage(held.window, held.message, held.wparam,
                reinterpret_cast<LPARAM>(held.copy->data()));
    return;
  }
  SendMessage(held.window, held.message, held.wparam, held.lparam);
}

bool SimDesktop::Impl::DeliverPosted(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsWindow(window)) return false;
  CallProcedure(window, message, wparam, lparam);
  return true;
}

// --- State, text and geometry -----------------------------------------------------------------

bool SimDesktop::Impl::ShowWindow(HWND window, int command) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  const bool was_visible = target->visible_flag();
  const bool show = command != SW_HIDE;
  if (show != was_visible) {
    SendMessage(window, WM_SHOWWINDOW, show ? 1 : 0, 0);
    target = tree_.Find(window);
    if (target == nullptr) return was_visible;
    target->style = show ? (target->style | WS_VISIBLE) : (target->style & ~WS_VISIBLE);
  }
  if (target->is_child()) return was_visible;
  if (!show || command == SW_MINIMIZE) {
    ActivateNext(window);
  } else if (ActivatesOnShow(command)) {
    Activate(window);
  }
  return was_visible;
}

bool SimDesktop::Impl::IsWindowVisible(HWND window) const {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  for (; target != nullptr; target = target->is_child() ? tree_.Find(target->parent) : nullptr) {
    if (!target->visible_flag()) return false;
  }
  return true;
}

bool SimDesktop::Impl::EnableWindow(HWND window, bool enable) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  const bool was_disabled = !target->enabled_flag();
  if (enable != was_disabled) return was_disabled;  // no change
  target->style = enable ? (target->style & ~WS_DISABLED) : (target->style | WS_DISABLED);
  // A disabled window cannot keep the keyboard focus.
  if (!enable && focus_ != kNoWindow && tree_.IsWithin(focus_, window)) {
    SetFocus(kNoWindow);
  }
  SendMessage(window, WM_ENABLE, enable ? 1 : 0, 0);
  return was_disabled;
}

bool SimDesktop::Impl::IsWindowEnabled(HWND window) const {
  const SimWindow* target = tree_.Find(window);
  return target != nullptr && target->enabled_flag();
}

// As on Windows: a window of the caller's own process is asked (WM_GETTEXT), another process's
// window answers with the caption it stores.
std::string SimDesktop::Impl::GetWindowText(DWORD caller, HWND window) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return {};
  if (target->process != caller) return target->caption;
  const LRESULT length =
      std::clamp<LRESULT>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0), 0, kLongestText);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessage(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

int SimDesktop::Impl::GetWindowTextLength(DWORD caller, HWND window) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return 0;
  if (target->process != caller) return static_cast<int>(target->caption.size());
  return static_cast<int>(
      std::clamp<LRESULT>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0), 0, kLongestText));
}

bool SimDesktop::Impl::SetWindowText(HWND window, std::string_view text) {
  if (!IsWindow(window)) return false;
  const std::string terminated(text);
  return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str())) != 0;
}

LONG_PTR SimDesktop::Impl::GetWindowLongPtr(HWND window, int index) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return 0;
  switch (index) {
    case GWLP_USERDATA:
      return target->user_data;
    case GWL_STYLE:
      // A LONG, as the 32-bit client sees it: WS_POPUP reads negative.
      return static_cast<LONG_PTR>(static_cast<std::int32_t>(target->style));
    case GWLP_ID:
      return target->control_id;
    default:
      return 0;
  }
}

LONG_PTR SimDesktop::Impl::SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return 0;
  const LONG_PTR previous = GetWindowLongPtr(window, index);
  switch (index) {
    case GWLP_USERDATA:
      target->user_data = value;
      break;
    case GWL_STYLE:
      target->style = static_cast<DWORD>(value);
      break;
    case GWLP_ID:
      target->control_id = static_cast<int>(value);
      break;
    default:
      return 0;
  }
  return previous;
}

int SimDesktop::Impl::SystemMetric(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return kScreenWidth;
    case SM_CYSCREEN:
      return kScreenHeight;
    case SM_CYCAPTION:
    case SM_CYMENU:
      return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    default:
      return 0;
  }
}

bool SimDesktop::Impl::GetWindowRect(HWND window, Rect& screen_rect) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  screen_rect = target->rect;
  for (const SimWindow* up = target->is_child() ? tree_.Find(target->parent) : nullptr;
       up != nullptr; up = up->is_child() ? tree_.Find(up->parent) : nullptr) {
    const Point origin = ClientOrigin(*up);
    const int across = up->rect.left + origin.x;
    const int down = up->rect.top + origin.y;
    screen_rect.left += across;
    screen_rect.right += across;
    screen_rect.top += down;
    screen_rect.bottom += down;
  }
  return true;
}

bool SimDesktop::Impl::ApplyRect(HWND window, const Rect& rect) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  const Rect old = target->rect;
  target->rect = rect;
  if (old.left != rect.left || old.top != rect.top) {
    SendMessage(window, WM_MOVE, 0, PackPoint(rect.left, rect.top));
  }
  if (old.width() != rect.width() || old.height() != rect.height()) {
    SendMessage(window, WM_SIZE, kSizeRestored, PackPoint(rect.width(), rect.height()));
  }
  return true;
}

bool SimDesktop::Impl::MoveWindow(HWND window, const Rect& rect) {
  return ApplyRect(window, rect);
}

bool SimDesktop::Impl::SetWindowPos(HWND window, HWND insert_after, int x, int y, int width,
                                    int height, UINT flags) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  if ((flags & SWP_NOZORDER) == 0) {
    if (insert_after == HWND_TOPMOST) {
      if (!target->is_child()) tree_.SetTopmost(window, true);
    } else if (insert_after == HWND_NOTOPMOST) {
      if (!target->is_child() && target->topmost) tree_.SetTopmost(window, false);
    } else if (insert_after == HWND_TOP) {
      tree_.BringToFront(window);
    } else if (insert_after == HWND_BOTTOM) {
      tree_.SendToBack(window);
    } else {
      tree_.PlaceBehind(window, insert_after);
    }
  }
  Rect rect = target->rect;
  if ((flags & SWP_NOMOVE) == 0) {
    rect = Rect{x, y, x + rect.width(), y + rect.height()};
  }
  if ((flags & SWP_NOSIZE) == 0) {
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
  }
  return ApplyRect(window, rect);
}

bool SimDesktop::Impl::IsTopmost(HWND window) {
  const SimWindow* target = tree_.Find(window);
  return target != nullptr && target->topmost;
}

bool SimDesktop::Impl::BringWindowToTop(HWND window) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  if (target->is_child()) {
    tree_.BringToFront(window);
  } else {
    Activate(window);
  }
  return true;
}

bool SimDesktop::Impl::SetForegroundWindow(HWND window) {
  const HWND root = tree_.RootOf(window);
  if (root == kNoWindow) return false;
  Activate(root);
  return true;
}

void SimDesktop::Impl::SendActivate(HWND window, WPARAM state, HWND other) {
  const SimWindow* target = tree_.Find(window);
  const SimWindow* other_window = tree_.Find(other);
  // As on Windows, the other window is named only when it belongs to the same program.
  const HWND named =
      (target != nullptr && other_window != nullptr && other_window->process == target->process)
          ? other
          : kNoWindow;
  SendMessage(window, WM_ACTIVATE, state, static_cast<LPARAM>(named));
}

void SimDesktop::Impl::Activate(HWND top_level) {
  const SimWindow* target = tree_.Find(top_level);
  if (target == nullptr || target->is_child()) return;
  tree_.BringToFront(top_level);
  // A popup menu shows without taking activation from its owner.
  if (target->class_key == kPopupMenuClass || active_ == top_level) return;
  const HWND previous = active_;
  active_ = top_level;
  if (previous != kNoWindow) SendActivate(previous, WA_INACTIVE, top_level);
  if (active_ == top_level) SendActivate(top_level, WA_ACTIVE, previous);
}

void SimDesktop::Impl::ActivateNext(HWND leaving) {
  if (active_ != leaving) return;
  const SimWindow* leaving_window = tree_.Find(leaving);
  if (leaving_window == nullptr) {
    active_ = kNoWindow;
    return;
  }
  const DWORD process = leaving_window->process;
  for (HWND candidate : tree_.TopLevels()) {
    const SimWindow* next = tree_.Find(candidate);
    if (next == nullptr || candidate == leaving || next->process != process) continue;
    if (!next->visible_flag() || next->destroying || next->class_key == kPopupMenuClass) continue;
    if (tree_.IsWithin(candidate, leaving)) continue;  // owned by the leaving window
    Activate(candidate);
    return;
  }
  active_ = kNoWindow;
  SendActivate(leaving, WA_INACTIVE, kNoWindow);
}

HWND SimDesktop::Impl::SetFocus(HWND window) {
  if (window != kNoWindow && !IsWindow(window)) return kNoWindow;
  const HWND previous = focus_;
  if (window == previous) return previous;
  focus_ = window;
  if (IsWindow(previous)) SendMessage(previous, WM_KILLFOCUS, window, 0);
  if (window != kNoWindow && focus_ == window) {
    SendMessage(window, WM_SETFOCUS, previous, 0);
  }
  return previous;
}

// Windows answers the focus only to the program that has it.
HWND SimDesktop::Impl::GetFocus(DWORD caller) const {
  const SimWindow* target = tree_.Find(focus_);
  return (target != nullptr && target->process == caller) ? focus_ : kNoWindow;
}

bool SimDesktop::Impl::SetCursorPos(int x, int y) {
  cursor_ = Point{std::clamp(x, 0, kScreenWidth - 1), std::clamp(y, 0, kScreenHeight - 1)};
  return true;
}

DWORD SimDesktop::Impl::GetWindowThreadProcessId(HWND window, DWORD* process_id) {
  const SimWindow* target = tree_.Find(window);
  if (process_id != nullptr) *process_id = target == nullptr ? 0 : target->process;
  // Each process has one thread; its id is never one of a process.
  return target == nullptr ? 0 : target->process + 2;
}

// --- Menus, timers, clipboard -------------------------------------------------------------------

HMENU SimDesktop::Impl::GetMenu(HWND window) {
  const SimWindow* target = tree_.Find(window);
  return (target == nullptr || target->is_child()) ? 0 : target->menu;
}

bool SimDesktop::Impl::SetMenu(HWND window, HMENU menu) {
  SimWindow* target = tree_.Find(window);
  if (target == nullptr || target->is_child()) return false;
  if (menu != 0 && menus_.Find(menu) == nullptr) return false;
  target->menu = menu;
  return true;
}

std::uintptr_t SimDesktop::Impl::SetTimer(DWORD caller, HWND window, std::uintptr_t id,
                                          UINT milliseconds) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return 0;
  if (caller != SystemProcessId() && caller != target->process) return 0;
  loop_.SetTimer(window, id, milliseconds);
  return id == 0 ? 1 : id;
}

bool SimDesktop::Impl::KillTimer(DWORD caller, HWND window, std::uintptr_t id) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return false;
  if (caller != SystemProcessId() && caller != target->process) return false;
  return loop_.KillTimer(window, id);
}

bool SimDesktop::Impl::SetClipboardText(std::string_view text) {
  clipboard_ = std::string(text);
  return true;
}

// --- Input --------------------------------------------------------------------------------------

InputResult SimDesktop::Impl::CanTakeInput(HWND window) {
  const SimWindow* target = tree_.Find(window);
  if (target == nullptr) return InputResult::kNoWindow;
  for (const SimWindow* up = target; up != nullptr;
       up = up->is_child() ? tree_.Find(up->parent) : nullptr) {
    if (!up->enabled_flag()) return InputResult::kDisabled;
  }
  if (!IsWindowVisible(window)) return InputResult::kHidden;
  const ModalInfo* modal =
      modals_.NewestOf(target->process, [this](HWND handle) { return IsWindow(handle); });
  if (modal != nullptr && !tree_.IsWithin(window, modal->window)) return InputResult::kUnderModal;
  return InputResult::kDelivered;
}

// --- Popup menus --------------------------------------------------------------------------------

void SimDesktop::Impl::RegisterPopup(HWND window, PopupMenuHandler* handler) {
  popups_[window] = handler;
}

void SimDesktop::Impl::UnregisterPopup(HWND window) {
  popups_.erase(window);
}

PopupMenuHandler* SimDesktop::Impl::PopupOf(HWND window) const {
  const auto found = popups_.find(window);
  return found == popups_.end() ? nullptr : found->second;
}

std::vector<HWND> SimDesktop::Impl::Children(HWND parent) const {
  const SimWindow* target = tree_.Find(parent);
  return target == nullptr ? std::vector<HWND>{} : target->children;
}

}  // namespace winsys::sim
