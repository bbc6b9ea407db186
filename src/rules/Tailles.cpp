#include "Tailles.h"
#include "Archetypes.h"
#include "Race.h"

#include <QHash>
#include <array>

namespace {

struct LigneTaille
{
    const char* nom;
    int ca;
    int lutte;
    double charge2;   // multiplicateur de charge sur deux jambes
    double charge4;   // sur quatre
    const char* espace;
    int allonge;      // allonge naturelle (créature haute), en cases
    double poidsArmure;   // poids d'une armure ou d'un bouclier à sa taille, pour 1 à la taille moyenne
    double poidsArme;     // d'une arme : moitié pour une petite, double pour une grande, et ainsi de cran en cran
};

// "Colossale+" suit "Colossale" pour tous les nombres.
constexpr std::array<LigneTaille, 10> kTailles{{
    {"Infime", 8, -16, 0.125, 0.25, "15 cm", 0, 0.1, 0.0625},
    {"Minuscule", 4, -12, 0.25, 0.5, "30 cm", 0, 0.1, 0.125},
    {"Très petite", 2, -8, 0.5, 0.75, "75cm", 0, 0.1, 0.25},
    {"Petite", 1, -4, 0.75, 1, "1,50 m", 1, 0.5, 0.5},
    {"Moyenne", 0, 0, 1, 1.5, "1,50 m", 1, 1, 1},
    {"Grande", -1, 4, 2, 3, "3 m", 2, 2, 2},
    {"Très grande", -2, 8, 4, 6, "4,50 m", 3, 5, 4},
    {"Gigantesque", -4, 12, 8, 12, "6 m", 4, 8, 8},
    {"Colossale", -8, 16, 16, 24, "9 m", 6, 12, 16},
    {"Colossale+", -8, 16, 16, 24, "9 m", 6, 12, 16},
}};

const LigneTaille* ligneTaille(const QString& taille)
{
    for (const LigneTaille& t : kTailles)
        if (taille == QString::fromUtf8(t.nom))
            return &t;
    return nullptr;
}

// Table de charge du joueur pour la Force 1 à 29, en kilogrammes : légère, intermédiaire, lourde.
constexpr std::array<std::array<double, 3>, 29> kCharges{{
    {1.5, 3, 5},       {3, 6.5, 10},      {5, 10, 15},       {6.5, 13, 20},     {8, 16.5, 25},
    {10, 20, 30},      {11.5, 23, 35},    {13, 26.5, 40},    {15, 30, 45},      {16.5, 33, 50},
    {19, 38, 57.5},    {21.5, 43, 65},    {25, 50, 75},      {29, 58, 87.5},    {33, 66.5, 100},
    {38, 76.5, 115},   {43, 86.5, 130},   {50, 100, 150},    {58, 116.5, 175},  {66.5, 133, 200},
    {76.5, 153, 230},  {86.5, 173, 260},  {100, 200, 300},   {116.5, 233, 350}, {133, 266.5, 400},
    {153, 306.5, 460}, {173, 346.5, 520}, {200, 400, 600},   {233, 466.5, 700},
}};

// Dons de lutte et leur bonus.
const std::pair<const char*, int> kDonsLutte[] = {
    {"Science de la lutte", 4}, {"Lutte calmar", 4},   {"Jotunbrud", 4},          {"Bagarreur", 2},
    {"Rejeton des profondeurs", 4}, {"Sang d'aberration", 2}, {"Membres flexibles", 2},
};

const std::pair<const char*, const char*> kDesPlus[] = {
    {"1", "1d2"},      {"1d2", "1d3"},   {"1d3", "1d4"},   {"1d4", "1d6"},   {"1d5", "1d7"},   {"1d6", "1d8"},
    {"1d7", "1d10"},   {"1d8", "2d6"},   {"1d10", "2d8"},  {"1d11", "2d10"}, {"1d12", "3d6"},  {"2d4", "2d6"},
    {"2d6", "3d6"},    {"2d8", "3d8"},   {"2d10", "4d8"},  {"3d6", "4d6"},   {"4d6", "6d6"},   {"6d6", "8d6"},
    {"8d6", "12d6"},   {"12d6", "16d6"}, {"3d8", "4d8"},   {"4d8", "6d8"},   {"6d8", "8d8"},   {"8d8", "12d8"},
};

// Pas vers le bas, d'après la table des armes des petites créatures.
const std::pair<const char*, const char*> kDesMoins[] = {
    {"1d2", "1"},     {"1d3", "1d2"},   {"1d4", "1d3"},   {"1d6", "1d4"},   {"1d8", "1d6"},   {"1d10", "1d8"},
    {"1d12", "1d10"}, {"2d4", "1d6"},   {"2d6", "1d10"},  {"2d8", "2d6"},   {"2d10", "2d8"},  {"3d6", "2d6"},
    {"3d8", "2d8"},   {"4d6", "3d6"},   {"4d8", "3d8"},   {"6d6", "4d6"},   {"6d8", "4d8"},   {"8d6", "6d6"},
    {"8d8", "6d8"},   {"12d6", "8d6"},  {"12d8", "8d8"},  {"16d6", "12d6"},
};

QString cherchePas(const QString& des, const auto& table)
{
    for (const auto& [de, vers] : table)
        if (des == QLatin1String(de))
            return QLatin1String(vers);
    return {};
}

// Dragons : morsure, griffe, aile, queue par taille, de "Très petite" à "Colossale+".
struct DesDragon
{
    const char* taille;
    const char* morsure;
    const char* griffe;
    const char* aile;
    const char* queue;
};
const DesDragon kDragons[] = {
    {"Très petite", "1d4", "1d3", "", ""},
    {"Petite", "1d6", "1d4", "", ""},
    {"Moyenne", "1d8", "1d6", "1d4", ""},
    {"Grande", "2d6", "1d8", "1d6", "1d8"},
    {"Très grande", "2d8", "2d6", "1d8", "2d6"},
    {"Gigantesque", "4d6", "2d8", "2d6", "2d8"},
    {"Colossale", "4d8", "4d6", "2d8", "4d6"},
    {"Colossale+", "12d8", "8d6", "4d8", "16d6"},
};

// Coups des élémentaires par élément et par taille lue dans leur nom.
// L'élément se lit comme un mot : "Elémentaire" contient lui-même « air ».
struct DesElementaire
{
    std::array<const char*, 2> element;
    std::array<const char*, 6> des;   // P, M, G, TG, noble, seigneur
};
const DesElementaire kElementaires[] = {
    {{" air", "'air"}, {"1d4", "1d6", "1d8", "2d6", "2d6", "2d8"}},
    {{" terre", "'terre"}, {"1d6", "1d8", "2d8", "2d10", "2d10", "2d10"}},
    {{" eau", "'eau"}, {"1d6", "1d8", "2d8", "2d10", "2d10", "2d10"}},
    {{" feu", "'feu"}, {"1d4", "1d6", "2d6", "2d8", "2d8", "2d8"}},
};
const QStringList kTaillesElementaires{QStringLiteral("Petite"), QStringLiteral("Moyenne"), QStringLiteral("Grande"),
                                       QStringLiteral("Très grande"), QStringLiteral("noble"), QStringLiteral("seigneur")};

// Dons qui font monter les dés d'un cran.
const char* const kDonsDegats[] = {"Arme naturelle supérieure", "Puissante carrure", "Grande poigne",
                                   "Armes morphiques", "Arme disproportionnée", "Marteau de la terre"};

QString desDeBase(const QString& attaque, const QString& desMoyenne, const QString& taille, const QString& race)
{
    if (race.startsWith(QStringLiteral("Dragon tortue"))) {
        if (attaque == u"Morsure")
            return QStringLiteral("4d6");
        if (attaque == u"Griffe")
            return QStringLiteral("2d8");
    } else if (race.startsWith(QStringLiteral("Dragon"))) {
        for (const DesDragon& d : kDragons)
            if (taille == QString::fromUtf8(d.taille)) {
                const char* des = attaque == u"Morsure" ? d.morsure
                                : attaque == u"Griffe"  ? d.griffe
                                : attaque == u"Aille"   ? d.aile
                                : attaque == u"Queue"   ? d.queue
                                                        : nullptr;
                if (des && *des)
                    return QLatin1String(des);
            }
    } else if (race.contains(QStringLiteral("lémentaire"), Qt::CaseInsensitive)
               && (attaque == u"Coup" || attaque.contains(QStringLiteral("eau")))) {
        const int rang = int(kTaillesElementaires.indexOf(TailleElementaire(race)));
        for (const DesElementaire& e : kElementaires)
            for (const char* mot : e.element)
                if (rang >= 0 && race.contains(QLatin1String(mot), Qt::CaseInsensitive))
                    return QLatin1String(e.des.at(rang));
    }
    // Une arme ou une attaque ordinaire change d'un cran par catégorie depuis "Moyenne".
    const int ecart = int(Tailles().indexOf(taille)) - int(Tailles().indexOf(QStringLiteral("Moyenne")));
    if (Tailles().indexOf(taille) < 0)
        return desMoyenne;
    QString des = desMoyenne;
    for (int i = 0; i < ecart && !des.isEmpty(); ++i)
        des = DesTailleSuperieure(des);
    for (int i = 0; i > ecart && !des.isEmpty(); --i)
        des = DesTailleInferieure(des);
    return des;
}

} // namespace

