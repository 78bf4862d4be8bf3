#pragma once
// A higher layer, which may include the lower one.

#include "low/beside.h"
