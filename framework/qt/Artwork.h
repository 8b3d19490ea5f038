#pragma once
// The icon and cursor artwork of the resources, rendered for Qt.

#include "framework/Cursor.h"
#include "framework/base/WinTypes.h"

#include <QCursor>
#include <QIcon>

#include <optional>

// Icon resource id at the usual desktop sizes; a null icon when there is no such icon.
QIcon IconArtwork(UINT id);
// Icon resource id rendered at one size.
QPixmap IconPixmap(UINT id, int size);
// Cursor resource id as a monochrome cursor with its hot spot; none when there is none.
std::optional<QCursor> CursorArtwork(UINT id);
// The Qt cursor and icon behind a loaded resource; none for none.
const QCursor* CursorToQt(HCURSOR cursor);
const QIcon* IconToQt(HICON icon);
