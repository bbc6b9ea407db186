#include "Capacites.h"
#include "CatalogueCapacites.h"
#include "Personnage.h"
#include "Race.h"
#include "shell/db/BaseDonnees.h"

#include <QRegularExpression>

namespace {

// Entrées d'un nom dans un catalogue : celles qui se suivent à partir de la première.
using IndexCatalogue = QHash<QString, std::pair<int, int>>;

IndexCatalogue indexe(const QVector<EntreeCatalogue>& catalogue)
{
    IndexCatalogue index;
    for (int i = 0; i < catalogue.size(); ++i) {
        const QString nom = QString::fromUtf8(catalogue[i].nom);
        auto it = index.find(nom);
        if (it == index.end())
            index.insert(nom, {i, i + 1});
        else if (it->second == i)
            it->second = i + 1;
    }
    return index;
}

// Somme des niveaux tenus dans les classes "A|B" ; "" : le niveau total.
int niveauxDans(const TypePersonnage& p, const char* classes)
{
    const QString liste = QString::fromUtf8(classes);
    if (liste.isEmpty())
        return p.niv;
    int niveaux = 0;
    for (const QString& classe : liste.split(u'|'))
        niveaux += NiveauDansClasse(p, classe);
    return niveaux;
}

void ajouteUnique(QStringList& liste, const QString& texte)
{
    if (!liste.contains(texte))
        liste.append(texte);
}

// Une valeur non numérique compte pour 0.
Entier16 valeurLigne(const LigneCapacite* ligne)
{
    return ligne ? Entier16(CInt(Val(ligne->Valeur))) : Entier16();
}

// Choix porté par la ligne (une énergie...) : entre crochets dans son libellé
// ("Energy immunity [Feu]"), sinon sa valeur quand elle n'est pas un nombre ; "" sinon.
QString choixDeLaLigne(const LigneCapacite* ligne)
{
    if (!ligne)
        return {};
    const QString crochets = ChoixEntreCrochets(ligne->Libelle);
    if (!crochets.isEmpty())
        return crochets;
    const QString valeur = ligne->Valeur.trimmed();
    bool nombre = false;
    valeur.toDouble(&nombre);
    return nombre ? QString() : valeur;
}

// Genre de bonus de la résistance à une énergie ; "" pour un autre texte.
QString genreResistance(const QString& energie)
{
    static const QHash<QString, QString> genres{
        {QStringLiteral("Feu"), QStringLiteral("Résistance au feu")},
        {QStringLiteral("Froid"), QStringLiteral("Résistance au froid")},
        {QStringLiteral("Electricité"), QStringLiteral("Résistance à l'électricité")},
        {QStringLiteral("Acide"), QStringLiteral("Résistance à l'acide")},
        {QStringLiteral("Son"), QStringLiteral("Résistance au son")}};
    return genres.value(energie);
}

void applique(const EntreeCatalogue& e, const LigneCapacite* ligne, const TypePersonnage& p, TypeCapacites& resume,
              ListeBonus& bonus)
{
    const QString texte = QString::fromUtf8(e.texte);
    switch (e.effet) {
    case EffetCapacite::Compteur:
        resume.Compteurs[texte] += Entier16(e.valeur);
        break;
    case EffetCapacite::CompteurSiNiveau1:
        if (ligne && Val(ligne->Niveau) == 1)
            resume.Compteurs[texte] += valeurLigne(ligne);
        break;
    case EffetCapacite::CompteurLigne:
        resume.Compteurs[texte] += valeurLigne(ligne);
        break;
    case EffetCapacite::ParClasse: {
        // Sans niveau dans ces classes, la capacité n'a pas encore d'effet.
        const int niveaux = niveauxDans(p, e.detail);
        if (niveaux > 0)
            resume.Compteurs[texte] += Entier16(e.valeur + Int(double(niveaux + e.decalage) / e.diviseur));
        break;
    }
    case EffetCapacite::Texte:
        ajouteUnique(resume.Textes[texte], QString::fromUtf8(e.detail));
        break;
    case EffetCapacite::Drapeau:
        resume.Drapeaux.insert(texte);
        break;
    case EffetCapacite::Immunite:
        ajouteUnique(resume.Immunites, texte);
        break;
    case EffetCapacite::ImmuniteChoisie: {
        const QString choisie = choixDeLaLigne(ligne);
        ajouteUnique(resume.Immunites, choisie.isEmpty() ? texte : choisie);
        break;
    }
    case EffetCapacite::NoteJS:
        ajouteUnique(resume.NotesJS, texte);
        break;
    case EffetCapacite::NoteCA:
        ajouteUnique(resume.NotesCA, texte);
        break;
    case EffetCapacite::Bonus: {
        const QStringList b = texte.split(u'|');
        const QString valeur = b.at(3) == u"%v" ? QString::number(int(valeurLigne(ligne))) : b.at(3);
        // Une résistance à l'énergie choisie : sans choix connu, rien à compter.
        const QString genre = b.at(0) == u"%e" ? genreResistance(choixDeLaLigne(ligne)) : b.at(0);
        if (!genre.isEmpty())
            AjouteBonus(bonus, QString::fromUtf8(e.nom), genre, b.at(1), b.at(2), valeur);
        break;
    }
    case EffetCapacite::Taille:
        resume.Taille = texte;
        break;
    }
}

void appliqueNom(const QString& nom, const QVector<EntreeCatalogue>& catalogue, const IndexCatalogue& index,
                 const LigneCapacite* ligne, const TypePersonnage& p, TypeCapacites& resume, ListeBonus& bonus)
{
    const auto it = index.constFind(nom);
    if (it == index.constEnd())
        return;
    for (int i = it->first; i < it->second; ++i)
        applique(catalogue[i], ligne, p, resume, bonus);
}

} // namespace

