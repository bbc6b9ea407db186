#include "GenerateurVille.h"
#include "editor/ValeursSaisies.h"
#include "shell/Hasard.h"
#include "shell/Semantique.h"
#include "shell/db/Utilitaires.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

// Une tranche de population et ce qu'elle vaut.
struct Bande
{
    qint32 maxi;
    const char16_t* type;
    qint32 limite;
    qint32 liquidite;
    double revenu;
    double partOr;
    double partPremiere;
    int modificateur;        // modificateur de communauté
    int centres;             // nombre d'instances
    int modificateurCentres; // ajouté au d20 de chaque instance
};

constexpr std::array<Bande, 8> kBandes{{
    {80, u"Lieu dit", 40, 2, 2.5, 0.05, 0.95, -3, 1, -1},
    {400, u"Hameau", 100, 5, 3, 0.1, 0.9, -2, 1, 0},
    {900, u"Village", 200, 10, 3.7, 0.2, 0.8, -1, 1, 1},
    {2000, u"Bourg", 800, 40, 4.5, 0.3, 0.7, 0, 1, 2},
    {5000, u"Ville", 3000, 150, 5.5, 0.4, 0.6, 3, 1, 3},
    {12000, u"Grande ville", 15000, 750, 6.7, 0.5, 0.5, 6, 2, 4},
    {25000, u"Cité", 40000, 2000, 8.2, 0.65, 0.35, 9, 3, 5},
    {std::numeric_limits<qint32>::max(), u"Métropole", 100000, 5000, 10, 0.8, 0.2, 12, 4, 6},
}};

const Bande& bande(qint32 P)
{
    for (const Bande& b : kBandes)
        if (P <= b.maxi)
            return b;
    return kBandes.back();
}

// Une classe de PNJ et les dés de son plus haut niveau.
struct ClassePnj
{
    const char16_t* nom;
    int n;
    int f;
};

constexpr std::array<ClassePnj, 16> kClassesPnj{{
    {u"Adepte", 1, 6}, {u"Barbare", 1, 4}, {u"Barde", 1, 6}, {u"Druide", 1, 6},
    {u"Ensorceleur", 1, 4}, {u"Expert", 3, 4}, {u"Gens du peuple", 4, 4}, {u"Guerrier", 1, 8},
    {u"Homme d'armes", 2, 4}, {u"Magicien", 1, 4}, {u"Moine", 1, 4}, {u"Noble", 1, 4},
    {u"Paladin", 1, 3}, {u"Prêtre", 1, 6}, {u"Rôdeur", 1, 3}, {u"Roublard", 1, 8},
}};

constexpr int kNiveauMaxi = 28;
using TableNiveaux = std::array<int, kNiveauMaxi + 1>;   // effectif par niveau, de 1 à 28

bool estClasse(const ClassePnj& c, const char16_t* nom)
{
    return QStringView(c.nom) == QStringView(nom);
}

// Classes dont les personnages de niveau 1 viennent du reste de la population.
bool sansNiveau1(const ClassePnj& c)
{
    for (const char16_t* nom : {u"Expert", u"Adepte", u"Gens du peuple", u"Homme d'armes", u"Noble"})
        if (estClasse(c, nom))
            return true;
    return false;
}

int plusHautNiveau(const TableNiveaux& t)
{
    for (int niveau = kNiveauMaxi; niveau >= 1; --niveau)
        if (t[niveau] > 0)
            return niveau;
    return 0;
}

// Le deuxième personnage quand on les range du plus haut niveau au plus bas : du même niveau
// que le premier s'ils sont plusieurs à l'avoir, sinon du niveau suivant ; 0 s'il n'y en a qu'un.
int deuxiemeNiveau(const TableNiveaux& t)
{
    int vus = 0;
    for (int niveau = kNiveauMaxi; niveau >= 1; --niveau) {
        vus += t[niveau];
        if (vus >= 2)
            return niveau;
    }
    return 0;
}

// Les montants d'impôts et de dîme ne sont pas arrondis : ils s'écrivent comme l'utilisateur
// écrit ses nombres.
QString decimal(double valeur, QChar separateur)
{
    return NormaliseDecimal(QString::number(valeur + 0.0, 'g', 15), separateur).toString();
}

} // namespace

int des(SourceHasard& hasard, int n, int f, int m)
{
    int total = m;
    for (int i = 0; i < n; ++i)
        total += hasard.De(f);
    return total;
}

QString TypeVille(qint32 P)
{
    return QString::fromUtf16(bande(P).type);
}

qint32 LimiteFinanciere(qint32 P)
{
    return P < 1 ? 0 : bande(P).limite;
}

qint32 LiquiditeDisponible(qint32 P)
{
    // Contrôlé comme les revenus : un dépassement est une erreur, jamais un nombre faux.
    return CLng(double(P) * bande(P).liquidite);
}

