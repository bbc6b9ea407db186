#include "MiseAJour.h"
#include "BaseDonnees.h"
#include "SchemaPerso.h"
#include "shell/Erreur.h"

#include <QFileInfo>

#include <QDate>
#include <QHash>

namespace {

QString aujourdhui()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

QStringList serie(const QString& prefixe, int premier, int dernier)
{
    QStringList noms;
    for (int i = premier; i <= dernier; ++i)
        noms.append(prefixe + QString::number(i));
    return noms;
}

// Ajoute, au type de la disposition courante, les champs que la table n'a pas encore.
void ajouteChamps(BaseDonnees& perso, const QString& table, const QStringList& champs)
{
    for (const QString& champ : champs)
        if (!ExisteChamp(perso, table, champ))
            perso.ajouteChamp(table, champPersonnages(table, champ));
}

void creeTable(BaseDonnees& perso, const QString& table)
{
    if (!perso.existeTable(table))
        perso.creeTable(tablePersonnages(table));
}

// Remplace une valeur entière par une autre, casse comprise ; les autres valeurs restent.
void remplaceExact(BaseDonnees& perso, const QString& table, const QString& champ, const QString& ancienne,
                   const QString& nouvelle)
{
    perso.execute(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %2 = ? COLLATE BINARY").arg(identifiant(table), identifiant(champ)),
                  {nouvelle, ancienne});
}

// Donne à un champ son type courant en passant par la colonne de travail TEMPO :
// ajout, copie des valeurs, suppression de l'ancien champ, renommage.
void changeType(BaseDonnees& perso, const QString& table, const QString& champ)
{
    const QString travail = QStringLiteral("TEMPO");
    // Une colonne de travail restée d'un passage précédent ne contient rien d'utile mais peut
    // avoir un autre type : on la refait au type voulu.
    if (ExisteChamp(perso, table, travail))
        perso.supprimeChamp(table, travail);
    DefinitionChamp colonne = champPersonnages(table, champ);
    colonne.nom = travail;
    perso.ajouteChamp(table, colonne);
    perso.execute(QStringLiteral("UPDATE %1 SET %2 = %3").arg(identifiant(table), identifiant(travail), identifiant(champ)));
    perso.supprimeChamp(table, champ);
    perso.renommeChamp(table, travail, champ);
}

void etape1(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Objets"), {QStringLiteral("Portee")});
}

void etape2(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"),
                 serie(QStringLiteral("Domaine_"), 1, 3)
                     + QStringList{QStringLiteral("BackGround"), QStringLiteral("Histoire")}
                     + serie(QStringLiteral("Ecole_interdite_"), 1, 2));
}

void etape3(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("SortPersonnage"), {QStringLiteral("Niveau")});
}

void etape4(BaseDonnees& perso, BaseDonnees&)
{
    changeType(perso, QStringLiteral("Equipement"), QStringLiteral("Type"));
    // Le groupe de l'objet, pour les seules lignes dont l'objet est au catalogue.
    const QString memeObjet = QStringLiteral("Objets.NomObjet = Equipement.NomObjet COLLATE ") + QLatin1String(kCollationNoms);
    perso.execute(QStringLiteral("UPDATE Equipement SET Type = (SELECT Objets.GroupeObjet FROM Objets WHERE %1) "
                                 "WHERE EXISTS (SELECT 1 FROM Objets WHERE %1)")
                      .arg(memeObjet));
    perso.execute(QStringLiteral("UPDATE Equipement SET Type = NULL WHERE Type = ?"), {QStringLiteral("AUTRE")});
}

void etape5(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"),
                 serie(QStringLiteral("Classe_"), 4, 6) + serie(QStringLiteral("Niv_"), 4, 6)
                     + QStringList{QStringLiteral("Archetype")});
}

void etape6(BaseDonnees& perso, BaseDonnees&)
{
    static const QStringList longues = {
        QStringLiteral("LOYAL BON"),        QStringLiteral("NEUTRE BON"),     QStringLiteral("CHAOTIQUE BON"),
        QStringLiteral("LOYAL NEUTRE"),     QStringLiteral("NEUTRE"),         QStringLiteral("CHAOTIQUE NEUTRE"),
        QStringLiteral("LOYAL MAUVAIS"),    QStringLiteral("NEUTRE MAUVAIS"), QStringLiteral("CHAOTIQUE MAUVAIS")};
    static const QHash<QString, QString> courtes = {{QStringLiteral("LB"), QStringLiteral("LOYAL BON")},
                                                    {QStringLiteral("NB"), QStringLiteral("NEUTRE BON")},
                                                    {QStringLiteral("CB"), QStringLiteral("CHAOTIQUE BON")}};
    for (const Ligne& l : perso.selectionne(QStringLiteral("SELECT rowid AS ligne, Alignement FROM Personnage "
                                                           "WHERE Alignement IS NOT NULL"))) {
        const QString valeur = l.texte(QStringLiteral("Alignement"));
        const QString majuscules = valeur.toUpper();
        const QString nouvelle = longues.contains(majuscules) ? majuscules : courtes.value(majuscules, valeur);
        if (nouvelle != valeur)
            perso.execute(QStringLiteral("UPDATE Personnage SET Alignement = ? WHERE rowid = ?"),
                          {nouvelle, l.valeur(QStringLiteral("ligne"))});
    }
}

