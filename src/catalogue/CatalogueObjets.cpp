#include "CatalogueObjets.h"
#include "ProprietesObjet.h"
#include "editor/EditionPersonnage.h"
#include "editor/ValeursSaisies.h"
#include "shell/TextesCalcul.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Collation.h"

#include <QLocale>
#include <QVariantMap>

namespace {

using N = NatureChampObjet;

QStringList suite(int de, int a)
{
    QStringList l;
    for (int i = de; i <= a; ++i)
        l.append(QString::number(i));
    return l;
}

QStringList liste(std::initializer_list<const char*> noms)
{
    QStringList l;
    for (const char* n : noms)
        l.append(QString::fromUtf8(n));
    return l;
}

// Valeur à écrire : Null pour un champ vide, le nombre pour un champ numérique.
QVariant valeurChamp(const ChampObjet& c, const QString& texte)
{
    if (texte.trimmed().isEmpty())
        return QVariant();
    const bool entier = c.nature == N::Entier || c.nature == N::ListeEntiere;
    if (c.nature == N::Reel || entier)
        return valeurNumerique(texte, entier);
    return valeurTexte(texte);
}

// Un nombre saisi qui tient dans son champ : les entiers de la base sont sur 16 bits.
bool nombreValable(const ChampObjet& c, const QString& texte)
{
    const std::optional<double> v = litNombre(texte);
    return v && (c.nature != N::Entier || (*v >= -32768.5 && *v < 32767.5));
}

} // namespace

const std::array<ChampObjet, NombreColonnesObjet>& champsObjet()
{
    static const std::array<ChampObjet, NombreColonnesObjet> champs{{
        {"NomObjet", "fldstrnomObjet", "Nom", N::Texte, "", "Saisissez l'identifiant de l'objet ex (Epée longue de ....)"},
        {"CoutTotal", "fldnCoutTotal", "Cout total", N::Reel, "Saisie d'un cout total numérique", ""},
        {"PoidsBase", "fldnPoidsBase", "Poids Base", N::Reel, "Saisie d'un poids numérique", ""},
        {"classeArmure", "cmbClasseArmure", "Classe d'armure", N::ListeEntiere, "", ""},
        {"typeca", "CmbTypeCa", "Type CA:", N::Liste, "", ""},
        {"EchecSortProfane", "fldnEchecSorts", "Echec sorts profane", N::Entier, "Saisie d'un echec au sort numérique", ""},
        {"PenaliteArmure", "fldnPenaliteArmure", "Pénalité armure", N::Entier, "Saisie d'une pénalité d'armure numérique", ""},
        {"BonusDexMax", "fldnBonusDexMax", "Bonus Dex max", N::Entier, "Saisie d'un bonus de dex max numérique", ""},
        {"Portee", "fldnPortee", "Portée", N::Reel, "Saisie d'une portée numérique", "Saisissez la portée"},
        {"GroupeObjet", "CmbGroupe", "Groupe de l'objet", N::Liste, "", ""},
        {"taille", "CmbTailles", "Taille", N::Liste, "", ""},
        {"Type", "CmbType", "Type", N::Liste, "", ""},
        {"DegatDes", "CmbDegatsDes", "Degats aux dès", N::Liste, "", ""},
        {"ZoneCritique", "CmbZoneCrit", "Zone de critique", N::Liste, "", ""},
        {"MultCrit", "CmbMultipCrit", "Multiplicateur crit", N::ListeEntiere, "", ""},
        {"Description", "fldstrdescription", "Description", N::Texte, "", ""},
        {"Solidite", "fldnsolidite", "Solidité", N::Entier, "Saisie d'une solidité numérique", "Saisissez la solidité"},
        {"RESISTANCE", "fldnresistance", "Résistance", N::Entier, "Saisie d'une résistance numérique", "Saisissez la résistance"},
        {"CHARGE", "fldnCharge", "Charge Max", N::Entier, "Saisie d'un nombre de charge numérique",
         "Saisissez le nombre total de charge"},
    }};
    return champs;
}

