#include "SchemaPerso.h"
#include "BaseDonnees.h"
#include "MiseAJour.h"
#include "shell/Erreur.h"

#include <QDate>

namespace {

// Oui/non à faux par défaut : une ligne neuve est comptée par « where exclu=false ».
DefinitionChamp ouiNon(const QString& nom)
{
    DefinitionChamp champ = booleen(nom);
    champ.defaut = QStringLiteral("0");
    return champ;
}

// Champs numérotés : Classe_1, Classe_2...
QVector<DefinitionChamp> serie(DefinitionChamp (*fabrique)(const QString&), const QString& prefixe, int premier,
                               int dernier)
{
    QVector<DefinitionChamp> champs;
    for (int i = premier; i <= dernier; ++i)
        champs.append(fabrique(prefixe + QString::number(i)));
    return champs;
}

DefinitionChamp texte50(const QString& nom) { return texte(nom, 50); }

DefinitionTable personnage()
{
    DefinitionTable t{QStringLiteral("Personnage"), {}, {}};
    t.champs << texte50(QStringLiteral("Nom")) << texte50(QStringLiteral("RACE"))
             << serie(texte50, QStringLiteral("Classe_"), 1, 8) << serie(entier, QStringLiteral("Niv_"), 1, 8)
             << texte50(QStringLiteral("Archetype")) << texte50(QStringLiteral("Profil")) << texte50(QStringLiteral("Titre"))
             << texte50(QStringLiteral("Dieu")) << texte50(QStringLiteral("Alignement"))
             // Poids en kg (fractions possibles), taille en cm, âge en années.
             << entier(QStringLiteral("Beaute")) << reel(QStringLiteral("Poids")) << entierLong(QStringLiteral("Taille"))
             << entierLong(QStringLiteral("Age")) << entier(QStringLiteral("MalusXP"))
             << texte50(QStringLiteral("Cheveux")) << texte50(QStringLiteral("Yeux")) << texte50(QStringLiteral("Sexe"))
             << texte50(QStringLiteral("Date")) << texte50(QStringLiteral("EcoleSpecialisation"))
             << texte(QStringLiteral("LangueConnue")) << texte(QStringLiteral("Alphabet"))
             << serie(texte50, QStringLiteral("Domaine_"), 1, 4) << serie(memo, QStringLiteral("Ecole_interdite_"), 1, 4)
             << reel(QStringLiteral("TotalPo")) << entierLong(QStringLiteral("TotalXP"))
             << serie(texte50, QStringLiteral("Profession_"), 1, 4) << serie(texte50, QStringLiteral("Artisanat_"), 1, 3)
             << serie(texte50, QStringLiteral("EnergieElu_"), 1, 3) << serie(texte50, QStringLiteral("EnergieSorcier_"), 1, 2)
             << texte50(QStringLiteral("ElementWujen")) << texte50(QStringLiteral("ElementShugenja"))
             << texte50(QStringLiteral("OrdreShugenja")) << texte50(QStringLiteral("DragonTotem"))
             << texte50(QStringLiteral("EnnemisJures")) << texte50(QStringLiteral("Image"))
             << memo(QStringLiteral("BackGround")) << memo(QStringLiteral("Histoire")) << ouiNon(QStringLiteral("exclu"));
    for (const char* nom : {"Endurance", "Puissance", "Précision", "Équilibre", "Résistance", "Vitalité", "Intellect",
                            "Érudition", "Intuition", "Volonté", "Magnétisme", "Charme"})
        t.champs << entier(QString::fromUtf8(nom));
    t.index << DefinitionIndex{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true};
    return t;
}

DefinitionTable progression()
{
    DefinitionTable t{QStringLiteral("PersonnageProgression"), {}, {}};
    // Competence : entrées « n°-points-rangs| » mises bout à bout, sans limite utile de longueur.
    t.champs << texte50(QStringLiteral("Nom")) << entier(QStringLiteral("Niveau")) << texte50(QStringLiteral("Classe"))
             << entier(QStringLiteral("PV")) << entier(QStringLiteral("For")) << entier(QStringLiteral("Dex"))
             << entier(QStringLiteral("Con")) << entier(QStringLiteral("Int")) << entier(QStringLiteral("Sag"))
             << entier(QStringLiteral("Cha")) << memo(QStringLiteral("Competence")) << entier(QStringLiteral("modifInt"))
             << entier(QStringLiteral("niv"));
    t.index << DefinitionIndex{QStringLiteral("index"),
                               {QStringLiteral("Nom"), QStringLiteral("Classe"), QStringLiteral("Niveau")}, false};
    return t;
}

DefinitionTable donsParNiveau()
{
    DefinitionTable t{QStringLiteral("PersonnageDons"), {}, {}};
    t.champs << texte50(QStringLiteral("Nom")) << entier(QStringLiteral("Niveau")) << texte50(QStringLiteral("Classe"))
             << memo(QStringLiteral("dons")) << texte(QStringLiteral("Libelle")) << entier(QStringLiteral("niv"));
    t.index << DefinitionIndex{QStringLiteral("index"),
                               {QStringLiteral("Nom"), QStringLiteral("Classe"), QStringLiteral("Niveau")}, false};
    return t;
}

DefinitionTable equipement()
{
    DefinitionTable t{QStringLiteral("Equipement"), {}, {}};
    t.champs << texte50(QStringLiteral("Personnage")) << texte(QStringLiteral("NomObjet"), 100) << texte50(QStringLiteral("Type"))
             << entier(QStringLiteral("Place")) << entier(QStringLiteral("Pos")) << entier(QStringLiteral("CHARGE"))
             << entier(QStringLiteral("Multiple")) << ouiNon(QStringLiteral("SurPersonnage"))
             << texte50(QStringLiteral("Tempo"));
    // Ni l'un ni l'autre n'est unique : l'enregistrement remet toutes les positions à 0 avant
    // d'ajouter les nouvelles lignes, et un même objet peut figurer deux fois.
    // Type n'est dans aucun index : la mise à niveau le supprime et le recrée.
    t.index << DefinitionIndex{QStringLiteral("PrimaryKey"), {QStringLiteral("Personnage"), QStringLiteral("NomObjet")}, false}
            << DefinitionIndex{QStringLiteral("index"), {QStringLiteral("Personnage"), QStringLiteral("Pos")}, false};
    return t;
}

DefinitionTable sortsConnus()
{
    DefinitionTable t{QStringLiteral("SortPersonnage"), {}, {}};
    t.champs << texte50(QStringLiteral("NomPerso")) << texte(QStringLiteral("NomSort")) << entier(QStringLiteral("Niveau"))
             << texte50(QStringLiteral("ClassePerso"));
    t.index << DefinitionIndex{QStringLiteral("index"),
                               {QStringLiteral("NomPerso"), QStringLiteral("ClassePerso"), QStringLiteral("NomSort")}, false};
    return t;
}

DefinitionTable sortsPrepares()
{
    DefinitionTable t{QStringLiteral("SortListe"), {}, {}};
    t.champs << texte(QStringLiteral("NomPerso")) << texte(QStringLiteral("ClassePerso")) << texte(QStringLiteral("NomSort"))
             << entier(QStringLiteral("Niveau")) << texte(QStringLiteral("Metamagie"))
             << texte50(QStringLiteral("EmplacementSort"));
    // La fiche lit les sorts préparés d'un personnage et d'une classe : sans index, toute la table.
    t.index << DefinitionIndex{QStringLiteral("index"), {QStringLiteral("NomPerso"), QStringLiteral("ClassePerso")}, false};
    return t;
}

DefinitionTable capacites()
{
    DefinitionTable t{QStringLiteral("Capacites"), {}, {}};
    t.champs << texte50(QStringLiteral("Nom")) << texte50(QStringLiteral("Personnage")) << texte50(QStringLiteral("Type"))
             << entier(QStringLiteral("Modificateur_1")) << entier(QStringLiteral("Modificateur_2"))
             << texte50(QStringLiteral("Texte"));
    t.index << DefinitionIndex{QStringLiteral("index"), {QStringLiteral("Personnage"), QStringLiteral("Nom")}, false};
    return t;
}

DefinitionTable version()
{
    DefinitionTable t{QStringLiteral("Version"), {}, {}};
    t.champs << entier(QStringLiteral("Version")) << date(QStringLiteral("DateModif")) << entier(QStringLiteral("Objets"));
    return t;
}

DefinitionTable donsPerso()
{
    DefinitionTable t{QStringLiteral("Donsperso"), {}, {}};
    t.champs << texte50(QStringLiteral("Nom")) << reel(QStringLiteral("Version")) << texte(QStringLiteral("Genre"))
             << texte50(QStringLiteral("Source")) << memo(QStringLiteral("Résumé")) << memo(QStringLiteral("Explication"))
             << texte50(QStringLiteral("Caracteristique"));
    for (const char* nom : {"Prive", "Liearme", "Multiple", "Epique", "Pouvoir", "Tare", "Trait"})
        t.champs << ouiNon(QString::fromLatin1(nom));
    // Le nom est la clé de la copie vers les dons du programme.
    t.index << DefinitionIndex{QStringLiteral("Nom"), {QStringLiteral("Nom")}, true};
    return t;
}

DefinitionTable objets()
{
    DefinitionTable t{QStringLiteral("Objets"), {}, {}};
    t.champs << texte(QStringLiteral("NomObjet"), 100) << reel(QStringLiteral("CoutTotal")) << reel(QStringLiteral("PoidsBase"))
             << entier(QStringLiteral("ClasseArmure")) << texte50(QStringLiteral("TypeCa"))
             << entier(QStringLiteral("EchecSortProfane")) << entier(QStringLiteral("PenaliteArmure"))
             << entier(QStringLiteral("BonusDexMax")) << reel(QStringLiteral("Portee")) << texte50(QStringLiteral("GroupeObjet"))
             << texte50(QStringLiteral("Taille")) << texte50(QStringLiteral("Type")) << texte50(QStringLiteral("DegatDes"))
             << texte(QStringLiteral("ZoneCritique"), 20) << entier(QStringLiteral("MultCrit"))
             << memo(QStringLiteral("Description")) << entier(QStringLiteral("Solidite"))
             << entier(QStringLiteral("Resistance")) << entier(QStringLiteral("CHARGE")) << texte50(QStringLiteral("Tempo"));
    t.index << DefinitionIndex{QStringLiteral("PrimaryKey"), {QStringLiteral("NomObjet")}, true};
    return t;
}

DefinitionTable proprietesObjets()
{
    DefinitionTable t{QStringLiteral("ObjetsPropriete"), {}, {}};
    // valeur : un nombre le plus souvent, mais le catalogue admet aussi des dés.
    t.champs << texte(QStringLiteral("NomObjet"), 100) << texte50(QStringLiteral("Type")) << entier(QStringLiteral("Place"))
             << serie([](const QString& nom) { return texte(nom, 100); }, QStringLiteral("propriete_"), 1, 3)
             << texte50(QStringLiteral("valeur"));
    t.index << DefinitionIndex{QStringLiteral("index1"), {QStringLiteral("NomObjet")}, false};
    return t;
}

} // namespace

