#include "protocol/numbertext.h"

#include <gtest/gtest.h>

using namespace dosarium;

TEST(NumberText, Placeholder)
{
    EXPECT_EQ(numbertext::general(200.0f, 7, QLocale::c()), "200");
}
