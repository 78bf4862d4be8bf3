// The chat intake's grammar, admission rules and limits, line by line: the accepted forms, the
// edge cases of each command, and what the queues hold afterwards.

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "serving_engine/chat_lines.h"
#include "support/intake_harness.h"

namespace serving_engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Entries = std::vector<std::string>;
using namespace std::string_literals;

struct Said {
  const char* sender;
  std::string message;
};

struct Case {
  const char* name;
  std::vector<Said> lines;
  Entries requests;
  Entries lists;
  Entries finds;
  Entries statuss;
  std::int64_t mail_count = 50;
  std::int64_t item_limit = 100;
  std::int64_t find_limit = 5;
};

const std::string k40Digits(40, '9');

const Case kCases[] = {
    // The accepted forms.
    {"SendList", {{"Joe", "/joebot send list"}}, {}, {"Joe"}, {}, {}},
    {"Status", {{"Joe", "/joebot status"}}, {}, {}, {}, {"Joe"}},
    {"FindOneTerm", {{"Joe", "/joebot find red car"}}, {}, {}, {"Joe - red car"}, {}},
    {"FindTerms",
     {{"Joe", "/joebot find Red Car, Blue Bike, Green Van"}},
     {},
     {},
     {"Joe - red car", "Joe - blue bike", "Joe - Green Van"},
     {}},
    {"SendOne", {{"Joe", "/joebot send 12"}}, {"Joe - 12"}, {}, {}, {}},
    {"SendOneAsTyped", {{"Joe", "/joebot send 007"}}, {"Joe - 007"}, {}, {}, {}},
    {"SendRange", {{"Joe", "/joebot send 3-5"}}, {"Joe - 3", "Joe - 4", "Joe - 5"}, {}, {}, {}},
    {"SendMixed",
     {{"Joe", "/joebot send 1, 3-4, 007"}},
     {"Joe - 1", "Joe - 3", "Joe - 4", "Joe - 7"},
     {},
     {},
     {}},

    // Recognising the command.
    {"SendListWithBlanksAround", {{"Joe", "   /joebot send list   "}}, {}, {"Joe"}, {}, {}},
    {"SendListPleaseIsNoNumber", {{"Joe", "/joebot send list please"}}, {}, {}, {}, {}},
    {"CommandsIgnoreLetterCase",
     {{"Joe", "/JoeBot SEND 3"}, {"Mia", "/JOEBOT Send List"}, {"Mia", "/joeBOT FIND Cars"}},
     {"Joe - 3"},
     {"Mia"},
     {"Mia - Cars"},
     {}},
    {"StatusAnywhereAfterTheHandle", {{"Joe", "/joebot send 5 status"}}, {}, {}, {}, {"Joe"}},
    {"StatusInCapitals", {{"Joe", "/joebot what is my STATUS?"}}, {}, {}, {}, {"Joe"}},
    {"FindStatusIsAFind", {{"Joe", "/joebot find status"}}, {}, {}, {"Joe - status"}, {}},
    {"VerbsNeedTheirBlank",
     {{"Joe", "/joebot send"}, {"Joe", "/joebot find"}, {"Joe", "/joebotsend 3"}},
     {},
     {},
     {},
     {}},
    {"CommandsStartTheMessage",
     {{"Joe", " /joebot send 3"}, {"Joe", "x/joebot find car"}, {"Joe", "/otherbot send 3"}},
     {},
     {},
     {},
     {}},
    {"SendWithNothingAfter", {{"Joe", "/joebot send    "}}, {}, {}, {}, {}},
    {"FindWithOnlyBlanks", {{"Joe", "/joebot find     "}}, {}, {}, {}, {}},
    {"UnknownCommand", {{"Joe", "/joebot hello"}, {"Joe", "hello all"}}, {}, {}, {}, {}},

    // Lines that are not requests at all.
    {"OwnLines",
     {{"Ada Reed", "/joebot send 3"}, {"ada reed", "/joebot send 4"}},
     {"ada reed - 4"},
     {},
     {},
     {}},
    {"BannedSender",
     {{"Spammer", "/joebot send 3"}, {"Spammer", "/joebot send list"}},
     {},
     {},
     {},
     {}},
    {"SenderThatCannotBeARequester",
     {{"Jo - e", "/joebot send 3"}, {"", "/joebot send list"}},
     {},
     {},
     {},
     {}},
    // " -" followed by the separator reads " - - ...": the entry's requester would be nobody.
    {"SenderEndingInADashCannotBeARequester",
     {{" -", "/joebot find :"}, {"Jo -", "/joebot send 3"}, {"Jo -", "/joebot send list"}},
     {},
     {},
     {},
     {}},
    {"DashesThatReadBackAreKept",
     {{"Jo-", "/joebot send 3"}, {"-Jo", "/joebot find car"}},
     {"Jo- - 3"},
     {},
     {"-Jo - car"},
     {}},
    {"SenderKeptExactly",
     {{"Joe Smith", "/joebot send 42"}, {" Joe ", "/joebot send list"}},
     {"Joe Smith - 42"},
     {" Joe "},
     {},
     {}},

    // Send: tokens, numbers and ranges.
    {"BlanksInsideNumbersGo", {{"Joe", "/joebot send 1 2"}}, {"Joe - 12"}, {}, {}, {}},
    {"BackwardRangeQueuesNothing", {{"Joe", "/joebot send 5-3"}}, {}, {}, {}, {}},
    {"RangeOfOne", {{"Joe", "/joebot send 2-2"}}, {"Joe - 2"}, {}, {}, {}},
    {"RangeEndsAtTheLastItem",
     {{"Joe", "/joebot send 8-12"}},
     {"Joe - 8", "Joe - 9"},
     {},
     {},
     {},
     10},
    {"RangeWithLeadingZeros",
     {{"Joe", "/joebot send 008-0010"}},
     {"Joe - 8", "Joe - 9", "Joe - 10"},
     {},
     {},
     {}},
    {"BackwardRangeDropsTheRest", {{"Joe", "/joebot send 1, 5-3, 2"}}, {"Joe - 1"}, {}, {}, {}},
    {"RangeEndNotANumberDropsTheRest",
     {{"Joe", "/joebot send 1, 2-x, 3"}, {"Mia", "/joebot send 1-2-3"}, {"Kim", "/joebot send -3"}},
     {"Joe - 1"},
     {},
     {},
     {}},
    {"EmptyTokensAreSkipped", {{"Joe", "/joebot send ,1,,2,"}}, {"Joe - 1", "Joe - 2"}, {}, {}, {}},
    {"ListNumberOutOfRangeIsSkipped",
     {{"Joe", "/joebot send 3, 60, 4, 75"}},
     {"Joe - 3", "Joe - 4"},
     {},
     {},
     {}},
    {"ListTokenNotANumberDropsTheRest",
     {{"Joe", "/joebot send 3, abc, 4"}},
     {"Joe - 3"},
     {},
     {},
     {}},
    {"LoneNumberOutOfRange", {{"Joe", "/joebot send 50"}}, {}, {}, {}, {}},
    {"NoMailListNoItems",
     {{"Joe", "/joebot send 0"}, {"Joe", "/joebot send 0-3"}, {"Joe", "/joebot send 0, 1"}},
     {},
     {},
     {},
     {},
     0},

    // Fractions and numbers too long for any integer.
    {"FractionAloneIsNoNumber", {{"Joe", "/joebot send 4.5"}}, {}, {}, {}, {}},
    {"FractionInAListDropsTheRest", {{"Joe", "/joebot send 1, 4.5, 2"}}, {"Joe - 1"}, {}, {}, {}},
    {"FractionEndingARangeDropsTheRest",
     {{"Joe", "/joebot send 1, 2-4.5, 3"}, {"Mia", "/joebot send 2.5-4"}},
     {"Joe - 1"},
     {},
     {},
     {}},
    {"SignsAndExponentsAreNoNumbers",
     {{"Joe", "/joebot send +4"}, {"Joe", "/joebot send 4e1"}, {"Joe", "/joebot send 0x4"}},
     {},
     {},
     {},
     {}},
    {"FortyDigitsAloneIsOutOfRange", {{"Joe", "/joebot send " + k40Digits}}, {}, {}, {}, {}},
    {"FortyDigitsInAListIsSkipped",
     {{"Joe", "/joebot send 1, " + k40Digits + ", 2"}},
     {"Joe - 1", "Joe - 2"},
     {},
     {},
     {}},
    {"RangeToFortyDigits",
     {{"Joe", "/joebot send 7-" + k40Digits}},
     {"Joe - 7", "Joe - 8", "Joe - 9"},
     {},
     {},
     {},
     10},
    {"RangeFromFortyDigitsIsBackward",
     {{"Joe", "/joebot send 1, " + k40Digits + "-3, 2"}},
     {"Joe - 1"},
     {},
     {},
     {}},
    {"RangeBetweenHugeNumbersComparesTheirValues",
     {{"Joe", "/joebot send " + k40Digits + "8-" + k40Digits + ", 4"},
      {"Mia", "/joebot send " + k40Digits + "-" + k40Digits + "8, 4"}},
     {"Mia - 4"},
     {},
     {},
     {}},

    // Duplicates.
    {"LoneDuplicateAsTyped",
     {{"Joe", "/joebot send 7"}, {"Joe", "/joebot send 7"}, {"Joe", "/joebot send 007"}},
     {"Joe - 7", "Joe - 007"},
     {},
     {},
     {}},
    {"ListDuplicateByValue",
     {{"Joe", "/joebot send 7, 007, 8"}},
     {"Joe - 7", "Joe - 8"},
     {},
     {},
     {}},
    {"RangeNumbersAreNotTestedForDuplicates",
     {{"Joe", "/joebot send 7"}, {"Joe", "/joebot send 6-7"}},
     {"Joe - 7", "Joe - 6", "Joe - 7"},
     {},
     {},
     {}},
    {"DuplicatesAreOnePerRequester",
     {{"Joe", "/joebot send 7"}, {"joe", "/joebot send 7"}},
     {"Joe - 7", "joe - 7"},
     {},
     {},
     {}},
    {"OneListRequestEach",
     {{"Joe", "/joebot send list"}, {"Joe", "/joebot send list"}, {"JOE", "/joebot send list"}},
     {},
     {"Joe", "JOE"},
     {},
     {}},
    {"OneStatusRequestEach",
     {{"Joe", "/joebot status"}, {"Joe", "/joebot status please"}},
     {},
     {},
     {},
     {"Joe"}},
    {"FindDuplicates",
     {{"Joe", "/joebot find car"}, {"Joe", "/joebot find  car "}, {"Joe", "/joebot find Car"}},
     {},
     {},
     {"Joe - car", "Joe - Car"},
     {}},
    {"FindTermsDuplicateByText",
     {{"Joe", "/joebot find X, x"}, {"Joe", "/joebot find x, X"}},
     {},
     {},
     {"Joe - x", "Joe - X"},
     {}},
    {"FindTermsSkipEmptyOnes",
     {{"Joe", "/joebot find a, , b,"}},
     {},
     {},
     {"Joe - a", "Joe - b"},
     {}},
    {"FindTextKeepsItsDashes",
     {{"Joe", "/joebot find up - down"}},
     {},
     {},
     {"Joe - up - down"},
     {}},

    // Limits.
    {"ItemLimitStopsARange",
     {{"Joe", "/joebot send 1-10"}, {"Mia", "/joebot send 4"}},
     {"Joe - 1", "Joe - 2", "Joe - 3", "Mia - 4"},
     {},
     {},
     {},
     50,
     3},
    {"ItemLimitStopsAListAndLaterLines",
     {{"Joe", "/joebot send 1, 2, 3, 4"}, {"Joe", "/joebot send 5"}},
     {"Joe - 1", "Joe - 2", "Joe - 3"},
     {},
     {},
     {},
     50,
     3},
    {"ItemLimitOfZeroAdmitsNothing",
     {{"Joe", "/joebot send 1"}, {"Joe", "/joebot send 1-3"}, {"Joe", "/joebot send 1, 2"}},
     {},
     {},
     {},
     {},
     50,
     0},
    {"NegativeItemLimitAdmitsNothing", {{"Joe", "/joebot send 1"}}, {}, {}, {}, {}, 50, -5},
    {"FindLimit",
     {{"Joe", "/joebot find a, b, c"}, {"Joe", "/joebot find d"}},
     {},
     {},
     {"Joe - a", "Joe - b"},
     {},
     50,
     100,
     2},
    {"FindLimitOfZero",
     {{"Joe", "/joebot find a"}, {"Joe", "/joebot find b, c"}},
     {},
     {},
     {},
     {},
     50,
     100,
     0},
    // Hostile lines: senders the chat view cannot write, control characters, any length.
    {"SendersNoMemberCanBeAndControlCharacters",
     {{"Ann\a", "/joebot send 3"},
      {"Seventeen Letters", "/joebot send 3"},
      {"Gone", "/joebot send 4"},
      {"Joe", "/joebot send 1\0 2"s},
      {"Joe", "/joebot find red\1car\t"}},
     {"Joe - 12"},
     {},
     {"Joe - red car"},
     {}},
    {"LimitsDoNotTouchListsOrStatus",
     {{"Joe", "/joebot send list"}, {"Joe", "/joebot status"}},
     {},
     {"Joe"},
     {},
     {"Joe"},
     50,
     0,
     0},
};

