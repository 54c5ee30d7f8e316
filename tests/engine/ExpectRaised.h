// Checks that a call raises the engine's error with the given source and
// text, and that the chart's record holds the same error afterwards.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Chart.h"

inline void ExpectRaised(const Chart& chart, const std::function<void()>& call,
                         const std::string& source, const std::string& text,
                         int32_t number = kEngineErrorNumber) {
  ErrorRecord raised;
  EXPECT_EQ(TrapStatus(raised, call), Status::Error(number)) << source;
  EXPECT_EQ(raised.source, source);
  EXPECT_EQ(raised.description, text);
  EXPECT_EQ(chart.ErrNumber(), number);
  EXPECT_EQ(chart.ErrSource(), source);
  EXPECT_EQ(chart.ErrDescription(), text);
}
