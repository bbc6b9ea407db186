#pragma once
// Résumé de la fiche que donneraient les choix en cours de l'assistant, calculé par le calcul
// de la fiche sur une base de brouillon : la base de l'utilisateur n'est jamais touchée.
#include "GenerationCaracs.h"
#include "editor/EditionPersonnage.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <array>
#include <memory>

class BaseDonnees;

// Tirages gardés : chaque relecture rend la même suite (tirée à la demande), pour que le résumé
// montre les points de vie que l'enregistrement écrira.
class TiragesRetenus
{
public:
    explicit TiragesRetenus(Rnd source);
    Rnd relecture() const;

private:
    Rnd m_source;
    std::shared_ptr<QVector<double>> m_tirages;
};

struct ResumePersonnage
{
    QString refus;                 // message quand la fiche ne peut pas être calculée
    int pointsDeVie = 0;
    std::array<int, 3> jets{};     // Réflexe, Vigueur, Volonté
    int attaqueDeBase = 0;
    int classeArmure = 0;
    int pointsCompetence = 0;      // à répartir sur tous les niveaux
};

class ResumeAssistant
{
public:
    ResumeAssistant(BaseDonnees& programme, QString dossierProgramme);
    ~ResumeAssistant();
    ResumePersonnage calcule(const PersonnageEdite& personnage, const QStringList& races);

private:
    BaseDonnees& m_programme;
    QString m_dossierProgramme;
    QTemporaryDir m_dossier;
    std::unique_ptr<BaseDonnees> m_brouillon;
};
