#include "shared/ui/list_box.h"

#include <algorithm>

namespace ui {

using namespace winsys;

namespace {

LPARAM TextParam(const std::string& text) {
  return reinterpret_cast<LPARAM>(text.c_str());
}

}  // namespace

ListBox::ListBox(Container& container, std::string name, const TwipsRect& position,
                 Visibility visibility)
    : Control(container, std::move(name), Kind::kListBox, position, visibility) {}

DWORD ListBox::class_style() const {
  return LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
}

LRESULT ListBox::Send(UINT message, WPARAM wparam, LPARAM lparam) const {
  return ws().SendMessage(hwnd(), message, wparam, lparam);
}

std::string ListBox::item(int index) const {
  return valid(index) ? text_at(index) : std::string();
}

const std::vector<std::string>& ListBox::items() const {
  if (whole_stale_) {
    whole_.clear();
    whole_.reserve(entries_.size());
    for (const Entry& entry : entries_) whole_.push_back(entry.text);
    whole_stale_ = false;
  }
  return whole_;
}

void ListBox::Count(const std::string& text) {
  whole_stale_ = true;
  if (occurrences_counted_) ++occurrences_[text];
}

void ListBox::Uncount(const std::string& text) {
  whole_stale_ = true;
  if (!occurrences_counted_) return;
  const auto found = occurrences_.find(text);
  if (found == occurrences_.end()) return;
  if (--found->second == 0) occurrences_.erase(found);
}

int ListBox::add(std::string text) {
  Count(text);
  entries_.push_back(Entry{std::move(text)});
  if (hwnd() != kNoWindow) Send(LB_ADDSTRING, 0, TextParam(entries_.back().text));
  return count() - 1;
}

void ListBox::insert(int index, std::string text) {
  if (index == -1) {
    add(std::move(text));
    return;
  }
  // An entry put at the end is still an insertion (LB_INSERTSTRING), as on Windows; only -1
  // asks for an append.
  if (index < 0 || index > count()) return;
  Count(text);
  entries_.insert(static_cast<std::size_t>(index), Entry{std::move(text)});
  if (hwnd() != kNoWindow) {
    Send(LB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text_at(index)));
  } else if (selected_ >= index) {
    ++selected_;
  }
}

void ListBox::remove_at(int index) {
  if (!valid(index)) return;
  Uncount(text_at(index));
  entries_.erase(static_cast<std::size_t>(index));
  if (hwnd() != kNoWindow) {
    Send(LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  } else if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void ListBox::clear() {
  whole_stale_ = true;
  entries_.clear();
  occurrences_.clear();
  occurrences_counted_ = false;
  selected_ = -1;
  if (hwnd() != kNoWindow) Send(LB_RESETCONTENT, 0, 0);
}

int ListBox::find_exact(std::string_view text) const {
  if (!contains(text)) return -1;
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.text == text; });
  return static_cast<int>(found - entries_.begin());
}

bool ListBox::contains(std::string_view text) const {
  if (!occurrences_counted_) {
    for (const Entry& entry : entries_) ++occurrences_[entry.text];
    occurrences_counted_ = true;
  }
  return occurrences_.find(std::string(text)) != occurrences_.end();
}

int ListBox::selected_index() const {
  if (hwnd() == kNoWindow) return selected_;
  const LRESULT selected = Send(LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void ListBox::set_selected_index(int index, ClickEvent event) {
  const int before = selected_index();
  if (!valid(index)) index = -1;
  if (hwnd() != kNoWindow) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  } else {
    selected_ = index;
  }
  if (event == ClickEvent::kFire && selected_index() != before && on_click) on_click();
}

LONG_PTR ListBox::item_data(int index) const {
  return valid(index) ? entries_[static_cast<std::size_t>(index)].data : 0;
}

void ListBox::set_item_data(int index, LONG_PTR data) {
  if (!valid(index)) return;
  entries_[static_cast<std::size_t>(index)].data = data;
  if (hwnd() != kNoWindow) Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void ListBox::AfterCreate() {
  for (int i = 0; i < count(); ++i) {
    const Entry& entry = entries_[static_cast<std::size_t>(i)];
    Send(LB_ADDSTRING, 0, TextParam(entry.text));
    if (entry.data != 0) Send(LB_SETITEMDATA, static_cast<WPARAM>(i), entry.data);
  }
  if (selected_ != -1) Send(LB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
}

void ListBox::ResetProperties() {
  whole_stale_ = true;
  entries_.clear();
  occurrences_.clear();
  occurrences_counted_ = false;
  selected_ = -1;
}

void ListBox::OnCommand(unsigned code) {
  if (code == LBN_SELCHANGE && on_click) {
    on_click();
  } else if (code == LBN_DBLCLK && on_double_click) {
    on_double_click();
  }
}

}  // namespace ui
