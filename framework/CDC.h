#pragma once
// A device context: the platform's context of a surface plus the state that the control-colour
// handlers set (text colour, background mode and colour, selected font). A context backed
// by an image can be read back, which is what block copies from it need; every control's
// paint runs on such an image that starts out holding what the dialog painted beneath
// the control, as a Windows device context of a child without clip-children does.
//
// Selecting a font records its description, so text drawn later through the context uses
// that font even when the CFont object has gone (a control-colour handler may select a
// font that lives only for the one request).

#include "framework/CGdiObjects.h"
#include "framework/base/WinTypes.h"

#include <functional>
#include <memory>

class CBitmap;
struct MemoryDC;

#if !defined(_WIN32)
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int MM_TEXT = 1;
#endif

class CDC
{
public:
    CDC();
    // A context that paints through dc, which the caller keeps alive while this object uses it.
    explicit CDC(HDC dc);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(CDC* dc) { return dc; }

    // The platform's context, to draw on or read from; what is pending is painted first.
    HDC GetSafeHdc() const;
    // What the surface must hold before anything is drawn on it or read from it, painted
    // when that first happens; a copy that replaces every pixel makes it unnecessary.
    void SetPendingPaint(std::function<void()> paint) { m_pendingPaint = std::move(paint); }
    // Paints what is pending; the back-end calls it before it draws on the surface or reads it.
    void RunPendingPaint() const;

    // A memory context made like reference (like the screen without one). It draws on the
    // bitmap selected into it, and on nothing before one is.
    BOOL CreateCompatibleDC(CDC* reference);
    // Selects bitmap into a memory context (none: the context draws on nothing again); returns
    // the previous one.
    CBitmap* SelectObject(CBitmap* bitmap);

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

    // Plain copy of a rectangle of source (a memory context, or one whose surface can be read)
    // to (x, y).
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
    // The dotted focus rectangle along the inside of rect: every other pixel of its outline,
    // in a checkerboard, turned to its inverse colour, so that drawing it again removes it.
    // Drawn on a context whose surface can be read (a control's paint, a memory context).
    void DrawFocusRect(const CRect* rect);
    // Whether a bitmap copied onto this context keeps its pixels; not so on a surface that
    // scales what is drawn on it, as a high-density screen does.
    bool CopiesPixelForPixel() const;

protected:
    void Attach(HDC dc);

private:
    // Whether a copy of this rectangle replaces every pixel of the surface.
    bool CoversSurface(int x, int y, int width, int height) const;

    HDC m_hDC = nullptr;
    // The painter and the surface of a memory context, owned by it.
    std::unique_ptr<MemoryDC> m_pMemory;
    int m_nBkMode = OPAQUE;
    COLORREF m_crBk = RGB(255, 255, 255);
    COLORREF m_crText = 0;
    CFont* m_pFont = nullptr;
    LOGFONT m_logFont;
    int m_nMapMode = MM_TEXT;
    mutable std::function<void()> m_pendingPaint;

    // clang-format off
#if defined(_WIN32)
public:
    // The object that paints through dc while a message is handled (the draw-item record
    // carries the system's context); one made for it when there is none.
    static CDC* FromHandle(HDC dc);
#endif
    // clang-format on
};
