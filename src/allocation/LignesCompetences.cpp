#include "LignesCompetences.h"
#include "BudgetCompetences.h"
#include "sheet/ListeCompetence.h"
#include "sheet/ListeDon.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"

#include <QSet>
#include <algorithm>

namespace {

// Compétences de classe que donne chaque dragon totem.
struct Totem
{
    const char* couleur;
    const char* competences[3];
};
const Totem kTotems[] = {
    {"Blanc", {"Déplacement silencieux", "Natation", "Discrétion"}},
    {"Bleu", {"Bluff", "Art de la magie", "Discrétion"}},
    {"Noir", {"Déplacement silencieux", "Natation", "Discrétion"}},
    {"Rouge", {"Estimation", "Bluff", "Saut"}},
    {"Vert", {"Déplacement silencieux", "Bluff", "Discrétion"}},
    {"Airain", {"Bluff", "Renseignements", "Survie"}},
    {"Argent", {"Bluff", "Déguisement", "Saut"}},
    {"Bronze", {"Déguisement", "Natation", "Survie"}},
    {"Cuivre", {"Bluff", "Discrétion", "Saut"}},
    {"Or", {"Déguisement", "Premiers secours", "Natation"}},
};

const char* const kSociales[] = {"Bluff", "Diplomatie", "Intimidation", "Psychologie", "Renseignements"};
const char* const kDuperie[] = {"Bluff", "Déguisement", "Discrétion"};

QString u8(const char* texte)
{
    return QString::fromUtf8(texte);
}

template <std::size_t N>
bool parmi(const char* const (&liste)[N], const QString& nom)
{
    return std::any_of(std::begin(liste), std::end(liste), [&](const char* n) { return nom == QString::fromUtf8(n); });
}

class Constructeur
{
public:
    explicit Constructeur(const ContexteLignes& c)
        : m_c(c), m_p(c.personnage), m_ligne(c.personnage.niveaux.at(c.niveau - 1)), m_classe(m_ligne.classe)
    {
    }

    QVector<LigneAllocation> construit()
    {
        const bool colonne = ColonneClasseCompetence(m_c.programme, m_classe);
        const QString race = m_p.race;
        // Classes prises jusqu'au niveau affecté qui ont leur colonne dans la table.
        QSet<QString> classesAvant;
        for (int l = 0; l < m_c.niveau; ++l)
            if (ColonneClasseCompetence(m_c.programme, m_p.niveaux.at(l).classe))
                classesAvant.insert(m_p.niveaux.at(l).classe);

        QVector<LigneAllocation> lignes;
        for (const Ligne& s : m_c.programme.selectionne(QStringLiteral("select * from Competence order by nom"))) {
            if (lignes.size() >= kLignesCompetences)
                break;
            LigneAllocation l;
            l.NomRegle = s.texte(QStringLiteral("Nom"));
            l.Affiche = l.NomRegle;
            l.Numero = s.entier(QStringLiteral("n°"));
            const int valeur = colonne ? s.entier(m_classe) : 0;
            if (valeur == 1)
                vert(l, " (classe)");
            else if (valeur == -1)
                l.Active = false;
            sources(l, race);
            if (l.Statut == StatutCompetence::HorsClasse)
                for (const QString& autre : classesAvant)
                    if (s.entier(autre) == 1)
                        l.Statut = StatutCompetence::AutreClasse;
            lignes.append(l);
        }
        achats(lignes);
        return lignes;
    }

private:
    static void vert(LigneAllocation& l, const char* suffixe)
    {
        l.Statut = StatutCompetence::Classe;
        l.Affiche += u8(suffixe);
    }

    bool aDon(const char* don) const { return ExistInDonPerso(m_c.donsFiche, u8(don)); }

    bool domaine(const char* nom) const
    {
        for (int k = 1; k <= 4; ++k)
            if (m_p.identite.value(QStringLiteral("Domaine_%1").arg(k)) == u8(nom))
                return true;
        return false;
    }

