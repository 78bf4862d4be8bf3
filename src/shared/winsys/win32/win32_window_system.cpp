#include "shared/winsys/win32/win32_window_system.h"

// The seam's names are declared above; the platform's macros of the same names are undone below
// so that the methods keep their names and the platform is called by its explicit ANSI names.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#undef RegisterClass
#undef CreateWindow
#undef FindWindow
#undef FindWindowEx
#undef GetClassName
#undef SendMessage
#undef PostMessage
#undef GetWindowText
#undef GetWindowTextLength
#undef SetWindowText
#undef GetWindowLongPtr
#undef SetWindowLongPtr
#undef DefWindowProc
#undef AppendMenu
#undef ModifyMenu
#undef GetMenuString
#undef MessageBox

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cwchar>
#include <string>

#include "shared/winsys/win32/dialog_template.h"
#include "shared/winsys/win32/handles.h"

namespace winsys::win32 {
namespace {

constexpr const char* kOwnerProperty = "tollmere.window_system";
constexpr std::uint32_t kCreationMagic = 0x746f6c6c;
// Extra window bytes of every class registered here: enough for the standard controls, whose
// procedures keep their state there when a class of ours wraps them.
constexpr int kClassWindowExtra = 64;
constexpr UINT kFirstMdiChildId = 0xFF00;
constexpr std::size_t kArenaBytes = 1 << 20;
constexpr std::uintptr_t kLowMemoryCeiling = 0xFFFFFFFFu;
// Ends one DoEvents round (a thread message, never dispatched to a window).
constexpr UINT kRoundEndMessage = WM_APP + 0x3FF0;
// The caret's blink timer (WM_SYSTIMER), which the platform's headers do not name.
constexpr UINT kSystemTimerMessage = 0x0118;
// Input, or a timer or paint that keeps coming back, is served this many times in one round at
// most.
constexpr int kLongestProducedRun = 64;
// Room beyond an item's length (twice it, and this) for an item of another program's list that
// grows between its length and its text.
constexpr std::size_t kItemTextSpare = 4096;
// The program's icon among its resources (1 ICON in the program's resource script).
constexpr WORD kProgramIconResource = 1;
// Lengths told of other programs' items, remembered at most: a reader asks an item's length just
// before its text, so forgetting them all now and then loses nothing a reader still needs.
constexpr std::size_t kToldLengthsKept = 4096;

// The list messages whose text another program is asked for in wide characters (a text message
// with no buffer is sent as it is).
bool IsItemMessage(UINT message, LPARAM lparam) {
  if (message == LB_GETTEXTLEN || message == CB_GETLBTEXTLEN) return true;
  return (message == LB_GETTEXT || message == CB_GETLBTEXT) && lparam != 0;
}

// The program's own icon at the size the system shows for the metrics given (a window's caption
// and the task bar take the small one, Alt+Tab the large one); none in a program without it, which
// then shows the system's.
std::uintptr_t LoadProgramIcon(int width_metric, int height_metric) {
  return reinterpret_cast<std::uintptr_t>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconResource), IMAGE_ICON,
                   ::GetSystemMetrics(width_metric), ::GetSystemMetrics(height_metric), 0));
}

// What CreateWindow passes with the window, so that its first message can bind it.
struct CreationRecord {
  std::uint32_t magic = kCreationMagic;
  Win32WindowSystem* owner = nullptr;
  const CreateParams* params = nullptr;
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string ClassKeyOf(::HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof name);
  return Lower(name);
}

Win32WindowSystem* OwnerOnFirstMessage(::HWND window, ::UINT message, ::LPARAM lparam) {
  if (message != WM_NCCREATE || lparam == 0) return nullptr;
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
  const auto* record = static_cast<const CreationRecord*>(create->lpCreateParams);
  if (record == nullptr || record->magic != kCreationMagic) return nullptr;
  ::SetPropA(window, kOwnerProperty, record->owner);
  record->owner->BindWindow(ToSeam(window), ClassKeyOf(window));
  return record->owner;
}

