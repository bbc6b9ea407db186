#include "ClassesLivrees.h"

QStringList typesCreature()
{
    return {QStringLiteral("Aberration"), QStringLiteral("Animal"), QStringLiteral("Créature artificielle"),
            QStringLiteral("Créature magique"), QStringLiteral("Dragon"), QStringLiteral("Elémentaire"),
            QStringLiteral("Extérieur"), QStringLiteral("Fée"), QStringLiteral("Géant"), QStringLiteral("Humanoïde"),
            QStringLiteral("Humanoïde monstrueux"), QStringLiteral("Mort-vivant"), QStringLiteral("Plante"),
            QStringLiteral("Vase"), QStringLiteral("Vermine")};
}

QStringList classesLivrees()
{
    QStringList classes = {
        // classes de base
        QStringLiteral("Barbare"), QStringLiteral("Barde"), QStringLiteral("Druide"), QStringLiteral("Ensorceleur"),
        QStringLiteral("Guerrier"), QStringLiteral("Magicien"), QStringLiteral("Moine"), QStringLiteral("Paladin"),
        QStringLiteral("Prêtre"), QStringLiteral("Rôdeur"), QStringLiteral("Roublard"),
        // classes de personnages non joueurs
        QStringLiteral("Adepte"), QStringLiteral("Expert"), QStringLiteral("Gens du peuple"),
        QStringLiteral("Homme d'armes"), QStringLiteral("Noble"),
        // classes de prestige
        QStringLiteral("Archer-mage"), QStringLiteral("Archimage"), QStringLiteral("Arpenteur d'horizon"),
        QStringLiteral("Assassin"), QStringLiteral("Chevalier noir"), QStringLiteral("Chevalier occulte"),
        QStringLiteral("Danseur de l'ombre"), QStringLiteral("Défenseur nain"), QStringLiteral("Disciple draconien"),
        QStringLiteral("Duelliste"), QStringLiteral("Hiérophante"), QStringLiteral("Maître du savoir"),
        QStringLiteral("Mystificateur profane"), QStringLiteral("Thaumaturge"), QStringLiteral("Théurge mystique"),
    };
    classes += typesCreature();
    return classes;
}

QStringList classesLanceursSorts()
{
    return {QStringLiteral("Adepte"), QStringLiteral("Assassin"), QStringLiteral("Barde"),
            QStringLiteral("Chevalier noir"), QStringLiteral("Druide"), QStringLiteral("Ensorceleur"),
            QStringLiteral("Magicien"), QStringLiteral("Paladin"), QStringLiteral("Prêtre"), QStringLiteral("Rôdeur")};
}

QStringList domainesLivres()
{
    return {QStringLiteral("Air"), QStringLiteral("Animal"), QStringLiteral("Artifice"),
            QStringLiteral("Bien"), QStringLiteral("Chance"), QStringLiteral("Chaos"),
            QStringLiteral("Charme"), QStringLiteral("Climat"), QStringLiteral("Communauté"),
            QStringLiteral("Connaissance"), QStringLiteral("Création"), QStringLiteral("Destruction"),
            QStringLiteral("Duperie"), QStringLiteral("Eau"), QStringLiteral("Écailles"),
            QStringLiteral("Esprit"), QStringLiteral("Feu"), QStringLiteral("Folie"), QStringLiteral("Force"),
            QStringLiteral("Gloire"), QStringLiteral("Guérison"), QStringLiteral("Guerre"),
            QStringLiteral("Libération"), QStringLiteral("Loi"), QStringLiteral("Magie"),
            QStringLiteral("Mal"), QStringLiteral("Mort"), QStringLiteral("Noblesse"),
            QStringLiteral("Protection"), QStringLiteral("Repos"), QStringLiteral("Runes"),
            QStringLiteral("Soleil"), QStringLiteral("Ténèbres"), QStringLiteral("Terre"),
            QStringLiteral("Végétation"), QStringLiteral("Voyage")};
}