qint32 Revenu(qint32 P)
{
    return CLng(P * bande(P).revenu);
}

qint32 RevenuOr(qint32 P)
{
    const Bande& b = bande(P);
    return CLng(P * b.revenu * b.partOr);
}

qint32 RevenuPremiere(qint32 P)
{
    const Bande& b = bande(P);
    return CLng(P * b.revenu * b.partPremiere);
}

QString Alignement(SourceHasard& hasard)
{
    const int d = des(hasard, 1, 100, 0);
    return d <= 35   ? QStringLiteral("Loyal bon")
           : d <= 39 ? QStringLiteral("Neutre bon")
           : d <= 41 ? QStringLiteral("Chaotique bon")
           : d <= 61 ? QStringLiteral("Loyal neutre")
           : d <= 63 ? QStringLiteral("Neutre")
           : d <= 64 ? QStringLiteral("Chaotique neutre")
           : d <= 90 ? QStringLiteral("Loyal mauvais")
           : d <= 98 ? QStringLiteral("Neutre mauvais")
                     : QStringLiteral("Chaotique mauvais");
}

QString Instances(qint32 P, SourceHasard& hasard)
{
    const Bande& b = bande(P);
    QStringList instances;
    for (int i = 0; i < b.centres; ++i) {
        const int d = des(hasard, 1, 20, b.modificateurCentres);
        QString instance;
        if (d < 14) {
            instance = QStringLiteral("Traditionnel");
            if (des(hasard, 1, 20, 0) == 20)
                instance += QStringLiteral(" et influence monstrueuse");
        } else {
            instance = d <= 18 ? QStringLiteral("Inhabituel") : QStringLiteral("Magique");
        }
        instances << instance + QStringLiteral(" d'alignement ") + Alignement(hasard);
    }
    return instances.join(QStringLiteral(", "));
}

QStringList PNJ(qint32 P, SourceHasard& hasard)
{
    const int choixCommandant = des(hasard, 1, 100, 0);
    const int modificateur = bande(P).modificateur;
    const int passes = qMax(1, Int(modificateur / 3.0));

    QStringList lignes;
    int totalPnj = 0;
    TableNiveaux guerriers{}, hommesDArmes{};
    for (const ClassePnj& c : kClassesPnj) {
        int bonus = 0;
        if ((estClasse(c, u"Druide") || estClasse(c, u"Rôdeur")) && modificateur < -1 && des(hasard, 1, 20, 0) == 20)
            bonus = 10;
        TableNiveaux niveaux{};
        const auto ajoute = [&](int niveau, int nombre) {
            niveaux[qBound(1, niveau, kNiveauMaxi)] += nombre;
            totalPnj += nombre;
        };
        for (int passe = 0; passe < passes; ++passe) {
            int L = des(hasard, c.n, c.f, modificateur) + bonus;
            if (L < 1)
                continue;
            ajoute(L, 1);
            int multiplicateur = 1;
            while (L > 1) {
                multiplicateur *= 2;
                L = CInt(L / 2.0);
                if (L == 1 && sansNiveau1(c))
                    break;
                ajoute(L, multiplicateur);
            }
        }
        QStringList entrees;
        for (int niveau = kNiveauMaxi; niveau >= 1; --niveau)
            if (niveaux[niveau] > 0)
                entrees << QStringLiteral("%1 de niveau %2").arg(niveaux[niveau]).arg(niveau);
        if (!entrees.isEmpty())
            lignes << QString::fromUtf16(c.nom) + QStringLiteral(" : ") + entrees.join(QStringLiteral(", "));
        if (estClasse(c, u"Guerrier"))
            guerriers = niveaux;
        else if (estClasse(c, u"Homme d'armes"))
            hommesDArmes = niveaux;
    }

    lignes << QStringLiteral("Commandant de la garde/prévôt");
    const auto [libelle, niveau] =
        choixCommandant <= 60   ? std::pair{QStringLiteral("Homme d'armes du plus haut niveau "), plusHautNiveau(hommesDArmes)}
        : choixCommandant <= 80 ? std::pair{QStringLiteral("Deuxième guerrier de la communauté "), deuxiemeNiveau(guerriers)}
                                : std::pair{QStringLiteral("Guerrier de plus haut niveau "), plusHautNiveau(guerriers)};
    lignes << (niveau == 0 ? QStringLiteral("Il n'y a aucun guerrier ou homme d'armes dans cette communauté, "
                                            "choisir un autre PNJ")
                           : libelle + QString::number(niveau));

    lignes << QStringLiteral("Les classes de Pnj de niveau 1");
    const double reste = double(P) - totalPnj;
    lignes << QStringLiteral("Gens du peuple : ") + QString::number(Int(reste * 0.91))
           << QStringLiteral("Homme d'armes : ") + QString::number(Int(reste * 0.05))
           << QStringLiteral("Expert : ") + QString::number(Int(reste * 0.03))
           << QStringLiteral("Adepte : ") + QString::number(Int(reste * 0.005))
           << QStringLiteral("Noble : ") + QString::number(Int(reste * 0.005));
    return lignes;
}

