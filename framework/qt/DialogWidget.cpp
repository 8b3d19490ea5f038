#include "framework/qt/DialogWidget.h"
#include "framework/qt/QtFonts.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDialog.h"
#include "framework/base/DialogTemplate.h"
#include "framework/qt/ButtonWidget.h"
#include "framework/qt/ChoiceGroups.h"
#include "framework/qt/ClientArea.h"
#include "framework/qt/ControlCanvas.h"
#include "framework/qt/ControlFactory.h"
#include "framework/qt/MessageDispatch.h"
#include "framework/qt/ModalFrame.h"
#include "framework/qt/PaintScope.h"
#include "framework/qt/QtConversions.h"
#include "framework/qt/WindowData.h"
#include "framework/qt/WindowEvents.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace {

Qt::WindowFlags FlagsOf(const DialogTemplate& dialogTemplate)
{
    if ((dialogTemplate.style & WS_CAPTION) != WS_CAPTION)
        return Qt::Dialog | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

} // namespace

DialogWidget::DialogWidget(CDialog* dialog, const DialogTemplate& dialogTemplate)
    : QDialog(nullptr, FlagsOf(dialogTemplate)), m_pDialog(dialog)
{
    WindowData::SetId(this, int(dialogTemplate.id));
    WindowData::SetStyle(this, dialogTemplate.style);
    setMouseTracking(true);
    setModal(true);
    // Its paint erases every rectangle it is given (the face colour, unless the dialog
    // erases itself), so Qt's own fill of the window background would only be painted over.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The template's font, at its point size on a 96 pixels-per-inch screen whatever the
    // platform reports, so that dialog units come out as on Windows.
    m_font.CreateFont(-MulDiv(dialogTemplate.pointSize, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                      0, 0, 0, 0, dialogTemplate.fontFace);
    setFont(ToQFont(m_font));
    const BaseUnits units = BaseUnitsOf(font());
    // A frame the framework draws lies around the client area, which keeps the template's size.
    const int frame = ModalFrameWidth(this);
    setFixedSize(MapDialogSize(units, dialogTemplate.cx, dialogTemplate.cy) + QSize(2 * frame, 2 * frame));
    WindowData::SetText(this, dialogTemplate.caption);
    setWindowTitle(FromAnsi(dialogTemplate.caption));
    m_defaultBindings = CreateControls(this, dialogTemplate, units, &m_font);
    for (const auto& binding : m_defaultBindings)
        m_controls.push_back(WidgetOf(binding.get()));
    const QWidget* opener = QApplication::activeModalWidget();
    WindowData::SetFocusHidden(this, !opener || WindowData::FocusHidden(opener));
    // A key goes to the focused control first; the filter shows it to the dialog before.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);

    if (dialogTemplate.style & WS_SYSMENU) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        QObject::connect(shortcut, &QShortcut::activated, this,
                         [this] { PopUpSystemMenu(mapToGlobal(QPoint(0, 0))); });
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

DialogWidget::~DialogWidget()
{
    // No object stays bound to a window that is going away.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (CWnd* window = WindowOf(child))
            window->Detach();
    }
    if (CWnd* window = WindowOf(this))
        window->Detach();
}

CMenu* DialogWidget::SystemMenu(bool revert)
{
    if (!(WindowData::Style(this) & WS_SYSMENU) || revert) {
        m_pSystemMenu.reset();
        return nullptr;
    }
    if (!m_pSystemMenu) {
        m_pSystemMenu = std::make_unique<CMenu>();
        m_pSystemMenu->AppendMenu(MF_STRING, SC_CLOSE, "Zavřít\tAlt+F4");
    }
    return m_pSystemMenu.get();
}

void DialogWidget::PopUpSystemMenu(const QPoint& globalPosition)
{
    const CMenu* menu = SystemMenu(false);
    if (!menu)
        return;
    const UINT command =
        menu->TrackPopupMenu(TPM_RETURNCMD, globalPosition.x(), globalPosition.y(), m_pDialog);
    if (command != 0)
        DeliverSysCommand(command);
}

void DialogWidget::FocusFirstTabStop()
{
    // The focus chain runs in template order (the list of children runs in stacking order).
    for (QWidget* child = nextInFocusChain(); child != this; child = child->nextInFocusChain()) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled() && !child->isHidden()) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void DialogWidget::ShowFocus()
{
    if (!WindowData::FocusHidden(this))
        return;
    WindowData::SetFocusHidden(this, false);
    if (QWidget* focused = focusWidget())
        focused->update();
}

bool DialogWidget::focusNextPrevChild(bool next)
{
    ShowFocus();
    // A group of choices is one tab stop, its checked choice, as Windows moves the tab-stop
    // style along with the check of its radio buttons: Tab passes over the others of the group
    // and enters a group on the checked one.
    const QWidget* from = focusWidget();
    for (std::size_t tries = 0; tries <= m_controls.size(); ++tries) {
        if (!QDialog::focusNextPrevChild(next))
            return false;
        auto* focused = dynamic_cast<ButtonWidget*>(focusWidget());
        if (!focused || !(focused->DialogCode() & DLGC_RADIOBUTTON) || focused->Checked())
            return true;
        const std::vector<ButtonWidget*> group = ChoicesInGroup(m_controls, focused);
        const auto checked = std::find_if(group.begin(), group.end(),
                                          [](const ButtonWidget* choice) { return choice->Checked(); });
        if (checked == group.end())
            return true;
        if (std::find(group.begin(), group.end(), from) == group.end()) {
            (*checked)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

bool DialogWidget::MoveInGroup(bool forward)
{
    ShowFocus();
    auto* focused = dynamic_cast<ButtonWidget*>(focusWidget());
    if (!focused || !(focused->DialogCode() & DLGC_RADIOBUTTON))
        return false;
    const std::vector<ButtonWidget*> choices = ChoicesInGroup(m_controls, focused);
    const auto at = std::find(choices.begin(), choices.end(), focused);
    if (at == choices.end())
        return true;
    // Round the group, as GetNextDlgGroupItem goes.
    const std::size_t count = choices.size();
    const std::size_t index = std::size_t(at - choices.begin());
    ButtonWidget* target = choices[forward ? (index + 1) % count : (index + count - 1) % count];
    if (target == focused)
        return true;
    target->setFocus(Qt::OtherFocusReason);
    // A click checks it, and the dialog hears of it as of a click with the mouse.
    if (!target->Checked())
        target->Click();
    return true;
}

void DialogWidget::DeliverSysCommand(UINT id)
{
    SendWindowMessage(
        m_pDialog,
        [this, id] {
            m_pDialog->OnSysCommand(id, 0);
            return LRESULT(0);
        },
        [this, id] {
            if ((id & 0xFFF0) == SC_CLOSE)
                DeliverClose();
            return LRESULT(0);
        });
}

void DialogWidget::DeliverClose()
{
    SendWindowMessage(
        m_pDialog,
        [this] {
            m_pDialog->OnClose();
            return LRESULT(0);
        },
        [this] {
            // A dialog closes as its Cancel button would, unless that button is disabled.
            const CWnd* cancel = m_pDialog->GetDlgItem(IDCANCEL);
            if (!cancel || cancel->IsWindowEnabled())
                DeliverCommand(this, IDCANCEL);
            return LRESULT(0);
        });
}

void DialogWidget::PressDefaultButton()
{
    // A focused push button is pressed; with a choice focused Enter means the default button.
    if (auto* focused = dynamic_cast<ButtonWidget*>(focusWidget());
        focused && focused->isEnabled() && (focused->DialogCode() & DLGC_UNDEFPUSHBUTTON)) {
        focused->Click();
        return;
    }
    const CWnd* ok = m_pDialog->GetDlgItem(IDOK);
    if (!ok || ok->IsWindowEnabled())
        DeliverCommand(this, IDOK);
}

void DialogWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QRegion region = event->region();
    if (ModalFrameWidth(this) != 0) {
        PaintModalFrame(painter, rect());
        // The dialog paints in client coordinates and never over its frame.
        const QRect client = ClientRect(this);
        region = region.intersected(client).translated(-client.topLeft());
        painter.translate(client.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), client.size()));
    }
    PaintRectByRect(painter, region, [&] { EraseDialogBackground(this, painter); });
    const PaintScope scope(this, &painter);
    SendWindowMessage(m_pDialog, [this] {
        m_pDialog->OnPaint();
        return LRESULT(0);
    });
}

namespace {

// The virtual-key code of a key, 0 for keys the dialogs do not look at.
UINT VirtualKeyOf(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key); // Qt's codes for these are their ASCII codes, as Windows' are
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        return 0;
    }
}

} // namespace

