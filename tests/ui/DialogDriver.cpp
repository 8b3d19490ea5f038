#include "DialogDriver.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/CDialog.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

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

QRect ControlRect(const ModalDialog& modal, int id)
{
    const QWidget* control = modal.Control(id);
    return control ? control->geometry() : QRect();
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
