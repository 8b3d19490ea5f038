#include "ui/gdiplus/FontFamily.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace Gdiplus {

namespace {

QString FamilyOf(const QFont& font)
{
    return QFontInfo(font).family();
}

bool IsKnownFamily(const QString& name)
{
    if (name.isEmpty())
        return false;
    if (QFontDatabase::hasFamily(name))
        return true;
    // An alias of the font configuration resolves to a face other than the fallback that
    // an unknown name would get.
    QFont fallback;
    fallback.setStyleHint(QFont::SansSerif);
    fallback.setFamilies(QStringList{QStringLiteral("sans-serif")});
    return FamilyOf(QFont(name)) != FamilyOf(fallback);
}

} // namespace

FontFamily::FontFamily(const WCHAR* name) : m_name(name ? name : u"")
{
    if (!IsKnownFamily(QString::fromStdU16String(m_name)))
        m_status = FontFamilyNotFound;
}

const FontFamily* FontFamily::GenericSansSerif()
{
    static const FontFamily generic = [] {
        FontFamily family;
        family.m_name = u"sans-serif";
        family.m_bGeneric = true;
        return family;
    }();
    return &generic;
}

} // namespace Gdiplus
