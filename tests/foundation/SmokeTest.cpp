#include "foundation/Value.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) { EXPECT_EQ(taxilo::FormatFloat(1234.5), "1234,5"); }
