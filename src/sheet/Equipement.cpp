#include "Equipement.h"
#include "Armes.h"
#include "Fiche.h"
#include "shell/db/BaseDonnees.h"

namespace {

QStringList liste(std::initializer_list<const char*> noms)
{
    QStringList l;
    for (const char* n : noms)
        l.append(QString::fromUtf8(n));
    return l;
}

// Types acceptés par chaque emplacement ; les deux emplacements d'arme se testent à part.
const QStringList& typesAcceptes(int place)
{
    static const QStringList armure = liste({"Armure", "Vetement", "Robe"});
    static const QStringList anneau = liste({"Anneau"});
    static const QStringList amulette = liste({"Amulette", "Broche", "Médaillon", "Collier", "Charme", "Scarabée"});
    static const QStringList bouclier = liste({"Ecu", "Pavois", "Targe", "Rondache"});
    static const QStringList casque = liste({"Casque", "Heaume", "Bandeau", "Couronne", "Phylactère"});
    static const QStringList cape = liste({"Cape", "Echarpe", "Manteau"});
    static const QStringList gants = liste({"Gants", "Gantelet"});
    static const QStringList ceinture = liste({"Ceinture", "Ceinturon"});
    static const QStringList projectiles = liste({"Flèches", "Carreaux", "Billes"});
    static const QStringList bracelet = liste({"Bracelet"});
    static const QStringList bottes = liste({"Bottes", "Chaussons"});
    static const QStringList gilet = liste({"Gilet", "Veste", "Chemise", "Chasuble"});
    static const QStringList lunettes = liste({"Lunettes"});
    static const QStringList divers = liste({"Divers", "Matériel de classe", "Matériel d’aventurier", "Baguette",
                                             "Sceptre", "Potion", "Bâton"});
    static const QStringList aucun;
    switch (place) {
    case 1: return armure;
    case 3: case 5: return anneau;
    case 4: return amulette;
    case 6: return bouclier;
    case 7: return casque;
    case 8: return cape;
    case 9: return gants;
    case 10: return ceinture;
    case 11: return projectiles;
    case 12: return bracelet;
    case 13: return bottes;
    case 14: return gilet;
    case 15: return lunettes;
    default: return place >= 16 && place <= 20 ? divers : aucun;
    }
}

// Propriétés recopiées telles quelles dans la liste des bonus.
const QStringList& proprietesBonus()
{
    static const QStringList l = liste(
        {"Bonus Classe Armure", "Bonus sorts", "Bonus Competence", "Bonus Don", "Lancer un sort",
         "Bonus Caracteristique", "Bonus Jet Sauvegarde", "Bonus Déplacement", "Bonus d'archerie (Aptitude)",
         "Bonus jet d'attaque (Aptitude)", "Bonus arme naturelle (altération)", "Résistance à la magie",
         "Résistance au feu", "Résistance au froid", "Résistance à l'acide", "Résistance à l'électricité",
         "Résistance au son", "Résistance aux dégats"});
    return l;
}

std::optional<qint16> entierOptionnel(const Ligne& l, const QString& champ)
{
    if (l.estNul(champ) || l.texte(champ).trimmed().isEmpty())
        return std::nullopt;
    return qint16(l.entier(champ));
}

// Lanceurs qui reçoivent les bonus des munitions portées.
QStringList lanceursDe(const QString& munition)
{
    if (munition == u"Billes")
        return liste({"Fronde"});
    if (munition == u"Carreaux")
        return liste({"Arbalète lourde", "Arbalète légère", "Arbalète de poing"});
    if (munition == u"Flèches")
        return liste({"Arc Long", "Arc Court", "Grand arc"});
    return {};
}

QString groupeOuType(const TypeObjet& o)
{
    return o.GroupeObjet.isEmpty() ? o.Type : o.GroupeObjet;
}

// Un objet qui compte : ses bonus, ses totaux et sa ligne de vsEquip.
void compteObjet(Fiche& f, int place, const TypeObjet& o, const ListeBonus& bonus)
{
    if (place == kPlaceBouclier
        || ((place == kPlaceArmePrincipale || place == kPlaceArmeSecondaire) && EstBouclier(o.Type)))
        f.Equip.Bouclier = true;
    if (place == kPlaceArmure)
        f.Equip.Armure = o.NomObjet;
    f.Equip.Comptes[place] = o;
    f.Bonus += bonus;
    f.Equipement.append({o.NomObjet, QString()});
    f.Equip.Poids += o.PoidsBase;
    f.Equip.Cout += o.CoutTotal;
    // Le catalogue écrit le malus en négatif (-6) ; la fiche en totalise la grandeur.
    f.Equip.PenaliteArmure += qAbs(o.PenaliteArmure);
    f.Equip.EchecSortProfane += o.EchecSortProfane;
    DetermineBonusDexMax(o.BonusDexMax, f.Equip.BonusDexMax);
}

} // namespace

