#pragma once
// Base fixture of GUI tests: after each test no window may be left open; one that is gets
// reported and closed, so the next test starts clean.

#include <gtest/gtest.h>

class GuiTest : public testing::Test
{
protected:
    void TearDown() override;
};
