#include "framework/FileErrorReport.h"

#include "framework/MessageBox.h"
#include "framework/base/CFileException.h"

namespace {

const char* MessageFormat(int cause)
{
    switch (cause) {
    case CFileException::fileNotFound:
        return "Soubor „%s“ nebyl nalezen.";
    case CFileException::badPath:
        return "Cesta k souboru „%s“ je neplatná.";
    case CFileException::tooManyOpenFiles:
        return "Soubor „%s“ nelze otevřít, protože je otevřeno příliš mnoho souborů.";
    case CFileException::accessDenied:
        return "Přístup k souboru „%s“ byl odepřen.";
    case CFileException::invalidFile:
        return "Se souborem „%s“ nelze pracovat, protože není otevřen.";
    case CFileException::removeCurrentDir:
        return "Adresář „%s“ nelze odstranit, protože je aktuálním adresářem.";
    case CFileException::directoryFull:
        return "Soubor „%s“ nelze vytvořit, protože adresář je plný.";
    case CFileException::badSeek:
        return "V souboru „%s“ nelze nastavit pozici.";
    case CFileException::hardIO:
        return "Při práci se souborem „%s“ došlo k chybě zařízení.";
    case CFileException::sharingViolation:
        return "Soubor „%s“ nelze otevřít, protože jej používá jiný program.";
    case CFileException::lockViolation:
        return "Soubor „%s“ nelze použít, protože je uzamčen.";
    case CFileException::diskFull:
        return "Soubor „%s“ nelze zapsat, protože disk je plný.";
    case CFileException::endOfFile:
        return "Soubor „%s“ skončil dříve, než bylo očekáváno.";
    default:
        return "Při práci se souborem „%s“ došlo k chybě.";
    }
}

} // namespace

CString FileErrorMessage(const CFileException& error)
{
    CString message;
    message.Format(MessageFormat(error.m_cause),
                   error.m_strFileName.empty() ? "(bez názvu)" : error.m_strFileName.c_str());
    return message;
}

void AfxReportFileException(const CFileException& error)
{
    AfxMessageBox(FileErrorMessage(error), MB_OK | MB_ICONEXCLAMATION);
}