QStringList RACE(qint32 P, const QString& type)
{
    struct Part
    {
        const char16_t* libelle;
        double part;
    };
    QList<Part> parts;
    if (type == u"Isolée")
        parts = {{u"Humains : ", 0.96}, {u"Halfelins : ", 0.02}, {u"Elfes : ", 0.01}, {u"Autres races : ", 0.01}};
    else if (type == u"Ouverte")
        parts = {{u"Humains : ", 0.79}, {u"Halfelins : ", 0.09}, {u"Elfes : ", 0.05}, {u"Nains : ", 0.03},
                 {u"Gnomes : ", 0.02},  {u"Demi-elfes : ", 0.01}, {u"Demi-orques : ", 0.01}};
    else if (type == u"Intégrée")
        parts = {{u"Humains : ", 0.37}, {u"Halfelins : ", 0.2}, {u"Elfes : ", 0.18}, {u"Nains : ", 0.1},
                 {u"Gnomes : ", 0.07},  {u"Demi-elfes : ", 0.05}, {u"Demi-orques : ", 0.03}};
    QStringList lignes;
    for (const Part& p : parts)
        lignes << QString::fromUtf16(p.libelle) + QString::number(Int(P * p.part));
    return lignes;
}

std::optional<RefusVille> ControleVille(const SaisiesVille& saisies)
{
    if (saisies.nom.trimmed().isEmpty())
        return RefusVille{ChampVille::Nom, QStringLiteral("Saisie d'un nom obligatoire")};
    const std::optional<double> population = litNombre(saisies.population);
    if (!population)
        return RefusVille{ChampVille::Population, QStringLiteral("Saisie d'une valeur numérique pour la population")};
    if (*population < 0 || *population > kPopulationMaxi || *population != std::floor(*population))
        return RefusVille{ChampVille::Population,
                          QStringLiteral("Saisie d'une population entière, de 0 à 400 000 habitants")};
    if (!litNombre(saisies.impot))
        return RefusVille{ChampVille::Impot, QStringLiteral("Saisie d'une valeur numérique pour les impôts")};
    if (!litNombre(saisies.dime))
        return RefusVille{ChampVille::Dime, QStringLiteral("Saisie d'une valeur numérique pour la dîme")};
    return std::nullopt;
}

QString GenereVille(const SaisiesVille& saisies, QChar separateurDecimal, SourceHasard& hasard)
{
    const qint32 P = qint32(*litNombre(saisies.population));
    const double impot = *litNombre(saisies.impot);
    const double dime = *litNombre(saisies.dime);
    const QString Po = QStringLiteral(" Po");
    const QString parMois = QStringLiteral(" Po/mois");
    const auto part = [&](qint32 revenu, double taux) { return decimal(revenu * taux / 100, separateurDecimal) + parMois; };

    QStringList lignes;
    lignes << saisies.nom + QStringLiteral(", ") + TypeVille(P) + QStringLiteral(" de ") + QString::number(P)
                  + QStringLiteral(" habitants.")
           << QStringLiteral("Limite financière : ") + QString::number(LimiteFinanciere(P)) + Po
           << QStringLiteral("Liquidite disponible : ") + QString::number(LiquiditeDisponible(P)) + Po
           << QString()
           << QStringLiteral("Les revenus")
           << QStringLiteral("Revenus en or : ") + QString::number(RevenuOr(P)) + parMois
           << QStringLiteral("Revenus en matières premières : ") + QString::number(RevenuPremiere(P)) + parMois
           << QStringLiteral("Revenus totaux : ") + QString::number(Revenu(P)) + parMois
           << QStringLiteral("Les impôts")
           << QStringLiteral("Impôts en or : ") + part(RevenuOr(P), impot)
           << QStringLiteral("Impôts en matières premières : ") + part(RevenuPremiere(P), impot)
           << QStringLiteral("Impôts totaux : ") + part(Revenu(P), impot)
           << QStringLiteral("La dîme")
           << QStringLiteral("Dîme en or : ") + part(RevenuOr(P), dime)
           << QStringLiteral("Dîme en matières premières : ") + part(RevenuPremiere(P), dime)
           << QStringLiteral("Dîme totaux : ") + part(Revenu(P), dime)
           << QStringLiteral("Les instances")
           << Instances(P, hasard)
           << QStringLiteral("Les Pnjs")
           << PNJ(P, hasard)
           << QStringLiteral("Mélange de races")
           << RACE(P, saisies.type);
    return lignes.join(u'\n') + u'\n';
}
