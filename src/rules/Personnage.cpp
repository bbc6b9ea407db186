#include "Personnage.h"
#include "shell/db/BaseDonnees.h"

#include <array>

QString& TypePersonnage::classe(int k)
{
    std::array<QString*, 8> c{&Classe_1, &Classe_2, &Classe_3, &Classe_4, &Classe_5, &Classe_6, &Classe_7, &Classe_8};
    return *c.at(k - 1);
}

const QString& TypePersonnage::classe(int k) const
{
    return const_cast<TypePersonnage*>(this)->classe(k);
}

Entier16& TypePersonnage::niveau(int k)
{
    std::array<Entier16*, 8> n{&Niv_1, &Niv_2, &Niv_3, &Niv_4, &Niv_5, &Niv_6, &Niv_7, &Niv_8};
    return *n.at(k - 1);
}

Entier16 TypePersonnage::niveau(int k) const
{
    return const_cast<TypePersonnage*>(this)->niveau(k);
}

namespace {

// Champs texte de la ligne Personnage recopiés tels quels (Null : "").
const std::pair<const char*, QString TypePersonnage::*> kTextes[] = {
    {"Nom", &TypePersonnage::Nom},
    {"RACE", &TypePersonnage::RACE},
    {"Archetype", &TypePersonnage::Archetype},
    {"Profil", &TypePersonnage::Profil},
    {"Titre", &TypePersonnage::Titre},
    {"Dieu", &TypePersonnage::Dieu},
    {"Alignement", &TypePersonnage::Alignement},
    {"Cheveux", &TypePersonnage::Cheveux},
    {"Yeux", &TypePersonnage::Yeux},
    {"Sexe", &TypePersonnage::Sexe},
    {"Date", &TypePersonnage::Date},
    {"EcoleSpecialisation", &TypePersonnage::EcoleSpecialisation},
    {"Domaine_1", &TypePersonnage::Domaine_1},
    {"Domaine_2", &TypePersonnage::Domaine_2},
    {"Domaine_3", &TypePersonnage::Domaine_3},
    {"Domaine_4", &TypePersonnage::Domaine_4},
    {"Ecole_interdite_1", &TypePersonnage::Ecole_interdite_1},
    {"Ecole_interdite_2", &TypePersonnage::Ecole_interdite_2},
    {"Ecole_interdite_3", &TypePersonnage::Ecole_interdite_3},
    {"Ecole_interdite_4", &TypePersonnage::Ecole_interdite_4},
    {"LangueConnue", &TypePersonnage::LangueConnue},
    {"Alphabet", &TypePersonnage::Alphabet},
    {"Profession_1", &TypePersonnage::Profession_1},
    {"Profession_2", &TypePersonnage::Profession_2},
    {"Profession_3", &TypePersonnage::Profession_3},
    {"Profession_4", &TypePersonnage::Profession_4},
    {"Artisanat_1", &TypePersonnage::Artisanat_1},
    {"Artisanat_2", &TypePersonnage::Artisanat_2},
    {"Artisanat_3", &TypePersonnage::Artisanat_3},
    {"EnergieElu_1", &TypePersonnage::EnergieElu_1},
    {"EnergieElu_2", &TypePersonnage::EnergieElu_2},
    {"EnergieElu_3", &TypePersonnage::EnergieElu_3},
    {"EnergieSorcier_1", &TypePersonnage::EnergieSorcier_1},
    {"EnergieSorcier_2", &TypePersonnage::EnergieSorcier_2},
    {"ElementWujen", &TypePersonnage::ElementWujen},
    {"ElementShugenja", &TypePersonnage::ElementShugenja},
    {"OrdreShugenja", &TypePersonnage::OrdreShugenja},
    {"DragonTotem", &TypePersonnage::DragonTotem},
    {"EnnemisJures", &TypePersonnage::EnnemisJures},
    {"Image", &TypePersonnage::Image},
};

const std::pair<const char*, Entier16 TypePersonnage::*> kEntiers[] = {
    {"Beaute", &TypePersonnage::Beaute},
    {"Taille", &TypePersonnage::taille},
    {"Age", &TypePersonnage::Age},
    {"MalusXP", &TypePersonnage::MalusXP},
};

void copieFiche(const Ligne& l, TypePersonnage& p)
{
    for (const auto& [champ, membre] : kTextes)
        p.*membre = l.texte(QLatin1String(champ));
    for (const auto& [champ, membre] : kEntiers)
        p.*membre = Entier16(l.entier(QLatin1String(champ)));
    for (int k = 1; k <= 8; ++k) {
        p.classe(k) = l.texte(QStringLiteral("Classe_%1").arg(k));
        p.niveau(k) = Entier16(l.entier(QStringLiteral("Niv_%1").arg(k)));
    }
    p.poids = l.entier(QStringLiteral("Poids"));
    p.TotalPo = l.reel(QStringLiteral("TotalPo"));
    p.TotalXP = l.reel(QStringLiteral("TotalXP"));
}

// Présent après le premier caractère, sans égard à la casse.
bool apresPremier(const QString& texte, const QString& motif)
{
    return texte.indexOf(motif, 1, Qt::CaseInsensitive) > 0;
}

// Jets des créatures légendaires et des élémentaires, qui ne suivent pas la table de leur classe.
void exceptionsDeRace(const TypePersonnage& p, Entier16& reflexe, Entier16& vigueur, Entier16& volonte)
{
    if (apresPremier(p.RACE, QStringLiteral("légendaire")) || apresPremier(p.RACE, QStringLiteral("sanguinaire")))
        volonte = reflexe;
    if (p.RACE.contains(QStringLiteral("élémentaire"), Qt::CaseInsensitive)
        || p.RACE.contains(QStringLiteral("Elémentaire"), Qt::CaseInsensitive)) {
        const qint16 bonJet = Mini(12, Int(p.Niv_1 / 2.0) + 2);
        if (apresPremier(p.RACE, QStringLiteral(" terre")) || apresPremier(p.RACE, QStringLiteral("l'eau")))
            vigueur = bonJet;
        if (apresPremier(p.RACE, QStringLiteral(" feu")) || apresPremier(p.RACE, QStringLiteral("l'air")))
            reflexe = bonJet;
    }
}

// Type de la race et jets forts de ses dés de vie raciaux (vide : ceux de la table du type), lus
// au premier niveau d'une classe de type de créature.
struct JetsRaciaux
{
    bool lus = false;
    QString type;
    QString bons;
};

// Les dés de vie raciaux suivent la créature : un gnoll a la Vigueur forte, pas les Réflexes.
void jetsDeLaRace(const JetsRaciaux& race, const QString& classe, int niveau, Entier16& reflexe, Entier16& vigueur,
                  Entier16& volonte)
{
    if (race.bons.isEmpty() || classe != race.type)
        return;
    const auto jet = [&](const char* nom) {
        return Entier16(race.bons.contains(QString::fromUtf8(nom)) ? Int(niveau / 2.0) + 2 : Int(niveau / 3.0));
    };
    reflexe = jet("Réflexe");
    vigueur = jet("Vigueur");
    volonte = jet("Volonté");
}

// Parcourt les lignes de niveau par groupes d'une classe, dans l'ordre de l'index (nom, classe,
// niveau) ; rend le nombre de lignes lues.
int sommeProgressions(BaseDonnees& perso, BaseDonnees& programme, TypePersonnage& p, const QString& nom)
{
    enum { Classe, Niv, PV, For, Dex, Con, Int, Sag, Cha, Niveau };
    const QVector<Ligne> niveaux = perso.selectionne(
        QStringLiteral("SELECT Classe, niv, PV, For, Dex, Con, Int, Sag, Cha, Niveau FROM PersonnageProgression "
                       "WHERE Nom = ? ORDER BY Classe, Niveau, rowid"),
        {nom});
    const auto entier = [](const Ligne& l, int i) { return Entier16(l.entier(i)); };
    const auto texte = [](const Ligne& l, int i) { return l.texte(i); };
    JetsRaciaux race;

    qsizetype i = 0;
    while (i < niveaux.size()) {
        const QString classeLigne = texte(niveaux.at(i), Classe);
        const Ligne classe = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {classeLigne});
        // Une classe absente des règles garde ses lignes ensemble, sans progression.
        const QString groupe = classe ? classe.texte(QStringLiteral("Classe")) : classeLigne;
        const QString maitre = classe ? classe.texte(QStringLiteral("ClasseMaitre")) : QString();
        if (!race.lus && classe && classe.texte(QStringLiteral("Type")) == u"Type de créature") {
            const Ligne r = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {p.RACE});
            race = {true, r.texte(QStringLiteral("Type")), r.texte(QStringLiteral("JetsBons"))};
        }
        Entier16 attaque, reflexe, vigueur, volonte;

