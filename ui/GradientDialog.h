#pragma once
// Base of every dialog of Navik. It paints the background either as a vertical gradient
// between two colours or as a picture stretched over the whole client area (the gradient
// wins when both are set; with neither the framework paints its default background), and
// it lets the controls draw their texts transparently over that background. The buttons
// rely on this background being there beneath them when they first paint.

#include "framework/CDialog.h"
#include "framework/base/WinTypes.h"
#include "ui/Palette.h"

#include <memory>

class ImageObject;
class CBitmap;

class GradientDialog : public CDialog
{
public:
    explicit GradientDialog(UINT templateId, CWnd* parent = nullptr);
    ~GradientDialog() override;

    // Before the dialog is first shown: nothing is repainted.
    void SetGradientColors(COLORREF top, COLORREF bottom);
    // path is in the ANSI code page. A missing or unreadable file still counts as set and
    // leaves the background unpainted.
    void SetBackgroundImage(const CString& path);

    BOOL OnEraseBkgnd(CDC* dc) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlKind) override;
    void OnSize(UINT type, int width, int height) override;

protected:
    bool m_bGradient = false;
    bool m_bImage = false;
    COLORREF m_crTop = Palette::LightBlue;
    COLORREF m_crBottom = Palette::White;
    std::unique_ptr<ImageObject> m_pImage;
    // The gradient as last drawn, for its size; dropped when the colours change. Every
    // control's canvas erases its rectangle of the background again, and filling a gradient
    // costs far more than copying its pixels (Qt spreads large gradient fills over threads).
    std::unique_ptr<CBitmap> m_pGradient;
    // Controls get the framework's dialog brush instead of the hollow one.
    bool m_bDefaultBrush = false;
};
