#include "AttaquesNaturelles.h"
#include "Armes.h"
#include "Equipement.h"
#include "Fiche.h"
#include "shell/db/BaseDonnees.h"

#include <algorithm>

namespace {

void ajoute(QVector<ArmeNaturelle>& liste, const QString& objet, int multiple)
{
    for (ArmeNaturelle& a : liste)
        if (a.Objet == objet) {
            a.Multiple = qMax(a.Multiple, multiple);
            return;
        }
    liste.append({objet, qMax(1, multiple)});
}

bool armeEnMain(const Fiche& f)
{
    for (int place : {kPlaceArmePrincipale, kPlaceArmeSecondaire}) {
        const auto& o = f.Equip.Comptes[place];
        if (o && !EstBouclier(o->GroupeObjet) && !EstBouclier(o->Type))
            return true;
    }
    return false;
}

// Coup à mains nues : celui du moine suit son niveau ; sans la science du combat à mains nues,
// c'est un coup "Sans Arme".
TypeObjet poing(const Fiche& f, int niveauMoine)
{
    TypeObjet o;
    o.GroupeObjet = QStringLiteral("Mains nues");
    const QStringList dons = f.nomsDons();
    const bool arme = niveauMoine > 0 || dons.contains(QStringLiteral("Science du combat à mains nues"))
                      || dons.contains(QStringLiteral("Combat à mains nues"));
    o.NomObjet = arme ? o.GroupeObjet : QStringLiteral("Sans Arme");
    o.DegatDes = niveauMoine > 0 ? DesMainsNuesMoine(niveauMoine) : QStringLiteral("1d3");
    o.taille = QStringLiteral("Petite");
    o.ZoneCritique = QStringLiteral("20");
    o.MultCrit = 2;
    return o;
}

} // namespace

QVector<ArmeNaturelle> ArmesNaturelles(BaseDonnees& perso, BaseDonnees& programme, const Fiche& f)
{
    QVector<ArmeNaturelle> liste;
    for (const Ligne& l : programme.selectionne(
             QStringLiteral("select objet,Multiple from Raceequipement where Race=? order by rowid"), {f.Race.RACE}))
        ajoute(liste, l.texte(QStringLiteral("objet")), int(l.entier(QStringLiteral("Multiple"))));
    if (!f.NomArchetype.isEmpty())
        for (const Ligne& l : programme.selectionne(
                 QStringLiteral("select objet,Multiple from ArchetypeEquipement where Archetype=? order by rowid"),
                 {f.NomArchetype}))
            ajoute(liste, l.texte(QStringLiteral("objet")), int(l.entier(QStringLiteral("Multiple"))));
    // "Griffes et morsure" du disciple draconien : deux griffes et une morsure, comme le demi-dragon.
    if (f.nomsDons().contains(QStringLiteral("Griffes et morsure"))) {
        ajoute(liste, QStringLiteral("Griffe"), 2);
        ajoute(liste, QStringLiteral("Morsure"), 1);
    }
    // La forme animale range les armes de l'animal dans l'équipement, sans emplacement.
    for (const Ligne& l : perso.selectionne(
             QStringLiteral("select NomObjet,Multiple from Equipement where Personnage=? and Place is null order by Pos"),
             {f.Nom})) {
        const QString nom = l.texte(QStringLiteral("NomObjet"));
        const Ligne o = programme.premiere(QStringLiteral("select GroupeObjet from Objets where NomObjet=?"), {nom});
        if (o && AttaquesNaturelles().contains(o.texte(QStringLiteral("GroupeObjet"))))
            ajoute(liste, nom, int(l.entier(QStringLiteral("Multiple"))));
    }
    return liste;
}

bool EstAttaquePrincipale(const QString& groupe)
{
    static const QStringList principales{QStringLiteral("Morsure"), QStringLiteral("Griffe"), QStringLiteral("Corne"),
                                         QStringLiteral("Coup"),    QStringLiteral("Serre"),  QStringLiteral("Dard"),
                                         QStringLiteral("Dards"),   QStringLiteral("Contact intangible")};
    return principales.contains(groupe);
}

QString DesMainsNuesMoine(int niveau)
{
    static const char* const des[] = {"1d6", "1d8", "1d10", "2d6", "2d8", "2d10"};
    // Paliers aux niveaux 4, 8, 12, 16 et 20.
    return QString::fromLatin1(des[qBound(0, niveau / 4, 5)]);
}