// The one platform procedure of every class and subclassed window of this process.
::LRESULT CALLBACK WindowProcedure(::HWND window, ::UINT message, ::WPARAM wparam,
                                   ::LPARAM lparam) {
  auto* self = static_cast<Win32WindowSystem*>(::GetPropA(window, kOwnerProperty));
  if (self == nullptr) self = OwnerOnFirstMessage(window, message, lparam);
  if (self == nullptr) return ::DefWindowProcA(window, message, wparam, lparam);
  const HWND handle = ToSeam(window);
  const std::shared_ptr<const WindowProc> procedure = self->ProcedureOf(handle);
  if (!procedure || !*procedure) return ::DefWindowProcA(window, message, wparam, lparam);

  // The program's windows, and through their parents its controls, show its pointer shape.
  if (message == WM_SETCURSOR && self->GetPointerShape() == PointerShape::kBusy) {
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    return TRUE;
  }
  LPARAM seam_lparam = lparam;
  if (message == WM_CREATE && lparam != 0) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    const auto* record = static_cast<const CreationRecord*>(create->lpCreateParams);
    if (record != nullptr && record->magic == kCreationMagic) {
      seam_lparam = reinterpret_cast<LPARAM>(record->params);
    }
    self->NoteCreating(handle, lparam);
  }
  const LRESULT result = (*procedure)(handle, message, wparam, seam_lparam);
  if (message == WM_CREATE) self->DoneCreating(handle);
  if (message == WM_NCDESTROY) {
    ::RemovePropA(window, kOwnerProperty);
    self->ForgetWindow(handle);
  }
  return result;
}

const char* OrNull(const char* text) {
  return text;
}

// The dialog font of the forms' design: 8-point MS Sans Serif, which every Windows from XP to 11
// has. Where the face is missing (the platform would quietly put another in its place), the
// system's message font, the one its own dialogs use today.
::HFONT MakeDialogFont() {
  constexpr int kDesignPoints = 8;
  constexpr const char* kDesignFace = "MS Sans Serif";
  ::HDC screen = ::GetDC(nullptr);
  const int height = -::MulDiv(kDesignPoints, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::HFONT font = ::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, kDesignFace);
  char face[LF_FACESIZE] = {};
  if (font != nullptr) {
    const ::HGDIOBJ previous = ::SelectObject(screen, font);
    ::GetTextFaceA(screen, LF_FACESIZE, face);
    ::SelectObject(screen, previous);
  }
  ::ReleaseDC(nullptr, screen);
  if (font != nullptr && ::lstrcmpiA(face, kDesignFace) == 0) return font;
  if (font != nullptr) ::DeleteObject(font);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return ::CreateFontIndirectA(&metrics.lfMessageFont);
  }
  return static_cast<::HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(Win32Options options)
    : options_(options),
      dialog_font_(reinterpret_cast<std::uintptr_t>(MakeDialogFont())),
      large_icon_(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      small_icon_(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)) {}

// As on the simulated desktop, windows still open when this view goes get no more calls into
// procedures whose objects may be gone: they are unbound first, then destroyed.
Win32WindowSystem::~Win32WindowSystem() {
  std::vector<HWND> open;
  for (const auto& [window, procedure] : windows_) open.push_back(window);
  windows_.clear();
  for (HWND window : open) {
    if (::IsWindow(ToReal(window))) ::DestroyWindow(ToReal(window));
  }
  for (const std::string& name : class_names_) {
    ::UnregisterClassA(name.c_str(), ::GetModuleHandleA(nullptr));
  }
  for (const Arena& arena : arenas_) {
    ::VirtualFree(reinterpret_cast<void*>(static_cast<std::uintptr_t>(arena.base)), 0, MEM_RELEASE);
  }
  ::DeleteObject(reinterpret_cast<::HGDIOBJ>(dialog_font_));
  for (const std::uintptr_t icon : {large_icon_, small_icon_}) {
    if (icon != 0) ::DestroyIcon(reinterpret_cast<HICON>(icon));
  }
}

// --- Binding windows to their procedures --------------------------------------------------------

std::shared_ptr<const WindowProc> Win32WindowSystem::ProcedureOf(HWND window) {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second;
}

void Win32WindowSystem::BindWindow(HWND window, const std::string& class_key) {
  const auto found = classes_.find(class_key);
  if (found != classes_.end()) windows_[window] = found->second;
}

void Win32WindowSystem::ForgetWindow(HWND window) {
  windows_.erase(window);
  creating_.erase(window);
}

void Win32WindowSystem::NoteCreating(HWND window, LPARAM create_struct) {
  creating_[window] = create_struct;
}

LPARAM Win32WindowSystem::CreatingRecord(HWND window) const {
  const auto found = creating_.find(window);
  return found == creating_.end() ? 0 : found->second;
}

void Win32WindowSystem::DoneCreating(HWND window) {
  creating_.erase(window);
}

WindowProc Win32WindowSystem::WrapPlatformProcedure(std::uintptr_t procedure) {
  const auto platform = reinterpret_cast<WNDPROC>(procedure);
  return [this, platform](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    // The platform's procedure reads its own creation record, not the seam's.
    if (message == WM_CREATE) {
      const LPARAM record = CreatingRecord(window);
      if (record != 0) lparam = record;
    }
    return ::CallWindowProcA(platform, ToReal(window), message, wparam, lparam);
  };
}

