#include "Allocation.h"
#include "editor/NiveauxPersonnage.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"
#include "shell/db/BaseDonnees.h"

#include <QStringList>
#include <algorithm>

namespace {

const char* const kOctroiChoisi = "Don sélectionné";

// Partie fixe du profil : caractéristiques et attaque de la fiche, classes jusqu'au niveau,
// noms de toutes les classes et de tous les dons.
void profilFixe(BaseDonnees& programme, const PersonnageEdite& p, const Fiche& fiche, bool ficheCalculee, Allocation& a)
{
    ProfilConditions& profil = a.Profil;
    for (int i = 0; i < 6; ++i)
        profil.Caracs[i] = ficheCalculee ? fiche.Caracteristiques[i].Total : QString();
    profil.AttaqueDeBase = fiche.AttaqueDeBase;
    profil.AttaqueConnue = ficheCalculee;
    for (int l = 0; l < a.Niveau; ++l)
        ++profil.Classes[p.niveaux.at(l).classe.toUpper()];
    for (const Ligne& c : programme.selectionne(QStringLiteral("select Classe from Classe")))
        profil.ClassesConnues.insert(c.texte(QStringLiteral("Classe")).toUpper());
    for (const Ligne& d : programme.selectionne(QStringLiteral("select Nom, Condition from Dons"))) {
        const QString nom = d.texte(QStringLiteral("Nom")).toUpper();
        profil.DonsConnus.insert(nom);
        if (!d.texte(QStringLiteral("Condition")).isEmpty())
            a.Conditions.insert(nom, d.texte(QStringLiteral("Condition")));
    }
}

void marque(GrilleDons& grille, const Allocation& a)
{
    for (LigneChoixDon& d : grille)
        d.ConditionNonRemplie = ConditionNonRemplie(a.Conditions.value(d.Nom.toUpper()), a.Profil);
}

} // namespace

QString ChargeAllocation(const ContexteAllocation& c, Allocation& a)
{
    const PersonnageEdite& p = c.personnage;
    if (const QString refus = ControleChargement(c.programme, p, c.ligneNiveau); !refus.isEmpty())
        return refus;
    a = Allocation{};
    a.Niveau = c.ligneNiveau + 1;
    a.Classe = p.niveaux.at(c.ligneNiveau).classe;

    // La fiche du personnage tel qu'il est enregistré : ses dons et son Intelligence totale.
    Fiche fiche;
    SaisiesFiche saisies;
    bool ficheCalculee = false;
    if (c.perso.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {p.nom})) {
        saisies.Capacites = ChargeCapacitesPerso(c.perso, c.programme, p.nom);
        ficheCalculee = RetrouveFiche({c.perso, c.programme, c.dossierProgramme}, p.nom, saisies, fiche);
    }
    a.DonsFiche = fiche.Dons;

    a.Budget = BudgetCompetences(c.programme, p, a.Niveau, fiche);
    a.DepensesAvant = PointsDepensesAvant(p, a.Niveau);
    a.TableMalParametree = !ColonneClasseCompetence(c.programme, a.Classe);

    a.Competences.Niveau = a.Niveau;
    a.Competences.ARepartir = a.Budget - a.DepensesAvant;
    a.Competences.PointDouble = PointDouble(a.DonsFiche);
    a.Competences.Lignes = LignesCompetences({c.programme, p, a.Niveau, a.DonsFiche});

    a.DonsAccordes = donsAttendus(c.programme, a.Classe, int(Val(p.niveaux.at(c.ligneNiveau).niveau)), a.Niveau, p.race);
    const ContexteDonsAllocation dons{c.perso, c.programme, p, a.Niveau, a.DonsFiche};
    a.Pris = DonsPris(dons);
    a.Possibles = DonsPossibles(dons, a.Pris);
    profilFixe(c.programme, p, fiche, ficheCalculee, a);
    MarqueConditions(a);
    return {};
}

void MarqueConditions(Allocation& a)
{
    ProfilConditions& profil = a.Profil;
    profil.Rangs.clear();
    for (const LigneAllocation& l : a.Competences.Lignes)
        profil.Rangs.insert(l.NomRegle.toUpper(), l.RangsAvant + l.RangsNiveau);
    // Dons du personnage jusqu'à ce niveau : ceux de la fiche hors choix, et ceux de vs1.
    profil.Dons.clear();
    for (const LigneDon& d : a.DonsFiche)
        if (d.Octroi != QString::fromUtf8(kOctroiChoisi) && int(d.Niveau) <= a.Niveau)
            profil.Dons.insert(d.Nom.toUpper());
    for (const LigneChoixDon& d : a.Pris)
        profil.Dons.insert(d.Nom.toUpper());
    marque(a.Pris, a);
    marque(a.Possibles, a);
}

int DonsChoisis(const Allocation& a)
{
    return int(std::count_if(a.Pris.cbegin(), a.Pris.cend(), [&](const LigneChoixDon& d) { return d.Niveau == a.Niveau; }));
}

QString TexteDonsChoisis(const Allocation& a)
{
    const int choisis = DonsChoisis(a);
    return (choisis > 1 ? QStringLiteral("%1 dons choisis sur %2") : QStringLiteral("%1 don choisi sur %2"))
        .arg(choisis)
        .arg(a.DonsAccordes);
}

NiveauEdite NiveauAffecte(const Allocation& a, const NiveauEdite& depart)
{
    NiveauEdite ligne = depart;
    ligne.competence = a.Competences.ChaineAchats();
    EcritDons(a.Pris, a.Niveau, ligne);
    return ligne;
}

QString DescriptionCompetence(BaseDonnees& programme, const QString& affiche)
{
    const QString nom = NomDescriptionCompetence(affiche);
    const Ligne l = programme.cherche(QStringLiteral("Competence"), QStringLiteral("PrimaryKey"), {nom});
    if (!l)
        return nom;
    return nom + QStringLiteral("\n\n") + l.texte(QStringLiteral("Description"));
}

QString DescriptionDon(BaseDonnees& programme, const QString& nom)
{
    const Ligne d = programme.cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {nom});
    if (!d)
        return nom;
    QStringList parties{nom};
    const auto ajoute = [&](const char* titre, const char* champ) {
        const QString texte = d.texte(QString::fromUtf8(champ)).trimmed();
        if (!texte.isEmpty())
            parties.append(QString::fromUtf8(titre) + texte);
    };
    ajoute("Type : ", "Genre");
    ajoute("Source : ", "Source");
    ajoute("Conditions : ", "Condition");
    ajoute("", "Résumé");
    ajoute("Avantage : ", "Explication");
    ajoute("Normal : ", "NORMAL");
    ajoute("Spécial : ", "Spécial");
    return parties.join(QStringLiteral("\n\n"));
}
