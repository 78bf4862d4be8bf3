// The two serving checks, on records made by hand: each case is a small story of lines the
// program posted, mails the client delivered and entries the program queued.

#include "scenario/serving_audit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

const std::string kBullet = "\x95 ";

aolsim::ChatLine Line(double at, const std::string& text) {
  aolsim::ChatLine line;
  line.speaker = aolsim::Speaker::kUser;
  line.text = kBullet + text;
  line.time.seconds = at;
  return line;
}

aolsim::Delivery Forward(double at, const std::string& stored_subject,
                         const std::string& recipients) {
  aolsim::Delivery delivery;
  delivery.kind = aolsim::DeliveryKind::kForward;
  delivery.stored_subject = stored_subject;
  delivery.recipients_text = recipients;
  delivery.recipients = aolsim::ParseRecipients(recipients);
  delivery.time.seconds = at;
  return delivery;
}

aolsim::Delivery NewMail(double at, const std::string& subject, const std::string& to) {
  aolsim::Delivery delivery;
  delivery.kind = aolsim::DeliveryKind::kNewMail;
  delivery.subject = subject;
  delivery.recipients_text = to;
  delivery.recipients = aolsim::ParseRecipients(to);
  delivery.time.seconds = at;
  return delivery;
}

ServingFacts Facts(std::vector<aolsim::ChatLine> lines, std::vector<aolsim::Delivery> mails) {
  ServingFacts facts;
  facts.program_lines = std::move(lines);
  facts.deliveries = std::move(mails);
  facts.titles = {"Apples", "Pears", "Plums", "Rock & Roll"};
  facts.list_subjects = {kBullet + "tollmere server list 1", kBullet + "tollmere server list 2"};
  return facts;
}

struct ConfirmationCase {
  const char* name;
  std::vector<aolsim::ChatLine> lines;
  std::vector<aolsim::Delivery> mails;
  const char* fails_on;  // nullptr: every line is backed
};

class ConfirmationsTrue : public ::testing::TestWithParam<ConfirmationCase> {};

TEST_P(ConfirmationsTrue, EachLineNeedsItsOwnDeliveryBeforeIt) {
  const ConfirmationCase& c = GetParam();
  const std::string why = FirstFalseConfirmation(Facts(c.lines, c.mails));
  if (c.fails_on == nullptr) {
    EXPECT_EQ(why, "");
  } else {
    EXPECT_NE(why.find(c.fails_on), std::string::npos) << why;
  }
}

