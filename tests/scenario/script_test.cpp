#include "scenario/script.h"

#include <gtest/gtest.h>

#include "scenario/encoding.h"

namespace scenario {
namespace {

struct Malformed {
  const char* text;
  int line;
  const char* why_contains;
};

class MalformedScript : public testing::TestWithParam<Malformed> {};

TEST_P(MalformedScript, StopsWithTheLineAndTheReason) {
  std::optional<ParseError> error;
  const Script script = ParseScript(GetParam().text, error);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->line, GetParam().line);
  EXPECT_NE(error->why.find(GetParam().why_contains), std::string::npos) << error->why;
  EXPECT_TRUE(script.commands.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedScript,
    testing::Values(Malformed{"start\nfly away\n", 2, "unknown command"},
                    Malformed{"# note\n\nclient version 6\n", 3, "4 or 5"},
                    Malformed{"wait soon\n", 1, "seconds"}, Malformed{"wait -1\n", 1, "seconds"},
                    Malformed{"say \"Joe\n", 1, "quote"},
                    Malformed{"say \"Joe\" \"a\\qb\"\n", 1, "escape"},
                    Malformed{"click serverFrm\n", 1, "argument"},
                    Malformed{"start\nclock \"2000-01-01 00:00:00\"\n", 2, "before"},
                    Malformed{"clock \"2000-13-01 00:00:00\"\n", 1, "YYYY"},
                    Malformed{"expect chat-count 3 4\n", 1, "too many"},
                    Malformed{"client fault exploding\n", 1, "fault"},
                    Malformed{"client flash\n", 1, "at least one"},
                    Malformed{"expect visible serverFrm maybe\n", 1, "yes or no"},
                    Malformed{"start\nstart\n", 2, "once"},
                    Malformed{"client fault mailbox-stall\n", 1, "argument"},
                    Malformed{"client hang a-while\n", 1, "seconds"},
                    Malformed{"client user-open -1\n", 1, "whole number"},
                    Malformed{"client user-compose now\n", 1, "too many"},
                    Malformed{"client flash-generate 100000000 T\n", 1, "up to 100000"},
                    Malformed{"client user-open 4294967296\n", 1, "up to 2147483647"},
                    Malformed{"room traffic 1 1000000\n", 1, "up to 600"},
                    Malformed{"\xEF\xBB\xBFstart\nstart\n", 2, "once"},
                    Malformed{"program crash\n", 1, "needs a program that runs"},
                    Malformed{"start\nprogram crash\nprogram crash\n", 3, "that runs"},
                    Malformed{"start\nprogram restart\n", 2, "needs a program that crashed"},
                    Malformed{"start\nprogram keeps-pending\n", 2, "before 'start'"}));

TEST(Script, ReadsQuotedWordsEscapesAndNumbers) {
  std::optional<ParseError> error;
  const Script script = ParseScript(
      "clock \"2000-06-15 23:59:00\"\n"
      "client room \"Lobby 1\" ann \"bob smith\"\n"
      "say ann \"/h send 1, 3-4\\r\\n\\\"x\\\"\"\n"
      "wait 0.5\n"
      "expect item serverFrm Requests 2 \"ann - 4\"\n",
      error);
  ASSERT_FALSE(error.has_value()) << error->why;
  ASSERT_EQ(script.commands.size(), 5u);
  EXPECT_EQ(script.commands[0].verb, Verb::kClock);
  const Command& room = script.commands[1];
  EXPECT_EQ(room.verb, Verb::kClientRoom);
  ASSERT_EQ(room.args.size(), 3u);
  EXPECT_EQ(room.text(0), "Lobby 1");
  EXPECT_EQ(room.text(2), "bob smith");
  EXPECT_EQ(script.commands[2].text(1), "/h send 1, 3-4\r\n\"x\"");
  EXPECT_DOUBLE_EQ(script.commands[3].number(0), 0.5);
  EXPECT_EQ(script.commands[4].integer(2), 2);
  EXPECT_TRUE(script.commands[4].IsExpectation());
  EXPECT_EQ(script.commands[4].line, 5);
}

TEST(Script, ThePersonLagAndHangCommandsReadTheirArguments) {
  std::optional<ParseError> error;
  const Script script = ParseScript(
      "client fault forward-twice\nclient fault mailbox-stall 2.5\nclient hang 20\n"
      "client user-open 7\nclient user-compose\nclient close-mailbox\n",
      error);
  ASSERT_FALSE(error.has_value()) << error->why;
  ASSERT_EQ(script.commands.size(), 6u);
  EXPECT_EQ(script.commands[0].verb, Verb::kClientFault);
  EXPECT_EQ(script.commands[0].text(0), "forward-twice");
  EXPECT_EQ(script.commands[1].verb, Verb::kClientMailboxStall);
  EXPECT_DOUBLE_EQ(script.commands[1].number(0), 2.5);
  EXPECT_EQ(script.commands[2].verb, Verb::kClientHang);
  EXPECT_DOUBLE_EQ(script.commands[2].number(0), 20);
  EXPECT_EQ(script.commands[3].verb, Verb::kClientUserOpen);
  EXPECT_EQ(script.commands[3].integer(0), 7);
  EXPECT_EQ(script.commands[4].verb, Verb::kClientUserCompose);
  EXPECT_EQ(script.commands[5].verb, Verb::kClientCloseMailbox);
}

TEST(Script, ChaosTrafficAndTheServingChecksReadTheirArguments) {
  std::optional<ParseError> error;
  const Script script = ParseScript(
      "client chaos 42\nclient chaos off\nroom traffic 7 4.5\nroom traffic off\n"
      "expect confirmations-true\nexpect nothing-lost\n",
      error);
  ASSERT_FALSE(error.has_value()) << error->why;
  ASSERT_EQ(script.commands.size(), 6u);
  EXPECT_EQ(script.commands[0].verb, Verb::kClientChaos);
  EXPECT_EQ(script.commands[0].integer(0), 42);
  EXPECT_EQ(script.commands[1].verb, Verb::kClientChaosOff);
  EXPECT_EQ(script.commands[2].verb, Verb::kRoomTraffic);
  EXPECT_DOUBLE_EQ(script.commands[2].number(1), 4.5);
  EXPECT_EQ(script.commands[3].verb, Verb::kRoomTrafficOff);
  EXPECT_TRUE(script.commands[4].IsExpectation());
  EXPECT_EQ(script.commands[5].verb, Verb::kExpectNothingLost);
  for (const char* wrong : {"client chaos soon\n", "room traffic 7\n", "room traffic on 3\n"}) {
    ParseScript(wrong, error);
    EXPECT_TRUE(error.has_value()) << wrong;
  }
}

TEST(Script, LongestPhraseWins) {
  std::optional<ParseError> error;
  const Script script = ParseScript(
      "expect forward 12 \"(ann),\"\nexpect forward-to \"(ann),\"\n"
      "expect client popups 0\nanswer input \"50\"\nanswer ok\n",
      error);
  ASSERT_FALSE(error.has_value()) << error->why;
  EXPECT_EQ(script.commands[0].verb, Verb::kExpectForward);
  EXPECT_EQ(script.commands[1].verb, Verb::kExpectForwardTo);
  EXPECT_EQ(script.commands[2].verb, Verb::kExpectClientPopups);
  EXPECT_EQ(script.commands[3].verb, Verb::kAnswerInput);
  EXPECT_EQ(script.commands[4].verb, Verb::kAnswerOk);
}

TEST(Encoding, BulletAndAccentsCrossBothWays) {
  const std::string bullet_line = "\xE2\x80\xA2 caf\xC3\xA9";  // "• café" in UTF-8
  const std::string system = Utf8ToCp1252(bullet_line);
  EXPECT_EQ(system, "\x95 caf\xE9");
  EXPECT_EQ(Cp1252ToUtf8(system), bullet_line);
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // no such character in the 8-bit set
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace scenario