// --- Classes and windows ---------------------------------------------------------------------

bool Win32WindowSystem::RegisterClass(std::string_view class_name, WindowProc procedure) {
  const std::string name(class_name);
  const std::string key = Lower(name);
  if (OwnClass(key) || !procedure) return false;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.cbWndExtra = kClassWindowExtra;
  window_class.hInstance = ::GetModuleHandleA(nullptr);
  window_class.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.hIcon = reinterpret_cast<HICON>(large_icon_);
  window_class.hIconSm = reinterpret_cast<HICON>(small_icon_);
  window_class.lpszClassName = name.c_str();
  if (::RegisterClassExA(&window_class) == 0) return false;
  classes_[key] = std::make_shared<const WindowProc>(std::move(procedure));
  class_names_.push_back(name);
  return true;
}

WindowProc Win32WindowSystem::ClassProcedure(std::string_view class_name) {
  const std::string name(class_name);
  const auto own = classes_.find(Lower(name));
  if (own != classes_.end()) return *own->second;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  if (!::GetClassInfoExA(nullptr, name.c_str(), &window_class) &&
      !::GetClassInfoExA(::GetModuleHandleA(nullptr), name.c_str(), &window_class)) {
    return {};
  }
  return WrapPlatformProcedure(reinterpret_cast<std::uintptr_t>(window_class.lpfnWndProc));
}

LRESULT Win32WindowSystem::DefWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcA(ToReal(window), message, wparam, lparam);
}

WindowProc Win32WindowSystem::SubclassWindow(HWND window, WindowProc procedure) {
  const ::HWND real = ToReal(window);
  if (!::IsWindow(real) || !procedure || IsOtherProcessWindow(window)) return {};
  WindowProc previous;
  if (const auto bound = ProcedureOf(window)) {
    previous = *bound;
  } else {
    const auto platform = static_cast<std::uintptr_t>(::GetWindowLongPtrA(real, GWLP_WNDPROC));
    previous = WrapPlatformProcedure(platform);
    ::SetPropA(real, kOwnerProperty, this);
    ::SetWindowLongPtrA(real, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProcedure));
  }
  windows_[window] = std::make_shared<const WindowProc>(std::move(procedure));
  return previous;
}

HWND Win32WindowSystem::CreateWindow(const CreateParams& params) {
  const std::string key = Lower(params.class_name);
  const bool child = (params.style & WS_CHILD) != 0;
  CreationRecord record;
  record.owner = this;
  record.params = &params;
  CLIENTCREATESTRUCT mdi_client{nullptr, kFirstMdiChildId};
  void* creation_data = nullptr;
  if (OwnClass(key)) {
    creation_data = &record;
  } else if (key == "mdiclient") {
    creation_data = &mdi_client;
  }
  const ::HWND parent = ToReal(params.parent);
  const auto menu_or_id =
      child ? reinterpret_cast<::HMENU>(static_cast<std::intptr_t>(params.control_id))
            : ToRealMenu(params.menu);
  const ::HWND created = ::CreateWindowExA(0, params.class_name.c_str(), params.caption.c_str(),
                                           params.style, params.rect.left, params.rect.top,
                                           params.rect.width(), params.rect.height(), parent,
                                           menu_or_id, ::GetModuleHandleA(nullptr), creation_data);
  if (created == nullptr) return kNoWindow;
  // Left alone, a control draws in the bold System font, wider than the designs allow for.
  ::SendMessageA(created, WM_SETFONT, static_cast<::WPARAM>(dialog_font_), FALSE);
  // A window of another program's MDI area comes up in front of its siblings, as MDI children do.
  if (child && ClassKeyOf(parent) == "mdiclient") {
    ::SetWindowPos(created, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return ToSeam(created);
}

bool Win32WindowSystem::DestroyWindow(HWND window) {
  return ::DestroyWindow(ToReal(window));
}

bool Win32WindowSystem::IsWindow(HWND window) {
  return window != kNoWindow && ::IsWindow(ToReal(window));
}

HWND Win32WindowSystem::FindWindow(const char* class_name, const char* caption) {
  return ToSeam(::FindWindowA(OrNull(class_name), OrNull(caption)));
}

HWND Win32WindowSystem::FindWindowEx(HWND parent, HWND child_after, const char* class_name,
                                     const char* caption) {
  return ToSeam(::FindWindowExA(ToReal(parent), ToReal(child_after), class_name, caption));
}

HWND Win32WindowSystem::GetWindow(HWND window, UINT relation) {
  return ToSeam(::GetWindow(ToReal(window), relation));
}

HWND Win32WindowSystem::GetParent(HWND window) {
  return ToSeam(::GetParent(ToReal(window)));
}

std::string Win32WindowSystem::GetClassName(HWND window) {
  char name[256] = {};
  const int length = ::GetClassNameA(ToReal(window), name, sizeof name);
  return std::string(name, static_cast<std::size_t>(std::max(length, 0)));
}

int Win32WindowSystem::GetDlgCtrlID(HWND window) {
  return ::GetDlgCtrlID(ToReal(window));
}

HWND Win32WindowSystem::GetDlgItem(HWND parent, int control_id) {
  return ToSeam(::GetDlgItem(ToReal(parent), control_id));
}

// --- Messages ------------------------------------------------------------------------------

bool Win32WindowSystem::IsOtherProcessWindow(HWND window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(ToReal(window), reinterpret_cast<::DWORD*>(&process));
  return process != ::GetCurrentProcessId();
}

LRESULT Win32WindowSystem::SendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsWindow(window)) return 0;
  if (!IsOtherProcessWindow(window)) {
    return ::SendMessageA(ToReal(window), message, wparam, lparam);
  }
  // A plain send reads no answer as 0, and an item's text as no item.
  if (IsItemMessage(message, lparam)) {
    const bool text = message == LB_GETTEXT || message == CB_GETLBTEXT;
    return SendItemMessageAcross(window, message, wparam, lparam).value_or(text ? LB_ERR : 0);
  }
  return SendBounded(window, message, wparam, lparam, Characters::kAnsi).value_or(0);
}

