#pragma once
// Ends a start-up measurement: once the first top-level window has had its first paint
// event, that window is closed as by its close button, after the paint has finished.
// Its size goes to the standard output, so that the minimal program can match it.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

class CloseAfterFirstPaint : public QObject
{
public:
    CloseAfterFirstPaint() { qApp->installEventFilter(this); }
    ~CloseAfterFirstPaint() override { qApp->removeEventFilter(this); }
    CloseAfterFirstPaint(const CloseAfterFirstPaint&) = delete;
    CloseAfterFirstPaint& operator=(const CloseAfterFirstPaint&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_bSeen && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                m_bSeen = true;
                // Queued: the children of the window paint in the same pass, after this event.
                QTimer::singleShot(0, widget, [widget] {
                    std::printf("%d %d\n", widget->width(), widget->height());
                    std::fflush(stdout);
                    widget->close();
                });
            }
        }
        return false;
    }

private:
    bool m_bSeen = false;
};