void etape7(BaseDonnees& perso, BaseDonnees&)
{
    changeType(perso, QStringLiteral("Objets"), QStringLiteral("CoutTotal"));
    ajouteChamps(perso, QStringLiteral("Objets"),
                 {QStringLiteral("Description"), QStringLiteral("Solidite"), QStringLiteral("Resistance")});
}

void etape8(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"),
                 QStringList{QStringLiteral("TotalPo"), QStringLiteral("TotalXP")} + serie(QStringLiteral("Profession_"), 1, 4)
                     + serie(QStringLiteral("Artisanat_"), 1, 3) + serie(QStringLiteral("EnergieElu_"), 1, 3)
                     + serie(QStringLiteral("EnergieSorcier_"), 1, 2)
                     + QStringList{QStringLiteral("ElementWujen"), QStringLiteral("EnnemisJures")});
    creeTable(perso, QStringLiteral("Capacites"));
    remplaceExact(perso, QStringLiteral("Personnage"), QStringLiteral("RACE"), QStringLiteral("Elfes Noirs"), QStringLiteral("Drow"));
    remplaceExact(perso, QStringLiteral("Personnage"), QStringLiteral("RACE"), QStringLiteral("Haut-Elfes"), QStringLiteral("Elfe"));
}

// Étapes 9 et 10 : le numéro du catalogue copié, à refaire.
void etapeObjets(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Version"), {QStringLiteral("Objets")});
    perso.execute(QStringLiteral("UPDATE Version SET Objets = 0"));
}

void etape11(BaseDonnees& perso, BaseDonnees&)
{
    creeTable(perso, QStringLiteral("Donsperso"));
}

void etape12(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"), {QStringLiteral("Image")});
}

void etape13(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Objets"), {QStringLiteral("CHARGE")});
    ajouteChamps(perso, QStringLiteral("Equipement"),
                 {QStringLiteral("CHARGE"), QStringLiteral("SurPersonnage"), QStringLiteral("Multiple")});
    perso.execute(QStringLiteral("UPDATE Equipement SET SurPersonnage = ?"), {true});
    remplaceExact(perso, QStringLiteral("Personnage"), QStringLiteral("RACE"), QStringLiteral("hobgobelins"), QStringLiteral("Hobgobelins"));
    remplaceExact(perso, QStringLiteral("Personnage"), QStringLiteral("RACE"), QStringLiteral("humain"), QStringLiteral("Humain"));
}

void etape14(BaseDonnees& perso, BaseDonnees& programme)
{
    for (const Ligne& l : perso.selectionne(QStringLiteral("SELECT rowid AS ligne, RACE FROM Personnage WHERE RACE IS NOT NULL"))) {
        const Ligne change = programme.cherche(QStringLiteral("ChangeNomRace"), QStringLiteral("OldRace"),
                                               {l.valeur(QStringLiteral("RACE"))});
        if (change)
            perso.execute(QStringLiteral("UPDATE Personnage SET RACE = ? WHERE rowid = ?"),
                          {change.valeur(QStringLiteral("NewRace")), l.valeur(QStringLiteral("ligne"))});
    }
}

void etape15(BaseDonnees& perso, BaseDonnees&)
{
    for (const QString& champ : serie(QStringLiteral("Classe_"), 1, 6))
        remplaceExact(perso, QStringLiteral("Personnage"), champ, QStringLiteral("Mage De Bataille"), QStringLiteral("Mage de bataille"));
}

void etape16(BaseDonnees& perso, BaseDonnees&)
{
    const QString ancienne = QStringLiteral("Pretre");
    const QString nouvelle = QStringLiteral("Prêtre");
    for (const QString& champ : serie(QStringLiteral("Classe_"), 1, 6))
        remplaceExact(perso, QStringLiteral("Personnage"), champ, ancienne, nouvelle);
    remplaceExact(perso, QStringLiteral("SortPersonnage"), QStringLiteral("ClassePerso"), ancienne, nouvelle);
    remplaceExact(perso, QStringLiteral("PersonnageProgression"), QStringLiteral("Classe"), ancienne, nouvelle);
    remplaceExact(perso, QStringLiteral("PersonnageDons"), QStringLiteral("Classe"), ancienne, nouvelle);
}