class IntakeGrammarTest : public ::testing::TestWithParam<Case> {
 protected:
  IntakeHarness harness_;
};

TEST_P(IntakeGrammarTest, QueuesWhatTheLinesAskFor) {
  const Case& c = GetParam();
  harness_.sources.mail_count = c.mail_count;
  harness_.sources.item_limit = c.item_limit;
  harness_.sources.find_limit = c.find_limit;
  harness_.sources.banned = {"Spammer"};
  harness_.sources.absent = {"Gone"};
  for (const Said& said : c.lines) harness_.Say(said.sender, said.message);

  EXPECT_EQ(harness_.Requests.list().items(), c.requests);
  EXPECT_EQ(harness_.Lists.list().items(), c.lists);
  EXPECT_EQ(harness_.Finds.list().items(), c.finds);
  EXPECT_EQ(harness_.Statuss.list().items(), c.statuss);
  EXPECT_EQ(harness_.Frame1.caption(), "Item Requests:  " + std::to_string(c.requests.size()));
  EXPECT_EQ(harness_.Frame2.caption(), "List Requests:  " + std::to_string(c.lists.size()));
  EXPECT_EQ(harness_.Frame3.caption(), "Find Requests:  " + std::to_string(c.finds.size()));
}

INSTANTIATE_TEST_SUITE_P(Lines, IntakeGrammarTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name) + "_" + std::to_string(info.index);
                         });

