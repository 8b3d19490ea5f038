#pragma once
// The system fonts behind the framework's font descriptions: one HFONT per description,
// made when first needed and kept for the process. A context that selected a font keeps
// drawing with it after the CFont object has gone, as the framework promises, and no font
// is deleted while a context still holds it.

#include "framework/CFont.h"

namespace FontCache {

HFONT FontOf(const LOGFONT& logFont);

} // namespace FontCache
