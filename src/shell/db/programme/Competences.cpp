#include "ClassesLivrees.h"
#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaCompetences()
{
    DefinitionTable competence{QStringLiteral("Competence"),
                               {texte(QStringLiteral("Nom"), 50), entier(QStringLiteral("n°")),
                                texte(QStringLiteral("carac1"), 50), texte(QStringLiteral("innee"), 1),
                                booleen(QStringLiteral("PenaliteArmure")), texte(QStringLiteral("synergie_comp")),
                                texte(QStringLiteral("synergie_don")), entier(QStringLiteral("indexalpha")),
                                texte(QStringLiteral("Classe"), 50), texte(QStringLiteral("Genre"), 50),
                                texte(QStringLiteral("Source"), 50), booleen(QStringLiteral("Multiple")),
                                booleen(QStringLiteral("liearme")), memo(QStringLiteral("Description")),
                                memo(QStringLiteral("Test")), memo(QStringLiteral("Action")),
                                memo(QStringLiteral("Nouvelles")), memo(QStringLiteral("Spécial")),
                                memo(QStringLiteral("synergie")), memo(QStringLiteral("restrictions")),
                                memo(QStringLiteral("testinne"))},
                               {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true},
                                {QStringLiteral("index"), {QStringLiteral("n°")}, true}}};
    // Une colonne par classe : 1 compétence de classe, 0 hors classe, -1 interdite.
    for (const QString& classe : classesLivrees())
        competence.champs.append(entier(classe));
    return {competence};
}
