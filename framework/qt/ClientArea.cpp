#include "framework/qt/ClientArea.h"

#include "framework/qt/ModalFrame.h"

#include <QWidget>

QPoint ClientOrigin(const QWidget* widget)
{
    const int frame = ModalFrameWidth(widget);
    return {frame, frame};
}

QRect ClientRect(const QWidget* widget)
{
    const int frame = ModalFrameWidth(widget);
    return widget->rect().adjusted(frame, frame, -frame, -frame);
}
