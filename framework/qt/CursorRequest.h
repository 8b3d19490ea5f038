#pragma once
// One cursor request (WM_SETCURSOR) in progress: SetCursor during it applies to the
// widget under the mouse. Requests nest when a handler's default asks the parent.

class QCursor;
class QWidget;

class CursorRequest
{
public:
    explicit CursorRequest(QWidget* target);
    ~CursorRequest();
    CursorRequest(const CursorRequest&) = delete;
    CursorRequest& operator=(const CursorRequest&) = delete;

    // Whether a handler set a cursor during this request.
    bool CursorSet() const { return m_bCursorSet; }

    // Gives the target of the innermost request this cursor; false when none is running.
    static bool Apply(const QCursor& cursor);

private:
    QWidget* m_pTarget;
    bool m_bCursorSet = false;
    CursorRequest* m_pOuter;
};
