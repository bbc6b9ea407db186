#include "NiveauxPersonnage.h"
#include "rules/Archetypes.h"
#include "shell/Hasard.h"
#include "shell/db/BaseDonnees.h"

#include <QHash>

std::optional<int> tirePointsDeVie(BaseDonnees& programme, const QString& classe, const QString& archetype,
                                   SourceHasard& hasard)
{
    if (classe.trimmed().isEmpty())
        return std::nullopt;
    const Ligne ligne = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {classe});
    if (!ligne)
        return std::nullopt;
    // Le même dé que celui que l'enregistrement admet.
    const int de = DeDeVieArchetype(ligne.entier(QStringLiteral("PointDeVie")), ligne.texte(QStringLiteral("Classe")), archetype);
    return hasard.De(qMax(1, de));
}

QString cleNumerotation(const Ligne& classe, const QString& nom)
{
    const QString maitre = classe ? classe.texte(QStringLiteral("ClasseMaitre")).trimmed() : QString();
    return (maitre.isEmpty() ? nom : maitre).toUpper();
}

QVector<int> numeroteNiveaux(BaseDonnees& programme, const QStringList& classes)
{
    QHash<QString, int> tenus;
    QVector<int> numeros;
    for (const QString& classe : classes) {
        if (classe.trimmed().isEmpty()) {
            numeros.append(0);
            continue;
        }
        const Ligne ligne = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {classe});
        numeros.append(++tenus[cleNumerotation(ligne, classe)]);
    }
    return numeros;
}

int donsAttendus(BaseDonnees& programme, const QString& classe, int niveauClasse, int niveauPersonnage,
                 const QString& race)
{
    int attendus = niveauPersonnage == 1 || niveauPersonnage % 3 == 0 ? 1 : 0;
    if (niveauPersonnage == 1 && !race.isEmpty())
        attendus += programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {race})
                        .entier(QStringLiteral("Don"));
    const Ligne progression =
        programme.cherche(QStringLiteral("ClasseProgression"), QStringLiteral("index"), {classe, niveauClasse});
    if (progression)
        for (int k = 1; k <= 6; ++k)
            if (progression.texte(QStringLiteral("don_%1").arg(k)).startsWith(QStringLiteral("Don supplémentaire")))
                ++attendus;
    return attendus;
}
