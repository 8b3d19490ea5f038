#pragma once
// Driving navik.exe from another process, as a user would: the program runs from a copy of
// the portable folder, its dialogs are found among its windows by their controls, buttons
// are clicked and keys pressed with posted messages, texts are read with WM_GETTEXT and
// pixels taken from the screen. Every wait ends after a timeout with a test failure, so a
// hung program cannot stall the run.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The portable folder, copied into a fresh temporary folder removed at the end.
class ProgramFolder
{
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path File(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// The pixels of a window's client area as on screen, 0x00RRGGBB, top row first.
struct Grab
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
    // Pixels of rect (client coordinates) within tolerance of colour in each channel.
    int Count(const RECT& rect, std::uint32_t colour, int tolerance = 0) const;
};

bool Near(std::uint32_t pixel, std::uint32_t colour, int tolerance);

class RunningProgram
{
public:
    explicit RunningProgram(const ProgramFolder& folder);
    // Ends the program if it is still running.
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The program's visible top-level window for which test holds; none after the timeout.
    HWND WaitForWindow(const std::function<bool(HWND)>& test, int timeoutMs = 20000) const;
    // A dialog with a control of this id.
    HWND WaitForDialogWith(int controlId, int timeoutMs = 20000) const;
    // The program's message box, captioned with the program's name; none after the timeout.
    HWND WaitForMessageBox(int timeoutMs = 20000) const;
    // Whether the program has ended within the timeout, and with which exit code.
    bool WaitForExit(int timeoutMs, DWORD* exitCode = nullptr) const;

private:
    PROCESS_INFORMATION m_process{};
};

std::wstring Caption(HWND window);
std::wstring ItemText(HWND dialog, int id);
// The texts of all children, one after the other.
std::wstring ChildTexts(HWND window);
bool ItemEnabled(HWND dialog, int id);
bool ItemShown(HWND dialog, int id);
// The control's rectangle in the dialog's client coordinates.
RECT ItemRect(HWND dialog, int id);

// The id of the dialog's control that has the keyboard focus; 0 for none.
int FocusedId(HWND dialog);

// A click on a button, as the user's press and release.
void Click(HWND dialog, int id);
// A key pressed and released on the window focused in the dialog's thread.
void Key(HWND dialog, UINT virtualKey);
// Waits until the program has handled every message posted to the dialog so far.
void Settle(HWND dialog);

Grab GrabClient(HWND window);

// Text in Windows-1250 (the program's bank and settings) as UTF-16.
std::wstring FromAnsi(const std::string& ansi);
