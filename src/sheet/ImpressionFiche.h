#pragma once
// Impression de la fiche : les choix du dialogue et les emplacements nommés d'une feuille de
// personnage, remplis avec les valeurs que la fiche montre déjà.
#include "Fiche.h"
#include "RetrouveFiche.h"

#include <QMap>
#include <QString>

class BaseDonnees;

// Formes de l'export, dans l'ordre des boutons du dialogue ; les deux dernières donnent toute la
// fiche, en page HTML autonome et en PDF.
enum class ModeImpression { Word = 1, Html = 2, WordPerso = 3, Texte = 4, HtmlComplet = 5, Pdf = 6 };

struct ChoixImpression
{
    ModeImpression mode = ModeImpression::Word;
    bool sortsQuotidiens = false;   // "Uniquement les sort quotidiens"
    bool sorts = true;
    bool dons = true;
    bool histoire = true;
    bool background = true;
};

// Nom de l'emplacement → texte à y écrire.
using LieuxFiche = QMap<QString, QString>;

inline constexpr const char* kLieuImage = "ImagePerso";
inline constexpr const char* kErreurCopie = "Erreur de copie de documents";
inline constexpr const char* kModeleWord = "PersoVierge.html";
inline constexpr const char* kModeleWordPerso = "PersoVierge2.html";

// Tous les emplacements de la feuille ; ne calcule rien que la fiche n'ait déjà : elle lit
// seulement l'historique du personnage et, pour les sorts listés, leur ligne de la table des sorts.
LieuxFiche LieuxImpression(BaseDonnees& perso, BaseDonnees& programme, const Fiche& fiche,
                           const ChoixImpression& choix);

// Objets du personnage, rangés ou non sur le corps (potions, munitions, sac), dans l'ordre de
// son équipement : "Nom", "Nom (3)" pour plusieurs, " - laissé ailleurs" hors de sa personne.
QStringList ListeObjets(BaseDonnees& perso, const QString& personnage);

// Modèle de la feuille Word ou WordPerso du dossier "feuille", rempli ; vide avec le message
// kErreurCopie quand le modèle manque.
QString FeuilleDocument(const ContexteFiche& contexte, const Fiche& fiche, const ChoixImpression& choix,
                        QString& erreur);

// Emplacement d'une ligne de compétence : "Artisanat_" + numéro, "Représentation (…)" pour les
// cinq sortes connues et "Représentation (Les autres)" pour le reste, le nom de la règle sinon.
QString LieuCompetence(const LigneCompetence& ligne);

// Remplace chaque {{Nom}} du modèle HTML par sa valeur, échappée ; "ImagePerso" devient l'image
// quand son fichier existe. Un emplacement inconnu de la fiche est vidé : la feuille imprimée
// ne montre jamais d'accolades.
QString RemplitModele(const QString& modele, const LieuxFiche& lieux);
