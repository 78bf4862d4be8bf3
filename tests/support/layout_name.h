#pragma once
// The names of the cases run for each layout of the client: "Version5", "Version4".
//
// Header-only.

#include <gtest/gtest.h>

#include <string>

#include "aolsim/layout.h"

namespace tollmere_testing {

inline std::string LayoutCaseName(aolsim::Layout layout) {
  return layout == aolsim::Layout::kVersion5 ? "Version5" : "Version4";
}

inline std::string LayoutName(const ::testing::TestParamInfo<aolsim::Layout>& info) {
  return LayoutCaseName(info.param);
}

}  // namespace tollmere_testing