void etape17(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"),
                 QStringList{QStringLiteral("Domaine_4")} + serie(QStringLiteral("Ecole_interdite_"), 3, 4)
                     + serie(QStringLiteral("Classe_"), 7, 8) + serie(QStringLiteral("Niv_"), 7, 8));
}

void etape18(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"), {QStringLiteral("DragonTotem")});
}

void etape19(BaseDonnees& perso, BaseDonnees&)
{
    creeTable(perso, QStringLiteral("SortListe"));
}

void etape20(BaseDonnees& perso, BaseDonnees&)
{
    ajouteChamps(perso, QStringLiteral("Personnage"), {QStringLiteral("ElementShugenja"), QStringLiteral("OrdreShugenja")});
}

struct Etape
{
    int numero;
    int suivante;
    void (*applique)(BaseDonnees& perso, BaseDonnees& programme);
};

// Chaque étape ne joue que si la version courante est son numéro, puis donne la suivante.
constexpr Etape kEtapes[] = {
    {1, 2, etape1},     {2, 3, etape2},     {3, 4, etape3},     {4, 5, etape4},   {5, 6, etape5},
    {6, 7, etape6},     {7, 8, etape7},     {8, 9, etape8},     {9, 11, etapeObjets}, {10, 11, etapeObjets},
    {11, 12, etape11},  {12, 13, etape12},  {13, 14, etape13},  {14, 15, etape14}, {15, 16, etape15},
    {16, 17, etape16},  {17, 18, etape17},  {18, 19, etape18},  {19, 20, etape19}, {20, 21, etape20}};

// Sans table Version, le fichier est de la première disposition.
void assureVersion(BaseDonnees& perso)
{
    if (perso.existeTable(QStringLiteral("Version")))
        return;
    perso.creeTable({QStringLiteral("Version"),
                     {champPersonnages(QStringLiteral("Version"), QStringLiteral("Version")),
                      champPersonnages(QStringLiteral("Version"), QStringLiteral("DateModif"))},
                     {}});
    perso.execute(QStringLiteral("INSERT INTO Version (Version, DateModif) VALUES (?, ?)"), {1, aujourdhui()});
}

// Les colonnes de travail de la disposition courante, consommées par les changements de type
// ou absentes des fichiers qui n'en ont pas eu besoin.
void assureColonnesDeTravail(BaseDonnees& perso)
{
    ajouteChamps(perso, QStringLiteral("Equipement"), {QStringLiteral("Tempo")});
    ajouteChamps(perso, QStringLiteral("Objets"), {QStringLiteral("Tempo")});
}

// Un fichier converti d'un autre moteur n'a pas d'index : ceux de la disposition courante qui
// manquent sont créés, les recherches en ont besoin. Après les étapes, qui suppriment des champs.
void assureIndex(BaseDonnees& perso)
{
    for (const DefinitionTable& table : schemaPersonnages()) {
        const QString nom = perso.nomTable(table.nom);
        if (nom.isEmpty())
            continue;
        for (const DefinitionIndex& index : table.index)
            if (perso.scalaire(QStringLiteral("SELECT count(*) FROM pragma_index_list(?) WHERE upper(name) = upper(?)"),
                               {nom, nom + u'_' + index.nom})
                    .toInt()
                == 0)
                perso.creeIndex(nom, index);
    }
}

void metAJour(BaseDonnees& perso, BaseDonnees& programme)
{
    assureVersion(perso);
    const Ligne lue = perso.premiere(QStringLiteral("select version from Version"));
    const int depart = lue.estNul(QStringLiteral("version")) ? 1 : lue.entier(QStringLiteral("version"));

    int version = depart;
    for (const Etape& etape : kEtapes) {
        if (version != etape.numero)
            continue;
        etape.applique(perso, programme);
        version = etape.suivante;
    }
    if (version != depart)
        assureColonnesDeTravail(perso);
    assureIndex(perso);

    if (perso.premiere(QStringLiteral("SELECT Objets FROM Version")).entier(QStringLiteral("Objets")) < kVersionObjets) {
        CopieObjets(perso, programme);
        perso.execute(QStringLiteral("UPDATE Version SET Objets = ?"), {kVersionObjets});
    }
    if (version != depart)
        perso.execute(QStringLiteral("UPDATE Version SET Version = ?, DateModif = ?"), {version, aujourdhui()});
}

} // namespace

bool ExisteChamp(BaseDonnees& base, const QString& table, const QString& champ)
{
    return base.ExisteChamp(table, champ);
}

