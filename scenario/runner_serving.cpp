// The serving checks of a scenario and the figures of a run: what the program told the room and
// took into its queues, against the client's own record of what it delivered.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/messages_form.h"
#include "list_designer/serving_lists.h"
#include "scenario/encoding.h"
#include "scenario/runner.h"
#include "serving_engine/server_form.h"
#include "serving_engine/setting_caption.h"
#include "shared/variables.h"

namespace scenario {
namespace {

constexpr std::string_view kCouldNotBeSent = " could not be sent";

serving_engine::RequestQueue& QueueOf(serving_engine::ServerForm& server, QueueKind kind) {
  switch (kind) {
    case QueueKind::kList:
      return server.Lists;
    case QueueKind::kFind:
      return server.Finds;
    case QueueKind::kItem:
      break;
  }
  return server.Requests;
}

constexpr QueueKind kQueues[] = {QueueKind::kItem, QueueKind::kList, QueueKind::kFind};

// The item entries of a requests file, one a line.
std::vector<std::string> FileEntries(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> entries;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) entries.push_back(line);
  }
  return entries;
}

bool IsAnsweringMail(const aolsim::Delivery& delivery) {
  return delivery.kind == aolsim::DeliveryKind::kForward ||
         delivery.subject.find("tollmere search results for ") != std::string::npos;
}

}  // namespace

// The queues' list boxes are watched from the program's side of the desktop: each entry added is
// an admitted request, each put back in front of the others a retry.
void Runner::WatchQueues() {
  if (!running_) return;
  serving_engine::ServerForm& server = world_->program().serverFrm();
  for (const QueueKind kind : kQueues) {
    const winsys::HWND list = QueueOf(server, kind).list().hwnd();
    winsys::HWND& watched = watched_[static_cast<std::size_t>(kind)];
    if (list == winsys::kNoWindow || watched == list) continue;
    watched = list;
    winsys::WindowSystem& ws = world_->program_process();
    auto previous = std::make_shared<winsys::WindowProc>();
    *previous = ws.SubclassWindow(list, [this, kind, previous](
                                            winsys::HWND window, winsys::UINT message,
                                            winsys::WPARAM wparam, winsys::LPARAM lparam) {
      if ((message == winsys::LB_ADDSTRING || message == winsys::LB_INSERTSTRING) && lparam != 0) {
        NoteQueued(kind, reinterpret_cast<const char*>(lparam),
                   message == winsys::LB_INSERTSTRING ? Placing::kInserted : Placing::kAdded);
      } else if (message == winsys::LB_DELETESTRING) {
        const winsys::LRESULT length = (*previous)(window, winsys::LB_GETTEXTLEN, wparam, 0);
        if (length >= 0) {
          std::string text(static_cast<std::size_t>(length) + 1, '\0');
          (*previous)(window, winsys::LB_GETTEXT, wparam,
                      reinterpret_cast<winsys::LPARAM>(text.data()));
          text.resize(static_cast<std::size_t>(length));
          taken_.emplace(std::make_pair(kind, std::move(text)), world_->clock().Now());
        }
      }
      return (*previous)(window, message, wparam, lparam);
    });
  }
}

// A failed try puts its entries back, inserted, within the tick that took them (its waits are
// bounded by a few minutes at most); an entry added at the end is a request of its own, even when
// a member asks again for what was just taken.
void Runner::NoteQueued(QueueKind kind, const std::string& entry, Placing placing) {
  constexpr double kLongestTry = 600;
  const double now = world_->clock().Now();
  if (restoring_ && kind == QueueKind::kItem) return;
  if (placing == Placing::kAdded) {
    admitted_.push_back(AdmittedRequest{kind, entry});
    return;
  }
  auto [first, last] = taken_.equal_range(std::make_pair(kind, entry));
  for (auto it = first; it != last; ++it) {
    if (now - it->second > kLongestTry) continue;
    taken_.erase(it);
    ++requeued_;
    return;
  }
  admitted_.push_back(AdmittedRequest{kind, entry});
}

ServingFacts Runner::Facts() {
  ServingFacts facts;
  if (!world_->has_client()) return facts;
  const aolsim::Client& client = world_->client();
  for (const aolsim::ChatLine& line : client.RoomLines()) {
    if (line.speaker == aolsim::Speaker::kUser) facts.program_lines.push_back(line);
  }
  facts.deliveries = client.Deliveries();
  const ServingFacts program = ProgramFacts();
  facts.titles = program.titles;
  facts.list_subjects = program.list_subjects;
  facts.item_ending = program.item_ending;
  return facts;
}

