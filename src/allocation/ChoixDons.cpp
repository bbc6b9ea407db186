#include "ChoixDons.h"
#include "editor/ChampsPersonnage.h"
#include "shell/db/BaseDonnees.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

bool avant(const LigneChoixDon& a, const LigneChoixDon& b)
{
    return QString::compare(a.Affiche, b.Affiche, Qt::CaseInsensitive) < 0;
}

bool memeTexte(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString u8(const char* texte)
{
    return QString::fromUtf8(texte);
}

// Insère à sa place dans une grille rangée : la grille reste telle qu'ExistInDon la laisse.
void insereRangee(GrilleDons& grille, const LigneChoixDon& ligne)
{
    grille.insert(std::upper_bound(grille.begin(), grille.end(), ligne, avant), ligne);
}

LigneChoixDon ligneDon(const QString& nom, const QString& precision, const Ligne& don)
{
    LigneChoixDon l;
    l.Affiche = AfficheDon(nom, precision);
    l.Nom = nom;
    l.Precision = precision;
    l.Genre = don.texte(QStringLiteral("Genre"));
    l.Source = don.texte(QStringLiteral("Source"));
    return l;
}

// Dons répétables dont la précision est un numéro ; les trois premiers comptent depuis 0.
const char* const kNumerotesDepuisZero[] = {"Emplacement de sort supplémentaire", "Sort supplémentaire",
                                            "Connaissance magique"};
const char* const kNumerotes[] = {
    "Manuel augmentation caracteristique force", "Manuel augmentation caracteristique dexterité",
    "Manuel augmentation caracteristique constitution", "Manuel augmentation caracteristique intelligence",
    "Manuel augmentation caracteristique sagesse", "Manuel augmentation caracteristique charisme",
    "Force surhumaine", "Dexterite surhumaine", "Constitution surhumaine", "Intelligence surhumaine",
    "Sagesse surhumaine", "Charisme surhumain", "Malus NLS"};
constexpr int kNumerosProposes = 10;

// Dons à choix dont les choix sont les lignes d'une table.
struct ChoixTable
{
    const char* dons[2];
    const char* requete;
};
const ChoixTable kChoixTables[] = {
    {{"Bonus ennemi juré", "Ennemi juré"}, "select * from EnnemiJure order by nom"},
    {{"Ajout d'énergie destructive", "Substitution d'énergie destructrive"}, "select * from Energie order by nom"},
    {{"Sang d'aberration", nullptr}, "select * from Aberration order by nom"},
    {{"Maîtrise de terrain", nullptr}, "select nom from Terrain where type='Terrain' order by nom"},
    {{"Maîtrise de terrain planaire", nullptr}, "select nom from Terrain where type='Planaire' order by nom"},
    {{"Grand arcane", nullptr}, "select * from GrandArcane order by nom"},
    {{"Marque férale", "Marque férale supplémentaire"}, "select * from Marqueferal order by nom"},
    {{"Changement de taille", nullptr}, "select * from Taille order by nom"},
    {{"Alignement renforcé", "Dévotion épique"}, "select * from Alignement order by nom"},
};

const char* const kChoixEcole[] = {"Ecole renforcée", "Ecole interdite supplémentaire", "Tatouage focalisateur",
                                   "Ecole supérieure", "Protection profane"};
const char* const kChoixDomaine[] = {"Domaine de prédilection", "Spontanéité de domaine"};
const char* const kChoixClasse[] = {"Lanceur de sorts polyvalent", "Bloque progression"};
const char* const kClassesDrider[] = {"Prêtre", "Magicien", "Ensorceleur"};

template <std::size_t N>
bool parmi(const char* const (&liste)[N], const QString& nom)
{
    return std::any_of(std::begin(liste), std::end(liste), [&](const char* n) { return n && nom == u8(n); });
}

class ConstructeurPossibles
{
public:
    ConstructeurPossibles(const ContexteDonsAllocation& c, GrilleDons& pris) : m_c(c), m_pris(pris) {}

    GrilleDons construit()
    {
        const auto dons = m_c.programme.selectionne(
            QStringLiteral("select * from dons where prive=FALSE and genre<>'Objet magique' order by nom"));
        for (const Ligne& d : dons) {
            const QString nom = d.texte(QStringLiteral("Nom"));
            const bool multiple = d.booleen(QStringLiteral("Multiple"));
            for (const QString& precision : precisions(d, nom))
                if ((!ExistInDon(nom, precision, m_pris) || multiple) && !ExistInDon(nom, precision, m_possibles))
                    insereRangee(m_possibles, ligneDon(nom, precision, d));
        }
        return m_possibles;
    }

private:
    QStringList noms(const QString& requete)
    {
        QStringList liste;
        for (const Ligne& l : m_c.programme.selectionne(requete))
            liste.append(l.valeur(0).toString());
        return liste;
    }

    // Classes distinctes du personnage jusqu'au niveau affecté.
    QStringList classes() const
    {
        QStringList liste;
        for (int l = 0; l < m_c.niveau && l < m_c.personnage.niveaux.size(); ++l)
            if (!liste.contains(m_c.personnage.niveaux.at(l).classe))
                liste.append(m_c.personnage.niveaux.at(l).classe);
        return liste;
    }

    // Dons que le personnage a déjà : ceux de la fiche et ceux choisis dans cette fenêtre.
    QStringList donsDuPersonnage() const
    {
        QStringList liste;
        for (const LigneDon& d : m_c.donsFiche)
            if (!liste.contains(d.Nom, Qt::CaseInsensitive))
                liste.append(d.Nom);
        for (const LigneChoixDon& d : m_pris)
            if (!liste.contains(d.Nom, Qt::CaseInsensitive))
                liste.append(d.Nom);
        return liste;
    }

    // Domaines : colonnes de la table des sorts de "Air" jusqu'avant "Composantes".
    QStringList domainesSorts()
    {
        const QStringList champs = m_c.programme.champs(QStringLiteral("sort"));
        qsizetype debut = -1;
        QStringList liste;
        for (qsizetype i = 0; i < champs.size(); ++i) {
            if (memeTexte(champs.at(i), QStringLiteral("Air")))
                debut = i;
            if (memeTexte(champs.at(i), QStringLiteral("Composantes")))
                break;
            if (debut >= 0)
                liste.append(champs.at(i));
        }
        return liste;
    }

    QStringList choixNommes(const QString& nom, bool& nomme)
    {
        nomme = true;
        for (const ChoixTable& t : kChoixTables)
            if (parmi(t.dons, nom))
                return noms(u8(t.requete));
        if (parmi(kChoixEcole, nom))
            return ecolesSpecialisation().mid(1);
        if (parmi(kChoixDomaine, nom)) {
            QStringList domaines;
            for (int k = 1; k <= 4; ++k)
                if (const QString d = m_c.personnage.identite.value(QStringLiteral("Domaine_%1").arg(k)); !d.isEmpty())
                    domaines.append(d);
            return domaines;
        }
        if (nom == u"Talent" || nom == u"Maîtrise des connaissances") {
            QStringList competences = noms(QStringLiteral("select nom from Competence order by nom"));
            if (nom != u"Talent")
                competences = competences.filter(QRegularExpression(QStringLiteral("^Connaissances \\(")));
            return competences;
        }
        if (nom == u"Sort drider") {
            QStringList liste;
            if (m_c.personnage.race == u"Drider")
                for (const QString& c : classes())
                    if (parmi(kClassesDrider, c))
                        liste.append(c);
            return liste;
        }
        if (parmi(kChoixClasse, nom))
            return classes();
        if (nom == u"Métamagie divine" || nom == u"Attaque spéciale renforcée") {
            const bool metamagie = nom == u"Métamagie divine";
            QStringList liste;
            for (const QString& don : donsDuPersonnage()) {
                const Ligne d = m_c.programme.cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {don});
                if (d && (metamagie ? d.texte(QStringLiteral("Genre")) == u"Métamagie" : d.booleen(QStringLiteral("pouvoir"))))
                    liste.append(don);
            }
            if (!metamagie)
                liste.append(QStringLiteral("Décharge fantastique"));
            return liste;
        }
        nomme = false;
        return {};
    }

    // Groupe d'un objet, lu dans le catalogue du personnage puis dans celui du programme.
    QString groupe(const QString& objet)
    {
        Ligne o;
        if (m_c.perso.existeTable(QStringLiteral("Objets")))
            o = m_c.perso.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {objet});
        if (!o)
            o = m_c.programme.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {objet});
        return o ? o.texte(QStringLiteral("GroupeObjet")) : QString();
    }

    QStringList precisions(const Ligne& d, const QString& nom)
    {
        if (nom == u"Disciple profane")
            return domainesSorts();
        bool nomme = false;
        const QStringList choix = choixNommes(nom, nomme);
        if (nomme)
            return choix;
        if (d.booleen(QStringLiteral("liearme"))) {
            QStringList groupes;
            if (d.texte(QStringLiteral("Genre")) == u"Prouesse à l'arme exotique"
                && std::none_of(m_c.personnage.niveaux.cbegin(), m_c.personnage.niveaux.cbegin() + m_c.niveau,
                                [](const NiveauEdite& n) { return n.classe == u"Maître d'armes exotiques"; }))
                return groupes;
            for (const ObjetEdite& o : m_c.personnage.objets)
                if (!o.nom.isEmpty())
                    groupes.append(groupe(o.nom));
            return groupes;
        }
        const bool depuisZero = parmi(kNumerotesDepuisZero, nom);
        if (depuisZero || parmi(kNumerotes, nom)) {
            QStringList numeros;
            for (int k = 0; k < kNumerosProposes; ++k)
                numeros.append(QString::number(depuisZero ? k : k + 1));
            return numeros;
        }
        return {QString()};
    }

    const ContexteDonsAllocation& m_c;
    GrilleDons& m_pris;
    GrilleDons m_possibles;
};

} // namespace

