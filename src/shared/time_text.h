#pragma once
// Times of day and dates written as the program shows them to its user (the serving report's
// start and end, its date): the platform's short formats, here those of an English Windows:
// "1:05:09 PM" and "6/15/2000".

#include <string>

#include "shared/winsys/clock.h"

namespace shared {

std::string TimeOfDayText(const winsys::LocalTime& time);
std::string ShortDateText(const winsys::LocalTime& time);

}  // namespace shared
