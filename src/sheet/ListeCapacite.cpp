#include "ListeCapacite.h"
#include "Equipement.h"
#include "ListeDon.h"
#include "shell/TextesCalcul.h"
#include "shell/db/BaseDonnees.h"

#include <algorithm>

namespace {

const char* const kTransformation = "Transformation animale";
const char* const kCapaciteClasse = "Capacité de classe";

// Dons dont l'effet s'active depuis la page : la valeur se calcule au niveau que la fiche montre.
enum class NiveauFiche { AttaqueDeBase, Charisme };
struct ModeleDon
{
    const char* don;       // nom du don dans la liste des dons
    const char* nom;       // nom de la capacité pour les règles
    const char* typeBonus;
    const char* cible;
    const char* genre;
    NiveauFiche niveau;
};
const ModeleDon kDonsActivables[] = {
    {"Attaque en puissance", "Attaque en puissance", "", "", "", NiveauFiche::AttaqueDeBase},
    {"Bouclier divin", "Bouclier divin", "Divin", "Bouclier", "Bonus Classe Armure", NiveauFiche::Charisme},
    {"Puissance divine", "Puissance divine ", "Divin", "Toutes armes", "Bonus Dommage", NiveauFiche::Charisme},
};

// Capacités de classe qui s'activent.
const char* const kCapacitesClasse[] = {"Rage de barbare", "Frénésie", "Croissance animale", "Faveur de la nature",
                                        "Avatar de la nature", "Frappe profane", "Danse tournante", "Châtiment du mal"};

// Capacités de forme animale qui ouvrent d'autres tailles ou d'autres types de créature.
const std::pair<const char*, const char*> kTaillesForme[] = {
    {"Forme animale_Grande", "Grande"}, {"Forme animale_Très Grande", "Très grande"}, {"Forme animale_Min", "Très petite"}};
const std::pair<const char*, const char*> kTypesForme[] = {
    {"Forme animale_Plantes", "Plante"},
    {"Forme animale d'aberration", "Aberration"},
    {"Forme animale de créature magique", "Créature magique"},
    {"Forme animale supérieure_humanoïdes", "Humanoïde"},
    {"Forme animale supérieure_géants", "Géant"},
    {"Forme animale supérieure_humanoïdes monstrueux", "Humanoïde monstrueux"},
    {"Forme animale supérieure_fées", "Fée"},
    {"Forme animale supérieure_vermines", "Vermine"},
    {"Forme animale supérieure_aberrations", "Aberration"},
    {"Forme animale supérieure_plantes", "Plante"},
    {"Forme animale supérieure_vases", "Vase"},
    {"Forme animale supérieure_élémentaires", "Elémentaire"},
    {"Forme animale supérieure_dragons", "Dragon"},
};

QString u8(const char* s) { return Litteral(s); }

bool avant(const LigneCapacite& a, const LigneCapacite& b)
{
    return QString::compare(a.Nom, b.Nom, Qt::CaseInsensitive) < 0;
}

bool valeurEntiere(const QString& valeur, int& n)
{
    bool ok = false;
    n = valeur.trimmed().toInt(&ok);
    return ok;
}

class Catalogue
{
public:
    explicit Catalogue(const ContexteCapacites& c) : m_c(c), m_nomsDons(nomsDons(c.dons)) {}

    ListeCapacitesPerso construit()
    {
        donsActivables();
        formesAnimales();
        capacitesDeClasse();
        pouvoirsDeClasse();
        autresDons();
        return m_lignes;
    }

private:
    static QStringList nomsDons(const QVector<LigneDon>& dons)
    {
        QStringList n;
        for (const LigneDon& d : dons)
            n << d.Nom;
        return n;
    }

    // Le personnage a le don ou la capacité (nom exact, ou début du nom pour un préfixe).
    bool possede(const QString& nom, bool prefixe = false) const
    {
        const auto correspond = [&](const QString& x) {
            return prefixe ? x.startsWith(nom, Qt::CaseInsensitive) : QString::compare(x, nom, Qt::CaseInsensitive) == 0;
        };
        if (std::any_of(m_nomsDons.cbegin(), m_nomsDons.cend(), correspond))
            return true;
        return std::any_of(m_c.prises.cbegin(), m_c.prises.cend(), [&](const LigneCapacite& l) {
            return AppartientA(l, m_c.personnage.Nom) && correspond(l.Nom);
        });
    }

