#include "framework/qt/SpinWidget.h"

#include "framework/base/DialogTemplate.h"
#include "framework/qt/ControlCanvas.h"
#include "framework/qt/WindowData.h"
#include "framework/qt/WindowEvents.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 80;

} // namespace

SpinWidget::SpinWidget(QWidget* dialog, DWORD style) : QWidget(dialog)
{
    WindowData::SetStyle(this, style);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QObject::connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(kRepeatIntervalMs);
        Step(m_nHeld);
    });
}

bool SpinWidget::SetsBuddyInt() const
{
    return (WindowData::Style(this) & UDS_SETBUDDYINT) && m_buddy;
}

void SpinWidget::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
}

void SpinWidget::SetPos(int position)
{
    m_nPos = std::clamp(position, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    if (SetsBuddyInt())
        m_buddy->setText(QString::number(m_nPos));
}

int SpinWidget::Pos()
{
    // The buddy's text is the position, when it holds a number.
    if (SetsBuddyInt()) {
        bool ok = false;
        const int value = m_buddy->text().trimmed().toInt(&ok);
        if (ok)
            m_nPos = value;
    }
    return m_nPos;
}

void SpinWidget::Step(int direction)
{
    const int towardsUpper = m_nUpper >= m_nLower ? 1 : -1;
    SetPos(Pos() + direction * towardsUpper);
}

void SpinWidget::paintEvent(QPaintEvent* event)
{
    ControlCanvas canvas(this);
    const int half = height() / 2;
    const QRect arrows[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = arrows[i];
        const bool held = m_nHeld == (i == 0 ? 1 : -1);
        option.state |= held ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &canvas.Painter(), this);
        option.rect = arrows[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &option,
                               &canvas.Painter(), this);
    }
    canvas.Present(this, event->region());
}

void SpinWidget::mousePressEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_nHeld = event->position().y() < height() / 2 ? 1 : -1;
    Step(m_nHeld);
    m_repeat.start(kRepeatDelayMs);
    update();
}

void SpinWidget::mouseMoveEvent(QMouseEvent* event)
{
    DeliverMouseMove(this, event);
}

void SpinWidget::mouseReleaseEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_repeat.stop();
    m_nHeld = 0;
    update();
    DeliverLButtonUp(this, MouseKeyFlags(event), ClientPoint(this, event));
}

void SpinWidget::leaveEvent(QEvent*)
{
    DeliverMouseLeave(this);
}
