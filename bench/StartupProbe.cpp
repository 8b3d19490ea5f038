// The trainer's start-up for measuring it: the same process-wide objects in the same order
// and the same InitInstance, with an application object that closes the launcher after its
// first paint, which ends the process as closing the launcher does. Bench-only: the trainer
// itself takes no options and never closes by itself.

#include "app/App.h"
#include "bench/CloseAfterFirstPaint.h"
#include "framework/CWinApp.h"
#include "model/ModelObjects.h"

namespace {

class ProbeApp : public App
{
public:
    BOOL InitInstance() override
    {
        CloseAfterFirstPaint closer;
        return App::InitInstance();
    }
};

} // namespace

ProbeApp theApp;
QuestionBank theQuestionBank;
Settings theSettings;

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