    QString valeur(const QString& nom, int niveau) const
    {
        if (!m_c.programme.cherche(QStringLiteral("CapaciteSort"), QStringLiteral("index"), {nom}))
            return {};
        return CapaciteSort(m_c.programme, nom, niveau, {0, m_nomsDons});
    }

    void ajoute(const QString& libelle, const QString& categorie, const QString& nom, int niveau,
                const QString& sousCategorie = QString())
    {
        if (ExistInCapacite(m_c.prises, nom, m_c.personnage.Nom))
            return;
        if (std::any_of(m_lignes.cbegin(), m_lignes.cend(), [&](const LigneCapacite& l) { return l.Libelle == libelle; }))
            return;
        LigneCapacite l;
        l.Libelle = libelle;
        l.Categorie = categorie;
        l.SousCategorie = sousCategorie;
        l.Nom = nom;
        l.Niveau = QString::number(niveau);
        l.Valeur = valeur(nom, niveau);
        m_lignes.append(l);
    }

    int niveauDeClasse(const QString& nom) const
    {
        const Ligne cs = m_c.programme.cherche(QStringLiteral("CapaciteSort"), QStringLiteral("index"), {nom});
        const QString classe = cs ? cs.texte(QStringLiteral("Classe")) : QString();
        return classe.isEmpty() ? int(m_c.personnage.niv) : NiveauDansClasse(m_c.personnage, classe);
    }

    // Dons à effet activable : "Attaque en puissance", "Bouclier divin", "Puissance divine".
    void donsActivables()
    {
        for (const ModeleDon& m : kDonsActivables) {
            if (!ExistInDonPerso(m_c.dons, u8(m.don)))
                continue;
            const int niveau = m.niveau == NiveauFiche::AttaqueDeBase ? m_c.attaqueDeBase : m_c.modifCharisme;
            const qsizetype avantAjout = m_lignes.size();
            ajoute(u8(m.don), QStringLiteral("Don"), u8(m.nom), niveau);
            if (m_lignes.size() > avantAjout) {
                m_lignes.last().TypeBonus = u8(m.typeBonus);
                m_lignes.last().Cible = u8(m.cible);
                m_lignes.last().Genre = u8(m.genre);
            }
        }
    }

    // Forme animale : un animal (ou un type de créature ouvert par une capacité) d'une taille permise.
    void formesAnimales()
    {
        const bool forme = std::any_of(m_c.dons.cbegin(), m_c.dons.cend(),
                                       [](const LigneDon& d) { return d.Genre == u8(kTransformation); })
                           || possede(QStringLiteral("Forme animale +1"));
        if (!forme)
            return;
        QStringList tailles{QStringLiteral("Petite"), QStringLiteral("Moyenne")};
        for (const auto& [capacite, taille] : kTaillesForme)
            if (possede(u8(capacite)))
                tailles << u8(taille);
        QStringList types{QStringLiteral("Animal")};
        for (const auto& [capacite, type] : kTypesForme)
            if (possede(u8(capacite)))
                types << u8(type);
        const auto races = m_c.programme.selectionne(QStringLiteral("select Niveau,Type,taille,RACE from race order by race"));
        for (const Ligne& r : races)
            if (types.contains(r.texte(QStringLiteral("Type"))) && tailles.contains(r.texte(QStringLiteral("taille"))))
                ajoute(u8(kTransformation) + QStringLiteral(" [") + r.texte(QStringLiteral("RACE")) + u']',
                       u8(kCapaciteClasse), u8(kTransformation), 0, QStringLiteral("Transformation"));
    }

    void capacitesDeClasse()
    {
        for (const char* c : kCapacitesClasse) {
            const QString nom = u8(c);
            const bool droit = nom == u"Rage de barbare"
                                   ? std::any_of(m_c.dons.cbegin(), m_c.dons.cend(),
                                                 [&](const LigneDon& d) { return d.Genre == nom; })
                                   : possede(nom, true);
            if (droit)
                ajoute(nom, u8(kCapaciteClasse), nom, niveauDeClasse(nom));
        }
        armesLiees();
    }