QString LibellePlace(int place)
{
    static const QStringList libelles = liste(
        {"Arme Principale", "Armure/Vêtement", "Arme Secondaire", "Anneaux gauche", "Amulette", "Anneaux droit",
         "Bouclier", "Casque", "Cape", "Gants", "Ceinture", "Projectiles", "Bracelet", "Bottes", "Gilet/Veste",
         "Lunettes", "Divers 1", "Divers 2", "Divers 3", "Divers 4", "Divers 5"});
    return place >= 0 && place < libelles.size() ? libelles.at(place) : QString();
}

bool PlaceAccepte(int place, const TypeObjet& objet)
{
    if (place == kPlaceArmePrincipale || place == kPlaceArmeSecondaire) {
        if (EstBouclier(objet.Type) || EstBouclier(objet.GroupeObjet))
            return objet.Type == u"Ecu" || objet.Type == u"Rondache";
        return EstArme(objet.Type) || EstArme(objet.GroupeObjet);
    }
    return typesAcceptes(place).contains(objet.Type);
}

bool ChargeObjet(BaseDonnees& catalogue, const QString& nomObjet, TypeObjet& o, ListeBonus& bonus)
{
    // Les colonnes lues ici seulement : la table a aussi les textes longs du catalogue.
    const Ligne l = catalogue.premiere(
        QStringLiteral("SELECT NomObjet, CoutTotal, PoidsBase, EchecSortProfane, PenaliteArmure, BonusDexMax, DegatDes, "
                       "Type, Portee, Solidite, Resistance, Description, ZoneCritique, MultCrit, GroupeObjet, Taille, "
                       "TypeCa, ClasseArmure FROM Objets WHERE NomObjet = ?"),
        {nomObjet});
    if (!l)
        return false;
    o = TypeObjet{};
    o.NomObjet = l.texte(QStringLiteral("NomObjet"));
    o.CoutTotal = l.reel(QStringLiteral("CoutTotal"));
    o.PoidsBase = l.reel(QStringLiteral("PoidsBase"));
    o.EchecSortProfane = qint16(l.entier(QStringLiteral("EchecSortProfane")));
    o.PenaliteArmure = qint16(l.entier(QStringLiteral("PenaliteArmure")));
    o.BonusDexMax = entierOptionnel(l, QStringLiteral("BonusDexMax"));
    o.DegatDes = l.texte(QStringLiteral("DegatDes"));
    o.Type = l.texte(QStringLiteral("Type"));
    o.Portee = l.reel(QStringLiteral("Portee"));
    o.Solidite = qint16(l.entier(QStringLiteral("Solidite")));
    o.RESISTANCE = qint16(l.entier(QStringLiteral("Resistance")));
    o.Description = l.texte(QStringLiteral("Description"));
    o.ZoneCritique = l.texte(QStringLiteral("ZoneCritique"));
    o.MultCrit = qint16(l.entier(QStringLiteral("MultCrit")));
    o.GroupeObjet = l.texte(QStringLiteral("GroupeObjet"));
    o.taille = l.texte(QStringLiteral("Taille"));
    o.typeca = l.texte(QStringLiteral("TypeCa"));
    o.classeArmure = entierOptionnel(l, QStringLiteral("ClasseArmure"));
    if (!o.typeca.isEmpty() && o.classeArmure)
        AjouteBonus(bonus, o.NomObjet, QStringLiteral("Bonus Classe Armure"), o.typeca, QString(),
                    QString::number(*o.classeArmure));

    const auto proprietes = catalogue.selectionne(
        QStringLiteral("SELECT propriete_1, propriete_2, propriete_3, valeur FROM ObjetsPropriete "
                       "WHERE NomObjet = ? ORDER BY rowid"),
        {o.NomObjet});
    for (const Ligne& p : proprietes) {
        const QString genre = p.texte(QStringLiteral("propriete_1"));
        const QString cible = p.texte(QStringLiteral("propriete_2"));
        const QString type = p.texte(QStringLiteral("propriete_3"));
        const QString valeur = p.texte(QStringLiteral("valeur"));
        if (proprietesBonus().contains(genre)) {
            AjouteBonus(bonus, o.NomObjet, genre, cible, type, valeur);
        } else if (genre == u"Bonus Attaque" || genre == u"Bonus Dommage") {
            // Visé sur l'arme elle-même ; des dés ("+2d6" sainte) forment leur propre groupe.
            const bool des = valeur.contains(u'd', Qt::CaseInsensitive);
            AjouteBonus(bonus, o.NomObjet, genre, o.NomObjet, des ? cible : type, valeur);
        } else if (genre == u"Bonus dommage spécial") {
            o.ProprietesSpeciales.append(cible);
            AjouteBonus(bonus, o.NomObjet, genre, o.NomObjet, cible, valeur);
        } else if (genre == u"Rejet des morts vivants accru") {
            ++o.RejetMortsVivants;
        } else if (genre == u"Bonus à l'initiative") {
            ++o.BonusInitiative;
        } else if (genre == u"ARC" || genre == u"Arc de Puissance") {
            o.PuissanceArc = qint16(CInt(Val(valeur)));
        } else if (genre == u"Animé" || cible == u"Animé") {
            o.Anime = true;
        }
    }
    return true;
}

