#include "SchemaProgramme.h"

namespace {

DefinitionIndex clePrimaire(const QString& champ)
{
    return {QStringLiteral("PrimaryKey"), {champ}, true};
}

} // namespace

QVector<DefinitionTable> schemaDivers()
{
    DefinitionTable dieu{QStringLiteral("Dieu"),
                         {texte(QStringLiteral("Nom"), 50), texte(QStringLiteral("Surnom"), 100),
                          texte(QStringLiteral("Rang"), 50), texte(QStringLiteral("Alignement"), 50),
                          texte(QStringLiteral("domaines")), texte(QStringLiteral("Arme"), 100),
                          texte(QStringLiteral("Attributions")), texte(QStringLiteral("adorateurs")),
                          texte(QStringLiteral("RACE"), 50), texte(QStringLiteral("royaume"), 50),
                          texte(QStringLiteral("Image"), 100), memo(QStringLiteral("Description"))},
                         {{QStringLiteral("Nom"), {QStringLiteral("Nom")}, true}}};
    DefinitionTable dieurace{QStringLiteral("dieurace"), {texte(QStringLiteral("nom"), 50)},
                             {{QStringLiteral("nom"), {QStringLiteral("nom")}, true}}};

    // Richesse d'un personnage joueur et valeur de l'équipement d'un PNJ, par niveau.
    DefinitionTable possession{QStringLiteral("Possession"),
                               {entier(QStringLiteral("Niveau")), entierLong(QStringLiteral("Richesse")),
                                entierLong(QStringLiteral("EquipementPNJ"))},
                               {clePrimaire(QStringLiteral("Niveau"))}};

    // Points d'expérience par personnage, selon le niveau du groupe et le facteur de puissance.
    DefinitionTable experience{QStringLiteral("Experience"), {entier(QStringLiteral("niveau"))},
                               {clePrimaire(QStringLiteral("niveau"))}};
    for (const char* fp : {"1/8", "1/6", "1/4", "1/3", "1/2"})
        experience.champs.append(entierLong(QStringLiteral("fp") + QLatin1String(fp)));
    for (int fp = 1; fp <= 30; ++fp)
        experience.champs.append(entierLong(QStringLiteral("fp%1").arg(fp)));

    DefinitionTable titre{QStringLiteral("Titre"),
                          {texte(QStringLiteral("Nom"), 100), texte(QStringLiteral("Vecu"), 100),
                           entier(QStringLiteral("grade")), texte(QStringLiteral("Sexe"), 20),
                           booleen(QStringLiteral("Tous"))},
                          {clePrimaire(QStringLiteral("Nom"))}};

    DefinitionTable changeNom{QStringLiteral("ChangeNomRace"),
                              {texte(QStringLiteral("OldRace"), 50), texte(QStringLiteral("NewRace"), 50)},
                              {{QStringLiteral("OldRace"), {QStringLiteral("OldRace")}, true}}};

    DefinitionTable alignements{QStringLiteral("Alignements"),
                                {texte(QStringLiteral("Nom"), 50), entier(QStringLiteral("ordre")),
                                 texte(QStringLiteral("Code"), 2), memo(QStringLiteral("Description"))},
                                {clePrimaire(QStringLiteral("Nom"))}};

    DefinitionTable caracteristiques{QStringLiteral("Caracteristiques"),
                                     {texte(QStringLiteral("Nom"), 50), memo(QStringLiteral("Description"))},
                                     {clePrimaire(QStringLiteral("Nom"))}};

    DefinitionTable version{QStringLiteral("Version"),
                            {entier(QStringLiteral("Version")), date(QStringLiteral("DateModif")),
                             entier(QStringLiteral("Objets"))},
                            {}};

    return {dieu, dieurace, possession, experience, titre, changeNom, alignements, caracteristiques, version};
}
