#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "shell/db/SchemaPerso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

std::unique_ptr<BaseDonnees> baseProgrammeLivree()
{
    const QString chemin = QDir(dossierProgramme()).filePath(QStringLiteral("tessarys.db"));
    return QFileInfo::exists(chemin) ? BaseDonnees::ouvre(chemin) : nullptr;
}

std::unique_ptr<BaseDonnees> basePersonnagesTest(const DossierTest& dossier, BaseDonnees& programme, const QString& nom)
{
    auto perso = BaseDonnees::cree(dossier.chemin(nom));
    creeBasePersonnages(*perso, programme);
    return perso;
}

void ajoutePersonnageFiche(BaseDonnees& perso, const QString& nom, const QVector<NiveauTest>& niveaux,
                           const QVariantMap& champs)
{
    static const char* const colonnes[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};
    Transaction t(perso);
    QStringList classes;
    QVector<int> parClasse;
    for (int niv = 1; niv <= niveaux.size(); ++niv) {
        const NiveauTest& n = niveaux.at(niv - 1);
        qsizetype k = classes.indexOf(n.classe);
        if (k < 0) {
            classes.append(n.classe);
            parClasse.append(0);
            k = classes.size() - 1;
        }
        ++parClasse[k];
        QVariantMap ligne{{"Nom", nom}, {"Niveau", parClasse[k]}, {"Classe", n.classe}, {"PV", n.pv}, {"niv", niv}};
        for (int i = 0; i < 6; ++i)
            ligne.insert(QLatin1String(colonnes[i]), n.caracs[i]);
        perso.ajoute(QStringLiteral("PersonnageProgression"), ligne);
    }
    QVariantMap fiche = champs;
    fiche.insert(QStringLiteral("Nom"), nom);
    for (qsizetype k = 0; k < classes.size(); ++k) {
        fiche.insert(QStringLiteral("Classe_%1").arg(k + 1), classes.at(k));
        fiche.insert(QStringLiteral("Niv_%1").arg(k + 1), parClasse.at(k));
    }
    perso.ajoute(QStringLiteral("Personnage"), fiche);
    t.valide();
}

void ajouteClasseRegles(BaseDonnees& programme, const QString& classe)
{
    programme.ajoute(QStringLiteral("Classe"), {{"Classe", classe}, {"Type", "Prestige"}, {"ClasseMaitre", classe}});
}

void ajouteAldo(BaseDonnees& perso)
{
    // Valeurs de départ 15, 14, 13, 10, 12, 8 ; +1 en Force au niveau 4.
    ajoutePersonnageFiche(perso, QStringLiteral("Aldo"),
                          {{"Guerrier", 10, {15, 14, 13, 10, 12, 8}}, {"Guerrier", 6}, {"Guerrier", 6},
                           {"Guerrier", 6, {1, 0, 0, 0, 0, 0}}, {"Roublard", 4}, {"Roublard", 4}, {"Roublard", 4}},
                          {{"RACE", "Humain"}, {"Sexe", "M"}, {"Age", 25}, {"Cheveux", "bruns"}, {"Yeux", "verts"},
                           {"Taille", 180}, {"Poids", 80}, {"Dieu", "Heironéous"}});
}

void equipeTest(BaseDonnees& perso, const QString& nom, const QVector<ObjetPorte>& objets)
{
    int pos = 0;
    for (const ObjetPorte& o : objets)
        perso.ajoute(QStringLiteral("Equipement"),
                     {{"Personnage", nom}, {"NomObjet", o.objet}, {"Pos", ++pos}, {"SurPersonnage", true},
                      {"Place", o.place >= 0 ? QVariant(o.place) : QVariant()}});
}

Fiche calculeFiche(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, const SaisiesFiche& saisies)
{
    Fiche f;
    if (!RetrouveFiche({perso, programme, dossierProgramme()}, nom, saisies, f))
        qWarning("fiche de %s refusée", qPrintable(nom));
    return f;
}

LigneDon donTest(const QString& nom, const QString& specialite)
{
    LigneDon d;
    d.Nom = nom;
    d.Specialite = specialite;
    d.Affiche = specialite.isEmpty() ? nom : nom + QStringLiteral(" [") + specialite + u']';
    return d;
}

bool TestFicheBase::ouvreBases(bool copie)
{
    m_programme = baseProgrammeLivree();
    if (!m_programme)
        return false;
    if (copie) {
        const QString chemin = m_dossier.chemin(QStringLiteral("regles.db"));
        if (!QFile::copy(m_programme->chemin(), chemin))
            return false;
        m_programme = BaseDonnees::ouvre(chemin);
    }
    m_perso = basePersonnagesTest(m_dossier, *m_programme);
    return true;
}

QVector<NiveauTest> niveaux(const QString& classe, int n, std::array<int, 6> caracs, int pv)
{
    QVector<NiveauTest> v(n, NiveauTest{classe, pv});
    v[0].caracs = caracs;
    return v;
}

void choisit(BaseDonnees& perso, const QString& nom, const QString& classe, int niveau, const QString& don,
             const QString& specialite)
{
    perso.ajoute(QStringLiteral("PersonnageDons"), {{"Nom", nom}, {"Classe", classe}, {"Niveau", niveau}, {"dons", don},
                                                     {"Libelle", specialite.isEmpty() ? QVariant() : specialite}});
}
