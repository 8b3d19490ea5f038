#include "framework/win32/DialogWidget.h"

#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/CSpinButtonCtrl.h"
#include "framework/CStatic.h"
#include "framework/Cursor.h"
#include "framework/base/Resources.h"
#include "framework/win32/ChoiceGroups.h"
#include "framework/win32/DialogTemplateBuilder.h"
#include "framework/win32/MessageDispatch.h"
#include "framework/win32/StaticPainter.h"

#include <windowsx.h>

#include <cstdlib>
#include <cwchar>

namespace {

constexpr wchar_t kDialogProperty[] = L"Navik.Dialog";
constexpr wchar_t kOriginalProperty[] = L"Navik.OriginalProc";

// Open dialogs, innermost last.
std::vector<HWND>& OpenDialogs()
{
    static std::vector<HWND> open;
    return open;
}

WNDPROC OriginalOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProperty));
}

void Subclass(HWND window, WNDPROC procedure)
{
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    SetPropW(window, kOriginalProperty, reinterpret_cast<HANDLE>(original));
}

void Unsubclass(HWND window)
{
    if (WNDPROC original = OriginalOf(window)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(window, kOriginalProperty);
    }
}

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, int(std::size(className)));
    return _wcsicmp(className, name) == 0;
}

bool IsTextStatic(HWND window)
{
    if (!IsClass(window, L"Static"))
        return false;
    const DWORD type = DWORD(GetWindowLongPtrW(window, GWL_STYLE)) & SS_TYPEMASK;
    return type != SS_ICON && type != SS_BITMAP && type != SS_OWNERDRAW;
}

// The virtual-key codes the dialogs are offered: letters, digits and the navigation keys.
bool IsOfferedKey(WPARAM key)
{
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == VK_RETURN || key == VK_SPACE ||
           (key >= VK_PRIOR && key <= VK_DOWN);
}

bool ModifierDown()
{
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// Whether the focused control acts on the key itself: an edit on everything but Enter,
// a button on Space.
bool FocusedControlUses(HWND focus, WPARAM key)
{
    if (!focus)
        return false;
    if (IsClass(focus, L"Edit"))
        return key != VK_RETURN;
    if (IsClass(focus, L"Button"))
        return key == VK_SPACE;
    return false;
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// The handler of a message that every kind of window has; none for other messages.
bool HandleCommonMessage(CWnd* window, HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                         WNDPROC original, LRESULT& result)
{
    auto send = [&](const std::function<LRESULT()>& handler) {
        result = SendWindowMessage(window, handle, message, wParam, lParam, original, handler);
        return true;
    };
    switch (message) {
    case WM_ERASEBKGND:
        return send([&] {
            CDC dc(reinterpret_cast<HDC>(wParam));
            return LRESULT(window->OnEraseBkgnd(&dc));
        });
    case WM_SETCURSOR:
        return send([&] {
            return LRESULT(window->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                                               LOWORD(lParam), HIWORD(lParam)));
        });
    case WM_TIMER:
        return send([&] {
            window->OnTimer(wParam);
            return LRESULT(0);
        });
    case WM_MOUSEMOVE:
        return send([&] {
            window->OnMouseMove(UINT(wParam), PointOf(lParam));
            return LRESULT(0);
        });
    case WM_MOUSELEAVE:
        return send([&] { return window->OnMouseLeave(); });
    case WM_LBUTTONUP:
        return send([&] {
            window->OnLButtonUp(UINT(wParam), PointOf(lParam));
            return LRESULT(0);
        });
    case WM_SIZE:
        return send([&] {
            window->OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
            return LRESULT(0);
        });
    case WM_GETDLGCODE:
        return send([&] { return LRESULT(window->OnGetDlgCode()); });
    default:
        return false;
    }
}

} // namespace

DialogWidget::DialogWidget(CDialog* dialog, const DialogTemplate& dialogTemplate)
    : m_pDialog(dialog), m_template(dialogTemplate), m_bytes(BuildDialogTemplate(dialogTemplate))
{
}

DialogWidget::~DialogWidget()
{
    if (m_hOwner)
        EnableWindow(m_hOwner, TRUE);
    if (m_hWnd) {
        // No object stays bound to a window that is going away.
        for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (CWnd* window = CWnd::FromHandle(child))
                window->Detach();
        }
        if (CWnd* window = CWnd::FromHandle(m_hWnd))
            window->Detach();
        std::erase(OpenDialogs(), m_hWnd);
        DestroyWindow(m_hWnd);
    }
    for (HICON icon : m_icons)
        DestroyIcon(icon);
}

