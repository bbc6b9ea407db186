#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaDons()
{
    DefinitionTable dons;
    dons.nom = QStringLiteral("Dons");
    dons.champs << texte(QStringLiteral("Nom")) << texte(QStringLiteral("Genre")) << texte(QStringLiteral("Source"), 100)
                // Type : "Général", "Ext", "Sur", "Mag"... ; Categorie et SousCategorie classent les pouvoirs.
                << texte(QStringLiteral("Type"), 50) << texte(QStringLiteral("Categorie"), 50)
                << texte(QStringLiteral("SousCategorie"), 50) << texte(QStringLiteral("Caracteristique"), 50)
                << memo(QStringLiteral("Condition")) << memo(QStringLiteral("NORMAL")) << memo(QStringLiteral("Résumé"))
                << memo(QStringLiteral("Spécial")) << memo(QStringLiteral("Explication"))
                << booleen(QStringLiteral("Multiple")) << booleen(QStringLiteral("pouvoir"))
                << booleen(QStringLiteral("tare")) << texte(QStringLiteral("js"), 50) << booleen(QStringLiteral("prive"))
                << booleen(QStringLiteral("anciens")) << booleen(QStringLiteral("epique"))
                << booleen(QStringLiteral("liearme")) << reel(QStringLiteral("version"))
                << booleen(QStringLiteral("trait"))
                // Vrai pour les dons de progression qui se cumulent (Rage +1, Attaque sournoise +1d6...).
                << booleen(QStringLiteral("supplementaire"));
    for (int i = 1; i <= 6; ++i)
        dons.champs << texte(QStringLiteral("don_%1").arg(i));
    dons.index << DefinitionIndex{QStringLiteral("nom"), {QStringLiteral("Nom")}, true};

    DefinitionTable metamagie;
    metamagie.nom = QStringLiteral("Metamagie");
    // Niveau : augmentation du niveau de l'emplacement de sort.
    metamagie.champs << texte(QStringLiteral("Nom")) << entier(QStringLiteral("Niveau"));
    metamagie.index << DefinitionIndex{QStringLiteral("nom"), {QStringLiteral("Nom")}, true};

    // Genres des dons véritables, par opposition aux traits raciaux et aux aptitudes de classe.
    DefinitionTable genres;
    genres.nom = QStringLiteral("Dongenre");
    genres.champs << texte(QStringLiteral("Nom"));
    genres.index << DefinitionIndex{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true};

    return {dons, metamagie, genres};
}
