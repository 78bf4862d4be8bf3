#pragma once
// The shared serving state: the flags the buttons raise and the serving tick acts on, the times
// of the serving report and the numbers the List Designer leaves for the serving loop. One
// instance lives as long as the program; every window that needs it is given it by reference.

#include <cstdint>
#include <string>

namespace shared {

struct Variables {
  bool StopRequested = false;
  bool PauseRequested = false;
  bool FinishRequested = false;
  bool ListsDue = false;
  bool AdvertDue = false;
  bool BanListUsed = false;
  bool CustomMessages = false;
  std::string TimeStarted;
  std::string TimeEnded;
  std::int32_t ItemOffset = 0;
  std::int32_t ServingListCount = 0;
};

}  // namespace shared