std::optional<LRESULT> Win32WindowSystem::SendMessageAnswered(HWND window, UINT message,
                                                              WPARAM wparam, LPARAM lparam) {
  if (!IsWindow(window)) return std::nullopt;
  if (!IsOtherProcessWindow(window)) return ::SendMessageA(ToReal(window), message, wparam, lparam);
  if (IsItemMessage(message, lparam)) return SendItemMessageAcross(window, message, wparam, lparam);
  return SendBounded(window, message, wparam, lparam, Characters::kAnsi);
}

// Another program's list items are read through the conversion below: sent as they are, the
// platform copies a derived list's wide characters past the end of the caller's buffer.
std::optional<LRESULT> Win32WindowSystem::SendItemMessageAcross(HWND window, UINT message,
                                                                WPARAM wparam, LPARAM lparam) {
  if (message == LB_GETTEXT) {
    return GetItemTextAcross(window, LB_GETTEXTLEN, LB_GETTEXT, wparam, lparam);
  }
  if (message == CB_GETLBTEXT) {
    return GetItemTextAcross(window, CB_GETLBTEXTLEN, CB_GETLBTEXT, wparam, lparam);
  }
  return GetItemLengthAcross(window, message, wparam);
}

// Another program may be hung or slow: the answer is waited for only so long.
std::optional<LRESULT> Win32WindowSystem::SendBounded(HWND window, UINT message, WPARAM wparam,
                                                      LPARAM lparam, Characters characters) {
  DWORD_PTR result = 0;
  const UINT flags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
  const UINT timeout = options_.cross_process_timeout_ms;
  const LRESULT answered =
      characters == Characters::kWide
          ? ::SendMessageTimeoutW(ToReal(window), message, wparam, lparam, flags, timeout, &result)
          : ::SendMessageTimeoutA(ToReal(window), message, wparam, lparam, flags, timeout, &result);
  if (answered == 0) return std::nullopt;
  return static_cast<LRESULT>(result);
}

