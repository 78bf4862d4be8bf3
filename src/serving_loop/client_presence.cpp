#include "serving_loop/client_presence.h"

#include "aol_automation/automation.h"
#include "serving_engine/served_counters.h"
#include "serving_engine/server_form.h"

namespace serving_loop {

namespace {

constexpr char kWaitingPrefix[] = " - waiting for ";
// How long an idle tick goes on what the last look at the client found.
constexpr double kIdleLookInterval = 1.0;

}  // namespace

ClientPresence::ClientPresence(winsys::WindowSystem& ws, serving_engine::ServerForm& server)
    : ws_(ws), server_(server) {}

// The shapes are looked for without yielding to the message loop: this runs before every tick,
// and a yield would let time pass where a client that behaves never cost any.
std::string ClientPresence::MissingPart() {
  welcome_ = vornik32::WindowOfShapeFoundBefore(ws_, vornik32::kWelcomeShape, welcome_);
  if (welcome_ == winsys::kNoWindow) return "the client to sign on";
  chat_room_ = vornik32::WindowOfShapeFoundBefore(ws_, vornik32::kChatRoomShape, chat_room_);
  if (chat_room_ == winsys::kNoWindow) return "the chat room";
  winsys::HWND mailbox = vornik32::ContentWindow(ws_, vornik32::kMailboxCaption);
  if (mailbox == winsys::kNoWindow) {
    if (!server_.OpenAndHideMailbox()) return "the mailbox";
    mailbox = vornik32::ContentWindow(ws_, vornik32::kMailboxCaption);
  }
  const winsys::HWND tree = vornik32::FirstChild(ws_, mailbox, vornik32::kTreeClass);
  if (!vornik32::AnsweredListCount(ws_, tree)) return "the client to answer";
  return {};
}

bool ClientPresence::ReadyToServe(WorkDue work) {
  const double now = ws_.clock().Now();
  const bool looked_lately = now >= last_look_ && now - last_look_ < kIdleLookInterval;
  if (work == WorkDue::kNone && looked_lately) return !waiting_;
  last_look_ = now;
  const std::string missing = MissingPart();
  if (missing.empty()) {
    EndWaiting();
    return true;
  }
  ShowWaitingFor(missing);
  return false;
}

void ClientPresence::EndWaiting() {
  if (!waiting_) return;
  waiting_ = false;
  serving_engine::ServedCounters& counters = server_;
  counters.ShowServedCounts(counters.MailsServed());
}

// The counts stay at the front, where the mails-served number is read from.
void ClientPresence::ShowWaitingFor(const std::string& what) {
  serving_engine::ServedCounters& counters = server_;
  counters.ShowServedCountsWithNote(counters.MailsServed(), kWaitingPrefix + what);
  waiting_ = true;
}

}  // namespace serving_loop
