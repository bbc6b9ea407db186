#pragma once
// Identité du programme : titres, numéros de version, site de l'auteur.
#include <QString>

// Titre des boîtes de message du programme.
inline constexpr const char* kTitreApplication = "Quorvane";
// Titre de la fenêtre principale, suivi du chemin de la base de personnages entre crochets.
inline constexpr const char* kTitrePrincipal = "Quorvane Gestion de personnages pour Donjons et Dragons 3.5";

QString TitreFenetrePrincipale(const QString& cheminPerso);

int VersionMajeure();
int VersionMineure();
int Revision();   // numéro de compilation, envoyé à la page des mises à jour

// Adresse du site quand le réglage SITE/ADRESSE est vide.
inline constexpr const char* kAdresseSiteParDefaut = "https://quorvane.example.org";
// Page des mises à jour : adresse du site + ce chemin + numéro de révision.
QString AdresseMisesAJour(const QString& adresseSite);