bool DialogWidget::OfferKey(const QKeyEvent* event)
{
    const UINT virtualKey = VirtualKeyOf(event->key());
    if (virtualKey == 0 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const BOOL repeat = event->isAutoRepeat();
    return SendWindowMessage(m_pDialog, [this, virtualKey, repeat] {
               return LRESULT(m_pDialog->PreTranslateKey(virtualKey, repeat));
           }) != 0;
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && OfferKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void DialogWidget::keyPressEvent(QKeyEvent* event)
{
    // A key that a focused control left over comes here too; the filter offered it already.
    const QWidget* focused = focusWidget();
    if ((!focused || focused == this) && OfferKey(event))
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (const UINT virtualKey = VirtualKeyOf(event->key()); virtualKey != 0 && modifiers == Qt::NoModifier) {
        const bool used = SendWindowMessage(m_pDialog, [this, virtualKey] {
                              return LRESULT(m_pDialog->OnDialogKey(virtualKey));
                          }) != 0;
        if (used)
            return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::NoModifier) {
            PressDefaultButton();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (modifiers == Qt::NoModifier) {
            DeliverCommand(this, IDCANCEL);
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (modifiers == Qt::NoModifier &&
            MoveInGroup(event->key() == Qt::Key_Down || event->key() == Qt::Key_Right))
            return;
        break;
    case Qt::Key_F4:
        if (modifiers == Qt::AltModifier) {
            DeliverSysCommand(SC_CLOSE);
            return;
        }
        break;
    default:
        break;
    }
    // Not QDialog's handling: it would close the dialog on Enter and Escape by itself.
    QWidget::keyPressEvent(event);
}

void DialogWidget::closeEvent(QCloseEvent* event)
{
    // Only EndDialog closes the dialog; a request to close is the close system command.
    event->ignore();
    DeliverSysCommand(SC_CLOSE);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event)
{
    if (!childAt(event->pos()))
        PopUpSystemMenu(event->globalPos());
}

void DialogWidget::mouseMoveEvent(QMouseEvent* event)
{
    DeliverMouseMove(this, event);
}

void DialogWidget::mouseReleaseEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() == Qt::LeftButton)
        DeliverLButtonUp(this, MouseKeyFlags(event), ClientPoint(this, event));
}

void DialogWidget::leaveEvent(QEvent*)
{
    DeliverMouseLeave(this);
}

void DialogWidget::resizeEvent(QResizeEvent*)
{
    const int w = ClientRect(this).width();
    const int h = ClientRect(this).height();
    SendWindowMessage(m_pDialog, [this, w, h] {
        m_pDialog->OnSize(isMinimized() ? SIZE_MINIMIZED : SIZE_RESTORED, w, h);
        return LRESULT(0);
    });
}