QString ligneLisible(const ProprieteObjet& p)
{
    QStringList parties;
    for (const QString* s : {&p.propriete_1, &p.propriete_2, &p.propriete_3, &p.valeur})
        if (!s->isEmpty())
            parties.append(*s);
    return parties.join(u' ');
}

const QStringList* ListesObjet::liste(int colonne) const
{
    switch (colonne) {
    case ColGroupe: return &groupes;
    case ColClasseArmure: return &classesArmure;
    case ColTypeCa: return &typesCa;
    case ColTaille: return &tailles;
    case ColType: return &types;
    case ColDegatDes: return &degats;
    case ColZoneCritique: return &zones;
    case ColMultCrit: return &multiplicateurs;
    default: return nullptr;
    }
}

ListesObjet listesObjet(BaseDonnees& programme)
{
    ListesObjet l;
    for (const Ligne& g : programme.selectionne(QStringLiteral("select Nom from GroupeObjet order by ordre")))
        l.groupes.append(g.texte(QStringLiteral("Nom")));
    l.classesArmure = suite(1, 20);
    // L'armure et le bouclier de l'objet lui-même, puis les composantes de la classe d'armure.
    l.typesCa = liste({"Armure", "Bouclier"}) + ciblesClasseArmure();
    l.tailles = liste({"Petite", "Moyenne", "Grande"});
    // Le type dit aussi quel emplacement du corps accepte l'objet : les groupes y ont leur place.
    l.types = liste({"Tranchant", "Contondant"}) + l.groupes + liste({"Arme"});
    l.degats = liste({"1d2", "1d3", "1d4", "1d5", "1d6", "1d7", "1d8", "1d10", "1d12", "2d4", "2d6", "2d8", "2d10",
                      "2d12", "3d6"});
    l.zones = liste({"20", "19", "18"});
    l.multiplicateurs = liste({"2", "3", "4"});
    return l;
}

namespace {

const QString kSelectionObjets = QStringLiteral(
    "SELECT nomobjet,couttotal,poidsBase,ClasseArmure,TypeCa,EchecSortProfane,PenaliteArmure,BonusDexMax,portee,"
    "GroupeObjet,Taille,Type,DegatDes,ZoneCritique,MultCrit,description, solidite,resistance,charge from objets ");

ObjetCatalogue objetDeLigne(const Ligne& l)
{
    ObjetCatalogue o;
    for (int c = 0; c < NombreColonnesObjet; ++c) {
        const QVariant v = l.valeur(c);
        // Un prix de 2 000 000 s'écrit en chiffres, pas « 2e+06 ».
        o.valeurs[c] = v.isNull() ? QString()
                       : v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'f', QLocale::FloatingPointShortest)
                                                         : v.toString();
    }
    return o;
}

} // namespace

QVector<ObjetCatalogue> RemplieLst(BaseDonnees& perso)
{
    QVector<ObjetCatalogue> objets;
    const QVector<Ligne> lignes = perso.selectionne(kSelectionObjets + QStringLiteral("order by nomobjet"));
    objets.reserve(lignes.size());
    for (const Ligne& l : lignes)
        objets.append(objetDeLigne(l));
    return objets;
}

std::optional<ObjetCatalogue> litObjet(BaseDonnees& perso, const QString& nom)
{
    const Ligne l = perso.premiere(kSelectionObjets + QStringLiteral("where nomobjet=?"), {nom});
    if (!l)
        return std::nullopt;
    return objetDeLigne(l);
}

QVector<ProprieteObjet> proprietesObjet(BaseDonnees& perso, const QString& nom)
{
    QVector<ProprieteObjet> proprietes;
    for (const Ligne& l : perso.selectionne(QStringLiteral("Select * from ObjetsPropriete where nomObjet=? order by rowid"), {nom}))
        proprietes.append({l.texte(QStringLiteral("propriete_1")), l.texte(QStringLiteral("propriete_2")),
                           l.texte(QStringLiteral("propriete_3")), l.texte(QStringLiteral("valeur"))});
    return proprietes;
}