        for (; i < niveaux.size() && texte(niveaux.at(i), Classe).compare(groupe, Qt::CaseInsensitive) == 0; ++i) {
            const Ligne& r = niveaux.at(i);
            const int niv = entier(r, Niv);
            const QString classeNiveau = texte(r, Classe);
            if (niv > p.niv) {
                p.niv = Entier16(niv);
                p.DerniereClasse = classeNiveau;
            }
            p.PV += entier(r, PV);
            p.For += entier(r, For);
            p.Dex += entier(r, Dex);
            p.Con += entier(r, Con);
            p.Int += entier(r, Int);
            p.Sag += entier(r, Sag);
            p.Cha += entier(r, Cha);
            if (!classe)
                continue;
            const Ligne prog = programme.premiere(
                QStringLiteral("SELECT attaque, Reflexe, Vigueur, Volonte FROM ClasseProgression WHERE Classe = ? "
                               "AND Niveau = ? ORDER BY rowid LIMIT 1"),
                {classeNiveau, int(entier(r, Niveau))});
            // Une variante ne compte pas quand le personnage a aussi des niveaux de sa classe maîtresse ;
            // au-delà du niveau 20, la progression épique prend le relais.
            if (prog && niv < 21 && (maitre == classeNiveau || NiveauDansClasse(p, maitre) == 0)) {
                attaque = entier(prog, 0);
                reflexe = entier(prog, 1);
                vigueur = entier(prog, 2);
                volonte = entier(prog, 3);
                jetsDeLaRace(race, classeNiveau, entier(r, Niveau), reflexe, vigueur, volonte);
                exceptionsDeRace(p, reflexe, vigueur, volonte);
            }
        }
        p.attaque += attaque;
        p.Reflexe += reflexe;
        p.Vigueur += vigueur;
        p.Volonte += volonte;
    }
    return int(niveaux.size());
}

