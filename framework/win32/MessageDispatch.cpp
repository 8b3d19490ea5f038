#include "framework/win32/MessageDispatch.h"

#include "framework/FileErrorReport.h"
#include "framework/MessageBox.h"
#include "framework/base/CFileException.h"

#include <exception>
#include <vector>

namespace {

struct Frame
{
    const CWnd* window;
    HWND handle;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    WNDPROC original;
};

// Messages being handled, innermost last; handlers nest through modal loops.
std::vector<Frame>& Frames()
{
    static std::vector<Frame> frames;
    return frames;
}

class FrameScope
{
public:
    explicit FrameScope(const Frame& frame) : m_depth(Frames().size()) { Frames().push_back(frame); }
    ~FrameScope() { Frames().resize(m_depth); }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    std::size_t m_depth;
};

void ReportUnexpected(const char* what)
{
    CString message;
    message.Format("Při zpracování zprávy okna došlo k chybě: %s", what);
    AfxMessageBox(message, MB_OK | MB_ICONSTOP);
}

} // namespace

LRESULT SendWindowMessage(CWnd* window, HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                          WNDPROC original, const std::function<LRESULT()>& handler)
{
    const FrameScope scope({window, handle, message, wParam, lParam, original});
    LRESULT result = 0;
    RunGuarded([&] { result = handler(); });
    return result;
}

void RunGuarded(const std::function<void()>& code)
{
    try {
        code();
    } catch (const CFileException& error) {
        AfxReportFileException(error);
    } catch (const std::exception& error) {
        ReportUnexpected(error.what());
    } catch (...) {
        ReportUnexpected("?");
    }
}

LRESULT RunDefaultProcessing(const CWnd* window)
{
    const auto& frames = Frames();
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        if (it->window == window)
            return it->original
                       ? CallWindowProcW(it->original, it->handle, it->message, it->wParam, it->lParam)
                       : 0;
    }
    return 0;
}

bool IsHandling(HWND window, UINT message)
{
    for (const Frame& frame : Frames()) {
        if (frame.handle == window && frame.message == message)
            return true;
    }
    return false;
}
