// The advert and list minute timers and their frequency submenus, the advert lines and the
// pending-count announcement, driven on the virtual clock from Start on.

#include <gmock/gmock.h>

#include "serving_engine/chat_lines.h"
#include "serving_engine/engine_fixture.h"

namespace serving_engine::testing {
namespace {

constexpr double kMinute = 60;

// {advert due, lists due} after each minute.
using Marks = std::vector<std::pair<bool, bool>>;

class AdvertTest : public ::testing::Test {
 protected:
  AdvertTest() {
    engine_.SignedOnInRoom();
    engine_.FillMailData(250);
    engine_.StartServing();
    // The serving loop acts on the marks and clears them; here the test reads and clears them.
    engine_.HoldServingTicks();
    TakeMarks();
  }
  // The two marks as they stand now, cleared as the serving loop clears them when it acts.
  std::pair<bool, bool> TakeMarks() {
    shared::Variables& variables = engine_.program.variables();
    const std::pair<bool, bool> marks{variables.AdvertDue, variables.ListsDue};
    variables.AdvertDue = false;
    variables.ListsDue = false;
    return marks;
  }
  // Runs minute after minute and notes after each which marks were raised.
  Marks MarksPerMinute(int minutes) {
    Marks marks;
    for (int i = 0; i < minutes; ++i) {
      engine_.RunFor(kMinute);
      marks.push_back(TakeMarks());
    }
    return marks;
  }
  Engine engine_;
};

TEST_F(AdvertTest, StartUpChoicesMarkListsEveryMinuteAndAdvertsEverySecond) {
  EXPECT_EQ(MarksPerMinute(4), (Marks{{false, true}, {true, true}, {false, true}, {true, true}}));
  EXPECT_EQ(engine_.server().advert_minutes(), 0);
}

TEST_F(AdvertTest, ChoosingALongerAdvertFrequencyKeepsTheMinutesCounted) {
  engine_.ChooseMenu(engine_.menu().adveveryfourmins);
  MarksPerMinute(3);
  ASSERT_EQ(engine_.server().advert_minutes(), 3);
  engine_.ChooseMenu(engine_.menu().adveveryfivemins);
  const Marks marks = MarksPerMinute(2);
  EXPECT_FALSE(marks[0].first);
  EXPECT_TRUE(marks[1].first);
}

TEST_F(AdvertTest, ChoosingAShorterListFrequencyMakesTheNextTickDue) {
  engine_.ChooseMenu(engine_.menu().everythreeminutes);
  EXPECT_EQ(MarksPerMinute(2), (Marks{{false, false}, {true, false}}));
  engine_.ChooseMenu(engine_.menu().everyminute);
  EXPECT_TRUE(MarksPerMinute(1)[0].second);
}

TEST_F(AdvertTest, EveryFrequencyOfBothSubmenus) {
  serving_loop::MenuForm& menu = engine_.menu();
  const struct {
    const ui::MenuEntry& advertise;
    const ui::MenuEntry& lists;
    int minutes;
  } rows[] = {{menu.adveverymin, menu.everyminute, 1},
              {menu.adveverytwomins, menu.everytwominutes, 2},
              {menu.adveverythreemins, menu.everythreeminutes, 3},
              {menu.adveveryfourmins, menu.everyfourminutes, 4},
              {menu.adveveryfivemins, menu.everyfiveminutes, 5}};
  for (const auto& row : rows) {
    engine_.ChooseMenu(row.advertise);
    engine_.ChooseMenu(row.lists);
    // Run the counters back to 0 with a due tick of the shortest kind first.
    engine_.ChooseMenu(menu.adveverymin);
    engine_.ChooseMenu(menu.everyminute);
    MarksPerMinute(1);
    engine_.ChooseMenu(row.advertise);
    engine_.ChooseMenu(row.lists);
    const Marks marks = MarksPerMinute(row.minutes);
    for (int i = 0; i < row.minutes; ++i) {
      const bool due = i == row.minutes - 1;
      EXPECT_EQ(marks[static_cast<std::size_t>(i)], std::make_pair(due, due))
          << "every " << row.minutes << ", minute " << i + 1;
    }
  }
}

TEST_F(AdvertTest, OnRequestServesListRequestsAsTheyCome) {
  engine_.ChooseMenu(engine_.menu().onrequest);
  // No minute tick marks lists due any more.
  EXPECT_EQ(MarksPerMinute(2), (Marks{{false, false}, {true, false}}));
  engine_.Say("Joe", "/ada reed send list");
  engine_.RunFor(5);
  EXPECT_TRUE(TakeMarks().second);
  // While requests are left, every chat tick marks them due again; an empty queue does not.
  engine_.RunFor(5);
  EXPECT_TRUE(TakeMarks().second);
  engine_.server().Lists.RemoveAt(0);
  engine_.RunFor(5);
  EXPECT_FALSE(TakeMarks().second);
}

TEST_F(AdvertTest, AdvCommandsPostsTheCountsEverySeventhCall) {
  ServerForm& server = engine_.server();
  server.Requests.Append("Joe - 1");
  server.Requests.Append("Joe - 2");
  server.Lists.Append("Joe");
  server.Statuss.Append("Joe");
  const std::size_t before = engine_.ProgramLines().size();
  for (int call = 1; call <= 6; ++call) server.AdvCommands();
  EXPECT_EQ(engine_.ProgramLines().size(), before);

  server.Finds.Append("Mia - car");
  server.AdvCommands();
  ASSERT_EQ(engine_.ProgramLines().size(), before + 1);
  EXPECT_EQ(engine_.ProgramLines().back(),
            BulletLine("There are 2 item request(s), 1 list request(s), and 1 find request(s) "
                       "pending"));
  for (int call = 1; call <= 6; ++call) server.AdvCommands();
  EXPECT_EQ(engine_.ProgramLines().size(), before + 1);
  server.AdvCommands();
  EXPECT_EQ(engine_.ProgramLines().size(), before + 2);
}

TEST_F(AdvertTest, TheAdvertNamesTheHandleAndTheCounts) {
  engine_.menu().SetServingHandle("JoeBot");
  EXPECT_THAT(engine_.server().AdvertLines(),
              ::testing::ElementsAre(BulletLine("tollmere serving 250 mail(s)/1 list(s)"),
                                     BulletLine("\"/joebot send list\" - list"),
                                     BulletLine("\"/joebot send x, x-x, x\" - request"),
                                     BulletLine("\"/joebot find x, x, x\" - search")));
  const std::size_t before = engine_.ProgramLines().size();
  const double start = engine_.clock.Now();
  engine_.server().PostAdvert();
  EXPECT_EQ(engine_.ProgramLines().size(), before + 4);
  EXPECT_LT(engine_.clock.Now() - start, 1.0);
}

TEST_F(AdvertTest, StartResetsTheMinutesButKeepsAnAdvertMark) {
  MarksPerMinute(1);
  ASSERT_EQ(engine_.server().advert_minutes(), 1);
  // An advert fell due while serving was stopped (the minute timers run on after a stop).
  engine_.program.variables().AdvertDue = true;
  ServerForm& server = engine_.server();
  server.Command1.set_caption("Start");
  engine_.Click(server.Command1);
  EXPECT_EQ(server.advert_minutes(), 0);
  EXPECT_EQ(server.list_minutes(), 0);
  EXPECT_TRUE(engine_.program.variables().AdvertDue);
  EXPECT_TRUE(engine_.program.variables().ListsDue);

  // So the serving loop's first tick posts the advert again, right after Start's own.
  const std::vector<std::string> advert = server.AdvertLines();
  engine_.RunFor(5);
  const std::vector<std::string> lines = engine_.ProgramLines();
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 8, lines.end() - 4), advert);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()), advert);
}

}  // namespace
}  // namespace serving_engine::testing
