// The process-wide model objects for test programs, defined in the order the program defines
// them (its application object first, absent here).
#include "model/ModelObjects.h"

QuestionBank theQuestionBank;
Settings theSettings;
