#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaClasses()
{
    DefinitionTable classe{QStringLiteral("Classe"),
                           {texte(QStringLiteral("Classe"), 50), texte(QStringLiteral("Type"), 50),
                            texte(QStringLiteral("alignements")), entier(QStringLiteral("PointDeVie")),
                            entier(QStringLiteral("CompetenceNiveauSupp")), texte(QStringLiteral("ClasseMaitre"), 50),
                            texte(QStringLiteral("attaque"), 20), texte(QStringLiteral("Reflexe"), 20),
                            texte(QStringLiteral("Vigueur"), 20), texte(QStringLiteral("Volonte"), 20),
                            texte(QStringLiteral("CaracSort_Niv"), 50), texte(QStringLiteral("CaracSort_DD"), 50),
                            texte(QStringLiteral("CaracSort_Bonus"), 50), texte(QStringLiteral("ListeSort"), 50),
                            entier(QStringLiteral("nls")), booleen(QStringLiteral("affichage")),
                            booleen(QStringLiteral("EstLanceurSort")), booleen(QStringLiteral("EstTout")),
                            booleen(QStringLiteral("EstLimite")), texte(QStringLiteral("Source"), 50),
                            memo(QStringLiteral("Description"))},
                           {{QStringLiteral("PrimaryKey"), {QStringLiteral("Classe")}, true}}};

    DefinitionTable progression{QStringLiteral("ClasseProgression"),
                                {texte(QStringLiteral("Classe"), 50), entier(QStringLiteral("Niveau")),
                                 entier(QStringLiteral("attaque")), entier(QStringLiteral("Reflexe")),
                                 entier(QStringLiteral("Vigueur")), entier(QStringLiteral("Volonte")),
                                 entier(QStringLiteral("bonusDesVie")), entier(QStringLiteral("BonusIntelligence"))},
                                {{QStringLiteral("index"), {QStringLiteral("Classe"), QStringLiteral("Niveau")}, true}}};
    for (int i = 1; i <= 6; ++i)
        progression.champs.append(texte(QStringLiteral("don_%1").arg(i), 100));
    // Sorts par jour (s_n_) et sorts connus (s_c_) par niveau de sort.
    for (int i = 0; i <= 9; ++i)
        progression.champs.append(entier(QStringLiteral("s_n_%1").arg(i)));
    for (int i = 0; i <= 9; ++i)
        progression.champs.append(entier(QStringLiteral("s_c_%1").arg(i)));
    progression.champs.append(memo(QStringLiteral("armes_armures")));
    progression.champs.append(memo(QStringLiteral("sorts")));

    // Comment une classe de prestige (esclave) fait progresser les sorts d'une classe de base (maître).
    DefinitionTable correspondance{QStringLiteral("ClasseCorrespondanceMagie"),
                                   {texte(QStringLiteral("classeMaitre"), 50), texte(QStringLiteral("classeEsclave"), 50),
                                    entier(QStringLiteral("niveau")), entier(QStringLiteral("point")),
                                    entier(QStringLiteral("BonusDeSort")), entier(QStringLiteral("SortAutreEnPlus"))},
                                   {{QStringLiteral("classeMaitre"),
                                     {QStringLiteral("classeMaitre"), QStringLiteral("classeEsclave"), QStringLiteral("niveau")},
                                     true}}};

    DefinitionTable imposes{QStringLiteral("ClasseSortImpose"),
                            {texte(QStringLiteral("Classe"), 50), entier(QStringLiteral("Niveau")),
                             texte(QStringLiteral("Sort"), 100)},
                            {{QStringLiteral("index"),
                              {QStringLiteral("Classe"), QStringLiteral("Niveau"), QStringLiteral("Sort")}, true}}};

    return {classe, progression, correspondance, imposes};
}
