#pragma once
// Surcouche des règles. Le fichier des règles livré n'est jamais écrit (installé, il est en lecture
// seule) : ce qui doit changer ce que les règles disent vit dans des tables temporaires de la
// connexion des règles, du même nom que les tables qu'elles recouvrent, de sorte que le reste du
// programme lit « Dons », « Sort » ou « Race » comme avant. Deux sources :
//  - les dons personnels de la base de personnages ouverte (table Donsperso), tant qu'elle l'est ;
//  - les corrections de textes de l'utilisateur, gardées dans « corrections.db » de son dossier de
//    données, réappliquées à chaque démarrage, même sur une version nouvelle des règles.
#include <QString>
#include <QVariantMap>

class BaseDonnees;

inline constexpr const char* kNomCorrections = "corrections.db";

// Chemin du fichier des corrections de l'utilisateur.
QString CheminCorrections();

// Rattache le fichier des corrections à la connexion des règles s'il existe, puis recouvre les
// tables corrigées. Un fichier illisible ou étranger est laissé de côté : lève ErreurBase pour le
// dire, les règles restant utilisables telles qu'elles sont livrées.
void AttacheCorrections(BaseDonnees& programme, const QString& chemin);

// Les dons personnels de la base ouverte recouvrent les dons des règles (nouveau don, ou don des
// règles de même nom remplacé champ par champ) ; ceux de la base précédente disparaissent.
void CopieDonsPerso(BaseDonnees& perso, BaseDonnees& programme);

// Table temporaire de l'index plein texte d'une table des règles : la surcouche la supprime dès
// qu'elle refait cette table, pour que la recherche la reconstruise sur les textes à jour.
QString TableRecherche(const QString& table);

// Enregistre des corrections de champs d'une ligne des règles (table "Dons", "Sort" ou "Race",
// clé : son nom) dans le fichier des corrections, créé au besoin, en une transaction ; elles
// s'appliquent aussitôt. Un champ à la valeur nulle efface sa correction.
void EnregistreCorrection(BaseDonnees& programme, const QString& chemin, const QString& table, const QString& cle,
                          const QVariantMap& champs);