void effetsActifs(TypePersonnage& p, const QString& nom, const ListeCapacitesPerso& capacites)
{
    for (const LigneCapacite& c : capacites) {
        if (!AppartientA(c, nom))
            continue;
        if (c.Nom == u"Puissance divine") {
            p.attaque = Maxi(Mini(20, p.niv), p.attaque);
            p.PV += p.niv;
        } else if (c.Nom == u"Inspiration coordonée") {
            p.attaque = Maxi(Mini(20, Val(c.Valeur)), p.attaque);
        } else if (c.Nom == u"Agilité divine") {
            p.Reflexe = Maxi(Mini(12, Int(p.niv / 2.0) + 2), p.Reflexe);
        }
    }
}

// Une attaque de plus par tranche de 5 au-delà de la première.
Entier16 nombreAttaques(int attaque)
{
    Entier16 n;
    do {
        n += 1;
        attaque -= 5;
    } while (attaque >= 1);
    return n;
}

void bonusEpiques(TypePersonnage& p)
{
    const int L = p.niv;
    const int N1 = p.Niv_1;
    if (L < 21)
        return;
    const qint16 jetParDefaut = CInt(Int((L - 20) / 2.0));
    qint16 bonusAttaque = CInt(Int((L - 20) / 2.0 + 0.5));
    qint16 ref = jetParDefaut, vig = jetParDefaut, vol = jetParDefaut;
    bool recompteAttaques = false;

    // Créature dont les niveaux raciaux seuls dépassent 20 : sa progression dépend de son type.
    if (N1 >= 21) {
        const int suite = Int((L - N1) / 2.0 + 0.5);
        const QString& type = p.Classe_1;
        if (type == u"Extérieur" || type == u"Dragon") {
            bonusAttaque = CInt((N1 - 20) + suite);
        } else if (type == u"Fée" || type == u"Mort-vivant" || type == u"Animal" || type == u"Géant"
                   || type == u"Elémentaire") {
            const bool moyen = type == u"Animal" || type == u"Géant" || type == u"Elémentaire";
            bonusAttaque = moyen ? CInt(Int(3.0 * N1 / 4.0) - 15 + suite) : CInt(Int(N1 / 2.0) - 10 + suite);
            ref = JSEpiqueCreature(p.Reflexe, N1, L, jetParDefaut);
            vig = JSEpiqueCreature(p.Vigueur, N1, L, jetParDefaut);
            vol = JSEpiqueCreature(p.Volonte, N1, L, jetParDefaut);
            recompteAttaques = true;
        }
    }
    if (recompteAttaques)
        p.NombreAttaques = Mini(4, Int((int(p.attaque) + bonusAttaque - 1) / 5.0) + 1);
    p.attaque += Entier16(bonusAttaque);
    p.Reflexe += Entier16(ref);
    p.Vigueur += Entier16(vig);
    p.Volonte += Entier16(vol);
}

} // namespace

