#pragma once
// La fiche entière en une page HTML autonome (feuille de style et image comprises), pour le
// navigateur et pour la mise en page PDF, qui lit la même page.
#include "ImpressionFiche.h"

#include <QString>

// Titres des rubriques, dans l'ordre de la page ; "Histoire" et "Background" s'y ajoutent quand
// ils sont demandés et remplis.
inline constexpr const char* kRubriquesFiche[] = {
    "Identité", "Caractéristiques", "Jets de sauvegarde", "Attaques et armes", "Classe d'armure",
    "Points de vie", "Compétences", "Dons", "Capacités spéciales", "Équipement", "Déplacements", "Sorts"};

// Page HTML5 en UTF-8 ; les choix du dialogue ajoutent les sorts, la description des dons,
// l'histoire et le background.
QString FicheCompleteEnHtml(BaseDonnees& perso, BaseDonnees& programme, const Fiche& fiche,
                            const ChoixImpression& choix);
