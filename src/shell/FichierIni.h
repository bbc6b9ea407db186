#pragma once
// Fichier de réglages "TESSARY.INI" : sections et clés à la manière des profils privés.
#include <QString>

inline constexpr const char* kNomFichierIni = "TESSARY.INI";

// Dossier de configuration de l'utilisateur (~/.config/quorvane) ; la variable
// d'environnement QUORVANE_CONFIG le remplace, pour les essais.
QString DossierConfiguration();

// Dossier des données de l'utilisateur (~/.local/share/quorvane) : ses corrections des règles.
// La variable d'environnement QUORVANE_DONNEES le remplace, pour les essais.
QString DossierDonneesUtilisateur();

// Emplacement du fichier : le dossier de configuration s'il y est, sinon le dossier du
// programme s'il y est, sinon le dossier de configuration (créé à la première écriture).
QString LocaliseFichierIni(const QString& dossierConfiguration, const QString& dossierProgramme);

// Lecture d'une valeur (255 caractères au plus) ; clé absente : texte vide.
QString LitIni(const QString& cheminIni, const QString& section, const QString& cle);
// Écriture d'une valeur ; crée le fichier, la section ou la clé au besoin. Faux si l'écriture échoue.
bool EcritIni(const QString& cheminIni, const QString& section, const QString& cle, const QString& valeur);

// Lit (ecriture = faux) la valeur convertie en nombre (préfixe numérique, 0 sinon ; 16 bits,
// erreur 6 au-delà) ou écrit (ecriture = vrai) le nombre donné ; rend la valeur lue ou écrite.
int ParametreIni(const QString& cheminIni, const QString& section, const QString& cle, int valeur, bool ecriture);