int PenaliteDeluge(int niveau)
{
    return niveau <= 4 ? -2 : niveau <= 8 ? -1 : 0;
}

void AttaquesNaturelles(BaseDonnees& perso, BaseDonnees& programme, Fiche& f, const ListeCapacitesPerso& capacites)
{
    const QStringList dons = f.nomsDons();
    const QVector<ArmeNaturelle> naturelles = ArmesNaturelles(perso, programme, f);
    const bool enMain = armeEnMain(f);
    int total = 0;
    for (const ArmeNaturelle& n : naturelles)
        total += n.Multiple;
    // Attaques secondaires : -5, -2 avec "Attaques multiples", rien avec sa science.
    const int malusSecondaire = dons.contains(QStringLiteral("Science des attaques multiples")) ? 0
                                : dons.contains(QStringLiteral("Attaques multiples"))           ? -2
                                                                                                 : -5;
    QVector<std::pair<TypeObjet, int>> objets;
    for (const ArmeNaturelle& n : naturelles) {
        TypeObjet o;
        ListeBonus inutiles;
        if (ChargeObjet(programme, n.Objet, o, inutiles))
            objets.append({o, n.Multiple});
    }
    // Une créature qui frappe de griffes (ou de coups) par paires en fait ses attaques principales :
    // sa morsure ou sa corne unique devient secondaire.
    const bool paires = std::any_of(objets.cbegin(), objets.cend(), [](const auto& o) {
        return EstAttaquePrincipale(o.first.GroupeObjet) && o.second >= 2;
    });
    for (auto [o, multiple] : objets) {
        o.NomObjet = o.GroupeObjet;
        const bool principale = EstAttaquePrincipale(o.GroupeObjet) && !enMain && !(paires && multiple < 2);
        OptionsLigne options;
        options.decalages = QList<int>(multiple, 0);
        if (principale) {
            // Seule attaque naturelle : une fois et demie la Force.
            options.facteurForce = total == 1 ? 1.5 : 1;
            if (multiple >= 2)
                for (const char* don : {"Coup rapide", "Science du coup rapide"})
                    if (dons.contains(QString::fromUtf8(don)))
                        options.decalages.append(options.decalages.last() - 5);
        } else {
            options.facteurForce = 0.5;
            options.penalite = malusSecondaire;
        }
        const LigneAttaque a = CalculeLigneArme(f, o, options);
        f.Equipement.append({a.Nom, a.Ligne});
        AjouteLigneArme(f, a, a.LigneSimple);
    }

    // Une créature intangible touche de sa Dextérité.
    if (f.Race.aSousType(QStringLiteral("Intangible"))
        && std::none_of(f.Armes.cbegin(), f.Armes.cend(), [](const LigneArme& l) { return l.Nom == u"Contact intangible"; })) {
        TypeObjet contact;
        contact.NomObjet = contact.GroupeObjet = QStringLiteral("Contact intangible");
        contact.DegatDes = QStringLiteral("selon la créature");
        OptionsLigne options;
        options.decalages = {0};
        options.facteurForce = 0;
        const LigneAttaque a = CalculeLigneArme(f, contact, options);
        AjouteLigneArme(f, a, a.LigneSimple);
    }

    const int moine = NiveauDansClasse(f.Personnage, QStringLiteral("Moine"));
    if (moine == 0 && (enMain || !naturelles.isEmpty()))
        return;
    const TypeObjet coup = poing(f, moine);
    const int enPlus = AttaquesEnPlus(f, capacites);
    OptionsLigne options;
    if (enPlus > 0)
        options.decalages = QList<int>(enPlus, 0) + Iteratives(f.NombreAttaques.valeur());
    const LigneAttaque a = CalculeLigneArme(f, coup, options);
    AjouteLigneArme(f, a, a.LigneSimple);
    if (moine == 0 || !dons.contains(QStringLiteral("Déluge de coups")))
        return;
    // Déluge de coups : une attaque de plus (deux au niveau 11) à l'attaque la plus haute.
    OptionsLigne deluge;
    deluge.libelle = QStringLiteral(" 'Déluge'");
    deluge.penalite = PenaliteDeluge(moine);
    deluge.decalages = QList<int>(1 + (moine >= 11 ? 1 : 0) + enPlus, 0) + Iteratives(f.NombreAttaques.valeur());
    const LigneAttaque d = CalculeLigneArme(f, coup, deluge);
    AjouteLigneArme(f, d, d.LigneSimple);
}
