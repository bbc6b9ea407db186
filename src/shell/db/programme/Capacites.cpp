#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaCapacites()
{
    // Valeur d'une capacité activable au niveau N : BonusBase + Int(N / TousLes) × Augmentation,
    // bornée par min et max ; Augmentation peut être une expression de dés ("1d6").
    DefinitionTable capacite{QStringLiteral("CapaciteSort"),
                             {texte(QStringLiteral("Nom"), 100), texte(QStringLiteral("Type"), 50),
                              texte(QStringLiteral("Genre"), 50), texte(QStringLiteral("Categorie"), 50),
                              entier(QStringLiteral("Index")), booleen(QStringLiteral("liearme")),
                              entier(QStringLiteral("min")), entier(QStringLiteral("max")),
                              entier(QStringLiteral("TousLes")), entier(QStringLiteral("BonusBase")),
                              texte(QStringLiteral("bonuscapacite"), 100), texte(QStringLiteral("Augmentation"), 20),
                              texte(QStringLiteral("Classe"), 50), memo(QStringLiteral("Explication"))},
                             {{QStringLiteral("index"), {QStringLiteral("Nom")}, true}}};
    return {capacite};
}