void AnalyseCapacites(const TypeRace& race, TypeCapacites& resume, const TypePersonnage& p,
                      const ListeCapacitesPerso& capacites, const QStringList& dons, ListeBonus& bonus)
{
    static const IndexCatalogue indexCapacites = indexe(CatalogueCapacites());
    static const IndexCatalogue indexDons = indexe(DonsCapacites());

    resume = TypeCapacites{};
    // Les leshays guérissent de 10 points par round.
    if (race.RACE == u"Leshay")
        resume.Compteurs[QStringLiteral("Guérison accélérée : ")] += Entier16(10);
    // Les morts-vivants et les créatures artificielles ont d'office leurs immunités de type.
    if (race.Type == u"Mort-vivant" || race.Type == u"Créature artificielle")
        for (const QString& i : ImmunitesMortVivant())
            ajouteUnique(resume.Immunites, i);
    for (const LigneCapacite& c : capacites)
        if (AppartientA(c, p.Nom))
            appliqueNom(c.Nom, CatalogueCapacites(), indexCapacites, &c, p, resume, bonus);
    for (const QString& don : dons)
        appliqueNom(don, DonsCapacites(), indexDons, nullptr, p, resume, bonus);

    // Une rage donne d'office +4 en Force et en Constitution, +2 en Volonté et -2 à la CA ; les
    // capacités de rage ci-dessus s'y ajoutent.
    if (resume.compteur(QStringLiteral("Nombre de rage : ")) > 0) {
        resume.Compteurs[QStringLiteral("Effet de la rage : Force : +")] += Entier16(4);
        resume.Compteurs[QStringLiteral("Effet de la rage : Volonté : +")] += Entier16(2);
        resume.Compteurs[QStringLiteral("Effet de la rage : CA : -")] += Entier16(2);
    }
}

namespace {

// "2d6+1" multiplié par n : "2nd6+n".
QString multiplieDes(const QString& des, int n)
{
    static const QRegularExpression forme(QStringLiteral("^\\s*(\\d*)d(\\d+)\\s*(?:\\+\\s*(\\d+))?\\s*$"));
    const QRegularExpressionMatch m = forme.match(des);
    if (!m.hasMatch())
        return des;
    const int nombre = m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
    QString texte = QStringLiteral("%1d%2").arg(nombre * n).arg(m.captured(2));
    if (!m.captured(3).isEmpty())
        texte += QStringLiteral("+%1").arg(m.captured(3).toInt() * n);
    return texte;
}

} // namespace

QString CapaciteSort(BaseDonnees& programme, const QString& nom, int niveau, const ValeursFicheSort& fiche)
{
    const Ligne l = programme.cherche(QStringLiteral("CapaciteSort"), QStringLiteral("index"), {nom});
    if (!l)
        return QStringLiteral("0");
    const int tousLes = std::max(1, l.entier(QStringLiteral("TousLes")));
    const int paliers = Int(double(niveau) / tousLes);
    const int mini = l.entier(QStringLiteral("min"));
    const int maxi = l.entier(QStringLiteral("max"));
    const QString augmentation = l.texte(QStringLiteral("Augmentation")).trimmed();

    if (nom == u"Inspiration vaillante")
        return QString::number(Maxi(1, Int((niveau + 4) / 6.0)));
    if (nom == u"Carapace de tortue") {
        const int ca = niveau >= 1 && niveau <= 13 ? 6 : niveau >= 14 && niveau <= 16 ? 7 : niveau >= 17 && niveau <= 19 ? 8 : 9;
        return QString::number(ca);
    }
    if (nom == u"Frappe profane") {
        // Le sort sacrifié est le plus haut que la classe donne (un niveau de sort tous les deux
        // niveaux de classe), dans la limite de la caractéristique de lancement (valeur - 10) :
        // autant de d4 de dégâts, et autant de bonus à l'attaque.
        int niveauSort = Int((niveau + 1) / 2.0);
        if (fiche.caracLanceur > 0)
            niveauSort = std::min(niveauSort, fiche.caracLanceur - 10);
        if (maxi > 0)
            niveauSort = std::min(niveauSort, maxi);
        if (niveauSort <= 0)
            return QStringLiteral("0");
        return QStringLiteral("%1d4").arg(niveauSort);
    }
    // Sans le don épique, la capacité ne donne rien.
    if (nom == u"Puissance divine épique" && !fiche.dons.contains(nom))
        return QStringLiteral("0");
    if (augmentation.contains(u'd')) {
        // Le nombre de dés suit les paliers, borné par max quand il est donné.
        const int n = maxi > 0 ? std::min(paliers, maxi) : paliers;
        const QString des = multiplieDes(augmentation, n);
        if (nom == u"Châtiment du mal")
            return des.section(u'd', 0, 0) + QStringLiteral("d4");
        return des;
    }
    Entier16 valeur = Entier16(l.entier(QStringLiteral("BonusBase")))
                    + Entier16(paliers) * Entier16(CInt(Val(augmentation)));
    // La version épique double le bonus de la puissance divine.
    if (nom == u"Puissance divine épique")
        valeur = valeur * Entier16(2);
    if (valeur < mini)
        valeur = mini;
    if (maxi > 0 && valeur > maxi)
        valeur = maxi;
    return QString::number(int(valeur));
}

bool DonSupplementaire(BaseDonnees& programme, const QString& don)
{
    const Ligne l = programme.cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {don});
    return l && l.booleen(QStringLiteral("supplementaire"));
}