// An item's text in another program's list, into a buffer the caller sized from the item's
// length (the platform's contract). Asked in ANSI, the platform converts the answer only when it
// recognises the window as one of its own list boxes: for a class derived from one, as the
// client's lists are, it copies the wide characters unconverted, twice the promised bytes, past
// the end of the caller's buffer. So the text is asked in wide characters into a buffer of ours
// and converted here.
//
// The other program's list lives on between the caller's length and the text, and between each
// of the messages here: an item may grow at any moment. The caller's buffer holds the length the
// caller was last told for that item (kept as it went by) and never more is written to it; the
// item's own length is the bound only for a caller that never asked. The platform gives the text
// message no size at all, so the buffer of ours is sized from a length asked last, with room to
// spare for an item that grows meanwhile; an answer that would not have fitted is refused.
std::optional<LRESULT> Win32WindowSystem::GetItemTextAcross(HWND window, UINT length_message,
                                                            UINT text_message, WPARAM item,
                                                            LPARAM buffer) {
  const std::optional<LRESULT> ansi_answer =
      SendBounded(window, length_message, item, 0, Characters::kAnsi);
  const std::optional<LRESULT> wide_answer =
      SendBounded(window, length_message, item, 0, Characters::kWide);
  if (!ansi_answer || !wide_answer) return std::nullopt;
  const LRESULT ansi_length = *ansi_answer;
  const LRESULT wide_length = *wide_answer;
  if (ansi_length < 0 || wide_length < 0) return LB_ERR;
  const auto told = told_lengths_.find(ItemKey{window, length_message, item});
  const auto caller_room = static_cast<std::size_t>(
      told == told_lengths_.end() ? ansi_length : std::min(told->second, ansi_length));
  const std::size_t capacity = static_cast<std::size_t>(wide_length) * 2 + kItemTextSpare + 1;
  std::wstring wide(capacity, L'\0');
  const std::optional<LRESULT> answer = SendBounded(
      window, text_message, item, reinterpret_cast<LPARAM>(wide.data()), Characters::kWide);
  if (!answer) return std::nullopt;
  const LRESULT copied = *answer;
  if (copied < 0 || static_cast<std::size_t>(copied) >= capacity) return LB_ERR;
  wide.resize(std::min(std::wcslen(wide.c_str()), static_cast<std::size_t>(copied)));
  const int wide_size = static_cast<int>(wide.size());
  const int needed =
      ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(std::max(needed, 0)), '\0');
  const int converted = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_size, ansi.data(),
                                              needed, nullptr, nullptr);
  const auto kept = std::min(static_cast<std::size_t>(std::max(converted, 0)), caller_room);
  std::memcpy(reinterpret_cast<char*>(buffer), ansi.data(), kept);
  reinterpret_cast<char*>(buffer)[kept] = '\0';
  return static_cast<LRESULT>(kept);
}

// The length another program's list told the caller for an item: the size of the buffer the
// caller then makes for its text.
std::optional<LRESULT> Win32WindowSystem::GetItemLengthAcross(HWND window, UINT length_message,
                                                              WPARAM item) {
  const std::optional<LRESULT> length =
      SendBounded(window, length_message, item, 0, Characters::kAnsi);
  const ItemKey key{window, length_message, item};
  if (told_lengths_.size() >= kToldLengthsKept) told_lengths_.clear();
  if (length && *length >= 0) {
    told_lengths_[key] = *length;
  } else {
    told_lengths_.erase(key);
  }
  return length;
}

bool Win32WindowSystem::PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsWindow(window)) return false;
  return ::PostMessageA(ToReal(window), message, wparam, lparam);
}

// --- State, text and geometry ------------------------------------------------------------------

bool Win32WindowSystem::ShowWindow(HWND window, int command) {
  return ::ShowWindow(ToReal(window), command);
}

bool Win32WindowSystem::IsWindowVisible(HWND window) {
  return ::IsWindowVisible(ToReal(window));
}

bool Win32WindowSystem::EnableWindow(HWND window, bool enable) {
  return ::EnableWindow(ToReal(window), enable);
}

bool Win32WindowSystem::IsWindowEnabled(HWND window) {
  return ::IsWindowEnabled(ToReal(window));
}

std::string Win32WindowSystem::GetWindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(ToReal(window));
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(ToReal(window), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

int Win32WindowSystem::GetWindowTextLength(HWND window) {
  return ::GetWindowTextLengthA(ToReal(window));
}

bool Win32WindowSystem::SetWindowText(HWND window, std::string_view text) {
  const std::string copy(text);
  return ::SetWindowTextA(ToReal(window), copy.c_str());
}

LONG_PTR Win32WindowSystem::GetWindowLongPtr(HWND window, int index) {
  return static_cast<LONG_PTR>(::GetWindowLongPtrA(ToReal(window), index));
}

LONG_PTR Win32WindowSystem::SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
  return static_cast<LONG_PTR>(::SetWindowLongPtrA(ToReal(window), index, value));
}

bool Win32WindowSystem::GetWindowRect(HWND window, Rect& screen_rect) {
  RECT rect;
  if (!::GetWindowRect(ToReal(window), &rect)) return false;
  screen_rect = Rect{rect.left, rect.top, rect.right, rect.bottom};
  return true;
}

bool Win32WindowSystem::MoveWindow(HWND window, const Rect& rect) {
  return ::MoveWindow(ToReal(window), rect.left, rect.top, rect.width(), rect.height(), TRUE);
}

bool Win32WindowSystem::SetWindowPos(HWND window, HWND insert_after, int x, int y, int width,
                                     int height, UINT flags) {
  return ::SetWindowPos(ToReal(window), ToReal(insert_after), x, y, width, height, flags);
}

