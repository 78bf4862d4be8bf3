// "ComboBox": a list with an "Edit" child (control id 1001, as Win32 makes it) that holds the text.
// - WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH of the combo are its edit's; WM_CHAR sent to the
//   combo goes to the edit (a form that wants the keys subclasses the combo or its edit).
// - The list: CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT (the edit's text
//   stays, as Win32), CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_GETCURSEL and CB_SETCURSEL,
//   which puts the chosen item's text in the edit (no selection empties it). Bad indexes answer
//   CB_ERR.
// - Text typed into the edit reaches the parent as CBN_EDITCHANGE; text the combo itself puts in
//   the edit (WM_SETTEXT, CB_SETCURSEL) does not, as on Win32.
// - A CBS_DROPDOWNLIST combo has no edit; its text is the selected item's.
// - A drop-down combo's height, as it is made or moved, is its edit's and its dropped list's
//   together: the window keeps the edit's height (that of the 8-point dialog font) and the rest
//   is the list's, as CB_GETDROPPEDCONTROLRECT tells (in screen coordinates, edit included).

#include <algorithm>
#include <memory>
#include <string>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"
#include "shared/winsys/sim/control_support.h"
#include "shared/winsys/sim/item_list.h"

namespace winsys::sim {
namespace {

constexpr int kComboEditId = 1001;
constexpr DWORD kComboTypeMask = 0x0003;
constexpr DWORD kSimpleCombo = 0x0001;
constexpr int kClosedHeight = 21;

struct ComboBoxState {
  ItemList items;
  HWND edit = kNoWindow;
  int dropped_height = kClosedHeight;  // the edit's and the dropped list's together
  bool filling_edit = false;           // the combo is setting its edit's text: no CBN_EDITCHANGE
};

LRESULT OrError(int value) {
  return value == ItemList::kNone ? CB_ERR : value;
}

class ComboBoxClass {
 public:
  explicit ComboBoxClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND combo, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(combo);
      return system_.DefWindowProc(combo, message, wparam, lparam);
    }
    bool created = false;
    const std::shared_ptr<ComboBoxState> state = states_.Get(combo, &created);
    if (created && message != WM_DESTROY && HasEdit(combo))
      state->edit = CreateEdit(combo, message, lparam);
    if (created && message == WM_CREATE && lparam != 0) {
      KeepClosedHeight(combo, *state, reinterpret_cast<const CreateParams*>(lparam)->rect.height());
    }
    ItemList& items = state->items;
    const int index = IndexFromParam(wparam);
    switch (message) {
      case WM_SETTEXT:
        if (state->edit == kNoWindow) return system_.DefWindowProc(combo, message, wparam, lparam);
        return FillEdit(*state, TextFromParam(lparam));
      case WM_GETTEXT:
      case WM_GETTEXTLENGTH:
        if (state->edit == kNoWindow) return SelectedText(items, message, wparam, lparam);
        return system_.SendMessage(state->edit, message, wparam, lparam);
      case WM_CHAR:
        if (state->edit == kNoWindow) return 0;
        return system_.SendMessage(state->edit, message, wparam, lparam);
      case WM_COMMAND:
        if (static_cast<HWND>(lparam) == state->edit && state->edit != kNoWindow &&
            HighWord(wparam) == EN_CHANGE && !state->filling_edit) {
          NotifyParent(system_, combo, CBN_EDITCHANGE);
        }
        return 0;
      case WM_ENABLE:
        if (state->edit != kNoWindow) system_.EnableWindow(state->edit, wparam != 0);
        return 0;
      case WM_SIZE:
        if (KeepClosedHeight(combo, *state, HighWord(lparam))) return 0;
        if (state->edit != kNoWindow) {
          system_.MoveWindow(state->edit, Rect{0, 0, static_cast<int>(LowWord(lparam)),
                                               static_cast<int>(HighWord(lparam))});
        }
        return 0;
      case CB_ADDSTRING:
        return items.Add(TextFromParam(lparam), ItemList::Order::kAsAdded);
      case CB_INSERTSTRING:
        return OrError(items.Insert(index, TextFromParam(lparam)));
      case CB_DELETESTRING:
        return OrError(items.Delete(index));
      case CB_RESETCONTENT:
        items.Clear();
        return CB_OKAY;
      case CB_GETCOUNT:
        return items.Count();
      case CB_GETLBTEXT: {
        const ItemList::Item* item = items.At(index);
        return item == nullptr ? CB_ERR : CopyWholeTextOut(item->text, lparam, CB_ERR);
      }
      case CB_GETLBTEXTLEN: {
        const ItemList::Item* item = items.At(index);
        return item == nullptr ? CB_ERR : static_cast<LRESULT>(item->text.size());
      }
      case CB_GETCURSEL:
        return OrError(items.Selected());
      case CB_SETCURSEL:
        return OrError(Select(*state, index));
      case CB_GETEDITSEL:
        return EditSelection(*state, wparam, lparam);
      case CB_GETDROPPEDCONTROLRECT:
        return DroppedRect(combo, *state, lparam);
      default:
        return system_.DefWindowProc(combo, message, wparam, lparam);
    }
  }