QString AfficheDon(const QString& nom, const QString& precision)
{
    return precision.isEmpty() ? nom : nom + QStringLiteral(" [") + precision + u']';
}

bool ExistInDon(const QString& nom, const QString& precision, GrilleDons& grille)
{
    if (!std::is_sorted(grille.cbegin(), grille.cend(), avant))
        std::stable_sort(grille.begin(), grille.end(), avant);
    LigneChoixDon cle;
    cle.Affiche = AfficheDon(nom, precision);
    const auto it = std::lower_bound(grille.cbegin(), grille.cend(), cle, avant);
    return it != grille.cend() && memeTexte(it->Affiche, cle.Affiche);
}

GrilleDons DonsPris(const ContexteDonsAllocation& c)
{
    GrilleDons pris;
    for (int l = 1; l <= c.niveau && l <= c.personnage.niveaux.size(); ++l) {
        const NiveauEdite& n = c.personnage.niveaux.at(l - 1);
        for (int k = 0; k < kDonsParNiveau; ++k) {
            if (n.dons[k].isEmpty())
                continue;
            LigneChoixDon d = ligneDon(n.dons[k], n.precisions[k],
                                       c.programme.cherche(QStringLiteral("dons"), QStringLiteral("nom"), {n.dons[k]}));
            d.Niveau = l;
            pris.append(d);
        }
    }
    std::stable_sort(pris.begin(), pris.end(), avant);
    return pris;
}

