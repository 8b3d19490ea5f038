#include "framework/qt/gdiplus/FontFamily.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QStringList>

namespace Gdiplus {

namespace {

QString FamilyOf(const QFont& font)
{
    return QFontInfo(font).family();
}

bool LookUpFamily(const QString& name)
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

// Every caption a button draws constructs its family anew, and the look-up matches fonts
// twice; the program installs no fonts while it runs, so each name is looked up once.
bool IsKnownFamily(const QString& name)
{
    static QHash<QString, bool> known;
    const auto found = known.constFind(name);
    if (found != known.constEnd())
        return *found;
    const bool available = LookUpFamily(name);
    known.insert(name, available);
    return available;
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