// --- Limits against what is already queued -------------------------------------------------------

TEST(IntakeLimitTest, FindLimitCountsWhatIsAlreadyPending) {
  IntakeHarness harness;
  for (const char* term : {"a", "b", "c", "d"}) harness.Finds.Append(std::string("Joe - ") + term);
  harness.Say("Joe", "/joebot find one, two, three");
  EXPECT_THAT(harness.Finds.list().items(),
              ElementsAre("Joe - a", "Joe - b", "Joe - c", "Joe - d", "Joe - one"));
}

TEST(IntakeLimitTest, ItemLimitCountsOnlyTheRequestersOwnEntries) {
  IntakeHarness harness;
  harness.sources.item_limit = 2;
  harness.Requests.Append("Mia - 1");
  harness.Requests.Append("Mia - 2");
  harness.Requests.Append("Joe - 1");
  harness.Say("Joe", "/joebot send 3-9");
  EXPECT_THAT(harness.Requests.list().items(),
              ElementsAre("Mia - 1", "Mia - 2", "Joe - 1", "Joe - 3"));
}

// Entries put back at the head again and again, more often than there is room between their
// places, are still taken for their item oldest first, and counted for their requester.
TEST(RequestQueueTest, PutBacksAtTheHeadKeepTheItemsOrder) {
  IntakeHarness harness;
  harness.Requests.Append("Mia - 7");
  for (int i = 0; i < 45; ++i) harness.Requests.InsertAt(0, "Joe" + std::to_string(i) + " - 7");
  harness.Requests.InsertAt(1, "Kim - 8");
  EXPECT_THAT(harness.Requests.TakeForItem("7", 3),
              ElementsAre("Joe44 - 7", "Joe43 - 7", "Joe42 - 7"));
  EXPECT_EQ(harness.Requests.Entry(0), "Kim - 8");
  EXPECT_EQ(harness.Requests.TakeForItem("7", 50).back(), "Mia - 7");
  EXPECT_EQ(harness.Requests.PendingFor("Kim"), harness.Requests.Count());
}

