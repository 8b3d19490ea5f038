#pragma once
// A device context: a painter on a surface plus the state that the control-colour
// handlers set (text colour, background mode and colour, selected font). A context backed
// by an image can be read back, which is what block copies from it need; every control's
// paint runs on such an image that starts out holding what the dialog painted beneath
// the control, as a Windows device context of a child without clip-children does.
//
// Selecting a font records its description, so text drawn later through the context uses
// that font even when the CFont object has gone (a control-colour handler may select a
// font that lives only for the one request).

#include "CGdiObjects.h"
#include "WinTypes.h"

#include <functional>

class QPainter;
class QImage;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int MM_TEXT = 1;

class CDC
{
public:
    // A context that paints with painter; image, when given, is the surface it paints on.
    CDC(QPainter* painter, QImage* image);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(CDC* dc) { return dc; }

    QPainter* GetPainter() const;
    QImage* GetImage() const;
    // What the surface must hold before anything is drawn on it or read from it, painted
    // when that first happens; a copy that replaces every pixel makes it unnecessary.
    void SetPendingPaint(std::function<void()> paint) { m_pendingPaint = std::move(paint); }

    int SetBkMode(int mode);
    int GetBkMode() const { return m_nBkMode; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_crBk; }
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_crText; }
    // Selects a font for text drawn through this context; returns the previous one.
    CFont* SelectObject(CFont* font);
    // The description of the selected font, or none when no font was selected.
    const LOGFONT* GetSelectedLogFont() const { return m_pFont ? &m_logFont : nullptr; }
    int GetMapMode() const { return m_nMapMode; }
    int SetMapMode(int mode);

    // Plain copy of a rectangle of source (which must be image-backed) to (x, y).
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);

protected:
    CDC() = default;
    void Attach(QPainter* painter, QImage* image);

private:
    void RunPendingPaint() const;
    // Whether a copy of this rectangle replaces every pixel of the surface.
    bool CoversSurface(int x, int y, int width, int height) const;

    QPainter* m_pPainter = nullptr;
    QImage* m_pImage = nullptr;
    int m_nBkMode = OPAQUE;
    COLORREF m_crBk = RGB(255, 255, 255);
    COLORREF m_crText = 0;
    CFont* m_pFont = nullptr;
    LOGFONT m_logFont;
    int m_nMapMode = MM_TEXT;
    mutable std::function<void()> m_pendingPaint;
};