ServingFacts Runner::ProgramFacts() {
  if (!running_) return crashed_program_;
  ServingFacts facts;
  app::Program& program = world_->program();
  list_designer::ListDesignerForm& designer = program.listdesignerFrm();
  facts.titles = designer.MailList.items();
  if (facts.titles.empty()) return crashed_program_;  // restarted, before its List Designer ran
  // A list request is for lists 1 to the highest the entries name, each once.
  std::int64_t highest = 0;
  for (const std::string& entry : designer.ServingLists.items()) {
    highest = std::max(highest, serving_engine::LeadingNumber(
                                    list_designer::SplitServingListEntry(entry).list_number));
  }
  // Past one more than the entries, some list is missing whatever the number: no need to name
  // them all.
  highest = std::min<std::int64_t>(highest, designer.ServingLists.count() + 1);
  for (std::int64_t list = 1; list <= highest; ++list) {
    facts.list_subjects.push_back(list_designer::ListSubject(static_cast<int>(list)));
  }
  if (program.variables().CustomMessages) {
    facts.item_ending = " " + program.messagesFrm().ChatSuffix();
  }
  return facts;
}

std::vector<AdmittedRequest> Runner::StillQueued() {
  std::vector<AdmittedRequest> queued;
  if (running_) {
    serving_engine::ServerForm& server = world_->program().serverFrm();
    for (const QueueKind kind : kQueues) {
      const serving_engine::RequestQueue& queue = QueueOf(server, kind);
      for (int i = 0; i < queue.Count(); ++i) {
        queued.push_back(AdmittedRequest{kind, queue.Entry(i)});
      }
    }
  }
  // On disk: what the script saved through the program's dialogs and, when the program keeps its
  // pending requests, that file and those it kept aside beside it.
  std::vector<std::string> files = saved_files_;
  if (!pending_file_.empty()) {
    const std::filesystem::path pending(pending_file_);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(pending.parent_path(), error)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(pending.stem().string()) && name.ends_with(".req")) {
        files.push_back(entry.path().string());
      }
    }
  }
  for (const std::string& path : files) {
    for (std::string& entry : FileEntries(path)) {
      queued.push_back(AdmittedRequest{QueueKind::kItem, std::move(entry)});
    }
  }
  return queued;
}

std::string Runner::FirstLineLostUnread() {
  const aolsim::Client& client = world_->client();
  if (client.LinesLostUnread().empty()) return {};
  const aolsim::ChatLine& line = client.RoomLines()[client.LinesLostUnread().front()];
  return "the room's line \"" + line.sender + ": " + line.text + "\" was emptied away unread";
}

// A line the program never read is lost with whatever it asked for.
std::string Runner::FirstLost() {
  const std::string unread = FirstLineLostUnread();
  return unread.empty() ? FirstLostRequest(Facts(), admitted_, StillQueued()) : unread;
}

std::string Runner::CheckServing(const Command& command) {
  const ServingFacts facts = Facts();
  // The log speaks UTF-8; the records are in the client's 8-bit set.
  if (command.verb == Verb::kExpectConfirmationsTrue) {
    return Cp1252ToUtf8(FirstFalseConfirmation(facts));
  }
  return Cp1252ToUtf8(FirstLost());
}

void Runner::Count() {
  figures_ = RunFigures{};
  figures_.seconds = world_->clock().Now();
  figures_.admitted = static_cast<int>(admitted_.size());
  figures_.retried = requeued_;
  figures_.checks_failed = failed_;
  if (!started_) return;
  figures_.checks_failed = failed_;
  figures_.still_queued = static_cast<int>(StillQueued().size());
  const ServingFacts facts = Facts();
  figures_.false_confirmation = FirstFalseConfirmation(facts);
  figures_.lost_request = FirstLost();
  for (const aolsim::Delivery& delivery : facts.deliveries) {
    figures_.delivered += IsAnsweringMail(delivery) ? 1 : 0;
  }
  for (const aolsim::ChatLine& line : facts.program_lines) {
    const std::string& text = line.text;
    if (text.size() >= kCouldNotBeSent.size() &&
        text.compare(text.size() - kCouldNotBeSent.size(), kCouldNotBeSent.size(),
                     kCouldNotBeSent) == 0) {
      ++figures_.given_up;
    }
  }
}

}  // namespace scenario
