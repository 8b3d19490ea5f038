#include "MessageDispatch.h"

#include "app/framework/FileErrorReport.h"
#include "storage/CFileException.h"

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

} // namespace

LRESULT SendWindowMessage(CWnd* window, const std::function<LRESULT()>& handler,
                          const std::function<LRESULT()>& defaultProcessing)
{
    auto& frames = Frames();
    frames.push_back({window, &defaultProcessing});
    const auto depth = frames.size();
    LRESULT result = 0;
    try {
        result = handler();
    } catch (const CFileException& error) {
        frames.resize(depth);
        AfxReportFileException(error);
    }
    frames.resize(depth - 1);
    return result;
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
