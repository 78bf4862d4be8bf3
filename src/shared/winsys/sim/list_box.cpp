// "ListBox": a single-selection list of texts with item data (LBS_SORT keeps it sorted).
// - LB_ADDSTRING, LB_INSERTSTRING (index -1 appends; no sorting), LB_DELETESTRING,
//   LB_RESETCONTENT, LB_GETCOUNT, LB_GETTEXT (lParam a buffer LB_GETTEXTLEN + 1 long),
//   LB_GETTEXTLEN, LB_SETCURSEL (-1 clears and answers LB_ERR, as Win32; an index out of range
//   answers LB_ERR and leaves nothing selected), LB_GETCURSEL, LB_SETITEMDATA, LB_GETITEMDATA,
//   LB_FINDSTRINGEXACT (whole text without case, from after wParam, wrapping). Every bad index
//   answers LB_ERR. Deleting the selected item leaves nothing selected.
// - No message changes the selection with a notification except the keys: VK_DOWN / VK_UP move
//   it and, with LBS_NOTIFY, send LBN_SELCHANGE. With LBS_NOTIFY a double click
//   (WM_LBUTTONDBLCLK) sends LBN_DBLCLK. A single click carries no position here, so it selects
//   nothing by itself.

#include <algorithm>
#include <memory>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"
#include "shared/winsys/sim/control_support.h"
#include "shared/winsys/sim/item_list.h"

namespace winsys::sim {
namespace {

struct ListBoxState {
  ItemList items;
};

LRESULT OrError(int value) {
  return value == ItemList::kNone ? LB_ERR : value;
}

class ListBoxClass {
 public:
  explicit ListBoxClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(list);
      return system_.DefWindowProc(list, message, wparam, lparam);
    }
    const std::shared_ptr<ListBoxState> state = states_.Get(list);
    ItemList& items = state->items;
    const int index = IndexFromParam(wparam);
    switch (message) {
      case LB_ADDSTRING:
        return items.Add(TextFromParam(lparam), OrderOf(list));
      case LB_INSERTSTRING:
        return OrError(items.Insert(index, TextFromParam(lparam)));
      case LB_DELETESTRING:
        return OrError(items.Delete(index));
      case LB_RESETCONTENT:
        items.Clear();
        return LB_OKAY;
      case LB_GETCOUNT:
        return items.Count();
      case LB_GETTEXT: {
        const ItemList::Item* item = items.At(index);
        return item == nullptr ? LB_ERR : CopyWholeTextOut(item->text, lparam, LB_ERR);
      }
      case LB_GETTEXTLEN: {
        const ItemList::Item* item = items.At(index);
        return item == nullptr ? LB_ERR : static_cast<LRESULT>(item->text.size());
      }
      case LB_SETCURSEL:
        return OrError(items.Select(index));
      case LB_GETCURSEL:
        return OrError(items.Selected());
      case LB_SETITEMDATA:
        return items.SetData(index, lparam) ? LB_OKAY : LB_ERR;
      case LB_GETITEMDATA: {
        const ItemList::Item* item = items.At(index);
        return item == nullptr ? LB_ERR : item->data;
      }
      case LB_FINDSTRINGEXACT:
        return OrError(items.FindExact(index, TextFromParam(lparam)));
      case WM_KEYDOWN:
        MoveSelection(list, items, wparam);
        return 0;
      case WM_LBUTTONDBLCLK:
        if (Notifies(list)) NotifyParent(system_, list, LBN_DBLCLK);
        return 0;
      default:
        return system_.DefWindowProc(list, message, wparam, lparam);
    }
  }

 private:
  ItemList::Order OrderOf(HWND list) {
    return (StyleOf(system_, list) & LBS_SORT) != 0 ? ItemList::Order::kSorted
                                                    : ItemList::Order::kAsAdded;
  }

  bool Notifies(HWND list) { return (StyleOf(system_, list) & LBS_NOTIFY) != 0; }

  void MoveSelection(HWND list, ItemList& items, WPARAM key) {
    if (items.Count() == 0) return;
    const int selected = items.Selected();
    int target = selected;
    if (key == VK_DOWN) {
      target = selected == ItemList::kNone ? 0 : std::min(selected + 1, items.Count() - 1);
    } else if (key == VK_UP) {
      target = selected == ItemList::kNone ? 0 : std::max(selected - 1, 0);
    } else {
      return;
    }
    if (target == selected) return;
    items.Select(target);
    if (Notifies(list)) NotifyParent(system_, list, LBN_SELCHANGE);
  }

  WindowSystem& system_;
  ControlStateTable<ListBoxState> states_;
};

}  // namespace

WindowProc ListBoxProcedure(WindowSystem& system) {
  auto list_class = std::make_shared<ListBoxClass>(system);
  return [list_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return list_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
