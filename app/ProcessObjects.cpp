// The three process-wide objects, in the one translation unit that fixes their order:
// constructed App, QuestionBank, Settings; destroyed in the reverse order.

#include "App.h"
#include "model/ModelObjects.h"

App theApp;
QuestionBank theQuestionBank;
Settings theSettings;
