#include "framework/qt/ControlFactory.h"
#include "framework/qt/QtFonts.h"
#include "framework/qt/QtHandles.h"

#include "framework/CButton.h"
#include "framework/CFont.h"
#include "framework/CSpinButtonCtrl.h"
#include "framework/CStatic.h"
#include "framework/Cursor.h"
#include "framework/base/DialogTemplate.h"
#include "framework/qt/ButtonWidget.h"
#include "framework/qt/ClientArea.h"
#include "framework/qt/EditWidget.h"
#include "framework/qt/SpinWidget.h"
#include "framework/qt/StaticWidget.h"
#include "framework/qt/WindowData.h"

namespace {

// How far an up-down control overlaps its buddy's border when it aligns itself to it.
constexpr int kBuddyBorder = 2;

struct Created
{
    QWidget* widget;
    std::unique_ptr<CWnd> binding;
};

Created CreateControl(QWidget* dialog, const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::Button: {
        auto* widget = new ButtonWidget(dialog);
        widget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        return {widget, std::make_unique<CButton>()};
    }
    case ControlKind::Edit: {
        auto* widget = new EditWidget(dialog, control.style);
        widget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        return {widget, std::make_unique<CWnd>()};
    }
    case ControlKind::UpDown:
        return {new SpinWidget(dialog, control.style), std::make_unique<CSpinButtonCtrl>()};
    case ControlKind::Static:
        break;
    }
    return {new StaticWidget(dialog, control.style), std::make_unique<CStatic>()};
}

// An up-down control with the align-right style takes its place at the right edge of its
// buddy, which gives up that much of its width.
void AlignToBuddy(QWidget* spin, QWidget* buddy)
{
    const QRect area = buddy->geometry();
    const int width = spin->width();
    buddy->setGeometry(area.x(), area.y(), area.width() - width + kBuddyBorder, area.height());
    spin->setGeometry(buddy->geometry().right() + 1 - kBuddyBorder, area.y(), width, area.height());
}

} // namespace

std::vector<std::unique_ptr<CWnd>> CreateControls(QWidget* dialog, const DialogTemplate& dialogTemplate,
                                                  const BaseUnits& units, CFont* font)
{
    std::vector<std::unique_ptr<CWnd>> bindings;
    QWidget* previous = nullptr;
    QWidget* previousFocusable = nullptr;
    const QPoint origin = ClientOrigin(dialog);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        auto [widget, binding] = CreateControl(dialog, control);
        WindowData::SetId(widget, control.id);
        WindowData::SetStyle(widget, control.style);
        widget->setFont(ToQFont(*font));
        widget->setGeometry(
            MapDialogRect(units, control.x, control.y, control.cx, control.cy).translated(origin));
        binding->Attach(ToHwnd(widget));
        binding->SetWindowText(control.text);

        if (control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ICON)
            widget->resize(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        if (control.kind == ControlKind::UpDown && (control.style & UDS_AUTOBUDDY)) {
            if (auto* buddy = dynamic_cast<EditWidget*>(previous)) {
                static_cast<SpinWidget*>(widget)->SetBuddy(buddy);
                if (control.style & UDS_ALIGNRIGHT)
                    AlignToBuddy(widget, buddy);
            }
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previousFocusable)
                QWidget::setTabOrder(previousFocusable, widget);
            previousFocusable = widget;
        }
        widget->setEnabled(!(control.style & WS_DISABLED));
        widget->setVisible((control.style & WS_VISIBLE) != 0);
        // Windows stacks the first control of a template on top.
        widget->lower();
        previous = widget;
        bindings.push_back(std::move(binding));
    }
    return bindings;
}
