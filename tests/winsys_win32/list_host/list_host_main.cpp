// A second program for the cases of the real window system that need one: a window holding a
// list of a class derived from the standard list box, as the client's lists are, whose item
// grows each time its text is read (GROWTH -1: that is two seconds late with every answer about
// its items). Ends when its window is closed, or after a minute.
//   list-host CAPTION ITEM GROWTH

#include <windows.h>

#include <string>

namespace {

WNDPROC list_box_procedure = nullptr;
long growth = 0;

// Answers the text, then makes the item longer, so the next message finds it grown: as a list's
// items change between messages, never inside one, where the platform asks a length itself to
// size its copy. Wide, so the platform's ANSI conversions (one copies through a fixed buffer) stay
// out of the list's own process.
LRESULT CALLBACK GrowingList(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (growth < 0 && (message == LB_GETTEXTLEN || message == LB_GETTEXT)) ::Sleep(2000);
  const LRESULT result = ::CallWindowProcW(list_box_procedure, window, message, wparam, lparam);
  if (message == LB_GETTEXT && result >= 0 && growth > 0) {
    std::wstring text(reinterpret_cast<const wchar_t*>(lparam), static_cast<std::size_t>(result));
    text.append(static_cast<std::size_t>(growth), L'+');
    ::CallWindowProcW(list_box_procedure, window, LB_DELETESTRING, wparam, 0);
    ::CallWindowProcW(list_box_procedure, window, LB_INSERTSTRING, wparam,
                      reinterpret_cast<LPARAM>(text.c_str()));
  }
  return result;
}

LRESULT CALLBACK HostWindow(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER || message == WM_CLOSE) {
    ::DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  growth = std::stol(argv[3]);
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXW list_box{};
  list_box.cbSize = sizeof list_box;
  if (!::GetClassInfoExW(nullptr, L"ListBox", &list_box)) return 1;
  list_box_procedure = list_box.lpfnWndProc;
  list_box.lpfnWndProc = GrowingList;
  list_box.hInstance = instance;
  list_box.lpszClassName = L"Derived Tree";
  WNDCLASSEXA host{};
  host.cbSize = sizeof host;
  host.lpfnWndProc = HostWindow;
  host.hInstance = instance;
  host.lpszClassName = "List Host";
  if (!::RegisterClassExW(&list_box) || !::RegisterClassExA(&host)) return 1;
  const HWND window = ::CreateWindowExA(0, "List Host", argv[1], WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                        200, nullptr, nullptr, instance, nullptr);
  const HWND list =
      ::CreateWindowExW(0, L"Derived Tree", L"", WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS, 0, 0, 280,
                        150, window, nullptr, instance, nullptr);
  if (window == nullptr || list == nullptr) return 1;
  ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(argv[2]));
  ::SetTimer(window, 1, 60000, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  return 0;
}
