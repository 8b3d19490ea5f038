#pragma once
// The Qt font a font description resolves to.

#include "framework/CFont.h"

#include <QFont>

QFont ToQFont(const CFont& font);
QFont ToQFont(const LOGFONT& logFont);