    // Sources qui font d'une compétence une compétence de classe, dans leur ordre.
    void sources(LigneAllocation& l, const QString& race)
    {
        const QString& s = l.NomRegle;
        const QString totem = m_p.identite.value(QStringLiteral("DragonTotem"));
        for (const Totem& t : kTotems)
            if (totem == u8(t.couleur) && parmi(t.competences, s))
                vert(l, " (Totem)");

        const Ligne rc = m_c.programme.premiere(
            QStringLiteral("select Rang from racecompetence where Classe=? and NOM=?"), {race, s});
        if (rc) {
            vert(l, " (race)");
            // Rangs de race posés d'office au premier niveau, tant que rien n'y est acheté.
            if (m_c.niveau == 1 && m_ligne.competence.isEmpty() && !rc.texte(QStringLiteral("Rang")).isEmpty())
                l.RangsNiveau = int(Val(rc.texte(QStringLiteral("Rang"))));
        }

        if (m_classe == u"Prêtre" || m_classe == u"Prêtre cloîtré") {
            if (domaine("Connaissance") && s.startsWith(QStringLiteral("Connaissance")))
                vert(l, " (Domaine)");
            if (domaine("Duperie") && parmi(kDuperie, s))
                vert(l, " (Domaine)");
            if ((domaine("Faune") || domaine("Flore")) && s == u"Connaissances (nature)")
                vert(l, " (Domaine)");
            if (domaine("Voyage") && s == u"Survie")
                vert(l, " (Domaine)");
        }

        // Classe de prédilection : verte au premier niveau de la classe, orange ensuite.
        const bool premierNiveau = int(Val(m_ligne.niveau)) == 1;
        const auto predilection = [&](const char* suffixe) {
            if (premierNiveau)
                vert(l, suffixe);
            else {
                l.Statut = StatutCompetence::AutreClasse;
                l.Affiche += u8(suffixe);
            }
        };
        if (m_classe == u"Magicien" && s == u"Fouille" && aDon("Magie Généraliste"))
            predilection(" (Elfe)");
        if (m_classe == u"Guerrier" && s == u"Connaissances (explo souterre)" && aDon("Prédilection pour les haches"))
            predilection(" (Nain)");

        if (m_classe == u"Magicien" && aDon("Compétence sociale") && parmi(kSociales, s))
            vert(l, " (Enchanteur)");
        if (ArchetypeEdite(m_p).contains(QStringLiteral("garou")) && s == u"Contrôle de forme")
            vert(l, " (garou)");
    }

    // Rangs des niveaux précédents et, pour le niveau affecté, ceux qui y sont déjà achetés.
    void achats(QVector<LigneAllocation>& lignes) const
    {
        for (int n = 1; n <= m_c.niveau; ++n)
            for (const AchatCompetence& a : DecodeAchatsCompetence(m_p.niveaux.at(n - 1).competence))
                for (LigneAllocation& l : lignes)
                    if (l.Numero == a.numero) {
                        if (n < m_c.niveau)
                            l.RangsAvant += a.rangs;
                        else
                            l.RangsNiveau = a.rangs;
                    }
    }

    const ContexteLignes& m_c;
    const PersonnageEdite& m_p;
    const NiveauEdite& m_ligne;
    QString m_classe;
};

} // namespace

bool ColonneClasseCompetence(BaseDonnees& programme, const QString& classe)
{
    return !classe.isEmpty() && programme.ExisteChamp(QStringLiteral("Competence"), classe);
}

QVector<LigneAllocation> LignesCompetences(const ContexteLignes& contexte)
{
    return Constructeur(contexte).construit();
}

int AllocationCompetences::maximumRangs(int i) const
{
    return Lignes.at(i).Statut == StatutCompetence::HorsClasse ? (Niveau + 3) / 2 : Niveau + 3;
}

int AllocationCompetences::coutRang(int i) const
{
    return Lignes.at(i).Statut == StatutCompetence::Classe ? 1 : PointDouble;
}

int AllocationCompetences::depense() const
{
    int points = 0;
    for (int i = 0; i < Lignes.size(); ++i)
        if (Lignes.at(i).RangsNiveau > 0)
            points += Lignes.at(i).RangsNiveau * coutRang(i);
    return points;
}

bool AllocationCompetences::CanUp(int i) const
{
    const LigneAllocation& l = Lignes.at(i);
    if (!l.Active || l.RangsAvant + l.RangsNiveau + 1 > maximumRangs(i))
        return false;
    return ARepartir >= coutRang(i) + depense();
}

bool AllocationCompetences::SpinUp(int i)
{
    if (!CanUp(i))
        return false;
    ++Lignes[i].RangsNiveau;
    return true;
}

bool AllocationCompetences::SpinDown(int i)
{
    if (Lignes.at(i).RangsNiveau <= 0)
        return false;
    --Lignes[i].RangsNiveau;
    return true;
}

QString AllocationCompetences::ChaineAchats() const
{
    QString chaine;
    for (int i = 0; i < Lignes.size(); ++i) {
        const LigneAllocation& l = Lignes.at(i);
        if (l.RangsNiveau > 0)
            chaine += QStringLiteral("%1-%2-%3|").arg(l.Numero).arg(l.RangsNiveau * coutRang(i)).arg(l.RangsNiveau);
    }
    return chaine;
}

QString NomDescriptionCompetence(const QString& affiche)
{
    qsizetype coupe = affiche.indexOf(u'(');
    if (affiche.startsWith(QStringLiteral("Représentation")) || affiche.startsWith(QStringLiteral("Connaissance")))
        coupe = coupe < 0 ? -1 : affiche.indexOf(u'(', coupe + 1);
    QString nom = (coupe < 0 ? affiche : affiche.left(coupe)).trimmed();
    if (nom.startsWith(QStringLiteral("Artisanat ")))
        return QStringLiteral("Artisanat 1");
    if (nom.startsWith(QStringLiteral("Profession ")))
        return QStringLiteral("Profession 1");
    return nom;
}
