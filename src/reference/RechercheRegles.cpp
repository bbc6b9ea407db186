#include "RechercheRegles.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SurcoucheRegles.h"

#include <QRegularExpression>

namespace {

// Textes indexés de chaque table, en plus du nom.
QStringList champsIndexes(const QString& table)
{
    if (table.compare(QLatin1String("Dons"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Résumé"), QStringLiteral("Condition"), QStringLiteral("Explication"), QStringLiteral("NORMAL"),
                QStringLiteral("Spécial")};
    return {QStringLiteral("Ecole"), QStringLiteral("Classe/Niveau"), QStringLiteral("composantes"), QStringLiteral("Cible"),
            QStringLiteral("effet"), QStringLiteral("Zone d'effet"), QStringLiteral("Explication"),
            QStringLiteral("PourDevellopper")};
}

// Construit l'index s'il manque ; la surcouche le supprime quand elle refait la table.
QString indexPret(BaseDonnees& programme, const QString& table)
{
    const QString index = TableRecherche(table);
    if (programme.scalaire(QStringLiteral("SELECT count(*) FROM temp.sqlite_master WHERE name = ?"), {index}).toInt() > 0)
        return index;
    QStringList textes;
    for (const QString& champ : champsIndexes(table))
        textes.append(QStringLiteral("coalesce(%1, '')").arg(identifiant(champ)));
    Transaction transaction(programme);
    programme.execute(QStringLiteral("CREATE VIRTUAL TABLE temp.%1 USING fts5(Nom, Textes, "
                                     "tokenize = 'unicode61 remove_diacritics 2')").arg(index));
    // Sans préfixe, le nom désigne la table temporaire de la surcouche quand elle existe.
    programme.execute(QStringLiteral("INSERT INTO temp.%1 (Nom, Textes) SELECT Nom, %2 FROM %3 WHERE Nom IS NOT NULL")
                          .arg(index, textes.join(QStringLiteral(" || ' ' || ")), identifiant(table)));
    transaction.valide();
    return index;
}

} // namespace

QStringList RechercheRegles(BaseDonnees& programme, const QString& table, const QString& saisie)
{
    static const QRegularExpression separateurs(QStringLiteral("[^\\w]+"), QRegularExpression::UseUnicodePropertiesOption);
    QStringList mots;
    for (const QString& mot : saisie.split(separateurs, Qt::SkipEmptyParts))
        mots.append(u'"' + mot + QStringLiteral("\"*"));
    if (mots.isEmpty())
        return {};
    // Le nom de l'index suit celui de la table tel que la surcouche l'écrit.
    const QString index = indexPret(programme, table.compare(QLatin1String("Dons"), Qt::CaseInsensitive) == 0
                                                   ? QStringLiteral("Dons") : QStringLiteral("Sort"));
    QStringList noms;
    for (const Ligne& l : programme.selectionne(
             QStringLiteral("SELECT Nom FROM temp.%1 WHERE %1 MATCH ? ORDER BY Nom COLLATE %2").arg(index, QLatin1String(kCollationNoms)),
             {mots.join(u' ')}))
        noms.append(l.texte(QStringLiteral("Nom")));
    return noms;
}
