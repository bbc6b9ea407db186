#include "NiveauxPersonnage.h"
#include "shell/db/BaseDonnees.h"

int tirePointsDeVie(BaseDonnees& programme, const QString& classe, std::mt19937& hasard)
{
    const Ligne ligne = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {classe});
    const int de = ligne ? ligne.entier(QStringLiteral("PointDeVie")) : 12;
    return std::uniform_int_distribution<int>(1, qMax(1, de))(hasard);
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