QVector<DefinitionTable> schemaPersonnages()
{
    return {personnage(),  progression(), donsParNiveau(), equipement(), sortsConnus(), sortsPrepares(),
            capacites(),   version(),     donsPerso(),     objets(),     proprietesObjets()};
}

DefinitionTable tablePersonnages(const QString& table)
{
    for (const DefinitionTable& t : schemaPersonnages())
        if (t.nom.compare(table, Qt::CaseInsensitive) == 0)
            return t;
    throw ErreurBase(QStringLiteral("La table « %1 » n'appartient pas à une base de personnages.").arg(table));
}

DefinitionChamp champPersonnages(const QString& table, const QString& champ)
{
    for (const DefinitionChamp& c : tablePersonnages(table).champs)
        if (c.nom.compare(champ, Qt::CaseInsensitive) == 0)
            return c;
    throw ErreurBase(QStringLiteral("Le champ « %1 » n'appartient pas à la table « %2 ».").arg(champ, table));
}

void creeBasePersonnages(BaseDonnees& perso, BaseDonnees& programme)
{
    if (!perso.tables().isEmpty())
        throw ErreurBase(QStringLiteral("La base « %1 » n'est pas vide : on ne peut pas y créer une base de personnages.")
                             .arg(perso.chemin()));
    Transaction transaction(perso);
    for (const DefinitionTable& t : schemaPersonnages())
        perso.creeTable(t);
    CopieObjets(perso, programme);
    perso.execute(QStringLiteral("INSERT INTO Version (Version, DateModif, Objets) VALUES (?, ?, ?)"),
                  {kVersionBase, QDate::currentDate().toString(Qt::ISODate), kVersionObjets});
    transaction.valide();
}
