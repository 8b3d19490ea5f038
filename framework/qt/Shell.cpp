#include "framework/Shell.h"

#include "framework/qt/QtConversions.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstring>
#include <utility>

namespace {

UrlOpener& CurrentOpener()
{
    static UrlOpener opener;
    return opener;
}

constexpr HINSTANCE kSuccess = 42;

} // namespace

HINSTANCE ShellExecuteA(CWnd*, const char* operation, const char* file, const char*, const char*, int)
{
    if (!file || (operation && std::strcmp(operation, "open") != 0))
        return SE_ERR_NOASSOC;
    const CString address(file);
    bool opened = false;
    if (const UrlOpener& opener = CurrentOpener())
        opened = opener(address);
    else
        opened = QDesktopServices::openUrl(QUrl::fromUserInput(FromAnsi(address)));
    return opened ? kSuccess : SE_ERR_NOASSOC;
}

UrlOpener SetUrlOpener(UrlOpener opener)
{
    return std::exchange(CurrentOpener(), std::move(opener));
}