bool Win32WindowSystem::IsTopmost(HWND window) {
  return (::GetWindowLongA(ToReal(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool Win32WindowSystem::BringWindowToTop(HWND window) {
  return ::BringWindowToTop(ToReal(window));
}

bool Win32WindowSystem::SetForegroundWindow(HWND window) {
  return ::SetForegroundWindow(ToReal(window));
}

HWND Win32WindowSystem::GetForegroundWindow() {
  return ToSeam(::GetForegroundWindow());
}

HWND Win32WindowSystem::SetFocus(HWND window) {
  return ToSeam(::SetFocus(ToReal(window)));
}

HWND Win32WindowSystem::GetFocus() {
  return ToSeam(::GetFocus());
}

// --- Cursor and screen -----------------------------------------------------------------------

Point Win32WindowSystem::GetCursorPos() {
  POINT point{0, 0};
  ::GetCursorPos(&point);
  return Point{point.x, point.y};
}

bool Win32WindowSystem::SetCursorPos(int x, int y) {
  return ::SetCursorPos(x, y);
}

// Shown at once, not only when the mouse next moves.
void Win32WindowSystem::SetPointerShape(PointerShape shape) {
  pointer_shape_ = shape;
  const LPCSTR cursor =
      reinterpret_cast<LPCSTR>(shape == PointerShape::kBusy ? IDC_WAIT : IDC_ARROW);
  ::SetCursor(::LoadCursorA(nullptr, cursor));
}

int Win32WindowSystem::GetSystemMetrics(int index) {
  return ::GetSystemMetrics(index);
}

// --- Processes --------------------------------------------------------------------------------

DWORD Win32WindowSystem::GetWindowThreadProcessId(HWND window, DWORD* process_id) {
  ::DWORD process = 0;
  const ::DWORD thread = ::GetWindowThreadProcessId(ToReal(window), &process);
  if (process_id != nullptr) *process_id = process;
  return thread;
}

DWORD Win32WindowSystem::GetCurrentProcessId() {
  return ::GetCurrentProcessId();
}

HANDLE Win32WindowSystem::OpenProcess(DWORD access, bool inherit, DWORD process_id) {
  return ToSeamHandle(::OpenProcess(access, inherit, process_id));
}

bool Win32WindowSystem::ReadProcessMemory(HANDLE process, std::uint32_t address, void* buffer,
                                          std::size_t size, std::size_t* bytes_read) {
  SIZE_T read = 0;
  const bool complete =
      ::ReadProcessMemory(ToRealHandle(process),
                          reinterpret_cast<LPCVOID>(static_cast<std::uintptr_t>(address)), buffer,
                          size, &read) &&
      read == size;
  if (bytes_read != nullptr) *bytes_read = complete ? read : 0;
  return complete;
}

bool Win32WindowSystem::CloseHandle(HANDLE handle) {
  return ::CloseHandle(ToRealHandle(handle));
}

// Records are handed out from arenas below 4 GB, since the addresses the other program reads are
// 4 bytes wide; a 64-bit build asks for such places explicitly.
std::uint32_t Win32WindowSystem::AllocateMemory(std::size_t size) {
  const std::size_t rounded = (std::max<std::size_t>(size, 1) + 7) & ~std::size_t{7};
  for (Arena& arena : arenas_) {
    if (arena.size - arena.used >= rounded) {
      const std::uint32_t address = arena.base + static_cast<std::uint32_t>(arena.used);
      arena.used += rounded;
      return address;
    }
  }
  const std::size_t arena_size = std::max(kArenaBytes, rounded);
  void* place = ::VirtualAlloc(nullptr, arena_size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (place != nullptr &&
      reinterpret_cast<std::uintptr_t>(place) + arena_size > kLowMemoryCeiling) {
    ::VirtualFree(place, 0, MEM_RELEASE);
    place = nullptr;
    for (std::uintptr_t hint = 0x10000000; hint + arena_size < kLowMemoryCeiling && !place;
         hint += 0x01000000) {
      place = ::VirtualAlloc(reinterpret_cast<void*>(hint), arena_size, MEM_RESERVE | MEM_COMMIT,
                             PAGE_READWRITE);
    }
  }
  if (place == nullptr) return 0;
  Arena arena;
  arena.base = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(place));
  arena.size = arena_size;
  arena.used = rounded;
  arenas_.push_back(arena);
  return arena.base;
}

bool Win32WindowSystem::WriteMemory(std::uint32_t address, const void* data, std::size_t size) {
  for (const Arena& arena : arenas_) {
    if (address >= arena.base && address - arena.base + size <= arena.used) {
      std::memcpy(reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)), data, size);
      return true;
    }
  }
  return false;
}

// --- Menus ------------------------------------------------------------------------------------

HMENU Win32WindowSystem::CreateMenu() {
  return ToSeamMenu(::CreateMenu());
}

HMENU Win32WindowSystem::CreatePopupMenu() {
  return ToSeamMenu(::CreatePopupMenu());
}

bool Win32WindowSystem::DestroyMenu(HMENU menu) {
  return ::DestroyMenu(ToRealMenu(menu));
}

namespace {

// A submenu's handle travels as a seam number; the platform wants the real one.
UINT_PTR MenuItemArgument(UINT flags, std::uintptr_t item) {
  if ((flags & MF_POPUP) != 0) {
    return reinterpret_cast<UINT_PTR>(ToRealMenu(static_cast<HMENU>(item)));
  }
  return item;
}

}  // namespace

bool Win32WindowSystem::AppendMenu(HMENU menu, UINT flags, std::uintptr_t item,
                                   std::string_view text) {
  const std::string copy(text);
  const char* label = (flags & MF_SEPARATOR) != 0 ? nullptr : copy.c_str();
  return ::AppendMenuA(ToRealMenu(menu), flags, MenuItemArgument(flags, item), label);
}

bool Win32WindowSystem::ModifyMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t item,
                                   std::string_view text) {
  const std::string copy(text);
  const char* label = (flags & MF_SEPARATOR) != 0 ? nullptr : copy.c_str();
  return ::ModifyMenuA(ToRealMenu(menu), position, flags, MenuItemArgument(flags, item), label);
}

DWORD Win32WindowSystem::CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  return ::CheckMenuItem(ToRealMenu(menu), item, flags);
}

