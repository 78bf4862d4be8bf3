#include "aolsim/mailbox_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr double kFillStepSeconds = 0.01;
// The most time one step makes up for: a client that did not get to run (it hung) fills on at its
// rate from where it stood when it runs again, instead of all at once.
constexpr double kLongestFillStep = 0.1;
constexpr const char* kMailboxIconNames[] = {"Read",   "Status", "Keep As New",
                                             "Delete", "Save",   "Help"};

}  // namespace

MailboxWindow::MailboxWindow(ClientContext& context, Actions actions)
    : ClientWindow(context, WindowKind::kMailbox), actions_(std::move(actions)) {
  CreateContentWindow(kMailboxCaption);
  AddControl(classes::kStatic, "Flash Mail");
  tree_ = AddControl(classes::kTree, "", winsys::WS_VSCROLL);
  AddControl(classes::kStatic, "Mail on your computer");
  std::vector<HWND> icons;
  for (const char* name : kMailboxIconNames) icons.push_back(AddControl(classes::kIcon, name));
  AttachIcon(icons[kMailboxReadIcon - 1], [this] {
    if (const auto selected = Selection()) actions_.read(selected->first, selected->second);
  });
  AttachIcon(icons[kMailboxDeleteIcon - 1], [this] {
    if (const auto selected = Selection()) actions_.remove(selected->first, selected->second);
  });

  const int total = static_cast<int>(context_.mail.flash().size());
  stall_ = context_.settings.TakeMailboxStall();
  stall_at_ = total / 2;
  if (const std::optional<double> delay = context_.settings.DelayOf(Delay::kMailbox)) {
    lines_per_second_ = *delay <= 0 ? std::numeric_limits<double>::infinity()
                        : total > 0 ? total / *delay
                                    : kMailboxLinesPerSecond;
  }
  if (std::isinf(lines_per_second_)) {
    while (IsFilling() && !ReachedStall()) AddLine(filled_);
  }
  KeepFilling();
}

void MailboxWindow::KeepFilling() {
  if (fill_timer_ != 0 || !IsFilling()) return;
  last_step_ = ws().clock().Now();
  budget_ = 0;
  fill_timer_ = timers_.Every(kFillStepSeconds, [this] { FillStep(); });
}

void MailboxWindow::FillStep() {
  const double now = ws().clock().Now();
  if (now < stalled_until_) {
    last_step_ = now;
    return;
  }
  if (std::isinf(lines_per_second_)) {
    budget_ = std::numeric_limits<double>::infinity();
  } else {
    budget_ += std::min(now - last_step_, kLongestFillStep) * lines_per_second_;
  }
  last_step_ = now;
  while (IsFilling() && budget_ >= 1) {
    if (ReachedStall()) {
      stalled_until_ = now + *stall_;
      stall_.reset();
      budget_ = 0;
      return;
    }
    AddLine(filled_);
    budget_ -= 1;
  }
  if (!IsFilling()) {
    timers_.Cancel(fill_timer_);
    fill_timer_ = 0;
  }
}

void MailboxWindow::AddLine(int index) {
  const std::string line = MailboxLine(context_.mail.flash()[static_cast<std::size_t>(index)]);
  ws().SendMessage(tree_, winsys::LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(line.c_str()));
  ++filled_;
}

void MailboxWindow::OnInserted(int index, int count) {
  if (index > filled_) {
    KeepFilling();  // the filling reaches them
    return;
  }
  for (int i = 0; i < count; ++i) {
    const std::string line =
        MailboxLine(context_.mail.flash()[static_cast<std::size_t>(index + i)]);
    ws().SendMessage(tree_, winsys::LB_INSERTSTRING, static_cast<WPARAM>(index + i),
                     reinterpret_cast<LPARAM>(line.c_str()));
  }
  filled_ += count;
  KeepFilling();
}

void MailboxWindow::OnRemoved(int index) {
  if (index >= filled_) return;
  ws().SendMessage(tree_, winsys::LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  --filled_;
}

std::optional<std::pair<int, int>> MailboxWindow::Selection() const {
  const LRESULT selected = ws().SendMessage(tree_, winsys::LB_GETCURSEL, 0, 0);
  if (selected < 0 || selected >= filled_) return std::nullopt;
  const int position = static_cast<int>(selected);
  return std::make_pair(context_.mail.flash()[static_cast<std::size_t>(position)].id, position);
}

}  // namespace aolsim
