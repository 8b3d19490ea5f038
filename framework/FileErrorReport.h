#pragma once
// How the framework reports a file error that no handler caught: a message in Czech that
// names the file and says what went wrong, shown in the framework's message box.

#include "framework/base/CString.h"

class CFileException;

CString FileErrorMessage(const CFileException& error);
void AfxReportFileException(const CFileException& error);