bool Win32WindowSystem::EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  return ::EnableMenuItem(ToRealMenu(menu), item, flags) != -1;
}

UINT Win32WindowSystem::GetMenuState(HMENU menu, UINT item, UINT flags) {
  return ::GetMenuState(ToRealMenu(menu), item, flags);
}

HMENU Win32WindowSystem::GetMenu(HWND window) {
  return ToSeamMenu(::GetMenu(ToReal(window)));
}

bool Win32WindowSystem::SetMenu(HWND window, HMENU menu) {
  const bool set = ::SetMenu(ToReal(window), ToRealMenu(menu));
  if (set) ::DrawMenuBar(ToReal(window));
  return set;
}

HMENU Win32WindowSystem::GetSubMenu(HMENU menu, int position) {
  return ToSeamMenu(::GetSubMenu(ToRealMenu(menu), position));
}

int Win32WindowSystem::GetMenuItemCount(HMENU menu) {
  return ::GetMenuItemCount(ToRealMenu(menu));
}

UINT Win32WindowSystem::GetMenuItemID(HMENU menu, int position) {
  return ::GetMenuItemID(ToRealMenu(menu), position);
}

std::string Win32WindowSystem::GetMenuString(HMENU menu, UINT item, int max_chars, UINT flags) {
  if (max_chars <= 0) return {};
  std::string text(static_cast<std::size_t>(max_chars), '\0');
  const int copied = ::GetMenuStringA(ToRealMenu(menu), item, text.data(), max_chars, flags);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

int Win32WindowSystem::TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
  return ::TrackPopupMenu(ToRealMenu(menu), flags, x, y, 0, ToReal(owner), nullptr);
}

// --- Timers -----------------------------------------------------------------------------------

// A timer always belongs to a window here: the platform would make a thread timer for window 0.
std::uintptr_t Win32WindowSystem::SetTimer(HWND window, std::uintptr_t id, UINT milliseconds) {
  if (!IsWindow(window)) return 0;
  return ::SetTimer(ToReal(window), id, milliseconds, nullptr);
}

bool Win32WindowSystem::KillTimer(HWND window, std::uintptr_t id) {
  return ::KillTimer(ToReal(window), id);
}

// --- Clipboard --------------------------------------------------------------------------------

bool Win32WindowSystem::SetClipboardText(std::string_view text) {
  if (!::OpenClipboard(nullptr)) return false;
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool stored = false;
  if (memory != nullptr) {
    char* bytes = static_cast<char*>(::GlobalLock(memory));
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    ::GlobalUnlock(memory);
    stored = ::SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!stored) ::GlobalFree(memory);
  }
  ::CloseClipboard();
  return stored;
}

std::optional<std::string> Win32WindowSystem::GetClipboardText() {
  if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> text;
  if (HGLOBAL memory = ::GetClipboardData(CF_TEXT); memory != nullptr) {
    if (const char* bytes = static_cast<const char*>(::GlobalLock(memory))) {
      text = std::string(bytes);
      ::GlobalUnlock(memory);
    }
  }
  ::CloseClipboard();
  return text;
}

// --- Modal dialogs ------------------------------------------------------------------------------