bool ChargePersonnage(BaseDonnees& perso, BaseDonnees& programme, TypePersonnage& p, const QString& nom,
                      const ListeCapacitesPerso& capacites)
{
    p = TypePersonnage{};
    if (const Ligne fiche = perso.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {nom}))
        copieFiche(fiche, p);

    const int lues = sommeProgressions(perso, programme, p, nom);

    if (p.Archetype == u"Zombi" || p.Archetype == u"Squelette") {
        p.attaque = Entier16(Int(p.niv / 2.0));
        p.Reflexe = Entier16(Int(p.niv / 3.0));
        p.Vigueur = Entier16(Int(p.niv / 3.0));
        p.Volonte = Entier16(Int(p.niv / 2.0) + 2);
    }

    effetsActifs(p, nom, capacites);
    p.NombreAttaques = nombreAttaques(p.attaque);
    bonusEpiques(p);

    int attendues = 0;
    for (int k = 1; k <= 8; ++k)
        attendues += p.niveau(k);
    return lues == attendues;
}

qint16 NiveauDansClasse(const TypePersonnage& p, const QString& classe)
{
    qint16 niveau = 0;
    for (int k = 1; k <= 8; ++k) {
        const QString& c = p.classe(k);
        if (c == classe || (classe == u"Prêtre" && c == u"Prêtre cloîtré"))
            niveau = p.niveau(k);
    }
    return niveau;
}

qint16 JSEpiqueCreature(qint16 jet, int niveauxRaciaux, int niveauTotal, qint16 parDefaut)
{
    if (jet != 6)
        return parDefaut;
    return CInt(Int(niveauxRaciaux / 3.0) - 6 + Int((niveauTotal - niveauxRaciaux) / 2.0));
}

qint16 BonusCarac(const QString& score)
{
    if (score.trimmed() == u"-")
        return 0;
    return CInt(Int((Val(score) - 10) / 2.0));
}

qint16 BonusCarac(int score)
{
    return CInt(Int((score - 10) / 2.0));
}

qint16 Maxi(double a, double b)
{
    return CInt(a > b ? a : b);
}

qint16 Mini(double a, double b)
{
    return CInt(a < b ? a : b);
}

qint64 XPNiveau(int niveau)
{
    if (niveau < 2)
        return 0;
    return 1000LL * niveau * (niveau - 1) / 2;
}