const std::string kListOne = kBullet + "tollmere server list 1";
const std::string kListTwo = kBullet + "tollmere server list 2";
const std::string kSearch = kBullet + "tollmere search results for ";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfirmationsTrue,
    ::testing::Values(
        ConfirmationCase{
            "an_item_sent", {Line(5, "Joe, 1 was sent")}, {Forward(4, "Pears", "(Joe),")}, nullptr},
        ConfirmationCase{"two_recipients",
                         {Line(5, "Joe,Ann, 2 was sent")},
                         {Forward(4, "Plums", "(Joe),(Ann),")},
                         nullptr},
        ConfirmationCase{"someone_elses_item",
                         {Line(5, "Ann, 1 was sent"), Line(9, "Bob, 2 was sent")},
                         {Forward(4, "Pears", "(Bob),")},
                         "Ann, 1 was sent"},
        ConfirmationCase{"a_recipient_missing",
                         {Line(5, "Joe,Ann, 2 was sent")},
                         {Forward(4, "Plums", "(Joe),")},
                         "Joe,Ann, 2"},
        ConfirmationCase{"the_mail_came_after_the_line",
                         {Line(5, "Joe, 1 was sent")},
                         {Forward(6, "Pears", "(Joe),")},
                         "Joe, 1 was sent"},
        ConfirmationCase{"one_mail_backs_one_line",
                         {Line(5, "Joe, 1 was sent"), Line(7, "Joe, 1 was sent")},
                         {Forward(4, "Pears", "(Joe),")},
                         "Joe, 1 was sent"},
        ConfirmationCase{"an_item_beyond_the_titles",
                         {Line(5, "Joe, 9 was sent")},
                         {Forward(4, "Pears", "(Joe),")},
                         "names no stored mail"},
        ConfirmationCase{"both_lists_sent",
                         {Line(9, "Joe, 2 list(s) were sent")},
                         {Forward(4, kListOne, "(Joe),"), Forward(6, kListTwo, "(Joe),")},
                         nullptr},
        ConfirmationCase{"a_list_missing",
                         {Line(9, "Joe, 2 list(s) were sent")},
                         {Forward(4, kListOne, "(Joe),")},
                         "list 2"},
        ConfirmationCase{"search_results_escaped_or_plain",
                         {Line(9, "Joe, 1 search result(s) for \"rock &amp; roll\" were sent"),
                          Line(19, "Ann, 1 search result(s) for \"rock &amp; roll\" were sent")},
                         {NewMail(8, kSearch + "\"rock &amp; roll\"", "Joe"),
                          NewMail(18, kSearch + "\"rock & roll\"", "Ann")},
                         nullptr},
        ConfirmationCase{"search_results_never_mailed",
                         {Line(9, "Joe, 1 search result(s) for \"pears\" were sent")},
                         {NewMail(8, kSearch + "\"pears\"", "Ann")},
                         "search result"},
        ConfirmationCase{
            "lines_that_confirm_nothing",
            {Line(1, "tollmere serving 4 mail(s)/2 list(s)"),
             Line(2, "Joe Pears could not be sent"), Line(3, "Joe, 0 request(s) pending"),
             Line(4, "Joe, your search for \"figs\" was not found")},
            {},
            nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct LostCase {
  const char* name;
  std::vector<AdmittedRequest> admitted;
  std::vector<aolsim::ChatLine> lines;
  std::vector<aolsim::Delivery> mails;
  std::vector<AdmittedRequest> queued;
  const char* lost;  // nullptr: nothing lost
};

class NothingLost : public ::testing::TestWithParam<LostCase> {};

TEST_P(NothingLost, EveryAdmittedEntryIsAnsweredOrStillQueued) {
  const LostCase& c = GetParam();
  const std::string why = FirstLostRequest(Facts(c.lines, c.mails), c.admitted, c.queued);
  if (c.lost == nullptr) {
    EXPECT_EQ(why, "");
  } else {
    EXPECT_NE(why.find(c.lost), std::string::npos) << why;
  }
}

constexpr QueueKind kItem = QueueKind::kItem;
constexpr QueueKind kList = QueueKind::kList;
constexpr QueueKind kFind = QueueKind::kFind;

INSTANTIATE_TEST_SUITE_P(
    Cases, NothingLost,
    ::testing::Values(
        LostCase{"served", {{kItem, "Joe - 1"}}, {}, {Forward(4, "Pears", "(Joe),")}, {}, nullptr},
        LostCase{"still_queued", {{kItem, "Joe - 1"}}, {}, {}, {{kItem, "Joe - 1"}}, nullptr},
        LostCase{"given_up_and_said_so",
                 {{kItem, "Joe - 1"}},
                 {Line(9, "Joe, 1 could not be sent")},
                 {},
                 {},
                 nullptr},
        LostCase{"a_batch_given_up_in_one_line",
                 {{kItem, "Joe - 1"}, {kItem, "Ann - 1"}},
                 {Line(9, "Joe,Ann, 1 could not be sent")},
                 {},
                 {},
                 nullptr},
        LostCase{"a_given_up_line_answers_each_name_once",
                 {{kItem, "Joe - 1"}, {kItem, "Joe - 1"}},
                 {Line(9, "Joe, 1 could not be sent")},
                 {},
                 {},
                 "Joe - 1"},
        LostCase{"gone_without_a_word", {{kItem, "Joe - 1"}}, {}, {}, {}, "Joe - 1"},
        LostCase{"the_wrong_mail",
                 {{kItem, "Joe - 1"}},
                 {},
                 {Forward(4, "Plums", "(Joe),")},
                 {},
                 "Joe - 1"},
        LostCase{"one_recipient_answers_one_request",
                 {{kItem, "Joe - 1"}, {kItem, "Joe - 1"}},
                 {},
                 {Forward(4, "Pears", "(Joe),")},
                 {},
                 "Joe - 1"},
        LostCase{"a_batch_answers_each_of_its_recipients",
                 {{kItem, "Joe - 1"}, {kItem, "Ann - 1"}},
                 {},
                 {Forward(4, "Pears", "(Joe),(Ann),")},
                 {},
                 nullptr},
        LostCase{"lists_all_sent",
                 {{kList, "Joe"}},
                 {},
                 {Forward(4, kListOne, "(Joe),"), Forward(5, kListTwo, "(Joe),")},
                 {},
                 nullptr},
        LostCase{"lists_half_sent",
                 {{kList, "Joe"}},
                 {},
                 {Forward(4, kListOne, "(Joe),")},
                 {},
                 "Lists entry \"Joe\""},
        LostCase{"lists_given_up",
                 {{kList, "Joe"}},
                 {Line(9, "Joe, the lists could not be sent")},
                 {},
                 {},
                 nullptr},
        LostCase{"find_mailed",
                 {{kFind, "Joe - Rock & Roll"}},
                 {},
                 {NewMail(4, kSearch + "\"rock &amp; roll\"", "Joe")},
                 {},
                 nullptr},
        LostCase{"find_found_nothing_answered_in_the_rooms_escapes",
                 {{kFind, "J&o - <b>nothing</b>"}},
                 {Line(9, "J&amp;o, your search for \"&lt;b&gt;nothing&lt;/b&gt;\" was not found")},
                 {},
                 {},
                 nullptr},
        LostCase{"find_given_up",
                 {{kFind, "Joe - \"figs\""}},
                 {Line(9, "Joe, the search results for \"&quot;figs&quot;\" could not be sent")},
                 {},
                 {},
                 nullptr},
        LostCase{"find_never_answered", {{kFind, "Joe - figs"}}, {}, {}, {}, "Finds entry"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scenario
