#include "BudgetCompetences.h"
#include "rules/Archetypes.h"
#include "rules/InfoClasse.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "sheet/ListeCompetence.h"
#include "sheet/ListeDon.h"
#include "shell/db/BaseDonnees.h"

#include <algorithm>

namespace {

constexpr int kColonneInt = 3;   // For, Dex, Con, Int, Sag, Cha

int niveauDansClasse(const NiveauEdite& n)
{
    return int(Val(n.niveau));
}

int modificateurRaceInt(BaseDonnees& programme, const PersonnageEdite& p)
{
    TypeRace race;
    ChargeRace(programme, race, p.race);
    return race.Int;
}

// Points de base de la classe du niveau, selon l'archétype pour les niveaux de type de créature.
int pointsBase(const QString& archetype, const QString& classe, int pointsClasse)
{
    if (!EstTypeCreature(classe))
        return pointsClasse;
    if (archetype == u"Demi-dragon" || archetype == u"Demi-fée")
        return std::max(6, pointsClasse);
    if (archetype == u"Demi-céleste" || archetype == u"Demi-fiélon")
        return 8;
    return pointsClasse;
}

// Nombre de fois qu'un don est dans la liste de la fiche à tel niveau (ou, pour aPartir, jusqu'à lui).
int donsAuNiveau(const QVector<LigneDon>& dons, const char* nom, int niveau, bool aPartir)
{
    const QString n = QString::fromUtf8(nom);
    return int(std::count_if(dons.cbegin(), dons.cend(), [&](const LigneDon& d) {
        if (QString::compare(d.Nom, n, Qt::CaseInsensitive) != 0)
            return false;
        return aPartir ? int(d.Niveau) <= niveau : int(d.Niveau) == niveau;
    }));
}

} // namespace

QString ArchetypeEdite(const PersonnageEdite& p)
{
    return p.identite.value(QStringLiteral("Archetype"));
}

QString ControleChargement(BaseDonnees& programme, const PersonnageEdite& p, int ligneNiveau)
{
    if (ligneNiveau < 0 || ligneNiveau >= p.niveaux.size())
        return QString::fromUtf8(kMessageLigneNiveau);
    TypeRace race;
    if (!p.race.isEmpty())
        ChargeRace(programme, race, p.race);
    if (race.RACE.isEmpty())
        return QString::fromUtf8(kMessageRaceAbsente);
    // L'intelligence du personnage : modificateur de race et valeur de départ saisie.
    if (int(race.Int) + int(Val(p.niveaux.at(0).caracs[kColonneInt])) == 0)
        return QString::fromUtf8(kMessageIntelligenceAbsente);
    const auto lignes = p.niveaux.mid(0, ligneNiveau + 1);
    if (std::any_of(lignes.cbegin(), lignes.cend(), [](const NiveauEdite& n) { return n.classe.trimmed().isEmpty(); }))
        return QString::fromUtf8(kMessageClasseAbsente);
    if (std::any_of(lignes.cbegin(), lignes.cend(), [](const NiveauEdite& n) { return niveauDansClasse(n) < 1; }))
        return QString::fromUtf8(kMessageNiveauAbsent);
    for (const NiveauEdite& n : lignes)
        if (InfoClasse(programme, n.classe, 0).Classe.isEmpty())
            return QString::fromUtf8(kMessageClasseInconnue);
    return {};
}

int IntelligenceNiveau(BaseDonnees& programme, const PersonnageEdite& p, int niveau)
{
    int intelligence = modificateurRaceInt(programme, p);
    int bonusClasse = 0;
    for (int l = 1; l <= niveau && l <= p.niveaux.size(); ++l) {
        const NiveauEdite& n = p.niveaux.at(l - 1);
        intelligence += int(Val(n.caracs[kColonneInt]));
        bonusClasse = std::max(bonusClasse, int(InfoClasse(programme, n.classe, niveauDansClasse(n)).BonusIntelligence));
    }
    const int modif = niveau >= 1 && niveau <= p.niveaux.size() ? int(Val(p.niveaux.at(niveau - 1).modifInt)) : 0;
    return intelligence + bonusClasse + modif;
}

int BudgetCompetences(BaseDonnees& programme, const PersonnageEdite& p, int niveau, const Fiche& fiche)
{
    const QString archetype = ArchetypeEdite(p);
    if (archetype == u"Squelette" || archetype == u"Zombi")
        return 0;
    TypeRace race;
    ChargeRace(programme, race, p.race);
    const bool sansIntelligence = fiche.Caracteristiques[kColonneInt].Total == u"-";
    const int supplementaire = ExistInDonPerso(fiche.Dons, QStringLiteral("Point de compétence supplémentaire")) ? 1 : 0;
    int budget = 0;
    for (int l = 1; l <= niveau && l <= p.niveaux.size(); ++l) {
        const NiveauEdite& n = p.niveaux.at(l - 1);
        const int pointsClasse = InfoClasse(programme, n.classe, niveauDansClasse(n)).CompetenceNiveauSupp;
        int points = 0;
        if (!sansIntelligence && pointsClasse != 0) {
            points = pointsBase(archetype, n.classe, pointsClasse) + BonusCarac(IntelligenceNiveau(programme, p, l))
                     + int(race.Competence) + supplementaire;
            points = std::max(1, points);
        }
        budget += l == 1 ? 4 * points : points;
        budget += 5 * donsAuNiveau(fiche.Dons, "Ouvert d'esprit", l, false);
        budget -= 2 * donsAuNiveau(fiche.Dons, "Skill tricks", l, false);
        budget += donsAuNiveau(fiche.Dons, "Baiser de la nymphe", l, true);
    }
    return budget;
}

int PointsDepensesAvant(const PersonnageEdite& p, int niveau)
{
    int points = 0;
    for (int l = 1; l < niveau && l <= p.niveaux.size(); ++l)
        for (const AchatCompetence& a : DecodeAchatsCompetence(p.niveaux.at(l - 1).competence))
            points += a.points;
    return points;
}

int PointDouble(const QVector<LigneDon>& donsFiche)
{
    return ExistInDonPerso(donsFiche, QStringLiteral("Able learner")) ? 1 : 2;
}
