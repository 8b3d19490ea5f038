#include "framework/qt/WindowData.h"

#include <QObject>
#include <QWidget>

#include <unordered_map>

namespace {

struct Record
{
    int id = 0;
    DWORD style = 0;
    CString text;
    bool leaveTracked = false;
    bool focusHidden = false;
};

// Looked up at every paint and message, so kept in a table of our own rather than in
// dynamic properties, whose look-up compares the name with every property of the class
// first. An entry goes with its widget; the table itself is never destroyed, so that a
// widget outliving static destruction can still let go of its entry.
std::unordered_map<const QWidget*, Record>& Records()
{
    static auto* records = new std::unordered_map<const QWidget*, Record>;
    return *records;
}

const Record* Find(const QWidget* widget)
{
    const auto& records = Records();
    const auto found = records.find(widget);
    return found == records.end() ? nullptr : &found->second;
}

Record& Ensure(QWidget* widget)
{
    auto [entry, added] = Records().try_emplace(widget);
    if (added)
        QObject::connect(widget, &QObject::destroyed, [widget] { Records().erase(widget); });
    return entry->second;
}

} // namespace

namespace WindowData {

int Id(const QWidget* widget)
{
    const Record* record = Find(widget);
    return record ? record->id : 0;
}

void SetId(QWidget* widget, int id)
{
    Ensure(widget).id = id;
}

DWORD Style(const QWidget* widget)
{
    const Record* record = Find(widget);
    return record ? record->style : 0;
}

void SetStyle(QWidget* widget, DWORD style)
{
    Ensure(widget).style = style;
}

CString Text(const QWidget* widget)
{
    const Record* record = Find(widget);
    return record ? record->text : CString();
}

void SetText(QWidget* widget, const CString& text)
{
    Ensure(widget).text = text;
}

bool LeaveTracked(const QWidget* widget)
{
    const Record* record = Find(widget);
    return record && record->leaveTracked;
}

void SetLeaveTracked(QWidget* widget, bool tracked)
{
    Ensure(widget).leaveTracked = tracked;
}

bool FocusHidden(const QWidget* window)
{
    const Record* record = Find(window);
    return record && record->focusHidden;
}

void SetFocusHidden(QWidget* window, bool hidden)
{
    Ensure(window).focusHidden = hidden;
}

} // namespace WindowData
