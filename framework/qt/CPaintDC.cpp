#include "framework/CPaintDC.h"

#include "framework/CWnd.h"
#include "framework/qt/PaintScope.h"
#include "framework/qt/QtHandles.h"

CPaintDC::CPaintDC(CWnd* window)
{
    if (QPainter* painter = window ? PaintScope::PainterOf(WidgetOf(window)) : nullptr) {
        m_pPaint = new HDC__{painter, nullptr};
        Attach(m_pPaint);
        return;
    }
    m_scratch.CreateCompatibleBitmap(nullptr, 1, 1);
    CreateCompatibleDC(nullptr);
    SelectObject(&m_scratch);
}

CPaintDC::~CPaintDC()
{
    // The scratch bitmap goes before the base context: let go of it first.
    SelectObject(static_cast<CBitmap*>(nullptr));
    delete m_pPaint;
}
