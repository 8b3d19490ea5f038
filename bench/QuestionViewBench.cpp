// The question window on Qt's offscreen platform: showing a question and repainting the
// whole window, beside the repaint of a plain QDialog of the same size with four QLabels.
// The question window is modal, so each case runs inside its modal loop.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <array>
#include <functional>
#include <vector>

#include "bench/BenchText.h"
#include "framework/qt/QtConversions.h"
#include "framework/qt/QtHandles.h"
#include "model/ModelObjects.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"

// The window reads the process-wide records, as in the program.
QuestionBank theQuestionBank;
Settings theSettings;

namespace {

const int kTextControls[4] = {IDC_QUESTION_TEXT, IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};
// Questions 0 and 1 have no picture; 2 a picture beside the texts, 3 one above them.
constexpr int kPlainQuestion = 0;
constexpr int kPictureQuestion = 2;

struct WindowShape
{
    QSize size;
    std::array<QRect, 4> texts;
};
WindowShape g_shape;

// Counts the paint events of every widget, so that a case that paints nothing shows.
class PaintCounter : public QObject
{
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    long Count() const { return m_count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++m_count;
        }
        return false;
    }

private:
    long m_count = 0;
};

bool Exposed(QWidget* window)
{
    return window && window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
}

// Lets the first show settle: exposure, layout and the first paints.
void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// Runs body inside dialog's modal loop once its window is on screen, then closes it.
void RunInsideModal(CDialog& dialog, const std::function<void(QWidget*)>& body)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = WidgetOf(&dialog);
        if (!Exposed(window)) {
            return;
        }
        poll.stop();
        Settle();
        body(window);
        dialog.EndDialog(IDCANCEL);
    });
    poll.start(1);
    dialog.DoModal();
}

void SetUpBank()
{
    const auto generated = GenerateQuestions(4, 7, "");
    theQuestionBank.RemoveAll();
    theQuestionBank.SetSize(4);
    const char* const pictures[4] = {"", "", "zn_zakaz_kotveni", "bojky_kardinalni"};
    for (int i = 0; i < 4; ++i) {
        Question& q = theQuestionBank[i];
        for (int t = 0; t < 4; ++t) {
            q.m_strText[static_cast<std::size_t>(t)] = generated[static_cast<std::size_t>(i % 2)].text[t];
        }
        q.m_nAnswer = generated[static_cast<std::size_t>(i % 2)].answer;
        q.m_nPicture = *pictures[i] ? 1 : 0;
        q.m_strPicture = pictures[i];
    }
    theSettings.m_strExeDir = NAVIK_BENCH_DIST_DIR "/";
    theSettings.m_bUShowAll = true;
}

// The size of the question window and where its texts stand, for the plain dialog.
void MeasureQuestionWindow()
{
    QuestionDialog dialog;
    dialog.m_bLearning = true;
    dialog.m_nQuestion = kPlainQuestion;
    RunInsideModal(dialog, [&](QWidget* window) {
        g_shape.size = window->size();
        for (std::size_t i = 0; i < 4; ++i) {
            g_shape.texts[i] = dialog.GetDlgItem(kTextControls[i])->GetSafeHwnd()->geometry();
        }
    });
}

// Paints the window and every control on it once. QWidget::repaint() would not do: it
// leaves the opaque controls alone unless they were invalidated themselves.
void FullRepaint(QWidget* window)
{
    benchmark::DoNotOptimize(window->grab());
}

