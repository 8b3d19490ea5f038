#pragma once
// Opening a document or web address with the desktop's handler for it (the browser for a
// web address). Every request goes through one seam, so that tests see the address
// without a browser starting.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <cstdint>
#include <functional>

class CWnd;

#if defined(_WIN32)
// The system's HINSTANCE and SE_ERR_NOASSOC; the framework's ShellExecuteA, which names its
// owner by its object, stands beside the system's.
#include <shellapi.h>
#else
// Greater than 32 on success, as on Windows.
using HINSTANCE = std::intptr_t;
constexpr HINSTANCE SE_ERR_NOASSOC = 31;
#endif

// Opens file (a path or a web address) with the verb operation (none or "open"); the
// owner window, parameters and directory are not used on this platform.
HINSTANCE ShellExecuteA(CWnd* owner, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCommand);

// Opens the addresses in place of the desktop until replaced; an empty function restores
// the desktop. The opener reports whether it succeeded. Returns the opener that was in use.
using UrlOpener = std::function<bool(const CString& address)>;
UrlOpener SetUrlOpener(UrlOpener opener);
