#include "Capacites.h"
#include "Personnage.h"
#include "Race.h"
#include "shell/db/BaseDonnees.h"

#include <QRegularExpression>

namespace {

enum class Effet {
    Compteur,         // le compteur du libellé augmente de la valeur
    CompteurValeur,   // le compteur augmente de la valeur de la ligne, quand son niveau vaut 1
    Drapeau,
    Immunite,         // texte : l'immunité
    ImmunitesType,    // la liste d'immunités des morts-vivants et des créatures artificielles
    NoteJS,
    NoteCA,
    Bonus,            // texte : genre|cible|type ; valeur : le bonus
    Taille,           // texte : la taille
};

struct EntreeCatalogue
{
    const char* nom;
    Effet effet;
    const char* texte;   // libellé du compteur, immunité, note, bonus ou taille
    int valeur;
};

const char* const kImmunitesMortVivant[] = {
    "Poisons", "Sommeil", "Paralysie", "Etourdissement", "Maladies", "Effets de mort", "Dégâts non-létaux",
    "Diminutions permanentes de caractéristique", "Absorption d'énergie", "Fatigue", "Epuisement",
    "Effets nécessitant un jet de Vigueur (sauf quand ils affectent également les objets)",
    "La mort par dégâts excessifs"};

// Catalogue, dans l'ordre où les noms sont essayés ; un nom peut porter plusieurs effets.
const EntreeCatalogue kCatalogue[] = {
    {"Inspiration vaillante", Effet::CompteurValeur, "Bonus inspiration vaillante : +", 0},
    {"Inspiration héroïque", Effet::CompteurValeur, "Nombre de cible pour l'inpiration héroïque : ", 0},
    {"Infime", Effet::Taille, "Infime", 0},
    {"Minuscule", Effet::Taille, "Minuscule", 0},
    {"Très petite", Effet::Taille, "Très petite", 0},
    {"Petite", Effet::Taille, "Petite", 0},
    {"Moyenne", Effet::Taille, "Moyenne", 0},
    {"Grande", Effet::Taille, "Grande", 0},
    {"Très grande", Effet::Taille, "Très grande", 0},
    {"Gigantesque", Effet::Taille, "Gigantesque", 0},
    {"Colossale", Effet::Taille, "Colossale", 0},
    {"Vigueur de la non-mort", Effet::NoteJS, "+4 jet de Vigueur (sauf quand ils affectent les objets)", 0},
    {"Poussée", Effet::Drapeau, "Poussée", 0},
    {"Communication avec les animaux", Effet::Compteur, "Nombre de communication avec les animaux (Mag) : ", 1},
    {"Prouesses nécromantiques +1", Effet::Compteur, "Bonus au NLS des sorts de nécromantie : ", 1},
    {"Puissance des sorts +1", Effet::Compteur, "Puissance des sorts (bonus pour passer la RM) : +", 1},
    {"Incantation rapide +1/jour", Effet::Compteur, "Nombre d'incantation rapide : ", 1},
    {"roulé-boulé", Effet::Compteur, "Nombre de roulé-boulé : ", 1},
    {"Artisanat runique +1", Effet::Compteur, "Bonus compétence artisanat runique : +", 1},
    {"Pouvoir runique +1", Effet::Compteur, "Bonus pouvoir runique : +", 1},
    {"Attaque assommante +1d6", Effet::Compteur, "Nombre de dés de l'attaque assommante : +", 1},
    {"Ecole de la rue +2", Effet::Compteur, "Bonus école de la rue (renseignement sur criminel) : +", 2},
    {"Incantation dissimulée +1 DD", Effet::Compteur, "Lors d'une incantation sournoise : +", 1},
    {"Shield block +1", Effet::Compteur, "Bonus shield block : +", 1},
    {"Châtiment kiai", Effet::Compteur, "Nombre de châtiment kiai : ", 1},
    {"Rage profane", Effet::Compteur, "Nombre de rage profane : ", 1},
    {"Puissance de la rage", Effet::Compteur, "Puissance de la rage : +", 2},
    {"Aura de terreur +1", Effet::Compteur, "Nombre d'aura de terreur : ", 1},
    {"Attaque cruelle +1", Effet::Compteur, "Nombre d'attaque cruelle : ", 1},
    {"Guérison morphique", Effet::Compteur, "Guérison accélérée : ", 2},
    {"Discrétion sacrée +4", Effet::Compteur, "Bonus discrétion sacrée : +", 4},
    {"Guérison accélérée_1", Effet::Compteur, "Guérison accélérée : ", 1},
    {"Guérison accélérée_2", Effet::Compteur, "Guérison accélérée : ", 2},
    {"Guérison accélérée_3", Effet::Compteur, "Guérison accélérée : ", 3},
    {"Guérison accélérée_5", Effet::Compteur, "Guérison accélérée : ", 5},
    {"Protection contre la mort", Effet::Compteur, "Résistance au renvoi des morts-vivants : ", 4},
    {"Puissance sacrée", Effet::Compteur, "Bonus à tous les DD (compté dans la liste des sorts) : +", 2},
    {"Supplice draconique (+1d6)", Effet::Compteur, "Bonus aux dommages contre les dragons : +", 1},
    {"Supplice draconique (+2d6)", Effet::Compteur, "Bonus aux dommages contre les dragons : +", 2},
    {"Puissance magique enchanteresse +2", Effet::Compteur, "Bonus au NLS des sorts d'enchantement  : ", 2},
    {"Précision mortelle (+1d8)", Effet::Compteur, "Nombre de dés de précision mortelle : +", 1},
    {"Coup irréfutable", Effet::Compteur, "Bonus au NLS pour dissiper les abjurations : +", 2},
    {"Protection", Effet::Compteur, "Nombre d'utilisation des protections : ", 1},
    {"Croc-en-jambe à distance", Effet::Compteur, "Croc-en-jambe à distance : +", 4},
    {"Jotunbrud", Effet::Compteur, "Bousculade (défense): +", 4},
    {"Jotunbrud", Effet::Compteur, "Renversement (défense): +", 4},
    {"Jotunbrud", Effet::Compteur, "Croc-en-jambe (défense): +", 4},
    {"Science du renversement", Effet::Compteur, "Renversement (défense): +", 4},
    {"Science de la bousculade", Effet::Compteur, "Bousculade (défense): +", 4},
    {"Attaque de croc-en-jambe", Effet::Compteur, "Croc-en-jambe (défense): +", 2},
    {"Rugissement de léonal", Effet::Compteur, "DD rugissement de Léonal : ", 20},
    {"Rapidité aveuglante", Effet::Compteur, "Durée de la célérité féline : ", 10},
    {"Châtiment de l'infidèle", Effet::Compteur, "Nombre de châtiment de l'infidèle : ", 1},
    {"Forme spirituelle +1", Effet::Compteur, "Nombre d'utilisation de forme spirituelle : ", 1},
    {"Régénération_(5)", Effet::Compteur, "Régénération : ", 5},
    {"Frénésie", Effet::Compteur, "Nombre de frénésie : ", 1},
    {"Frénésie", Effet::Compteur, "Effet de la frénésie : Force : +", 6},
    {"Frénésie_+1", Effet::Compteur, "Nombre de frénésie : ", 1},
    {"Inspiration frénétique", Effet::Compteur, "Nombre d'utilisation de l'inspiration frénétique : ", 1},
    {"Frénésie aggravée", Effet::Compteur, "Effet de la frénésie : Force : +", 4},
    {"Aura de malchance", Effet::Compteur, "Nombre d'utilisation de l'aura de malchance : ", 1},
    {"Frappe éclair +1d6", Effet::Compteur, "Bonus aux dégâts de la frappe éclair : +", 1},
    {"Châtiment de l'anarchie +1", Effet::Compteur, "Nombre de châtiment de l'anarchie : ", 1},
    {"Incantation axiomatique", Effet::Compteur, "Bonus au NLS des sorts du registre de la loi : ", 1},
    {"Résistance au renvoi des morts vivants +2", Effet::Compteur, "Résistance au renvoi des morts-vivants : ", 2},
    {"Immunité effets mentaux", Effet::Immunite, "Effets mentaux", 0},
    {"Canalisation des sorts", Effet::Compteur, "Nombre de canalisation de sort : ", 3},
    {"Canalisation des sorts+1", Effet::Compteur, "Nombre de canalisation de sort : ", 1},
    {"Réduction du risque d'échec des sorts_+10", Effet::Compteur, "Réduction de l'échec aux sorts : ", 10},
    {"Réduction du risque d'échec des sorts_+5", Effet::Compteur, "Réduction de l'échec aux sorts : ", 5},
    {"Châtiment des aberrations +1", Effet::Compteur, "Nombre de châtiment des aberrations : ", 1},
    {"Sentir le vide +1", Effet::Compteur, "Nombre d'utilisation de sentir le vide : ", 1},
    {"Bonus d'esquive +1", Effet::Bonus, "Bonus Classe Armure|Esquive|Esquive", 1},
    {"Ennemi privilégié +1", Effet::Compteur, "Bonus ennemis privilégiés : ", 1},
    {"Rejet du mal +1", Effet::Compteur, "Nombre de rejet du mal : ", 1},
    {"Immunité contre l'électricité", Effet::Immunite, "Electricité", 0},
    {"Immunité pétrification", Effet::Immunite, "Pétrification", 0},
    {"Perfection de l'émeraude", Effet::Compteur,
     "Fortification (chance d'éviter un critique ou une attaque sournoise): ", 25},
    {"Défense supérieure", Effet::Compteur, "Fortification (chance d'éviter un critique ou une attaque sournoise): ", 75},
    {"Connaissance céleste +1", Effet::Compteur, "Niveau des connaissances céleste : ", 1},
    {"Téléportation par les ombres +6", Effet::Compteur, "Distance de téléportation par les ombres : ", 6},
    {"Téléportation par les ombres +12", Effet::Compteur, "Distance de téléportation par les ombres : ", 12},
    {"Téléportation par les ombres +24", Effet::Compteur, "Distance de téléportation par les ombres : ", 24},
    {"Souffle de dragon +2d8", Effet::Compteur, "Nombre de dés de soufle : ", 2},
    {"Immunité sommeil", Effet::Immunite, "Sommeil", 0},
    {"Immunité charme", Effet::Immunite, "Charme", 0},
    {"Immunité contre le feu", Effet::Immunite, "Feu", 0},
    {"Dénué d’intelligence", Effet::Immunite, "Effets mentaux", 0},
    {"Rage +1", Effet::Compteur, "Nombre de rage : ", 1},
    {"Forme animale +1", Effet::Compteur, "Nombre de forme animale : ", 1},
    {"Attaque précise +1d6", Effet::Compteur, "Nombre de dés précise : +", 1},
    {"Sens des pièges +1", Effet::NoteCA, "+1 d'esquive contre les pièges", 0},
    {"Escarmouche +1d6", Effet::Compteur, "Nombre de dés d'escarmouche : +", 1},
    {"Swift hunter", Effet::Compteur, "Nombre de dés d'escarmouche : +", 1},
    {"Swift hunter", Effet::Compteur, "Bonus à la CA escarmouche : +", 1},
    {"Attaque sournoise +1d6", Effet::Compteur, "Nombre de dés sournois : +", 1},
    {"Immunité à la peur", Effet::Immunite, "Terreur", 0},
    {"Manuel augmentation caracteristique force", Effet::Bonus, "Bonus Caracteristique|Force|Inné", 1},
    {"Manuel augmentation caracteristique dexterité", Effet::Bonus, "Bonus Caracteristique|Dextérité|Inné", 1},
    {"Manuel augmentation caracteristique constitution", Effet::Bonus, "Bonus Caracteristique|Constitution|Inné", 1},
    {"Manuel augmentation caracteristique intelligence", Effet::Bonus, "Bonus Caracteristique|Intelligence|Inné", 1},
    {"Manuel augmentation caracteristique sagesse", Effet::Bonus, "Bonus Caracteristique|Sagesse|Inné", 1},
    {"Manuel augmentation caracteristique charisme", Effet::Bonus, "Bonus Caracteristique|Charisme|Inné", 1},
    {"Force surhumaine", Effet::Bonus, "Bonus Caracteristique|Force|Surhumain", 2},
    {"Dexterite surhumaine", Effet::Bonus, "Bonus Caracteristique|Dextérité|Surhumain", 2},
    {"Constitution surhumaine", Effet::Bonus, "Bonus Caracteristique|Constitution|Surhumain", 2},
    {"Intelligence surhumaine", Effet::Bonus, "Bonus Caracteristique|Intelligence|Surhumain", 2},
    {"Sagesse surhumaine", Effet::Bonus, "Bonus Caracteristique|Sagesse|Surhumain", 2},
    {"Charisme surhumain", Effet::Bonus, "Bonus Caracteristique|Charisme|Surhumain", 2},
};

// Dons qui se lisent comme des capacités.
const EntreeCatalogue kDonsCapacites[] = {
    {"Fureur de la tigresse", Effet::Compteur, "Nombre de rage : ", 1},
    {"Rage de grand berserker", Effet::Compteur, "Effet de la rage : Force : +", 2},
    {"Rage de maître berserker", Effet::Compteur, "Effet de la rage : Force : +", 2},
};

void applique(const EntreeCatalogue& e, const LigneCapacite* ligne, TypeCapacites& resume, ListeBonus& bonus)
{
    const QString texte = QString::fromUtf8(e.texte);
    switch (e.effet) {
    case Effet::Compteur:
        resume.Compteurs[texte] += Entier16(e.valeur);
        break;
    case Effet::CompteurValeur:
        // Une valeur non numérique compte pour 0.
        if (ligne && Val(ligne->Niveau) == 1)
            resume.Compteurs[texte] += Entier16(CInt(Val(ligne->Valeur)));
        break;
    case Effet::Drapeau:
        resume.Drapeaux.insert(texte);
        break;
    case Effet::Immunite:
        if (!resume.Immunites.contains(texte))
            resume.Immunites.append(texte);
        break;
    case Effet::ImmunitesType:
        for (const char* i : kImmunitesMortVivant)
            if (!resume.Immunites.contains(QString::fromUtf8(i)))
                resume.Immunites.append(QString::fromUtf8(i));
        break;
    case Effet::NoteJS:
        resume.NotesJS.append(texte);
        break;
    case Effet::NoteCA:
        resume.NotesCA.append(texte);
        break;
    case Effet::Bonus: {
        const QStringList p = texte.split(u'|');
        AjouteBonus(bonus, QString::fromUtf8(e.nom), p.at(0), p.at(1), p.at(2), QString::number(e.valeur));
        break;
    }
    case Effet::Taille:
        resume.Taille = texte;
        break;
    }
}

void appliqueNom(const QString& nom, const auto& catalogue, const LigneCapacite* ligne, TypeCapacites& resume,
                 ListeBonus& bonus)
{
    for (const EntreeCatalogue& e : catalogue)
        if (nom == QString::fromUtf8(e.nom))
            applique(e, ligne, resume, bonus);
}

} // namespace

void AnalyseCapacites(const TypeRace& race, TypeCapacites& resume, const TypePersonnage& p,
                      const ListeCapacitesPerso& capacites, const QStringList& dons, ListeBonus& bonus)
{
    resume = TypeCapacites{};
    // Les morts-vivants et les créatures artificielles ont d'office leurs immunités de type.
    if (race.Type == u"Mort-vivant" || race.Type == u"Créature artificielle")
        applique({"", Effet::ImmunitesType, "", 0}, nullptr, resume, bonus);
    for (const LigneCapacite& c : capacites)
        if (AppartientA(c, p.Nom))
            appliqueNom(c.Nom, kCatalogue, &c, resume, bonus);
    for (const QString& don : dons)
        appliqueNom(don, kDonsCapacites, nullptr, resume, bonus);
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

QString CapaciteSort(BaseDonnees& programme, const QString& nom, int niveau)
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
