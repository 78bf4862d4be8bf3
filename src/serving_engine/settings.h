#pragma once
// The settings as every window reads them: the options menu's captions and check marks, read at
// the moment they are needed, so that an edit takes effect at once. The options menu (`menuFrm`)
// is the one implementation; the server window and the serving loop read it through this view.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace serving_engine {

class Settings {
 public:
  // The minutes entries of a frequency submenu, "Every Minute" to "Every 5 Minutes" in order:
  // whether each is checked.
  using MinuteChecks = std::array<bool, 5>;

  virtual ~Settings() = default;
  // The serving handle (lower case; "[Screenname]" until it is set).
  virtual std::string ServingHandle() const = 0;
  virtual bool HandleIsPlaceholder() const = 0;
  // Sets the handle to the lower-cased name.
  virtual void SetServingHandle(std::string_view name) = 0;
  virtual std::int64_t FindRequestLimit() const = 0;
  virtual std::int64_t ItemRequestLimit() const = 0;
  virtual std::int64_t MaxFindsToReturn() const = 0;
  virtual bool AdvertisePendingNumber() const = 0;
  // Send Lists "On Request": list requests are served as they come, not by the minute.
  virtual bool ListsOnRequest() const = 0;
  virtual MinuteChecks AdvertiseEvery() const = 0;
  virtual MinuteChecks SendListsEvery() const = 0;
};

}  // namespace serving_engine
