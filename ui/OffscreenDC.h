#pragma once
// A device context that draws into a bitmap of its own, made like the bitmap of a
// reference context. The buttons use it (through CopyOf) to keep a copy of the background
// beneath them and of the faces they drew; DrawBitmap copies such a bitmap back onto a
// context. Nothing is drawn into it except by plain copies.

#include "framework/CDC.h"
#include "framework/CGdiObjects.h"

#include <memory>

class OffscreenDC : public CDC
{
public:
    // A width x height bitmap like the reference's (like the screen's without one); its
    // pixels are not initialised. The mapping mode is taken over from the reference.
    OffscreenDC(int width, int height, CDC* reference = nullptr);
    ~OffscreenDC() override;

    // Hands the bitmap over to the caller; the context no longer draws into it.
    std::unique_ptr<CBitmap> ReleaseBitmap();

private:
    std::unique_ptr<CBitmap> m_pBitmap;
};

// Copies the whole bitmap onto dc with its top-left corner at point.
void DrawBitmap(CBitmap* bitmap, CDC* dc, CPoint point);
// A bitmap holding a copy of rect of dc.
std::unique_ptr<CBitmap> CopyOf(CDC* dc, const CRect& rect);