 private:
  bool HasEdit(HWND combo) {
    return (StyleOf(system_, combo) & kComboTypeMask) != CBS_DROPDOWNLIST;
  }

  bool IsDropDown(HWND combo) { return (StyleOf(system_, combo) & kComboTypeMask) != kSimpleCombo; }

  // A drop-down combo given a height other than its edit's takes it as its list's and shrinks
  // back to the edit; true when it did.
  bool KeepClosedHeight(HWND combo, ComboBoxState& state, int height) {
    if (!IsDropDown(combo) || height == kClosedHeight) return false;
    state.dropped_height = std::max(height, kClosedHeight);
    Rect place;
    if (!system_.GetWindowRect(combo, place)) return false;
    system_.SetWindowPos(combo, kNoWindow, 0, 0, place.width(), kClosedHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
  }

  LRESULT DroppedRect(HWND combo, const ComboBoxState& state, LPARAM rect_out) {
    Rect place;
    if (rect_out == 0 || !system_.GetWindowRect(combo, place)) return CB_ERR;
    if (IsDropDown(combo)) place.bottom = place.top + state.dropped_height;
    *reinterpret_cast<Rect*>(rect_out) = place;
    return 1;
  }

  HWND CreateEdit(HWND combo, UINT message, LPARAM lparam) {
    CreateParams params;
    params.class_name = kEditClass;
    params.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    params.parent = combo;
    params.control_id = kComboEditId;
    if (message == WM_CREATE && lparam != 0) {
      const auto& combo_params = *reinterpret_cast<const CreateParams*>(lparam);
      params.caption = combo_params.caption;
      const bool drop_down = (combo_params.style & kComboTypeMask) != kSimpleCombo;
      params.rect = Rect{0, 0, combo_params.rect.width(),
                         drop_down ? kClosedHeight : combo_params.rect.height()};
    }
    return system_.CreateWindow(params);
  }

  LRESULT FillEdit(ComboBoxState& state, const std::string& text) {
    state.filling_edit = true;
    const LRESULT result =
        system_.SendMessage(state.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    state.filling_edit = false;
    return result;
  }

  int Select(ComboBoxState& state, int index) {
    const int selected = state.items.Select(index);
    if (state.edit != kNoWindow) {
      const ItemList::Item* item = state.items.At(selected);
      FillEdit(state, item == nullptr ? std::string() : item->text);
    }
    return selected;
  }

  static LRESULT SelectedText(const ItemList& items, UINT message, WPARAM wparam, LPARAM lparam) {
    const ItemList::Item* item = items.At(items.Selected());
    const std::string text = item == nullptr ? std::string() : item->text;
    if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
    return CopyTextOut(text, wparam, lparam);
  }

  // The caret sits at the end of the text (typing appends), so the selection is empty there.
  LRESULT EditSelection(ComboBoxState& state, WPARAM start_out, LPARAM end_out) {
    if (state.edit == kNoWindow) return CB_ERR;
    const auto end = static_cast<DWORD>(system_.SendMessage(state.edit, WM_GETTEXTLENGTH, 0, 0));
    if (start_out != 0) *reinterpret_cast<DWORD*>(start_out) = end;
    if (end_out != 0) *reinterpret_cast<DWORD*>(end_out) = end;
    return static_cast<LRESULT>(MakeWParam(end, end));
  }

  WindowSystem& system_;
  ControlStateTable<ComboBoxState> states_;
};

}  // namespace

WindowProc ComboBoxProcedure(WindowSystem& system) {
  auto combo_class = std::make_shared<ComboBoxClass>(system);
  return [combo_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return combo_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
