#include "CPaintDC.h"

#include "CWnd.h"
#include "qt/PaintScope.h"

#include <QImage>
#include <QPainter>

CPaintDC::CPaintDC(CWnd* window)
{
    if (QPainter* painter = window ? PaintScope::PainterOf(window->GetSafeHwnd()) : nullptr) {
        Attach(painter, nullptr);
        return;
    }
    m_pScratch = std::make_unique<QImage>(1, 1, QImage::Format_ARGB32_Premultiplied);
    m_pScratchPainter = std::make_unique<QPainter>(m_pScratch.get());
    Attach(m_pScratchPainter.get(), m_pScratch.get());
}

CPaintDC::~CPaintDC() = default;