    // Capacités liées à une arme (liearme) d'une classe du personnage : une ligne par arme tenue,
    // l'arme entre crochets.
    void armesLiees()
    {
        const auto lignes = m_c.programme.selectionne(
            QStringLiteral("select Nom from CapaciteSort where liearme<>0 order by Nom"));
        for (const Ligne& l : lignes) {
            const QString nom = l.texte(QStringLiteral("Nom"));
            const int niveau = niveauDeClasse(nom);
            if (niveau <= 0)
                continue;
            for (const QString& arme : m_c.armes)
                ajoute(nom + QStringLiteral(" [") + arme + u']', u8(kCapaciteClasse), nom, niveau);
        }
    }

    // Pouvoirs de la table CapaciteSort liés à une classe que le personnage a ; ceux d'un
    // domaine demandent aussi ce domaine.
    void pouvoirsDeClasse()
    {
        const TypePersonnage& p = m_c.personnage;
        const auto lignes = m_c.programme.selectionne(
            QStringLiteral("select Nom,Categorie,Classe from CapaciteSort where Classe<>'' and coalesce(liearme, 0)=0 order by Nom"));
        for (const Ligne& l : lignes) {
            const QString nom = l.texte(QStringLiteral("Nom"));
            const QString categorie = l.texte(QStringLiteral("Categorie"));
            const int niveau = NiveauDansClasse(p, l.texte(QStringLiteral("Classe")));
            if (niveau <= 0 || categorie == u"Don"
                || std::any_of(std::begin(kCapacitesClasse), std::end(kCapacitesClasse),
                               [&](const char* c) { return QString::compare(nom, u8(c), Qt::CaseInsensitive) == 0; }))
                continue;
            if (categorie == u"Domaine" && !aLeDomaine(nom))
                continue;
            ajoute(nom, categorie, nom, niveau);
        }
    }

    // "Domaine de la mort" demande le domaine "Mort" : le nom du pouvoir l'écrit en minuscules.
    bool aLeDomaine(const QString& pouvoir) const
    {
        const TypePersonnage& q = m_c.personnage;
        for (const QString& d : {q.Domaine_1, q.Domaine_2, q.Domaine_3, q.Domaine_4})
            if (!d.isEmpty() && pouvoir.endsWith(u' ' + d, Qt::CaseInsensitive))
                return true;
        return false;
    }

    // Autres dons activables : ceux de la table CapaciteSort, les dons divins, les pouvoirs magiques.
    void autresDons()
    {
        const auto lignes =
            m_c.programme.selectionne(QStringLiteral("select Nom from CapaciteSort where Categorie='Don' order by Nom"));
        for (const Ligne& l : lignes) {
            const QString nom = l.texte(QStringLiteral("Nom"));
            const bool dejaVu = std::any_of(std::begin(kDonsActivables), std::end(kDonsActivables),
                                            [&](const ModeleDon& m) { return nom == u8(m.nom); });
            if (!dejaVu && ExistInDonPerso(m_c.dons, nom))
                ajouteDon(nom, p().niv);
        }
        for (const LigneDon& d : m_c.dons) {
            const bool dejaVu = std::any_of(std::begin(kDonsActivables), std::end(kDonsActivables),
                                            [&](const ModeleDon& m) { return d.Nom == u8(m.don); });
            if (!dejaVu && (d.Genre == u"Divin" || d.Type == u"Mag"))
                ajouteDon(d.Nom, p().niv);
        }
    }

    void ajouteDon(const QString& nom, int niveau)
    {
        const qsizetype avantAjout = m_lignes.size();
        ajoute(nom, QStringLiteral("Don"), nom, niveau);
        if (m_lignes.size() > avantAjout)
            m_lignes.last().Genre = QStringLiteral("Bonus Don");
    }

    const TypePersonnage& p() const { return m_c.personnage; }