const QStringList& Tailles()
{
    static const QStringList noms = [] {
        QStringList l;
        for (const LigneTaille& t : kTailles)
            l.append(QString::fromUtf8(t.nom));
        return l;
    }();
    return noms;
}

QString TailleVoisine(const QString& taille, int pas)
{
    const qsizetype i = Tailles().indexOf(taille);
    if (i < 0)
        return {};
    return Tailles().at(std::clamp<qsizetype>(i + pas, 0, Tailles().size() - 1));
}

qint16 ModifTailleCA(const QString& taille)
{
    const LigneTaille* t = ligneTaille(taille);
    return t ? qint16(t->ca) : qint16(0);
}

qint16 ModifTailleLutte(const QString& taille)
{
    const LigneTaille* t = ligneTaille(taille);
    return t ? qint16(t->lutte) : qint16(0);
}

qint16 LutteTaille(const QString& taille, const QStringList& dons)
{
    QString effective = taille;
    // Une taille de plus, sans dépasser "Colossale".
    if (dons.contains(QStringLiteral("Puissante carrure")) && taille != u"Colossale" && taille != u"Colossale+")
        effective = TailleVoisine(taille, 1);
    int modif = ModifTailleLutte(effective);
    for (const auto& [don, bonus] : kDonsLutte)
        if (dons.contains(QString::fromUtf8(don)))
            modif += bonus;
    return qint16(modif);
}

