#include "Collation.h"
#include "BaseDonnees.h"
#include "shell/Erreur.h"

#include <QCollator>
#include <QLocale>
#include <QStringView>
#include <sqlite3.h>

namespace {

const QCollator& collateur()
{
    // Force secondaire : les accents comptent, la casse non.
    static const QCollator c = [] {
        QCollator col{QLocale(QLocale::French, QLocale::France)};
        col.setCaseSensitivity(Qt::CaseInsensitive);
        col.setNumericMode(false);
        col.setIgnorePunctuation(false);
        return col;
    }();
    return c;
}

} // namespace

int compareNomsUtf16(void*, int n1, const void* s1, int n2, const void* s2)
{
    const QStringView a(static_cast<const char16_t*>(s1), n1 / 2);
    const QStringView b(static_cast<const char16_t*>(s2), n2 / 2);
    const int r = collateur().compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int compareNoms(const QString& a, const QString& b)
{
    const int r = collateur().compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

void enregistreCollation(sqlite3* connexion)
{
    if (sqlite3_create_collation_v2(connexion, kCollationNoms, SQLITE_UTF16_ALIGNED, nullptr, &compareNomsUtf16, nullptr)
        != SQLITE_OK)
        throw ErreurBase(QStringLiteral("Impossible d'enregistrer la collation des noms."));
}