std::optional<RefusObjet> controleObjet(const ObjetCatalogue& objet, const ListesObjet& listes)
{
    if (objet.nom().trimmed().isEmpty())
        return RefusObjet{QStringLiteral("Saisie d'un nom d'objet obligatoire"), ColNom};
    // Le groupe se saisit librement ; les autres listes n'acceptent que leurs éléments.
    for (int c = 0; c < NombreColonnesObjet; ++c) {
        const QStringList* elements = listes.liste(c);
        if (!elements || c == ColGroupe || objet.valeurs[c].isEmpty())
            continue;
        if (!elements->contains(objet.valeurs[c]))
            return RefusObjet{QStringLiteral("Saisie obligatoire d'un élément de la liste"), c};
    }
    for (int c = 0; c < NombreColonnesObjet; ++c) {
        const ChampObjet& champ = champsObjet()[c];
        if (*champ.message && !objet.valeurs[c].trimmed().isEmpty() && !nombreValable(champ, objet.valeurs[c]))
            return RefusObjet{QString::fromUtf8(champ.message), c};
    }
    return std::nullopt;
}

std::optional<RefusObjet> Enregistre(BaseDonnees& perso, const ObjetCatalogue& objet,
                                     const QVector<ProprieteObjet>& proprietes, const ListesObjet& listes)
{
    if (auto refus = controleObjet(objet, listes))
        return refus;
    const QString nom = objet.nom().trimmed();
    QVariantMap champs;
    for (int c = ColCoutTotal; c < NombreColonnesObjet; ++c)
        champs.insert(QString::fromUtf8(champsObjet()[c].champ), valeurChamp(champsObjet()[c], objet.valeurs[c]));

    Transaction transaction(perso);
    const Ligne existant = perso.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {nom});
    if (existant) {
        perso.modifie(QStringLiteral("Objets"), existant.rowid(), champs);
    } else {
        champs.insert(QStringLiteral("NomObjet"), nom);
        perso.ajoute(QStringLiteral("Objets"), champs);
    }
    perso.execute(QStringLiteral("delete from ObjetsPropriete where nomObjet=?"), {nom});
    for (const ProprieteObjet& p : proprietes)
        perso.ajoute(QStringLiteral("ObjetsPropriete"),
                     {{QStringLiteral("NomObjet"), nom},
                      {QStringLiteral("propriete_1"), valeurTexte(p.propriete_1)},
                      {QStringLiteral("propriete_2"), valeurTexte(p.propriete_2)},
                      {QStringLiteral("propriete_3"), valeurTexte(p.propriete_3)},
                      {QStringLiteral("valeur"), valeurTexte(p.valeur)}});
    transaction.valide();
    return std::nullopt;
}

ResultatSuppression supprimeObjet(BaseDonnees& perso, const QString& nom)
{
    if (perso.premiere(QStringLiteral("select * from Equipement where nomobjet=?"), {nom}))
        return ResultatSuppression::Equipe;
    Transaction transaction(perso);
    perso.execute(QStringLiteral("delete from objetsPropriete where [nomobjet]=?"), {nom});
    perso.execute(QStringLiteral("delete from objets where [nomobjet]=?"), {nom});
    transaction.valide();
    return ResultatSuppression::Supprime;
}

ResultatRenommage renommeObjet(BaseDonnees& perso, const QString& ancien, const QString& nouveau)
{
    const QString nom = nouveau.trimmed();
    if (nom.isEmpty() || nom == ancien)
        return ResultatRenommage::Inchange;
    // Le nom lui-même, écrit dans une autre casse, n'est pas un autre objet.
    const Ligne existant = perso.premiere(QStringLiteral("select nomobjet from objets where nomobjet=?"), {nom});
    if (existant && !memesNoms(ancien, nom))
        return ResultatRenommage::NomExistant;
    Transaction transaction(perso);
    perso.execute(QStringLiteral("update objets set nomobjet=? where nomobjet=?"), {nom, ancien});
    perso.execute(QStringLiteral("update objetsPropriete set nomobjet=? where nomobjet=?"), {nom, ancien});
    perso.execute(QStringLiteral("update equipement set nomobjet=? where nomobjet=?"), {nom, ancien});
    transaction.valide();
    return ResultatRenommage::Renomme;
}

QString texteFiltre(const QString& texte)
{
    return SansAccents(texte);
}
