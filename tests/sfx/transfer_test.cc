// The stream transfer seen from outside: the percent rule and the streams
// the compressor makes.
#include <gtest/gtest.h>

#include "sfx/sfx_archive.h"

namespace {

struct PercentCase {
  uint32_t nTotal, nDone;
  int nExpected;
};

class PercentTest : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentTest, FollowsTheRule) {
  EXPECT_EQ(CSfxArchive::ComputePercent(GetParam().nTotal, GetParam().nDone), GetParam().nExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PercentTest,
    ::testing::Values(PercentCase{0, 0, 100}, PercentCase{0, 500, 100},
                      PercentCase{20000000, 10000000, 50},    // 10,000,000 / 200,000
                      PercentCase{20000000, 199999, 0},       // divides first: 199,999 / 200,000
                      PercentCase{10000000, 9999999, 99},     // multiplies first at exactly 10,000,000
                      PercentCase{10000001, 9999999, 99},     // 9,999,999 / 100,000
                      PercentCase{3, 1, 33}, PercentCase{3, 2, 66}, PercentCase{4096, 4096, 100},
                      PercentCase{150, 149, 99}, PercentCase{100, 250, 100},  // never above 100
                      PercentCase{4000000000u, 4000000000u, 100}));

}  // namespace
