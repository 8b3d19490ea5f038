#include "framework/qt/MessageDispatch.h"

#include "framework/FileErrorReport.h"
#include "framework/base/CFileException.h"

#include <vector>

namespace {

struct Frame
{
    const CWnd* window;
    const std::function<LRESULT()>* defaultProcessing;
};

// Messages being handled, innermost last; handlers nest through modal loops.
std::vector<Frame>& Frames()
{
    static std::vector<Frame> frames;
    return frames;
}

// A message's frame for as long as its handler runs, however the handler ends: a handler
// that throws leaves no frame pointing at its finished default processing.
class FrameScope
{
public:
    FrameScope(const CWnd* window, const std::function<LRESULT()>* defaultProcessing)
        : m_depth(Frames().size())
    {
        Frames().push_back({window, defaultProcessing});
    }
    ~FrameScope() { Frames().resize(m_depth); }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    std::size_t m_depth;
};

} // namespace

LRESULT SendWindowMessage(CWnd* window, const std::function<LRESULT()>& handler,
                          const std::function<LRESULT()>& defaultProcessing)
{
    const FrameScope scope(window, &defaultProcessing);
    try {
        return handler();
    } catch (const CFileException& error) {
        AfxReportFileException(error);
    }
    return 0;
}

LRESULT RunDefaultProcessing(const CWnd* window)
{
    const auto& frames = Frames();
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        if (it->window == window)
            return *it->defaultProcessing ? (*it->defaultProcessing)() : 0;
    }
    return 0;
}
