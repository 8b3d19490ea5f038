#include "framework/FileNames.h"

#include "framework/qt/QtConversions.h"

#include <QCoreApplication>
#include <QFile>

CString GetModuleFileName()
{
    return ToAnsi(QCoreApplication::applicationFilePath());
}

std::string NativePath(const CString& ansiPath)
{
    return QFile::encodeName(FromAnsi(ansiPath)).toStdString();
}
