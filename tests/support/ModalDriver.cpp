#include "ModalDriver.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/CDialog.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kPollMs = 5;

// Calls found(widget) once find() yields a widget, polling from the event loop that
// is running then; a failure after timeoutMs.
void WhenFound(std::function<QWidget*()> find, std::function<void(QWidget*)> found, int timeoutMs,
               const char* what)
{
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, find, found, timeoutMs, what] {
        QWidget* widget = find();
        if (!widget && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (widget)
            found(widget);
        else
            ADD_FAILURE() << "no " << what << " appeared within " << timeoutMs << " ms";
    });
    timer->start(kPollMs);
}

// Closes every modal dialog and popup, innermost first.
void CloseEverything()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = dynamic_cast<QDialog*>(modal))
            dialog->done(-1);
        else
            modal->hide();
    }
}

} // namespace

CDialog* ModalDialog::Dialog() const
{
    return dynamic_cast<CDialog*>(WindowOf(m_pWindow));
}

QWidget* ModalDialog::Control(int id) const
{
    const CDialog* dialog = Dialog();
    const CWnd* control = dialog ? dialog->GetDlgItem(id) : nullptr;
    if (!control) {
        ADD_FAILURE() << "the dialog has no control " << id;
        return nullptr;
    }
    return WidgetOf(control);
}

void ModalDialog::Click(int id) const
{
    if (QWidget* control = Control(id))
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void ModalDialog::Key(int key, Qt::KeyboardModifiers modifiers, bool repeat) const
{
    QWidget* focused = m_pWindow->focusWidget();
    QWidget* target = focused ? focused : m_pWindow;
    if (!repeat) {
        QTest::keyClick(target, Qt::Key(key), modifiers);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), true);
    QApplication::sendEvent(target, &press);
}

void ModalDialog::Type(int id, const QString& text) const
{
    auto* edit = dynamic_cast<QLineEdit*>(Control(id));
    if (!edit) {
        ADD_FAILURE() << "control " << id << " is no edit";
        return;
    }
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

QImage ModalDialog::Grab() const
{
    return m_pWindow->grab().toImage();
}

CString ModalDialog::Text(int id) const
{
    const QWidget* control = Control(id);
    return control ? WindowOf(control)->GetWindowText() : CString("<no control>");
}

bool ModalDialog::Enabled(int id) const
{
    const QWidget* control = Control(id);
    return control && control->isEnabled();
}

bool ModalDialog::Shown(int id) const
{
    const QWidget* control = Control(id);
    return control && control->isVisible();
}

QRect ModalDialog::Rect(int id) const
{
    const QWidget* control = Control(id);
    return control ? control->geometry() : QRect();
}

namespace {

// Runs body inside the next modal dialog other than the one whose loop runs now that
// matches, polling from the event loop that runs then.
void OnNextMatchingModal(std::function<bool(QWidget*)> matches, std::function<void(ModalDialog&)> body,
                         int timeoutMs, const char* what)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    WhenFound(
        [before, matches] {
            QWidget* modal = QApplication::activeModalWidget();
            return modal && modal != before && modal->isVisible() && matches(modal) ? modal : nullptr;
        },
        [body](QWidget* window) {
            // A desktop activates a dialog that opens; the offscreen platform leaves that to us.
            QApplication::setActiveWindow(window);
            ModalDialog modal(window);
            body(modal);
        },
        timeoutMs, what);
}

} // namespace

void OnNextModal(std::function<void(ModalDialog&)> body, int timeoutMs)
{
    OnNextMatchingModal([](QWidget*) { return true; }, std::move(body), timeoutMs, "modal dialog");
}

void OnNextDialog(UINT templateId, std::function<void(ModalDialog&)> body, int timeoutMs)
{
    OnNextMatchingModal(
        [templateId](QWidget* modal) {
            const auto* dialog = dynamic_cast<const CDialog*>(WindowOf(modal));
            return dialog && dialog->GetTemplateId() == templateId;
        },
        std::move(body), timeoutMs, "dialog of that template");
}

void OnNextPopup(std::function<void(QMenu&)> body, int timeoutMs)
{
    WhenFound([] { return dynamic_cast<QMenu*>(QApplication::activePopupWidget()); },
              [body](QWidget* popup) { body(*static_cast<QMenu*>(popup)); }, timeoutMs, "popup menu");
}

void ChooseMenuItem(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->text().startsWith(text)) {
            menu.setActiveAction(action);
            QTest::keyClick(&menu, Qt::Key_Return);
            return;
        }
    }
    ADD_FAILURE() << "the menu has no item " << text.toStdString();
    menu.close();
}

int RunModal(CDialog& dialog, std::function<void(ModalDialog&)> body, int timeoutMs)
{
    OnNextModal(std::move(body), timeoutMs);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [timeoutMs] {
        ADD_FAILURE() << "the dialog was still open after " << timeoutMs << " ms";
        CloseEverything();
    });
    watchdog.start(timeoutMs * 2);
    return dialog.DoModal();
}

void ShowAndRun(CDialog& dialog, const std::function<void(ModalDialog&)>& body)
{
    RunModal(dialog, [&dialog, &body](ModalDialog& modal) {
        if (QTest::qWaitForWindowExposed(modal.Window())) {
            Settle();
            body(modal);
        } else {
            ADD_FAILURE() << "the dialog was never exposed";
        }
        dialog.EndDialog(IDCANCEL);
    });
}

void Settle()
{
    QTest::qWait(30);
}

void MoveMouse(const ModalDialog& modal, QPoint point)
{
    QTest::mouseMove(modal.Window(), point);
    Settle();
}

QImage GrabArgb(const ModalDialog& modal)
{
    return modal.Grab().convertToFormat(QImage::Format_ARGB32);
}

QImage ErasedBackground(CWnd& dialog)
{
    CRect client;
    dialog.GetClientRect(&client);
    QImage image(client.Width(), client.Height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        QtDC dc(&painter, &image);
        dialog.OnEraseBkgnd(&dc);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}
