#include "NotesFiche.h"
#include "EquipementCA.h"
#include "shell/TextesCalcul.h"

#include <algorithm>

namespace {

QString u8(const char* s) { return Litteral(s); }

// Éléments de la note des jets, dans l'ordre d'écriture : chacun suivi du total des capacités,
// des dons et des bonus conditionnels de la liste.
const char* const kElementsJS[] = {
    "Sort divin et pouvoir des extérieurs : ", "Elément bois +", "Elément terre +", "Elément eau +",
    "Elément métal +", "Elément feu +", "Pièges (Réflexe) +", "Poison +", "Son +", "Pétrification +",
    "Enchantement +", "Illusion +", "Terreur +", "Charme +", "Sommeil +", "Paralysie +", "Maladie +",
    "Effet de mort +", "Loi +", "Bien +", "Mal +", "Chaos +",
    // Écoles de magie, puis les éléments que l'analyse des capacités compte aussi.
    "Abjuration +", "Divination +", "Evocation +", "Invocation +", "Nécromancie +", "Transmutation +",
    "Sorts et pouvoirs magiques +", "Effets mentaux +"};

// Éléments de la note de classe d'armure comptés par l'analyse des capacités : "+" total + élément.
const char* const kElementsCA[] = {" d'esquive contre les pièges", " d'esquive contre un adversaire en mêlée"};

// Traits reçus comme dons que le catalogue des capacités ne connaît pas.
struct BonusDon
{
    const char* don;
    const char* element;
    int valeur;
};
const BonusDon kBonusJSDons[] = {
    {"Sérénité", "Enchantement +", 2},
    {"Bonus elfique contre les enchantements", "Enchantement +", 2},
};

struct TexteDon
{
    const char* don;
    const char* texte;
};
const TexteDon kNotesJSDons[] = {
    {"Résistance à l'appel de la nature", "+4 contre les pouvoirs magiques des fées"},
    {"Grâce", "+2 en Réflexes sans armure ni bouclier"},
    {"Volonté indomptable", "+4 en Volonté contre les enchantements pendant la rage"},
};
const TexteDon kImmunitesDons[] = {
    {"Corps de diamant", "Poisons"},
};
const TexteDon kNotesCADons[] = {
    {"Esquive", "+1 d'esquive contre l'adversaire choisi"},
    {"Esquive instinctive", "garde son bonus de Dextérité à la CA quand il est pris au dépourvu"},
    {"Esquive instinctive supérieure", "ne peut pas être pris en tenaille"},
    {"Entraînement défensif contre les géants", "+4 d'esquive contre les géants"},
    {"Défense astucieuse", "Intelligence à la CA avec une arme légère, sans armure ni bouclier"},
    {"Mobilité accrue", "+4 contre les attaques d'opportunité en se déplaçant"},
    {"Parade élaborée", "+1 d'esquive par niveau de duelliste en combat sur la défensive"},
};

// Cibles ordinaires : un bonus de la liste sur une autre cible ne vaut que dans un cas particulier.
const char* const kJets[] = {"Réflexe", "Vigueur", "Volonté"};
const char* const kComposantesCA[] = {"Armure",     "Alteration Armure", "Naturelle",      "Alteration Naturelle",
                                      "Parade",     "Esquive",           "Force Armure",   "Force Bouclier",
                                      "Chance",     "Intuition",         "CA Divers",      "Bouclier",
                                      "Alteration Bouclier"};

template <std::size_t N>
bool parmi(const QString& cible, const char* const (&liste)[N])
{
    return std::any_of(std::begin(liste), std::end(liste), [&](const char* c) { return cible == u8(c); });
}

// Bonus de la liste du genre donné sur des cibles hors de la liste ordinaire, avec leur somme
// selon les règles de cumul, dans l'ordre de première apparition.
template <std::size_t N>
QVector<std::pair<QString, int>> bonusConditionnels(const ListeBonus& bonus, const QString& genre,
                                                    const char* const (&ordinaires)[N])
{
    QVector<std::pair<QString, int>> resultat;
    QStringList vues;
    for (const TypeBonus& b : bonus) {
        if (b.Genre != genre || b.Cible.isEmpty() || parmi(b.Cible, ordinaires) || vues.contains(b.Cible))
            continue;
        vues << b.Cible;
        const int somme = SommeBonus(bonus, genre, b.Cible).nombre;
        if (somme != 0)
            resultat.append({b.Cible, somme});
    }
    return resultat;
}

void ajouteUnique(QStringList& liste, const QString& texte)
{
    if (!liste.contains(texte))
        liste.append(texte);
}

} // namespace

