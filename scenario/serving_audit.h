#pragma once
// Whether what the program told the room is true, and whether any request it took was lost,
// judged from the stand-in client's own record of what it delivered.
//
// A confirmation is backed by deliveries before it: an item line ("• " + R + " " + T + ending)
// by a forward of the stored mail that item T names, to exactly the recipients R names (each as
// "(name),"); a list line by forwards of every serving list to them; a find line by a new mail
// with that search's subject to the requester. One delivery backs one line.
//
// A request taken into Requests, Lists or Finds is answered when its mail went to its requester
// (one recipient of a delivery answers one request) or a "could not be sent" line names it;
// else it must still be queued.

#include <string>
#include <vector>

#include "aolsim/records.h"

namespace scenario {

// What the program served from when the check is made.
struct ServingFacts {
  std::vector<aolsim::ChatLine> program_lines;  // oldest first
  std::vector<aolsim::Delivery> deliveries;     // oldest first
  std::vector<std::string> titles;              // MailList: item number = index
  std::vector<std::string> list_subjects;       // the stored subjects of the serving lists
  std::string item_ending = " was sent";        // or the custom ending of the Messages window
};

enum class QueueKind { kItem, kList, kFind };

// An entry the program added to one of its queues.
struct AdmittedRequest {
  QueueKind queue = QueueKind::kItem;
  std::string entry;  // as queued: "ann - 12", "ann", "ann - rock roll"
};

// Empty when every confirmation is backed, else which line is not and why.
std::string FirstFalseConfirmation(const ServingFacts& facts);

// Empty when nothing admitted is lost. still_queued: the entries on screen and in saved requests
// files, each as queued.
std::string FirstLostRequest(const ServingFacts& facts,
                             const std::vector<AdmittedRequest>& admitted,
                             const std::vector<AdmittedRequest>& still_queued);

}  // namespace scenario
