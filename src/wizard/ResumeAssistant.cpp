#include "ResumeAssistant.h"
#include "allocation/BudgetCompetences.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"

TiragesRetenus::TiragesRetenus(Rnd source) : m_source(std::move(source)), m_tirages(std::make_shared<QVector<double>>())
{
}

Rnd TiragesRetenus::relecture() const
{
    auto position = std::make_shared<qsizetype>(0);
    return [source = m_source, tirages = m_tirages, position] {
        if (*position >= tirages->size())
            tirages->append(source());
        return tirages->at((*position)++);
    };
}

ResumeAssistant::ResumeAssistant(BaseDonnees& programme, QString dossierProgramme)
    : m_programme(programme), m_dossierProgramme(std::move(dossierProgramme))
{
}

ResumeAssistant::~ResumeAssistant() = default;

ResumePersonnage ResumeAssistant::calcule(const PersonnageEdite& p, const QStringList& races)
{
    if (!m_brouillon) {
        m_brouillon = BaseDonnees::cree(m_dossier.filePath(QStringLiteral("brouillon.db")));
        creeBasePersonnages(*m_brouillon, m_programme);
    }
    ResumePersonnage r;
    // Écrit puis calcule dans une transaction jamais validée : le brouillon reste vide.
    Transaction brouillon(*m_brouillon);
    if (const auto refus = Enregistre(*m_brouillon, m_programme, p, races)) {
        r.refus = refus->message;
        return r;
    }
    Fiche fiche;
    SaisiesFiche saisies;
    saisies.Capacites = ChargeCapacitesPerso(*m_brouillon, m_programme, p.nom);
    if (!RetrouveFiche({*m_brouillon, m_programme, m_dossierProgramme}, p.nom, saisies, fiche)) {
        r.refus = MessageRefusFiche(fiche);
        return r;
    }
    r.pointsDeVie = fiche.PointsDeVie;
    for (int i = 0; i < 3; ++i)
        r.jets[i] = fiche.Jets[i].Final;
    r.attaqueDeBase = fiche.AttaqueDeBase;
    r.classeArmure = fiche.ClasseArmure.Total;
    r.pointsCompetence = BudgetCompetences(m_programme, p, int(p.niveaux.size()), fiche);
    return r;
}
