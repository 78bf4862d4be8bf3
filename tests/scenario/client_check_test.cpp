#include "aol_automation/client_check.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "aol_automation/text_files.h"
#include "scenario/client_check_run.h"
#include "support/layout_name.h"

namespace scenario {
namespace {

using Json = nlohmann::json;
using vornik32::RowState;

// The checked-in capture of the stand-in, changed as a user's client may differ from it: the
// first window whose key is value, anywhere in the tree, moves one place on or goes.
enum class Edit { kNone, kMoveOnePlace, kRemove };
struct CaptureCase {
  const char* name;
  Edit edit;
  const char* key;
  const char* value;
  std::vector<std::string> not_found;  // the rows the check names; every other row is found
  std::string there;                   // part of what the first of them says stands there
};

bool EditTree(Json& window, const CaptureCase& change) {
  Json& children = window["children"];
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (change.edit != Edit::kNone && children[i][change.key] == change.value) {
      if (change.edit == Edit::kRemove) children.erase(i);
      if (change.edit == Edit::kMoveOnePlace) std::swap(children[i], children.at(i + 1));
      return true;
    }
    if (EditTree(children[i], change)) return true;
  }
  return false;
}

const CaptureCase kCases[] = {
    {"Whole", Edit::kNone, "", "", {}, ""},
    {"ForwardMovedOnePlace",
     Edit::kMoveOnePlace,
     "caption",
     "Forward",
     {"Open mail: Forward button"},
     "stands there; \"Forward\" is the "},
    {"MemberListMissing",
     Edit::kRemove,
     "class",
     "_AOL_Listbox",
     {"Chat room", "Chat room: member list", "Chat room: member names"},
     "has 0 of the 1 \"_AOL_Listbox\" needed"},
};

class ClientCheckOfCapture
    : public ::testing::TestWithParam<std::tuple<aolsim::Layout, CaptureCase>> {};

TEST_P(ClientCheckOfCapture, NamesTheRowsThatDifferAndWhatStandsThere) {
  const auto& [layout, change] = GetParam();
  const std::string file = std::string(TOLLMERE_CLIENT_CAPTURES) + "/stand_in_version" +
                           (layout == aolsim::Layout::kVersion5 ? "5" : "4") + ".json";
  Json capture = Json::parse(vornik32::ReadTextFile(file).value());
  Json root = {{"children", capture["windows"]}};
  EXPECT_EQ(EditTree(root, change), change.edit != Edit::kNone);
  capture["windows"] = root["children"];
  World replay(TimeKind::kVirtual, {});
  std::string why;
  ASSERT_TRUE(replay.ShowCapture(capture.dump(), why)) << why;
  const vornik32::ClientReading reading = vornik32::ClientCheck(replay.program_process()).Read();

  std::vector<std::string> not_found;
  for (const vornik32::CheckRow& row : reading.rows) {
    EXPECT_NE(row.state, RowState::kCannotCheckNow) << vornik32::RowLine(row);
    if (row.state == RowState::kNotFound) not_found.push_back(row.what);
    if (!change.not_found.empty() && row.what == change.not_found.front()) {
      EXPECT_NE(row.there.find(change.there), std::string::npos) << vornik32::RowLine(row);
    }
  }
  EXPECT_EQ(not_found, change.not_found);
  if (change.not_found.empty()) {
    // The capture shows the stand-in as it is: the check reads the same of both.
    World live(TimeKind::kVirtual, {});
    live.ChooseLayout(layout);
    OpenEveryCheckedWindow(live);
    EXPECT_EQ(vornik32::ReportText(reading),
              vornik32::ReportText(vornik32::ClientCheck(live.program_process()).Read()));
  }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ClientCheckOfCapture,
                         ::testing::Combine(::testing::Values(aolsim::Layout::kVersion5,
                                                              aolsim::Layout::kVersion4),
                                            ::testing::ValuesIn(kCases)),
                         [](const auto& info) {
                           return tollmere_testing::LayoutCaseName(std::get<0>(info.param)) +
                                  std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace scenario