    const ContexteCapacites& m_c;
    const QStringList m_nomsDons;
    ListeCapacitesPerso m_lignes;
};

// Les textes que la table ne garde pas se déduisent du nom de la capacité.
void completeLigne(LigneCapacite& l)
{
    if (l.Nom == u8(kTransformation))
        l.SousCategorie = QStringLiteral("Transformation");
    for (const ModeleDon& m : kDonsActivables)
        if (l.Nom == u8(m.nom)) {
            l.TypeBonus = u8(m.typeBonus);
            l.Cible = u8(m.cible);
            l.Genre = u8(m.genre);
        }
}

QVariant entierOuNul(const QString& texte)
{
    int n = 0;
    return valeurEntiere(texte, n) ? QVariant(n) : QVariant();
}

qint64 rowidCapacite(BaseDonnees& perso, const LigneCapacite& l)
{
    const Ligne r = perso.premiere(
        QStringLiteral("select rowid from Capacites where Personnage=? and Nom=? and Texte=? order by rowid"),
        {l.Personnage, l.Nom, l.Libelle});
    return r ? r.entier(QStringLiteral("rowid")) : -1;
}

// Armes naturelles d'un animal (table Raceequipement du programme).
QVector<Ligne> armesNaturelles(BaseDonnees& programme, const QString& animal)
{
    return programme.selectionne(QStringLiteral("select objet,Multiple from Raceequipement where Race=?"), {animal});
}

QString messageSansTable()
{
    return QStringLiteral("La base des personnages n'a pas de table Capacites : mettez-la à jour avant de prendre "
                          "des capacités.");
}

} // namespace

ListeCapacitesPerso ListeCapacite(const ContexteCapacites& contexte)
{
    return Catalogue(contexte).construit();
}

bool ExistInCapacite(const ListeCapacitesPerso& prises, const QString& nom, const QString& personnage)
{
    LigneCapacite cle;
    cle.Nom = nom;
    auto it = std::lower_bound(prises.cbegin(), prises.cend(), cle, avant);
    for (; it != prises.cend() && QString::compare(it->Nom, nom, Qt::CaseInsensitive) == 0; ++it)
        if (personnage.isEmpty() || AppartientA(*it, personnage))
            return true;
    return false;
}

void RangeCapacites(ListeCapacitesPerso& lignes)
{
    std::stable_sort(lignes.begin(), lignes.end(), avant);
}

ListeCapacitesPerso ChargeCapacitesPerso(BaseDonnees& perso, BaseDonnees& programme, const QString& personnage)
{
    ListeCapacitesPerso lignes;
    if (!perso.existeTable(QStringLiteral("Capacites")))
        return lignes;
    const auto rangees = perso.selectionne(
        QStringLiteral("select Nom,Personnage,Type,Modificateur_1,Modificateur_2,Texte from Capacites "
                       "where Personnage=? order by rowid"),
        {personnage});
    for (const Ligne& r : rangees) {
        LigneCapacite l;
        l.Libelle = r.texte(QStringLiteral("Texte"));
        l.Categorie = r.texte(QStringLiteral("Type"));
        l.Nom = r.texte(QStringLiteral("Nom"));
        l.Personnage = r.texte(QStringLiteral("Personnage"));
        l.Niveau = r.estNul(QStringLiteral("Modificateur_1")) ? QString() : r.texte(QStringLiteral("Modificateur_1"));
        if (!r.estNul(QStringLiteral("Modificateur_2")))
            l.Valeur = r.texte(QStringLiteral("Modificateur_2"));
        else if (programme.cherche(QStringLiteral("CapaciteSort"), QStringLiteral("index"), {l.Nom}))
            l.Valeur = CapaciteSort(programme, l.Nom, l.Niveau.toInt());
        completeLigne(l);
        lignes.append(l);
    }
    RangeCapacites(lignes);
    return lignes;
}