TEST(IntakeLimitTest, ALineLooksAtItsFirstTokensAndTerms) {
  IntakeHarness harness;
  harness.sources.mail_count = 300;
  harness.sources.item_limit = 1000;
  harness.sources.find_limit = 300;
  std::string items, terms;
  for (int i = 0; i < 150; ++i)
    items += std::to_string(i) + ",", terms += "t" + std::to_string(i) + ",";
  harness.Say("Joe", "/joebot send " + items);
  harness.Say("Joe", "/joebot find " + terms);
  EXPECT_EQ(harness.Requests.Count(), 100);
  EXPECT_EQ(harness.Finds.Count(), 20);
}

// --- Transcripts ---------------------------------------------------------------------------------

TEST(IntakeTranscriptTest, LinesEndAtCarriageReturnsAndLineFeedsAreDropped) {
  IntakeHarness harness;
  const std::string transcript = IntakeHarness::Line("Joe", "/joebot send 1") + "\r\n" +
                                 IntakeHarness::Line("Mia", "/joebot send\n 2") + "\r" +
                                 IntakeHarness::Line("Kim", "/joebot send 3");
  harness.intake.TakeTranscript(transcript, kOwnName);
  EXPECT_THAT(harness.Requests.list().items(), ElementsAre("Joe - 1", "Mia - 2", "Kim - 3"));
}