void DetermineBonusDexMax(std::optional<qint16> candidat, std::optional<qint16>& courant)
{
    if (candidat && (!courant || *candidat < *courant))
        courant = candidat;
}

bool ValideBouclier(const TypeObjet& bouclier, const TypeObjet* principale, const TypeObjet* secondaire,
                    const QStringList& dons)
{
    if (bouclier.Anime)
        return true;
    bool deuxMains = false;
    bool lance = false;
    for (const TypeObjet* arme : {principale, secondaire}) {
        if (!arme || !EstArme(groupeOuType(*arme)) || EstBouclier(groupeOuType(*arme)))
            continue;
        deuxMains = deuxMains || arme->taille == u"Grande";
        lance = lance || groupeOuType(*arme) == u"Lance d'arçon";
    }
    if (!deuxMains || lance)
        return true;
    return bouclier.Type == u"Targe" && dons.contains(QStringLiteral("Science de la défence à la targe"));
}

EquipementPersonnage PlacesEquip(BaseDonnees& perso, const QString& personnage)
{
    EquipementPersonnage e;
    const auto lignes = perso.selectionne(
        QStringLiteral("SELECT Place, NomObjet, Pos FROM Equipement WHERE Personnage = ? ORDER BY rowid"), {personnage});
    for (const Ligne& l : lignes) {
        ObjetPlace o{l.texte(1), l.entier(2), QString()};
        const QVariant place = l.valeur(0);
        const int p = place.toInt();
        if (place.isNull() || p < 0 || p >= kNombrePlaces)
            e.Liste.append(o);
        else
            e.Places[p] = o;
    }
    return e;
}

EquipementPersonnage ListeEquip(BaseDonnees& perso, BaseDonnees& programme, const QString& personnage)
{
    EquipementPersonnage e = PlacesEquip(perso, personnage);
    for (ObjetPlace& o : e.Places)
        if (!o.estVide())
            o.Description = programme.scalaire(QStringLiteral("SELECT Description FROM Objets WHERE NomObjet = ?"),
                                               {o.NomObjet}).toString();
    return e;
}

