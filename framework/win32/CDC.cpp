#include "framework/CDC.h"

#include "framework/win32/FontCache.h"

#include <map>
#include <memory>
#include <vector>

// A memory context of the framework's own, with what it had selected when it was made.
struct MemoryDC
{
    HDC dc = nullptr;
    HGDIOBJ originalBitmap = nullptr;
    CBitmap* bitmap = nullptr;
};

namespace {

// The objects that paint through each system context, innermost last.
std::map<HDC, std::vector<CDC*>>& Wrappers()
{
    static std::map<HDC, std::vector<CDC*>> wrappers;
    return wrappers;
}

void Register(HDC dc, CDC* wrapper)
{
    if (dc)
        Wrappers()[dc].push_back(wrapper);
}

void Unregister(HDC dc, CDC* wrapper)
{
    const auto found = Wrappers().find(dc);
    if (found == Wrappers().end())
        return;
    std::erase(found->second, wrapper);
    if (found->second.empty())
        Wrappers().erase(found);
}

} // namespace

CDC::CDC() = default;

CDC::CDC(HDC dc) : m_hDC(dc)
{
    Register(m_hDC, this);
}

CDC::~CDC()
{
    Unregister(m_hDC, this);
    if (m_pMemory) {
        ::SelectObject(m_pMemory->dc, m_pMemory->originalBitmap);
        DeleteDC(m_pMemory->dc);
    }
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    const auto found = Wrappers().find(dc);
    if (found != Wrappers().end())
        return found->second.back();
    // A context the framework did not hand out: an object of its own, kept while the
    // context may still be asked for again.
    static std::map<HDC, std::unique_ptr<CDC>> temporaries;
    auto& temporary = temporaries[dc];
    temporary = std::make_unique<CDC>(dc);
    return temporary.get();
}

void CDC::Attach(HDC dc)
{
    Unregister(m_hDC, this);
    m_hDC = dc;
    Register(m_hDC, this);
}

HDC CDC::GetSafeHdc() const
{
    RunPendingPaint();
    return m_hDC;
}

void CDC::RunPendingPaint() const
{
    if (m_pendingPaint) {
        const auto paint = std::move(m_pendingPaint);
        m_pendingPaint = nullptr;
        paint();
    }
}

int CDC::SetBkMode(int mode)
{
    const int previous = m_nBkMode;
    m_nBkMode = mode;
    if (m_hDC)
        ::SetBkMode(m_hDC, mode);
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    const COLORREF previous = m_crBk;
    m_crBk = color;
    if (m_hDC)
        ::SetBkColor(m_hDC, color);
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF previous = m_crText;
    m_crText = color;
    if (m_hDC)
        ::SetTextColor(m_hDC, color);
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    CFont* previous = m_pFont;
    if (font && font->GetLogFont(&m_logFont)) {
        m_pFont = font;
        if (m_hDC)
            ::SelectObject(m_hDC, FontCache::FontOf(m_logFont));
    }
    return previous;
}

BOOL CDC::CreateCompatibleDC(CDC* reference)
{
    HDC dc = ::CreateCompatibleDC(reference ? reference->GetSafeHdc() : nullptr);
    if (!dc)
        return FALSE;
    Attach(dc);
    m_pMemory = std::make_unique<MemoryDC>();
    m_pMemory->dc = dc;
    // What a new memory context holds (a 1 x 1 bitmap), to put back when it lets go.
    m_pMemory->originalBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_pMemory)
        return nullptr;
    CBitmap* previous = m_pMemory->bitmap;
    ::SelectObject(m_pMemory->dc, bitmap && bitmap->GetSafeHandle() ? HGDIOBJ(bitmap->GetSafeHandle())
                                                                    : m_pMemory->originalBitmap);
    m_pMemory->bitmap = bitmap;
    return previous;
}

int CDC::SetMapMode(int mode)
{
    const int previous = m_nMapMode;
    m_nMapMode = mode;
    if (m_hDC)
        ::SetMapMode(m_hDC, mode);
    return previous;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop)
{
    if (!m_hDC || !source || !source->GetSafeHdc())
        return FALSE;
    return ::BitBlt(GetSafeHdc(), x, y, width, height, source->GetSafeHdc(), xSource, ySource, rop);
}

void CDC::DrawFocusRect(const CRect* rect)
{
    if (!m_hDC || !rect)
        return;
    const RECT area{rect->left, rect->top, rect->right, rect->bottom};
    ::DrawFocusRect(m_hDC, &area);
}

bool CDC::CopiesPixelForPixel() const
{
    return true;
}

bool CDC::CoversSurface(int, int, int, int) const
{
    return false;
}