void ChargeTransportable(ChargesTransportables& resultat, bool quadrupede, const QString& taille, int force)
{
    resultat = {};
    const LigneTaille* t = ligneTaille(taille);
    if (!t || force < 1)
        return;
    // Au-delà de 29, la ligne de même chiffre des unités entre 20 et 29, ×4 puis ×16.
    double facteur = 1;
    int ligne = force;
    if (force >= 30) {
        ligne = 20 + force % 10;
        facteur = force >= 40 ? 16 : 4;
    }
    facteur *= quadrupede ? t->charge4 : t->charge2;
    const auto& c = kCharges.at(ligne - 1);
    resultat.legere = c[0] * facteur;
    resultat.intermediaire = c[1] * facteur;
    resultat.lourde = c[2] * facteur;
}

double FacteurPoidsArmure(const QString& taille)
{
    const LigneTaille* t = ligneTaille(taille);
    return t ? t->poidsArmure : 1;
}

double FacteurPoidsArme(const QString& taille)
{
    const LigneTaille* t = ligneTaille(taille);
    return t ? t->poidsArme : 1;
}

namespace {

QString metres(int cases)
{
    if (cases % 2 == 0)
        return QStringLiteral("%1 m").arg(cases * 3 / 2);
    return QStringLiteral("%1,50 m").arg(cases * 3 / 2);
}

} // namespace

QString EspaceAllonge(const TypeRace& race, const QStringList& armes, const QStringList& capacites)
{
    const LigneTaille* t = ligneTaille(race.taille);
    if (!t)
        return {};
    static const QHash<QString, int> monstres{{QStringLiteral("Aboleth"), 2},
                                              {QStringLiteral("Diable à chaînes (kyton)"), 2}};
    int allonge = race.Allonge != 0 ? int(race.Allonge) : monstres.value(race.RACE, t->allonge);
    for (const char* c : {"Allonge inhumaine", "Allonge morphique"})
        if (capacites.contains(QString::fromUtf8(c)))
            allonge += 1;
    static const QStringList armesAllonge{
        QStringLiteral("Pique"),      QStringLiteral("Corsèque"),    QStringLiteral("Coutille"),
        QStringLiteral("Guisarme"),   QStringLiteral("Hallebarde"),  QStringLiteral("Chaîne cloutée"),
        QStringLiteral("Agripeur"),   QStringLiteral("Bardiche"),    QStringLiteral("Grand épieu"),
        QStringLiteral("Pertuisane naine")};
    for (const QString& arme : armes)
        if (armesAllonge.contains(arme)) {
            allonge *= 2;
            break;
        }
    return QString::fromUtf8(t->espace) + u'/' + metres(allonge);
}

QString DesTailleSuperieure(const QString& des)
{
    return cherchePas(des, kDesPlus);
}

QString DesTailleInferieure(const QString& des)
{
    return cherchePas(des, kDesMoins);
}

QString DegatsTaille(const QString& attaque, const QString& desMoyenne, const QString& taille, const QString& race,
                     const QStringList& dons)
{
    QString des = desDeBase(attaque, desMoyenne, taille, race);
    int crans = 0;
    for (const char* don : kDonsDegats)
        if (dons.contains(QString::fromUtf8(don)))
            ++crans;
    if (attaque == u"Arc Long" && dons.contains(QStringLiteral("Archer démoniaque")))
        ++crans;
    for (int i = 0; i < crans; ++i) {
        const QString plus = DesTailleSuperieure(des);
        if (plus.isEmpty())
            break;   // au sommet des tables, les dés restent
        des = plus;
    }
    return des;
}

const QStringList& AttaquesNaturelles()
{
    static const QStringList noms{
        QStringLiteral("Serre"),     QStringLiteral("Corne"),    QStringLiteral("Morsure"),
        QStringLiteral("Tentacule"), QStringLiteral("Sabot"),    QStringLiteral("Coup"),
        QStringLiteral("Defence"),   QStringLiteral("Dards"),    QStringLiteral("Mandibule"),
        QStringLiteral("Pince"),     QStringLiteral("Branche"),  QStringLiteral("Antenne"),
        QStringLiteral("Patte"),     QStringLiteral("Bec"),      QStringLiteral("Griffe"),
        QStringLiteral("Ergot"),     QStringLiteral("Aille"),    QStringLiteral("Piquant"),
        QStringLiteral("Pattes arrière"), QStringLiteral("Contact intangible"), QStringLiteral("Queue")};
    return noms;
}
