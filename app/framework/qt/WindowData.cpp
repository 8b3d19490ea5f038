#include "WindowData.h"

#include <QByteArray>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kId = "navik.id";
constexpr const char* kStyle = "navik.style";
constexpr const char* kText = "navik.text";
constexpr const char* kFont = "navik.font";
constexpr const char* kLeaveTracked = "navik.leaveTracked";

} // namespace

namespace WindowData {

int Id(const QWidget* widget)
{
    const QVariant id = widget->property(kId);
    return id.isValid() ? id.toInt() : 0;
}

void SetId(QWidget* widget, int id)
{
    widget->setProperty(kId, id);
}

DWORD Style(const QWidget* widget)
{
    return DWORD(widget->property(kStyle).toUInt());
}

void SetStyle(QWidget* widget, DWORD style)
{
    widget->setProperty(kStyle, uint(style));
}

CString Text(const QWidget* widget)
{
    const QByteArray bytes = widget->property(kText).toByteArray();
    return CString(bytes.constData(), std::size_t(bytes.size()));
}

void SetText(QWidget* widget, const CString& text)
{
    widget->setProperty(kText, QByteArray(text.data(), qsizetype(text.size())));
}

CFont* Font(const QWidget* widget)
{
    return static_cast<CFont*>(widget->property(kFont).value<void*>());
}

void SetFont(QWidget* widget, CFont* font)
{
    widget->setProperty(kFont, QVariant::fromValue(static_cast<void*>(font)));
}

bool LeaveTracked(const QWidget* widget)
{
    return widget->property(kLeaveTracked).toBool();
}

void SetLeaveTracked(QWidget* widget, bool tracked)
{
    widget->setProperty(kLeaveTracked, tracked);
}

} // namespace WindowData
