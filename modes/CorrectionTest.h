#pragma once
// Turns the wrongly answered questions of the test just taken into the next test: same
// order, fresh counts, position and used time. The previous test list is overwritten.

class Settings;

void PrepareCorrectionTest(Settings& settings);
