#include "Udecl.h"

#include <gtest/gtest.h>

TEST(Record, Sizes)
{
    EXPECT_EQ(sizeof(TModuleSettings), 1228u);
}