int Win32WindowSystem::MessageBox(HWND owner, std::string_view text, std::string_view caption,
                                  UINT type) {
  const std::string text_copy(text);
  const std::string caption_copy(caption);
  return ::MessageBoxA(ToReal(owner), text_copy.c_str(), caption_copy.c_str(), type);
}

std::string Win32WindowSystem::InputBox(HWND owner, std::string_view prompt, std::string_view title,
                                        std::string_view default_text) {
  return RunInputDialog(ToReal(owner), prompt, title, default_text);
}

std::string Win32WindowSystem::FileDialog(HWND owner, FileDialogKind kind,
                                          const FileDialogSpec& request) {
  std::string filter = request.filter_text;
  filter.push_back('\0');
  filter += request.filter_pattern;
  filter.push_back('\0');
  filter.push_back('\0');
  std::string path(MAX_PATH, '\0');
  std::memcpy(path.data(), request.initial_name.data(),
              std::min<std::size_t>(request.initial_name.size(), MAX_PATH - 1));
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ToReal(owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  dialog.lpstrDefExt =
      request.default_extension.empty() ? nullptr : request.default_extension.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  bool chosen = false;
  if (kind == FileDialogKind::kOpen) {
    dialog.Flags |= OFN_FILEMUSTEXIST;
    chosen = ::GetOpenFileNameA(&dialog);
  } else {
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    chosen = ::GetSaveFileNameA(&dialog);
  }
  if (!chosen) return {};
  path.resize(std::strlen(path.c_str()));
  return path;
}

// --- Message loop and time --------------------------------------------------------------------

// Dispatches what was waiting when it was called, as the simulated desktop does: a marker posted
// first ends the round, so a message posted meanwhile waits for the next DoEvents. The keyboard
// and the mouse come next. The platform hands its input out only after every posted message, so
// behind the marker it would wait for ever: a person's clicks and keys would go unanswered, and
// the waiting input would end every MsgWaitForMultipleObjectsEx at once, spinning the processor.
// Timers and painting come last, and only when no posted message waits, as the platform
// produces them. The queue is asked once what kinds wait, and only those are looked for: every
// look is a call into the system, and an idle program's rounds are mostly looks that find nothing.
void Win32WindowSystem::DoEvents() {
  const WPARAM round = ++event_rounds_;
  ::PostThreadMessageA(::GetCurrentThreadId(), kRoundEndMessage, round, 0);
  MSG message;
  while (!quit_ && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (Dispatch(message, round)) break;
  }
  if (quit_) return;
  UINT waiting = WaitingKinds();
  if ((waiting & QS_INPUT) != 0) {
    DispatchRun(0, PM_QS_INPUT, round);
    waiting = WaitingKinds();
  }
  if (quit_ || (waiting & QS_POSTMESSAGE) != 0) return;
  // A timer's handler may leave painting to do, which is then looked for whatever the queue said.
  int timers = 0;
  if ((waiting & QS_TIMER) != 0) {
    timers = DispatchRun(WM_TIMER, 0, round);
    timers += DispatchRun(kSystemTimerMessage, 0, round);
  }
  if (timers > 0 || (waiting & QS_PAINT) != 0) DispatchRun(WM_PAINT, 0, round);
}

int Win32WindowSystem::DispatchRun(UINT only, UINT kinds, WPARAM round) {
  MSG message;
  int dispatched = 0;
  while (dispatched < kLongestProducedRun && !quit_ &&
         ::PeekMessageA(&message, nullptr, only, only, PM_REMOVE | kinds)) {
    Dispatch(message, round);
    ++dispatched;
  }
  return dispatched;
}

bool Win32WindowSystem::Dispatch(const MSG& message, WPARAM round) {
  if (message.message == WM_QUIT) {
    quit_ = true;
    return true;
  }
  if (message.hwnd == nullptr && message.message == kRoundEndMessage) {
    return message.wParam == round;  // an outer round's marker is dropped
  }
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
  return false;
}

// What kinds of message wait in the queue. A posted message is one posted, never a timer, the
// caret's system timer or painting, which the platform makes up when nothing else waits (a
// blinking caret would otherwise starve the timers).
UINT Win32WindowSystem::WaitingKinds() {
  return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT));
}

void Win32WindowSystem::WaitForWork(double deadline) {
  const double seconds = deadline - clock_.Now();
  if (seconds <= 0) return;
  const auto milliseconds = static_cast<::DWORD>(std::min(seconds * 1000.0 + 0.999, 3.6e6));
  ::MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32WindowSystem::PostQuitMessage(int exit_code) {
  quit_ = true;
  ::PostQuitMessage(exit_code);
}

}  // namespace winsys::win32