ResultatDeplacement DeplaceObjet(BaseDonnees& perso, const QString& personnage, int pos, int place)
{
    ResultatDeplacement r;
    if (place < -1 || place >= kNombrePlaces) {
        r.message = QStringLiteral("L'emplacement %1 n'existe pas sur le corps.").arg(place);
        return r;
    }
    const Ligne objet = perso.premiere(
        QStringLiteral("SELECT rowid, Place FROM Equipement WHERE Personnage = ? AND Pos = ?"), {personnage, pos});
    if (!objet) {
        r.message = QStringLiteral("Cet objet n'est plus dans l'équipement de %1.").arg(personnage);
        return r;
    }
    Transaction t(perso);
    if (place >= 0) {
        // L'occupant de l'emplacement prend la place de l'objet dans la liste.
        const auto occupants = perso.selectionne(
            QStringLiteral("SELECT Pos FROM Equipement WHERE Personnage = ? AND Place = ? AND Pos <> ?"),
            {personnage, place, pos});
        for (const Ligne& o : occupants)
            r.PosDeplace = o.entier(QStringLiteral("Pos"));
        perso.execute(QStringLiteral("UPDATE Equipement SET Place = NULL WHERE Personnage = ? AND Place = ?"),
                      {personnage, place});
    }
    perso.execute(QStringLiteral("UPDATE Equipement SET Place = ? WHERE Personnage = ? AND Pos = ?"),
                  {place >= 0 ? QVariant(place) : QVariant(QMetaType(QMetaType::Int)), personnage, pos});
    t.valide();
    r.fait = true;
    return r;
}

void AnalyseEquip(BaseDonnees& perso, BaseDonnees& programme, Fiche& f, const std::array<bool, kNombrePlaces>& valides)
{
    f.Equipement.clear();
    f.Equip = EquipementFiche{};
    const EquipementPersonnage e = PlacesEquip(perso, f.Personnage.Nom);
    const QStringList dons = f.nomsDons();

    std::array<std::optional<TypeObjet>, kNombrePlaces> lus;
    std::array<ListeBonus, kNombrePlaces> bonus;
    for (int p = 0; p < kNombrePlaces; ++p) {
        TypeObjet o;
        // Le catalogue de la base de personnages : ce que la gestion des objets y change compte.
        if (!e.Places[p].estVide() && ChargeObjet(perso, e.Places[p].NomObjet, o, bonus[p]))
            lus[p] = o;
    }
    const auto compte = [&](int p) { return valides[p] && lus[p] && PlaceAccepte(p, *lus[p]); };
    const auto arme = [&](int p) { return compte(p) ? &*lus[p] : nullptr; };
    for (int p = 0; p < kNombrePlaces; ++p) {
        if (!compte(p))
            continue;
        const TypeObjet& o = *lus[p];
        if (p == kPlaceBouclier && !ValideBouclier(o, arme(kPlaceArmePrincipale), arme(kPlaceArmeSecondaire), dons)) {
            // Les dons ne sont pas encore lus : la targe sera revue quand ils le seront.
            f.Equip.BouclierEnAttente = o;
            f.Equip.BonusBouclierEnAttente = bonus[p];
            continue;
        }
        compteObjet(f, p, o, bonus[p]);
    }
    // Les munitions portées améliorent le lanceur tenu en main.
    if (const auto& munition = f.Equip.Comptes[kPlaceProjectiles]) {
        const QStringList lanceurs = lanceursDe(munition->Type);
        for (int p : {kPlaceArmePrincipale, kPlaceArmeSecondaire}) {
            const auto& lanceur = f.Equip.Comptes[p];
            if (!lanceur || !lanceurs.contains(groupeOuType(*lanceur)))
                continue;
            for (const TypeBonus& b : bonus[kPlaceProjectiles])
                if (b.Genre == u"Bonus Attaque" || b.Genre == u"Bonus Dommage" || b.Genre == u"Bonus dommage spécial")
                    AjouteBonus(f.Bonus, b.Source, b.Genre, lanceur->NomObjet, b.Type, b.Valeur);
        }
    }
}

void RevalideBouclier(Fiche& f)
{
    if (!f.Equip.BouclierEnAttente)
        return;
    const TypeObjet bouclier = *f.Equip.BouclierEnAttente;
    const auto arme = [&](int p) { return f.Equip.Comptes[p] ? &*f.Equip.Comptes[p] : nullptr; };
    if (ValideBouclier(bouclier, arme(kPlaceArmePrincipale), arme(kPlaceArmeSecondaire), f.nomsDons()))
        compteObjet(f, kPlaceBouclier, bouclier, f.Equip.BonusBouclierEnAttente);
    f.Equip.BouclierEnAttente.reset();
    f.Equip.BonusBouclierEnAttente.clear();
}

void EnregistreImage(BaseDonnees& perso, const QString& personnage, const QString& chemin)
{
    perso.execute(QStringLiteral("UPDATE Personnage SET Image = ? WHERE Nom = ?"), {chemin, personnage});
}
