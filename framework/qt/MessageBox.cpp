#include "framework/MessageBox.h"

#include "framework/CWinApp.h"
#include "framework/qt/QtConversions.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The caption of the box: the application's name, else the program file's.
QString Caption()
{
    const CWinApp* app = AfxGetApp();
    if (app && app->m_pszAppName && *app->m_pszAppName)
        return FromAnsi(app->m_pszAppName);
    return QCoreApplication::applicationName();
}

} // namespace

int AfxMessageBox(const CString& text, UINT type, UINT)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(text, type);
    QMessageBox box(IconOf(type), Caption(), FromAnsi(text), QMessageBox::Ok);
    box.exec();
    return IDOK;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}
