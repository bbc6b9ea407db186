#include "SchemaProgramme.h"

namespace {

// Liste courte lue en entier et triée sur Nom : clé primaire sur Nom, champs en plus à la suite.
DefinitionTable liste(const QString& table, const QVector<DefinitionChamp>& autres = {})
{
    DefinitionTable t{table, {texte(QStringLiteral("Nom"), 100)}, {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true}}};
    t.champs += autres;
    return t;
}

} // namespace

QVector<DefinitionTable> schemaVocabulaires()
{
    const DefinitionChamp description = memo(QStringLiteral("Description"));
    DefinitionTable langue{QStringLiteral("Langue"),
                           {texte(QStringLiteral("Langue"), 50), texte(QStringLiteral("Alphabet"), 50),
                            texte(QStringLiteral("Locuteurs"))},
                           {{QStringLiteral("PrimaryKey"), {QStringLiteral("Langue")}, true}}};
    return {
        liste(QStringLiteral("Artisanat"), {description}),
        liste(QStringLiteral("Profession"), {description}),
        liste(QStringLiteral("Energie")),
        liste(QStringLiteral("Element")),
        liste(QStringLiteral("DragonTotem"), {texte(QStringLiteral("Energie"), 50)}),
        liste(QStringLiteral("Cheveux")),
        liste(QStringLiteral("Yeux")),
        liste(QStringLiteral("Profil"), {description}),
        langue,
        liste(QStringLiteral("Genre")),
        liste(QStringLiteral("Source"), {texte(QStringLiteral("Abreviation"), 20)}),
        liste(QStringLiteral("Alignement"), {texte(QStringLiteral("Code"), 2)}),
        liste(QStringLiteral("Taille"), {entier(QStringLiteral("ordre"))}),
        liste(QStringLiteral("Terrain"), {texte(QStringLiteral("Type"), 20)}),
        liste(QStringLiteral("Marqueferal")),
        liste(QStringLiteral("GrandArcane"), {description}),
        liste(QStringLiteral("Aberration")),
        liste(QStringLiteral("EnnemiJure")),
        liste(QStringLiteral("Resistance")),
        // Groupes d'objets du catalogue, dans l'ordre de leur liste.
        liste(QStringLiteral("GroupeObjet"), {entier(QStringLiteral("ordre"))}),
    };
}
