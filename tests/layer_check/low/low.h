#pragma once
// A lower layer that includes a higher one: what the layer check must refuse.

#include <string>

#include "high/high.h"
#include "low/beside.h"