void VerifieBasePersonnages(BaseDonnees& perso)
{
    const QString fichier = QFileInfo(perso.chemin()).fileName();
    if (!perso.existeTable(QStringLiteral("Personnage")))
        throw ErreurBase(QStringLiteral("Ce fichier n'est pas une base de personnages : « %1 ». Choisissez un fichier "
                                        "créé par Quorvane, ou créez une base neuve.").arg(perso.chemin()));
    if (!perso.existeTable(QStringLiteral("Version")))
        return;
    if (!perso.ExisteChamp(QStringLiteral("Version"), QStringLiteral("Version"))
        || perso.scalaire(QStringLiteral("SELECT count(*) FROM Version")).toInt() == 0)
        throw ErreurBase(QStringLiteral("La base « %1 » est endommagée : elle ne dit plus de quelle version elle est, et la "
                                        "mettre à niveau pourrait changer ses personnages. Elle n'a pas été modifiée ; "
                                        "ouvrez-en une copie de sauvegarde.").arg(fichier));
    if (perso.scalaire(QStringLiteral("SELECT max(Version) FROM Version")).toInt() > kVersionBase)
        throw ErreurBase(QStringLiteral("La base « %1 » a été créée par une version plus récente de Quorvane : cette version-ci "
                                        "ne peut pas y écrire. Mettez Quorvane à jour pour l'ouvrir.").arg(fichier));
}

void MiseAJourBase(BaseDonnees& perso, BaseDonnees& programme)
{
    // Rien n'est écrit avant d'être sûr que le fichier est bien une base de personnages.
    VerifieBasePersonnages(perso);
    // Tout ou rien : une seule transaction (les étapes y sont des points de sauvegarde). Un
    // échec laisse le fichier tel qu'il était, et il sera repris en entier à la prochaine ouverture.
    try {
        Transaction transaction(perso);
        metAJour(perso, programme);
        transaction.valide();
    } catch (const ErreurBase& e) {
        throw ErreurBase(QStringLiteral("La base « %1 » n'a pas pu être mise à niveau : %2 Elle est restée telle qu'elle "
                                        "était ; ouvrez-en une copie de sauvegarde, ou signalez ce fichier.")
                             .arg(QFileInfo(perso.chemin()).fileName(), e.description()),
                         e.numero(), e.detail());
    }
}

void CopieObjets(BaseDonnees& perso, BaseDonnees& programme)
{
    static const QStringList champs = {
        QStringLiteral("NomObjet"),     QStringLiteral("PoidsBase"),    QStringLiteral("classeArmure"),
        QStringLiteral("typeca"),       QStringLiteral("EchecSortProfane"), QStringLiteral("PenaliteArmure"),
        QStringLiteral("BonusDexMax"),  QStringLiteral("GroupeObjet"),  QStringLiteral("taille"),
        QStringLiteral("Type"),         QStringLiteral("DegatDes"),     QStringLiteral("ZoneCritique"),
        QStringLiteral("MultCrit"),     QStringLiteral("Portee"),       QStringLiteral("CoutTotal"),
        QStringLiteral("Description"),  QStringLiteral("Solidite"),     QStringLiteral("RESISTANCE"),
        QStringLiteral("CHARGE")};
    static const QStringList champsProprietes = {QStringLiteral("NomObjet"), QStringLiteral("propriete_1"),
                                                 QStringLiteral("propriete_2"), QStringLiteral("propriete_3"),
                                                 QStringLiteral("valeur")};
    Transaction transaction(perso);
    for (const Ligne& source : programme.selectionne(QStringLiteral("SELECT * FROM Objets"))) {
        QVariantMap valeurs;
        for (const QString& champ : champs)
            valeurs.insert(champ, source.valeur(champ));
        const QVariant nom = source.valeur(QStringLiteral("NomObjet"));
        const Ligne existant = perso.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {nom});
        if (existant)
            perso.modifie(QStringLiteral("Objets"), existant.rowid(), valeurs);
        else
            perso.ajoute(QStringLiteral("Objets"), valeurs);
        // Les propriétés de l'objet seront celles du programme ; pour un objet nouveau aussi,
        // des propriétés orphelines de même nom ne doivent pas s'y mêler.
        perso.execute(QStringLiteral("DELETE FROM ObjetsPropriete WHERE NomObjet = ?"), {nom});
    }
    // Seules les propriétés d'un objet du catalogue sont copiées : celles d'aucun objet ne
    // seraient jamais effacées et se multiplieraient à chaque copie.
    const QString sql = QStringLiteral("SELECT p.NomObjet, p.propriete_1, p.propriete_2, p.propriete_3, p.valeur "
                                       "FROM ObjetsPropriete p WHERE EXISTS (SELECT 1 FROM Objets o "
                                       "WHERE o.NomObjet = p.NomObjet COLLATE %1) ORDER BY p.rowid")
                            .arg(QLatin1String(kCollationNoms));
    for (const Ligne& propriete : programme.selectionne(sql)) {
        QVariantMap valeurs;
        for (const QString& champ : champsProprietes)
            valeurs.insert(champ, propriete.valeur(champ));
        perso.ajoute(QStringLiteral("ObjetsPropriete"), valeurs);
    }
    transaction.valide();
}