HWND DialogWidget::Innermost()
{
    return OpenDialogs().empty() ? nullptr : OpenDialogs().back();
}

bool DialogWidget::Create()
{
    m_hOwner = Innermost();
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data()), m_hOwner,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window) {
        m_hOwner = nullptr;
        return false;
    }
    m_hWnd = window;
    return true;
}

void DialogWidget::BeginModal()
{
    if (m_hOwner)
        EnableWindow(m_hOwner, FALSE);
    ShowWindow(m_hWnd, SW_SHOW);
    SetForegroundWindow(m_hWnd);
}

INT_PTR CALLBACK DialogWidget::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* widget = reinterpret_cast<DialogWidget*>(lParam);
    return widget->InitDialog(window);
}

INT_PTR DialogWidget::InitDialog(HWND window)
{
    m_hWnd = window;
    OpenDialogs().push_back(window);
    SetPropW(window, kDialogProperty, this);
    Subclass(window, DialogWindowProc);
    m_pOriginal = OriginalOf(window);
    m_pDialog->Attach(window);

    // Every control has an object until the dialog binds one of its own, so that GetDlgItem
    // finds each of them and the control-colour handler is asked about every label.
    std::vector<const ControlTemplate*> iconTemplates;
    for (const ControlTemplate& control : m_template.controls) {
        if (control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ICON)
            iconTemplates.push_back(&control);
    }
    std::size_t icons = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Subclass(child, ControlWindowProc);
        std::unique_ptr<CWnd> binding;
        if (IsClass(child, L"Button")) {
            binding = std::make_unique<CButton>();
        } else if (IsClass(child, UPDOWN_CLASSW)) {
            binding = std::make_unique<CSpinButtonCtrl>();
            // The framework's range, whose upper end the up arrow steps towards.
            SendMessageW(child, UDM_SETRANGE32, 0, 1000);
        } else if (IsClass(child, L"Static")) {
            binding = std::make_unique<CStatic>();
            const bool icon = (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
            if (icon && icons < iconTemplates.size()) {
                // The icon of an icon static, from the artwork, at the system's icon size.
                const char* text = iconTemplates[icons++]->text;
                if (text && text[0] == '#') {
                    if (HICON image = LoadIconResource(UINT(std::atoi(text + 1)), 0, 0)) {
                        m_icons.push_back(image);
                        SendMessageW(child, STM_SETICON, WPARAM(image), 0);
                    }
                }
            }
        } else {
            binding = std::make_unique<CWnd>();
        }
        binding->Attach(child);
        m_defaultBindings.push_back(std::move(binding));
    }

    BOOL focusFirst = TRUE;
    SendWindowMessage(m_pDialog, window, WM_INITDIALOG, 0, 0, nullptr, [this, &focusFirst] {
        focusFirst = m_pDialog->OnInitDialog();
        return LRESULT(0);
    });
    return focusFirst;
}

LRESULT CALLBACK DialogWidget::DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* widget = static_cast<DialogWidget*>(GetPropW(window, kDialogProperty));
    WNDPROC original = OriginalOf(window);
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kDialogProperty);
        Unsubclass(window);
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    if (!widget || CWnd::FromHandle(window) != widget->m_pDialog)
        return CallWindowProcW(original, window, message, wParam, lParam);
    return widget->HandleDialogMessage(message, wParam, lParam);
}

LRESULT DialogWidget::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = m_pDialog;
    HWND window = m_hWnd;
    auto send = [&](const std::function<LRESULT()>& handler) {
        return SendWindowMessage(dialog, window, message, wParam, lParam, m_pOriginal, handler);
    };
    LRESULT result = 0;
    if (HandleCommonMessage(dialog, window, message, wParam, lParam, m_pOriginal, result))
        return result;
    switch (message) {
    case WM_COMMAND:
        // Clicks, clicks on notifying statics, menu commands and the dialog keys' IDOK and
        // IDCANCEL; other notifications (an edit's changes) go their default way.
        if (HIWORD(wParam) == BN_CLICKED) {
            const bool handled = send([&] { return LRESULT(dialog->OnCommand(LOWORD(wParam))); }) != 0;
            if (handled)
                return 0;
        }
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        CWnd* control = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
        if (!control)
            break;
        return send([&] {
            CDC dc(reinterpret_cast<HDC>(wParam));
            return reinterpret_cast<LRESULT>(dialog->OnCtlColor(&dc, control, message - WM_CTLCOLORMSGBOX));
        });
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        auto* button = item && item->CtlType == ODT_BUTTON
                           ? dynamic_cast<CButton*>(CWnd::FromHandle(item->hwndItem))
                           : nullptr;
        if (!button)
            break;
        SendWindowMessage(button, item->hwndItem, message, wParam, lParam, nullptr, [&] {
            CDC dc(item->hDC);
            button->DrawItem(item);
            return LRESULT(0);
        });
        return TRUE;
    }
    case WM_PAINT:
        return send([&] {
            dialog->OnPaint();
            return LRESULT(0);
        });
    case WM_SYSCOMMAND:
        return send([&] {
            dialog->OnSysCommand(UINT(wParam), lParam);
            return LRESULT(0);
        });
    case WM_CLOSE:
        return send([&] {
            dialog->OnClose();
            return LRESULT(0);
        });
    default:
        break;
    }
    return CallWindowProcW(m_pOriginal, window, message, wParam, lParam);
}

