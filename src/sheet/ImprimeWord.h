#pragma once
// Export de la fiche calculée dans le dossier "Feuille" du programme, puis ouverture du
// fichier par l'application que le bureau associe à son type.
#include "ImpressionFiche.h"
#include "RetrouveFiche.h"

#include <QString>
#include <QUrl>
#include <functional>

inline constexpr const char* kErreurAffectation = "Erreur d'affectation document word";

// Ouvre le fichier écrit ; faux quand rien ne peut l'ouvrir.
using OuvreFichier = std::function<bool(const QUrl&)>;
bool OuvreAvecLeBureau(const QUrl& fichier);

struct ResultatImpression
{
    QString fichier;         // chemin du fichier écrit ; "" quand rien n'est écrit
    QString message;         // échec à montrer ; "" quand l'export a réussi
    QString etat;            // ligne d'état de la fiche : où le fichier est écrit
};

// Écrit la fiche dans la forme choisie : document OpenDocument rempli depuis le modèle du
// dossier "feuille" (formes Word), page HTML ou bloc de texte ; le nom du fichier est celui du
// personnage. Le dossier "Feuille" du programme, sinon celui des données de l'utilisateur.
ResultatImpression ImprimeWord(const ContexteFiche& contexte, const Fiche& fiche, const ChoixImpression& choix,
                               const OuvreFichier& ouvre = OuvreAvecLeBureau);