QString AjouteCapacite(BaseDonnees& perso, BaseDonnees& programme, ListeCapacitesPerso& prises,
                       const LigneCapacite& choisie, const QString& personnage)
{
    if (personnage.isEmpty())
        return QStringLiteral("Aucun personnage n'est ouvert : la capacité n'a pas été ajoutée.");
    if (choisie.Nom.isEmpty())
        return QStringLiteral("Choisissez d'abord une capacité dans la liste.");
    if (!perso.existeTable(QStringLiteral("Capacites")))
        return messageSansTable();
    if (ExistInCapacite(prises, choisie.Nom, personnage))
        return QStringLiteral("Le personnage a déjà la capacité ") + choisie.Libelle + u'.';
    LigneCapacite l = choisie;
    l.Personnage = personnage;
    Transaction t(perso);
    perso.ajoute(QStringLiteral("Capacites"), {{QStringLiteral("Nom"), l.Nom},
                                               {QStringLiteral("Personnage"), l.Personnage},
                                               {QStringLiteral("Type"), l.Categorie},
                                               {QStringLiteral("Modificateur_1"), entierOuNul(l.Niveau)},
                                               {QStringLiteral("Modificateur_2"), entierOuNul(l.Valeur)},
                                               {QStringLiteral("Texte"), l.Libelle}});
    if (l.Nom == u8(kTransformation)) {
        // Les armes naturelles de l'animal s'ajoutent à la fin de la liste des objets.
        int pos = perso.scalaire(QStringLiteral("select max(Pos) from Equipement where Personnage=?"), {personnage}).toInt();
        for (const Ligne& a : armesNaturelles(programme, ChoixEntreCrochets(l.Libelle)))
            perso.ajoute(QStringLiteral("Equipement"), {{QStringLiteral("Personnage"), personnage},
                                                        {QStringLiteral("NomObjet"), a.texte(QStringLiteral("objet"))},
                                                        {QStringLiteral("Pos"), ++pos},
                                                        {QStringLiteral("Multiple"), a.entier(QStringLiteral("Multiple"))},
                                                        {QStringLiteral("SurPersonnage"), true}});
    }
    t.valide();
    prises.append(l);
    RangeCapacites(prises);
    return {};
}

QString EnleveCapacite(BaseDonnees& perso, BaseDonnees& programme, ListeCapacitesPerso& prises, int indice)
{
    if (indice < 0 || indice >= prises.size())
        return QStringLiteral("Choisissez d'abord la capacité à enlever.");
    const LigneCapacite l = prises.at(indice);
    if (l.Nom != u8(kTransformation))
        return QStringLiteral("Vous ne pouvez supprimer que les capacités de ") + u8(kTransformation) + u'.';
    if (!perso.existeTable(QStringLiteral("Capacites")))
        return messageSansTable();
    Transaction t(perso);
    const qint64 rowid = rowidCapacite(perso, l);
    if (rowid >= 0)
        perso.supprime(QStringLiteral("Capacites"), rowid);
    // Chaque arme naturelle de l'animal retire la dernière ligne de ce nom.
    for (const Ligne& a : armesNaturelles(programme, ChoixEntreCrochets(l.Libelle))) {
        const Ligne e = perso.premiere(
            QStringLiteral("select rowid from Equipement where Personnage=? and NomObjet=? order by Pos desc"),
            {l.Personnage, a.texte(QStringLiteral("objet"))});
        if (e)
            perso.supprime(QStringLiteral("Equipement"), e.entier(QStringLiteral("rowid")));
    }
    t.valide();
    prises.removeAt(indice);
    return {};
}

QString ModifieNiveauCapacite(BaseDonnees& perso, BaseDonnees& programme, ListeCapacitesPerso& prises, int indice,
                              const QString& niveau, const ValeursFicheSort& fiche)
{
    if (indice < 0 || indice >= prises.size())
        return QStringLiteral("Choisissez d'abord la capacité à modifier.");
    int n = 0;
    if (!valeurEntiere(niveau, n) || n < 0)
        return QStringLiteral("Le niveau doit être un nombre entier positif ou nul : « ") + niveau + QStringLiteral(" » ne convient pas.");
    if (!perso.existeTable(QStringLiteral("Capacites")))
        return messageSansTable();
    LigneCapacite& l = prises[indice];
    const QString valeur = CapaciteSort(programme, l.Nom, n, fiche);
    const qint64 rowid = rowidCapacite(perso, l);
    if (rowid >= 0)
        perso.modifie(QStringLiteral("Capacites"), rowid,
                      {{QStringLiteral("Modificateur_1"), n}, {QStringLiteral("Modificateur_2"), entierOuNul(valeur)}});
    l.Niveau = QString::number(n);
    l.Valeur = valeur;
    return {};
}

void RemplitCatalogueCapacites(BaseDonnees& programme, const ListeCapacitesPerso& prises, Fiche& f)
{
    f.CapacitesPrises = prises;
    QStringList armes;
    for (int place : {kPlaceArmePrincipale, kPlaceArmeSecondaire})
        if (const auto& arme = f.Equip.Comptes[place]; arme && !armes.contains(arme->NomObjet))
            armes.append(arme->NomObjet);
    f.CatalogueCapacites = ListeCapacite(
        {programme, f.Personnage, f.Dons, prises, int(f.AttaqueDeBase), int(f.Caracteristiques[5].Modificateur), armes});
}