LRESULT CALLBACK DialogWidget::ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC original = OriginalOf(window);
    if (message == WM_NCDESTROY) {
        Unsubclass(window);
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    if (IsTextStatic(window)) {
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC dc = BeginPaint(window, &paint)) {
                RunGuarded([&] { StaticPainter::Paint(window, dc); });
                EndPaint(window, &paint);
            }
            return 0;
        }
        case WM_PRINTCLIENT:
            RunGuarded([&] { StaticPainter::Paint(window, reinterpret_cast<HDC>(wParam)); });
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
            if (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE)
                StaticPainter::RepaintBeneath(window);
            return result;
        }
        case WM_ENABLE:
            StaticPainter::RepaintBeneath(window);
            break;
        default:
            break;
        }
    }
    CWnd* control = CWnd::FromHandle(window);
    LRESULT result = 0;
    if (control && HandleCommonMessage(control, window, message, wParam, lParam, original, result))
        return result;
    return CallWindowProcW(original, window, message, wParam, lParam);
}

bool DialogWidget::TranslateKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    if (message.hwnd != m_hWnd && !IsChild(m_hWnd, message.hwnd))
        return false;
    if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
        return MoveFocusTo(NextTabStop(m_hWnd, GetFocus(), GetKeyState(VK_SHIFT) < 0));
    if (!IsOfferedKey(message.wParam) || ModifierDown())
        return false;
    const UINT key = UINT(message.wParam);
    const BOOL repeat = (message.lParam & (LPARAM(1) << 30)) != 0;
    CDialog* dialog = m_pDialog;
    if (SendWindowMessage(dialog, m_hWnd, WM_KEYDOWN, message.wParam, message.lParam, nullptr,
                          [&] { return LRESULT(dialog->PreTranslateKey(key, repeat)); }))
        return true;
    if (FocusedControlUses(GetFocus(), message.wParam))
        return false;
    if (SendWindowMessage(dialog, m_hWnd, WM_KEYDOWN, message.wParam, message.lParam, nullptr,
                          [&] { return LRESULT(dialog->OnDialogKey(key)); }))
        return true;
    if (key == VK_RETURN) {
        PressDefaultButton();
        return true;
    }
    if (key >= VK_LEFT && key <= VK_DOWN && IsChoice(GetFocus()))
        return MoveInGroup(key == VK_RIGHT || key == VK_DOWN);
    return false;
}

bool DialogWidget::MoveFocusTo(HWND control)
{
    if (!control)
        return false;
    // As the dialog manager moves it, default button included, and from now on the focus shows.
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, WPARAM(control), TRUE);
    SendMessageW(m_hWnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

bool DialogWidget::MoveInGroup(bool forward)
{
    HWND target = NextChoiceInGroup(m_hWnd, GetFocus(), forward);
    if (!target || target == GetFocus())
        return true;
    MoveFocusTo(target);
    // A click checks it, and the dialog hears of it as of a click with the mouse.
    if (!IsCheckedChoice(target))
        SendMessageW(target, BM_CLICK, 0, 0);
    return true;
}

void DialogWidget::PressDefaultButton()
{
    // A focused push button is pressed; with a choice focused Enter means the default button.
    HWND focus = GetFocus();
    if (focus && IsChild(m_hWnd, focus) && IsClass(focus, L"Button") && IsWindowEnabled(focus) &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return;
    }
    HWND ok = GetDlgItem(m_hWnd, IDOK);
    if (!ok || IsWindowEnabled(ok))
        SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(ok));
}
