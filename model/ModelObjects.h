#pragma once

#include "model/QuestionBank.h"
#include "model/Settings.h"

// The process-wide question bank and settings record. Both are defined in one translation unit
// of the program, after the application object, so that they are constructed in the order
// application, bank, settings and destroyed in the reverse order. Code that can take them as
// parameters should; tests then use local instances.
extern QuestionBank theQuestionBank;
extern Settings theSettings;
