// Walks navik.exe through its windows as scripts/screenshots-windows.sh wants them and saves
// each window's client area as a bitmap: screenshot_tour <folder>. The steps are those of
// scripts/screenshots.sh on Linux, with posted clicks and keys in place of the pointer.

#include "ProgramDriver.h"

#include "res/resource.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::filesystem::path g_out;

void Save(HWND window, const char* name)
{
    // Nothing hovers: the pointer is away from the windows.
    SetCursorPos(0, 0);
    Settle(window);
    const Grab grab = GrabClient(window);
    std::ofstream out(g_out / (std::string(name) + ".bmp"), std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(char((value >> (8 * i)) & 0xFF));
    };
    const std::uint32_t size = std::uint32_t(grab.width * grab.height * 4);
    out.write("BM", 2);
    put(54 + size, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(std::uint32_t(grab.width), 4);
    put(std::uint32_t(-grab.height), 4);
    put(1, 2);
    put(32, 2);
    put(0, 4);
    put(size, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (std::uint32_t pixel : grab.pixels)
        put(pixel, 4);
    std::printf("%s\n", name);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot_tour <folder>\n");
        return 2;
    }
    g_out = argv[1];
    const ProgramFolder folder;
    const RunningProgram program(folder);
    HWND launcher = program.WaitForWindow([](HWND w) { return Caption(w).starts_with(L"Vůdce maleho"); });
    if (!launcher)
        return 1;
    Save(launcher, "launcher");

    PostMessageW(launcher, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    Settle(launcher);
    Key(launcher, VK_UP);
    Key(launcher, VK_RETURN);
    HWND about = program.WaitForWindow([](HWND w) { return Caption(w) == L"About Navik"; });
    Save(about, "about");
    Click(about, IDOK);

    Click(launcher, IDC_LEARN);
    HWND setup = program.WaitForDialogWith(IDC_START_LAST);
    Save(setup, "learn-setup");
    Click(setup, IDOK);
    HWND question = program.WaitForDialogWith(IDC_QUESTION_TEXT);
    Save(question, "learn-all");
    for (int i = 0; i < 9; ++i)
        Click(question, IDC_NEXT_TEN);
    for (int i = 0; i < 7; ++i)
        Click(question, IDC_NEXT);
    Save(question, "learn-picture-beside");
    Click(question, IDC_NEXT_TEN);
    Save(question, "learn-picture-above");
    Click(question, IDC_BACK);

    Click(program.WaitForDialogWith(IDC_LEARN), IDC_LEARN);
    setup = program.WaitForDialogWith(IDC_START_LAST);
    Click(setup, IDC_SHOW_CORRECT);
    Click(setup, IDOK);
    question = program.WaitForDialogWith(IDC_QUESTION_TEXT);
    Save(question, "learn-correct");
    Click(question, IDC_BACK);

    Click(program.WaitForDialogWith(IDC_EXAM), IDC_EXAM);
    setup = program.WaitForDialogWith(IDC_ORDER_SEQUENTIAL);
    Save(setup, "exam-setup");
    Click(setup, IDC_TIME_LIMITED);
    Click(setup, IDOK);
    question = program.WaitForDialogWith(IDC_ANSWER_A);
    Sleep(2000);
    Save(question, "exam-question");
    // Question 0's right answer is c, question 1's a.
    Key(question, 'A');
    HWND popup = program.WaitForDialogWith(IDC_WRONG_MESSAGE);
    Save(popup, "wrong-answer");
    Click(popup, IDOK);
    question = program.WaitForDialogWith(IDC_ANSWER_A);
    Key(question, 'A');
    Click(question, IDC_BACK);
    HWND results = program.WaitForDialogWith(IDC_CORRECTION_TEST);
    Save(results, "results");
    Click(results, IDOK);

    Click(program.WaitForDialogWith(IDC_EXAM), IDC_EXAM);
    setup = program.WaitForDialogWith(IDC_CONTINUE_TEST);
    Click(setup, IDC_CONTINUE_TEST);
    Save(setup, "exam-setup-continue");
    Click(setup, IDCANCEL);

    Click(program.WaitForDialogWith(IDC_EXIT), IDC_EXIT);
    return program.WaitForExit(20000) ? 0 : 1;
}
