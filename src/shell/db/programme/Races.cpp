#include "SchemaProgramme.h"

namespace {

// Champs communs aux races et aux archétypes : modificateurs, déplacements, sens, résistances, dons.
void ajouteModificateurs(QVector<DefinitionChamp>& champs)
{
    champs << texte(QStringLiteral("Type"), 50);
    for (int i = 1; i <= 5; ++i)
        champs << texte(QStringLiteral("SousType_%1").arg(i), 50);
    champs << texte(QStringLiteral("taille"), 50) << entier(QStringLiteral("AdjNiv")) << reel(QStringLiteral("FP"))
           // Allonge naturelle en cases de 1,50 m (1 pour 1,50 m, 2 pour 3 m...).
           << entier(QStringLiteral("Allonge"));
    for (const char* c : {"For", "Dex", "Con", "Int", "Sag", "Cha"})
        champs << entier(QString::fromLatin1(c));
    champs << entier(QStringLiteral("Ca")) << entier(QStringLiteral("Reflexe")) << entier(QStringLiteral("Vigueur"))
           << entier(QStringLiteral("Volonte")) << entier(QStringLiteral("Competence")) << entier(QStringLiteral("Don"))
           // Vitesses en mètres.
           << entier(QStringLiteral("Deplacement")) << entier(QStringLiteral("Deplacement_Air"))
           << entier(QStringLiteral("Deplacement_Eau")) << entier(QStringLiteral("Deplacement_Fouissement"))
           << entier(QStringLiteral("Deplacement_Escalade")) << texte(QStringLiteral("Manoeuvrabilite"), 50)
           << booleen(QStringLiteral("Quadripede"))
           // Vision dans le noir en mètres ; les autres sens en texte.
           << entier(QStringLiteral("Vision")) << texte(QStringLiteral("Vision_texte"))
           << entier(QStringLiteral("Resistance_degat")) << texte(QStringLiteral("Rd_texte"))
           << entier(QStringLiteral("Resistance_magie")) << entier(QStringLiteral("Progression_rm"))
           << entier(QStringLiteral("Resistance_acide")) << entier(QStringLiteral("Resistance_electricite"))
           << entier(QStringLiteral("Resistance_feu")) << entier(QStringLiteral("Resistance_froid"))
           << entier(QStringLiteral("Resistance_son"));
    for (int i = 1; i <= 12; ++i)
        champs << texte(QStringLiteral("don_%1").arg(i));
}

DefinitionTable tableRace()
{
    DefinitionTable t;
    t.nom = QStringLiteral("Race");
    t.champs << texte(QStringLiteral("Race"), 100) << entier(QStringLiteral("Niveau"));
    ajouteModificateurs(t.champs);
    // Bases en pouces et en livres, dés à deux jets (voir l'assistant de création).
    t.champs << entier(QStringLiteral("poidshomme")) << entier(QStringLiteral("poidsfemme"))
             << entier(QStringLiteral("poidsdes")) << entier(QStringLiteral("taillehomme"))
             << entier(QStringLiteral("taillefemme")) << entier(QStringLiteral("tailledes"))
             << texte(QStringLiteral("Langue")) << texte(QStringLiteral("ClasseFavorite"), 50)
             // Jets forts des dés de vie raciaux ("Réflexe, Vigueur", "Aucun" ; vide : ceux du type) et
             // caractéristiques que la créature n'a pas ("Con, Int").
             << texte(QStringLiteral("JetsBons"), 50) << texte(QStringLiteral("CaracAbsentes"), 50)
             << texte(QStringLiteral("Source"), 100) << memo(QStringLiteral("Description"))
             << entierLong(QStringLiteral("n°"));
    t.index << DefinitionIndex{QStringLiteral("PrimaryKey"), {QStringLiteral("Race")}, true};
    return t;
}

DefinitionTable tableArchetype()
{
    DefinitionTable t;
    t.nom = QStringLiteral("Archetype");
    t.champs << texte(QStringLiteral("Archetype"), 50);
    ajouteModificateurs(t.champs);
    // Types de créature auxquels l'archétype peut s'appliquer, séparés par des virgules.
    t.champs << texte(QStringLiteral("TypesAcceptes")) << texte(QStringLiteral("Source"), 100)
             << memo(QStringLiteral("Description"));
    t.index << DefinitionIndex{QStringLiteral("PrimaryKey"), {QStringLiteral("Archetype")}, true};
    return t;
}

// Compétences raciales : une ligne par (race ou archétype, compétence) ; la présence de la ligne
// fait de la compétence une compétence de classe des dés de vie raciaux.
DefinitionTable tableCompetence(const QString& nom)
{
    DefinitionTable t;
    t.nom = nom;
    t.champs << texte(QStringLiteral("Classe"), 100) << texte(QStringLiteral("NOM"), 100)
             << texte(QStringLiteral("carac1"), 50) << entier(QStringLiteral("modif"))
             << texte(QStringLiteral("innee"), 1) << entier(QStringLiteral("Rang")) << texte(QStringLiteral("Texte"))
             << entier(QStringLiteral("n°"));
    t.index << DefinitionIndex{QStringLiteral("index"), {QStringLiteral("Classe"), QStringLiteral("NOM")}, true};
    return t;
}

DefinitionTable tableEquipement(const QString& nom, const QString& cle)
{
    DefinitionTable t;
    t.nom = nom;
    t.champs << texte(cle, 100) << texte(QStringLiteral("objet")) << entier(QStringLiteral("Multiple"));
    t.index << DefinitionIndex{QStringLiteral("index"), {cle, QStringLiteral("objet")}, true}
            << DefinitionIndex{QStringLiteral("EquipementnomObjet"), {QStringLiteral("objet")}, false};
    return t;
}

} // namespace

QVector<DefinitionTable> schemaRaces()
{
    DefinitionTable raceDons;
    raceDons.nom = QStringLiteral("RaceDons");
    // Dons que les dés de vie raciaux apportent d'office ; Type : "Don" ou "Don supplémentaire".
    raceDons.champs << texte(QStringLiteral("Race"), 100) << texte(QStringLiteral("Don"))
                    << texte(QStringLiteral("Libelle")) << texte(QStringLiteral("Type"), 50);
    raceDons.index << DefinitionIndex{QStringLiteral("index"),
                                      {QStringLiteral("Race"), QStringLiteral("Don"), QStringLiteral("Libelle")}, true};

    return {tableRace(),
            tableCompetence(QStringLiteral("RaceCompetence")),
            raceDons,
            tableEquipement(QStringLiteral("Raceequipement"), QStringLiteral("Race")),
            tableArchetype(),
            tableCompetence(QStringLiteral("ArchetypeCompetence")),
            tableEquipement(QStringLiteral("ArchetypeEquipement"), QStringLiteral("Archetype"))};
}