// The updates that the change queued would paint the changed controls a second time; they
// are delivered outside the timing, so each iteration paints everything exactly once.
void DeliverQueuedEvents(benchmark::State& state)
{
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// One iteration of each case, kept out of line so that a profiler can collect just these
// (valgrind --tool=callgrind --toggle-collect='*ShowAndRepaint*').
[[gnu::noinline]] void ShowAndRepaint(QuestionDialog& dialog, QWidget* window, int question)
{
    dialog.m_nQuestion = question;
    dialog.ShowQuestion();
    FullRepaint(window);
}

[[gnu::noinline]] void SetTextsAndRepaint(QDialog& plain, const std::array<QLabel*, 4>& labels,
                                          const std::array<QString, 4>& texts)
{
    for (std::size_t i = 0; i < 4; ++i) {
        labels[i]->setText(texts[i]);
    }
    FullRepaint(&plain);
}

// Saves the question window as it looks with questions 0, 2 and 3, to check that a change
// made for speed leaves every pixel as it was.
void SaveSnapshots(const QString& directory)
{
    for (const int question : {0, 2, 3}) {
        QuestionDialog dialog;
        dialog.m_bLearning = true;
        dialog.m_nQuestion = question;
        RunInsideModal(dialog, [&](QWidget* window) {
            window->grab().toImage().save(directory + QStringLiteral("/question%1.ppm").arg(question));
        });
    }
}

// Learning mode with all answers shown; each iteration alternates between two questions of
// the same kind, so every text really changes.
void BM_QuestionWindow(benchmark::State& state)
{
    const int first = static_cast<int>(state.range(0));
    QuestionDialog dialog;
    dialog.m_bLearning = true;
    dialog.m_nQuestion = first;
    RunInsideModal(dialog, [&](QWidget* window) {
        PaintCounter paints;
        int next = 0;
        for (auto _ : state) {
            ShowAndRepaint(dialog, window, first + next);
            next ^= 1;
            DeliverQueuedEvents(state);
        }
        state.counters["paints_per_iter"] =
            benchmark::Counter(double(paints.Count()), benchmark::Counter::kAvgIterations);
    });
}

void BM_PlainDialog(benchmark::State& state)
{
    std::array<std::array<QString, 4>, 2> texts;
    const char* const prefixes[4] = {"", "a) ", "b) ", "c) "};
    for (std::size_t q = 0; q < 2; ++q) {
        const Question& question = theQuestionBank[static_cast<int>(q)];
        for (std::size_t t = 0; t < 4; ++t) {
            texts[q][t] = FromAnsi(prefixes[t] + question.m_strText[t]);
        }
    }
    QDialog plain;
    plain.resize(g_shape.size);
    std::array<QLabel*, 4> labels{};
    for (std::size_t i = 0; i < 4; ++i) {
        labels[i] = new QLabel(&plain);
        labels[i]->setGeometry(g_shape.texts[i]);
        labels[i]->setWordWrap(true);
        labels[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QFont font = labels[i]->font();
        font.setPixelSize(20);
        font.setBold(i == 0);
        labels[i]->setFont(font);
    }
    plain.show();
    while (!Exposed(&plain)) {
        QCoreApplication::processEvents();
    }
    Settle();
    PaintCounter paints;
    std::size_t next = 0;
    for (auto _ : state) {
        SetTextsAndRepaint(plain, labels, texts[next]);
        next ^= 1;
        DeliverQueuedEvents(state);
    }
    state.counters["paints_per_iter"] =
        benchmark::Counter(double(paints.Count()), benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SetUpBank();
    MeasureQuestionWindow();
    if (const QString snapshots = qEnvironmentVariable("NAVIK_BENCH_SNAPSHOT_DIR"); !snapshots.isEmpty()) {
        SaveSnapshots(snapshots);
        return 0;
    }
    std::vector<benchmark::internal::Benchmark*> cases = {
        benchmark::RegisterBenchmark("view/ShowQuestion+repaint/no_picture", BM_QuestionWindow)
            ->Arg(kPlainQuestion),
        benchmark::RegisterBenchmark("view/ShowQuestion+repaint/picture", BM_QuestionWindow)
            ->Arg(kPictureQuestion),
        benchmark::RegisterBenchmark("view/plain_QDialog_4_QLabels", BM_PlainDialog),
    };
    // A fixed count makes instruction counts of a profiler run comparable per iteration.
    const int iterations = qEnvironmentVariableIntValue("NAVIK_BENCH_ITERATIONS");
    for (benchmark::internal::Benchmark* bench : cases) {
        bench->Unit(benchmark::kMicrosecond);
        if (iterations > 0)
            bench->Iterations(iterations);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
