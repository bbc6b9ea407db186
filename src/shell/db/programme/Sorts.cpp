#include "ClassesLivrees.h"
#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaSorts()
{
    DefinitionTable sort{QStringLiteral("Sort"),
                         {texte(QStringLiteral("Nom"), 100), texte(QStringLiteral("Ecole"), 100),
                          texte(QStringLiteral("Classe/Niveau")), texte(QStringLiteral("domaine"))},
                         {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true}}};
    // Niveau du sort pour chaque classe de lanceur (Null : hors de sa liste).
    for (const QString& classe : classesLanceursSorts())
        sort.champs.append(entier(classe));
    // Puis un niveau par domaine, de "Air" au dernier, juste avant "composantes" : la liste des
    // domaines se lit entre ces deux colonnes.
    for (const QString& domaine : domainesLivres())
        sort.champs.append(entier(domaine));
    sort.champs += {texte(QStringLiteral("composantes")),
                    texte(QStringLiteral("Cible")),
                    texte(QStringLiteral("durée")),
                    texte(QStringLiteral("effet")),
                    memo(QStringLiteral("Explication")),
                    texte(QStringLiteral("Jet de sauvegarde")),
                    texte(QStringLiteral("Portée")),
                    texte(QStringLiteral("Résistance à la magie")),
                    texte(QStringLiteral("Temps d’incantation")),
                    texte(QStringLiteral("Zone d'effet")),
                    texte(QStringLiteral("DDdeDifficultee"), 50),
                    memo(QStringLiteral("PourDevellopper")),
                    texte(QStringLiteral("Source"), 50),
                    reel(QStringLiteral("version")),
                    texte(QStringLiteral("shugenja"), 50)};

    DefinitionTable domaines{QStringLiteral("Domaines"),
                             {texte(QStringLiteral("Nom"), 50), memo(QStringLiteral("Description")),
                              memo(QStringLiteral("Pouvoir")), texte(QStringLiteral("Source"), 50)},
                             {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true}}};
    DefinitionTable ecoles{QStringLiteral("Ecoles"),
                           {texte(QStringLiteral("Nom"), 50), memo(QStringLiteral("Description"))},
                           {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true}}};
    DefinitionTable ordre{QStringLiteral("Ordre"),
                          {texte(QStringLiteral("Nom"), 50), texte(QStringLiteral("Element"), 100),
                           memo(QStringLiteral("Sorts")), memo(QStringLiteral("Description"))},
                          {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true}}};

    // Sorts en bonus selon le modificateur de la caractéristique de lanceur.
    DefinitionTable bonus{QStringLiteral("ModificateurCaracSortBonus"),
                          {entier(QStringLiteral("Modificateur"))},
                          {{QStringLiteral("PrimaryKey"), {QStringLiteral("Modificateur")}, true}}};
    for (int i = 0; i <= 9; ++i)
        bonus.champs.append(entier(QStringLiteral("s_n_%1").arg(i)));

    return {sort, domaines, ecoles, ordre, bonus};
}
