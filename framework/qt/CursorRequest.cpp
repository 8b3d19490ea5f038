#include "framework/qt/CursorRequest.h"

#include <QCursor>
#include <QWidget>

namespace {

CursorRequest* g_pCurrent = nullptr;

} // namespace

CursorRequest::CursorRequest(QWidget* target) : m_pTarget(target), m_pOuter(g_pCurrent)
{
    g_pCurrent = this;
}

CursorRequest::~CursorRequest()
{
    g_pCurrent = m_pOuter;
}

bool CursorRequest::Apply(const QCursor& cursor)
{
    if (!g_pCurrent)
        return false;
    for (CursorRequest* request = g_pCurrent; request; request = request->m_pOuter)
        request->m_bCursorSet = true;
    g_pCurrent->m_pTarget->setCursor(cursor);
    return true;
}
