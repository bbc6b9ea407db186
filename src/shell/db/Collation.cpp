#include "Collation.h"
#include "BaseDonnees.h"
#include "shell/Erreur.h"

#include <QCollator>
#include <QLocale>
#include <QStringView>
#include <QVarLengthArray>
#include <cstring>
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

namespace {

// Texte UTF-16 tel que SQLite le passe : lu sur place s'il est aligné, sinon recopié sur la pile
// (SQLite, lui, le recopierait dans le tas à chaque comparaison d'index).
class TexteUtf16
{
public:
    TexteUtf16(const void* texte, int octets)
    {
        const qsizetype n = octets / 2;
        if ((reinterpret_cast<quintptr>(texte) & 1) == 0) {
            m_vue = QStringView(static_cast<const char16_t*>(texte), n);
        } else {
            m_copie.resize(n);
            std::memcpy(m_copie.data(), texte, size_t(n) * 2);
            m_vue = QStringView(m_copie.constData(), n);
        }
    }
    QStringView vue() const { return m_vue; }

private:
    QVarLengthArray<char16_t, 64> m_copie;
    QStringView m_vue;
};

} // namespace

int compareNomsUtf16(void*, int n1, const void* s1, int n2, const void* s2)
{
    const int r = collateur().compare(TexteUtf16(s1, n1).vue(), TexteUtf16(s2, n2).vue());
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int compareNoms(const QString& a, const QString& b)
{
    const int r = collateur().compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

void enregistreCollation(sqlite3* connexion)
{
    // Les bases sont en UTF-16 petit-boutien : la collation déclarée dans ce codage reçoit les
    // textes des index sans conversion.
    if (sqlite3_create_collation_v2(connexion, kCollationNoms, SQLITE_UTF16LE, nullptr, &compareNomsUtf16, nullptr)
        != SQLITE_OK)
        throw ErreurBase(QStringLiteral("Impossible d'enregistrer la collation des noms."));
}
