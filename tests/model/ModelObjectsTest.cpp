#include <gtest/gtest.h>

#include "model/ModelObjects.h"

namespace {

TEST(ModelObjects, TheProcessWideObjectsStartEmptyAndWithTheDefaults)
{
    EXPECT_EQ(theQuestionBank.GetSize(), 0);
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 70);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
}

} // namespace
