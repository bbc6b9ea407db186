#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaObjets()
{
    DefinitionTable objets{QStringLiteral("Objets"),
                           {texte(QStringLiteral("NomObjet"), 100), reel(QStringLiteral("CoutTotal")),
                            reel(QStringLiteral("PoidsBase")), entier(QStringLiteral("ClasseArmure")),
                            texte(QStringLiteral("TypeCa"), 50), entier(QStringLiteral("EchecSortProfane")),
                            entier(QStringLiteral("PenaliteArmure")), entier(QStringLiteral("BonusDexMax")),
                            reel(QStringLiteral("Portee")), texte(QStringLiteral("GroupeObjet"), 50),
                            texte(QStringLiteral("Taille"), 50), texte(QStringLiteral("Type"), 50),
                            texte(QStringLiteral("DegatDes"), 50), texte(QStringLiteral("ZoneCritique"), 20),
                            entier(QStringLiteral("MultCrit")), memo(QStringLiteral("Description")),
                            entier(QStringLiteral("Solidite")), entier(QStringLiteral("Resistance")),
                            entier(QStringLiteral("CHARGE")), entier(QStringLiteral("Emplacement")),
                            texte(QStringLiteral("Tempo"), 50)},
                           {{QStringLiteral("PrimaryKey"), {QStringLiteral("NomObjet")}, true}}};
    DefinitionTable proprietes{QStringLiteral("ObjetsPropriete"),
                               {texte(QStringLiteral("NomObjet"), 100), texte(QStringLiteral("Type"), 50),
                                entier(QStringLiteral("Place")), texte(QStringLiteral("propriete_1"), 100),
                                texte(QStringLiteral("propriete_2"), 100), texte(QStringLiteral("propriete_3"), 100),
                                texte(QStringLiteral("valeur"), 50)},
                               {{QStringLiteral("index1"), {QStringLiteral("NomObjet")}, false}}};
    return {objets, proprietes};
}
