#include "ProgramDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

constexpr int kPollMs = 50;

struct Search
{
    DWORD processId;
    const std::function<bool(HWND)>* test;
    HWND found;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && (*search->test)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool IsDialog(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return std::wstring(name) == L"#32770";
}

std::wstring TextOf(HWND window)
{
    wchar_t buffer[2048] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), LPARAM(buffer), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return buffer;
}

} // namespace

ProgramFolder::ProgramFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    m_path = std::filesystem::path(temp) /
             ("navik-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()));
    std::filesystem::copy(NAVIK_TEST_DIST_DIR, m_path, std::filesystem::copy_options::recursive);
}

ProgramFolder::~ProgramFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

bool Near(std::uint32_t pixel, std::uint32_t colour, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        if (std::abs(int((pixel >> shift) & 0xFF) - int((colour >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

int Grab::Count(const RECT& rect, std::uint32_t colour, int tolerance) const
{
    int count = 0;
    for (int y = std::max(0, int(rect.top)); y < std::min(height, int(rect.bottom)); ++y) {
        for (int x = std::max(0, int(rect.left)); x < std::min(width, int(rect.right)); ++x)
            count += Near(At(x, y), colour, tolerance) ? 1 : 0;
    }
    return count;
}

RunningProgram::RunningProgram(const ProgramFolder& folder)
{
    std::wstring command = L"\"" + (folder.Path() / "navik.exe").wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // Started from another folder, so that only the program's own path leads to its files.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &startup,
                        &m_process))
        ADD_FAILURE() << "navik.exe did not start: " << GetLastError();
}

RunningProgram::~RunningProgram()
{
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 10000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND RunningProgram::WaitForWindow(const std::function<bool(HWND)>& test, int timeoutMs) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        Search search{m_process.dwProcessId, &test, nullptr};
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            Settle(search.found);
            return search.found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    } while (std::chrono::steady_clock::now() < end);
    ADD_FAILURE() << "no such window of navik.exe";
    return nullptr;
}

HWND RunningProgram::WaitForDialogWith(int controlId, int timeoutMs) const
{
    return WaitForWindow(
        [controlId](HWND window) {
            return IsDialog(window) && IsWindowEnabled(window) && GetDlgItem(window, controlId);
        },
        timeoutMs);
}

HWND RunningProgram::WaitForMessageBox(int timeoutMs) const
{
    // The framework's boxes carry the program's name.
    return WaitForWindow([](HWND window) { return IsDialog(window) && Caption(window) == L"navik"; },
                         timeoutMs);
}

bool RunningProgram::WaitForExit(int timeoutMs, DWORD* exitCode) const
{
    if (WaitForSingleObject(m_process.hProcess, DWORD(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(m_process.hProcess, exitCode);
    return true;
}

std::wstring Caption(HWND window)
{
    return TextOf(window);
}

std::wstring ItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    EXPECT_TRUE(item) << "no control " << id;
    return item ? TextOf(item) : std::wstring();
}

std::wstring ChildTexts(HWND window)
{
    std::wstring texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts += TextOf(child) + L"\n";
    return texts;
}

bool ItemEnabled(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item && IsWindowEnabled(item);
}

bool ItemShown(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item && IsWindowVisible(item);
}

RECT ItemRect(HWND dialog, int id)
{
    RECT rect{};
    if (HWND item = GetDlgItem(dialog, id)) {
        GetWindowRect(item, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

void Click(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    ASSERT_TRUE(item) << "no control " << id;
    PostMessageW(item, BM_CLICK, 0, 0);
    Settle(dialog);
}

namespace {

HWND FocusedWindow(HWND dialog)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

} // namespace

int FocusedId(HWND dialog)
{
    HWND focus = FocusedWindow(dialog);
    return focus && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : 0;
}

void Key(HWND dialog, UINT virtualKey)
{
    HWND focus = FocusedWindow(dialog);
    HWND target = focus ? focus : dialog;
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, LPARAM(1 | (scan << 16)));
    PostMessageW(target, WM_KEYUP, virtualKey, LPARAM(1 | (scan << 16) | (3u << 30)));
    Settle(dialog);
}

void Settle(HWND dialog)
{
    // A sent message is handled after everything posted before it; paints follow.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

Grab GrabClient(HWND window)
{
    Grab grab;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    grab.width = client.right;
    grab.height = client.bottom;
    if (grab.width <= 0 || grab.height <= 0)
        return grab;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = grab.width;
    info.bmiHeader.biHeight = -grab.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, grab.width, grab.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    grab.pixels.assign(pixels, pixels + std::size_t(grab.width * grab.height));
    for (std::uint32_t& pixel : grab.pixels)
        pixel &= 0x00FFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return grab;
}

std::wstring FromAnsi(const std::string& ansi)
{
    if (ansi.empty())
        return {};
    const int length = MultiByteToWideChar(1250, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(1250, 0, ansi.data(), int(ansi.size()), wide.data(), length);
    return wide;
}
