#include "ControlFactory.h"

#include "ButtonWidget.h"
#include "EditWidget.h"
#include "SpinWidget.h"
#include "StaticWidget.h"
#include "WindowData.h"
#include "app/framework/CButton.h"
#include "app/framework/CEdit.h"
#include "app/framework/CFont.h"
#include "app/framework/CSpinButtonCtrl.h"
#include "app/framework/CStatic.h"
#include "app/framework/Cursor.h"
#include "res/DialogTemplate.h"

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
        return {widget, std::make_unique<CEdit>()};
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
    for (const ControlTemplate& control : dialogTemplate.controls) {
        auto [widget, binding] = CreateControl(dialog, control);
        WindowData::SetId(widget, control.id);
        WindowData::SetStyle(widget, control.style);
        WindowData::SetFont(widget, font);
        widget->setFont(font->ToQFont());
        widget->setGeometry(MapDialogRect(units, control.x, control.y, control.cx, control.cy));
        binding->AttachWidget(widget);
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