GrilleDons DonsPossibles(const ContexteDonsAllocation& c, GrilleDons& pris)
{
    return ConstructeurPossibles(c, pris).construit();
}

bool AjouteDon(BaseDonnees& programme, int ligne, int niveau, GrilleDons& pris, GrilleDons& possibles)
{
    if (ligne < 0 || ligne >= possibles.size())
        return false;
    const LigneChoixDon choisi = possibles.at(ligne);
    const Ligne d = programme.premiere(QStringLiteral("select * from dons  where nom=?"), {choisi.Nom});
    const bool multiple = d && d.booleen(QStringLiteral("Multiple"));
    const bool deja = std::any_of(pris.cbegin(), pris.cend(), [&](const LigneChoixDon& p) {
        return memeTexte(p.Nom, choisi.Nom) && memeTexte(p.Precision, choisi.Precision);
    });
    if (!multiple && deja)
        return false;
    LigneChoixDon ajoute = choisi;
    ajoute.Niveau = niveau;
    if (d) {
        ajoute.Genre = d.texte(QStringLiteral("Genre"));
        ajoute.Source = d.texte(QStringLiteral("Source"));
    }
    pris.append(ajoute);
    if (!multiple)
        possibles.removeAt(ligne);
    return true;
}

bool EnleveDon(int ligne, int niveau, GrilleDons& pris, GrilleDons& possibles)
{
    if (ligne < 0 || ligne >= pris.size() || pris.at(ligne).Niveau != niveau)
        return false;
    LigneChoixDon rendu = pris.takeAt(ligne);
    rendu.Niveau = 0;
    if (!ExistInDon(rendu.Nom, rendu.Precision, possibles))
        insereRangee(possibles, rendu);
    return true;
}

void EcritDons(const GrilleDons& pris, int niveau, NiveauEdite& ligne)
{
    int k = 0;
    for (const LigneChoixDon& d : pris) {
        if (d.Niveau != niveau || k >= kDonsParNiveau)
            continue;
        ligne.dons[k] = d.Nom;
        ligne.precisions[k] = d.Precision;
        ++k;
    }
    for (; k < kDonsParNiveau; ++k) {
        ligne.dons[k].clear();
        ligne.precisions[k].clear();
    }
}