TypeCapacites ResumeAvecDons(const Fiche& f, const ListeCapacitesPerso& capacites)
{
    ListeCapacitesPerso lignes = capacites;
    for (const LigneDon& d : f.Dons) {
        const bool prise = std::any_of(capacites.cbegin(), capacites.cend(), [&](const LigneCapacite& c) {
            return AppartientA(c, f.Personnage.Nom) && QString::compare(c.Nom, d.Nom, Qt::CaseInsensitive) == 0;
        });
        if (prise)
            continue;
        LigneCapacite l;
        l.Nom = d.Nom;
        l.Libelle = d.Affiche;
        l.Personnage = f.Personnage.Nom;
        lignes.append(l);
    }
    // Les bonus chiffrés sont déjà dans la liste de la fiche : ceux-ci ne servent à rien ici. Les
    // dons sont déjà des lignes : ils ne passent pas une seconde fois comme dons.
    ListeBonus ignores;
    TypeCapacites resume;
    AnalyseCapacites(f.Race, resume, f.Personnage, lignes, {}, ignores);
    return resume;
}

QStringList ElementsNoteCA(const Fiche& f, const TypeCapacites& resume)
{
    QStringList elements;
    for (const char* e : kElementsCA) {
        const int v = resume.compteur(u8(e));
        if (v != 0)
            elements << QStringLiteral("+%1").arg(v) + u8(e);
    }
    for (const QString& note : resume.NotesCA)
        ajouteUnique(elements, note);
    QStringList dons = f.nomsDons();
    // L'esquive instinctive reçue de deux classes devient l'esquive instinctive supérieure.
    if (dons.count(QStringLiteral("Esquive instinctive")) >= 2)
        dons << QStringLiteral("Esquive instinctive supérieure");
    // La défense astucieuse déjà comptée dans la Dextérité ne se redit pas.
    if (DefenseAstucieuse(f) > 0)
        dons.removeAll(QStringLiteral("Défense astucieuse"));
    for (const TexteDon& d : kNotesCADons)
        if (dons.contains(u8(d.don)))
            ajouteUnique(elements, u8(d.texte));
    for (const auto& [cible, v] : bonusConditionnels(f.Bonus, QStringLiteral("Bonus Classe Armure"), kComposantesCA))
        elements << QStringLiteral("%1%2 %3").arg(v > 0 ? QStringLiteral("+") : QString()).arg(v).arg(cible);
    return elements;
}

QString NoteJetsSauvegarde(const Fiche& f, const TypeCapacites& resume)
{
    const QStringList dons = f.nomsDons();
    QHash<QString, int> totaux;
    for (const char* e : kElementsJS)
        totaux[u8(e)] = resume.compteur(u8(e));
    for (const BonusDon& b : kBonusJSDons)
        if (dons.contains(u8(b.don)))
            totaux[u8(b.element)] += b.valeur;
    // Un bonus de la liste sur "Poison" s'écrit avec l'élément "Poison +" ; un autre à la suite.
    QStringList autres;
    for (const auto& [cible, v] : bonusConditionnels(f.Bonus, QStringLiteral("Bonus Jet Sauvegarde"), kJets)) {
        const QString element = cible + QStringLiteral(" +");
        if (totaux.contains(element))
            totaux[element] += v;
        else
            autres << element + QString::number(v);
    }

    QStringList elements;
    for (const char* e : kElementsJS)
        if (totaux.value(u8(e)) != 0)
            elements << u8(e) + QString::number(totaux.value(u8(e)));
    elements += autres;
    for (const QString& note : resume.NotesJS)
        ajouteUnique(elements, note);
    for (const TexteDon& d : kNotesJSDons)
        // La grâce du duelliste sans armure ni bouclier est déjà dans le jet de Réflexes.
        if (dons.contains(u8(d.don)) && !(u8(d.don) == u"Grâce" && SansArmureNiBouclier(f)))
            ajouteUnique(elements, u8(d.texte));

    QStringList immunites = resume.Immunites;
    for (const TexteDon& d : kImmunitesDons)
        if (dons.contains(u8(d.don)))
            ajouteUnique(immunites, u8(d.texte));

    const QString virgule = QStringLiteral(", ");
    return QStringLiteral("Bonus aux JS : ") + elements.join(virgule) + QStringLiteral("\r\n")
           + QStringLiteral("Immunité : ") + immunites.join(virgule) + u'.';
}

void RemplitNotes(Fiche& f, const ListeCapacitesPerso& capacites)
{
    const TypeCapacites resume = ResumeAvecDons(f, capacites);
    QStringList elements = ElementsNoteCA(f, resume);
    // La note des intangibles, écrite plus tôt, reste en tête.
    if (!f.NoteCA.isEmpty())
        elements.prepend(f.NoteCA);
    f.NoteCA = elements.isEmpty() ? QString() : elements.join(QStringLiteral(", ")) + u'.';
    f.NoteJS = NoteJetsSauvegarde(f, resume);
}