TEST(IntakeTranscriptTest, ALastLineEndedByALineFeedAloneIsTaken) {
  IntakeHarness harness;
  const std::string transcript = IntakeHarness::Line("Joe", "/joebot send 1") + "\r" +
                                 IntakeHarness::Line("Mia", "/joebot send 2") + "\n";
  harness.intake.TakeTranscript(transcript, kOwnName);
  EXPECT_THAT(harness.Requests.list().items(), ElementsAre("Joe - 1", "Mia - 2"));
}

TEST(IntakeTranscriptTest, ShortLinesAndLinesWithoutAColonAreIgnored) {
  IntakeHarness harness;
  harness.sources.mail_count = 10;
  harness.intake.TakeTranscript("J:\rJoe /joebot send 3\rJ:\t /joebot send 4\r", kOwnName);
  EXPECT_THAT(harness.Requests.list().items(), ElementsAre("J - 4"));
}

TEST(IntakeTranscriptTest, AnEmptyTranscriptTakesNothing) {
  IntakeHarness harness;
  harness.intake.TakeTranscript("", kOwnName);
  EXPECT_EQ(harness.Requests.Count() + harness.Lists.Count() + harness.Finds.Count(), 0);
}

TEST(IntakeTranscriptTest, ADroppedLineDoesNotAffectTheNext) {
  IntakeHarness harness;
  const std::string transcript = IntakeHarness::Line("Joe", "/joebot send 1, x, 2") + "\r" +
                                 IntakeHarness::Line("Joe", "/joebot send 3") + "\r";
  harness.intake.TakeTranscript(transcript, kOwnName);
  EXPECT_THAT(harness.Requests.list().items(), ElementsAre("Joe - 1", "Joe - 3"));
}

TEST(IntakeTranscriptTest, ABulletInTheMessageIsJustACharacter) {
  IntakeHarness harness;
  harness.Say("Joe", "/joebot find " + std::string(1, kBullet) + " tollmere server list 1");
  EXPECT_THAT(harness.Finds.list().items(),
              ElementsAre("Joe - " + std::string(1, kBullet) + " tollmere server list 1"));
  EXPECT_THAT(harness.Requests.list().items(), IsEmpty());
}

}  // namespace
}  // namespace serving_engine::testing
