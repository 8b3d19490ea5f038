#pragma once
// The device context of a window's paint, made in its OnPaint handler. Outside a paint
// of that window it draws on a scratch surface, so drawing through it does nothing.

#include "CDC.h"

#include <memory>

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

private:
    std::unique_ptr<QImage> m_pScratch;
    std::unique_ptr<QPainter> m_pScratchPainter;
};
