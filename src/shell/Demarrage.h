#pragma once
// Démarrage et changement de base de personnages, côté cœur.
#include <QString>
#include <memory>

struct EtatShell;
class BaseDonnees;

inline constexpr const char* kNomBaseProgramme = "tessarys.db";
inline constexpr const char* kNomBasePerso = "perso.db";
// Les personnages d'exemple livrés, recopiés dans perso.db quand elle manque.
inline constexpr const char* kNomBaseExemples = "exemples.db";

// Dossier des règles, images et modèles : celui de l'exécutable quand il tourne depuis sa
// construction (tessarys.db à côté de lui), <préfixe>/share/quorvane quand il est installé
// dans <préfixe>/bin.
QString DossierProgrammeDepuis(const QString& dossierExecutable);

// Dossier de perso.db et du journal : celui du programme, sauf une fois installé
// (share/quorvane n'appartient pas à l'utilisateur) : alors ses données (~/.local/share/quorvane).
QString DossierPersonnel(const QString& dossierProgramme);

// perso.db du dossier personnel ; quand elle manque, elle est faite d'un seul coup : copie des
// exemples livrés s'il y en a, sinon base vide. *creee dit si elle vient d'être faite.
QString PrepareBasePersoParDefaut(const EtatShell& etat, bool* creee = nullptr);

// Journal d'erreurs, dossier courant, lecture des réglages (avant l'instance unique).
void PrepareDemarrage(EtatShell& etat, const QString& dossierProgramme, const QString& dossierConfiguration);

// Ouvre la base du programme et la base de personnages (celle de FICHIER/BDD si elle existe,
// sinon perso.db du dossier du programme, créée si elle manque), lit le séparateur décimal et
// met la base de personnages à niveau. Vrai quand perso.db a dû être créée.
// Lève ErreurExecution si la base du programme ne s'ouvre pas.
bool OuvreBasesDemarrage(EtatShell& etat);

// La base des règles, en lecture seule : le programme ne l'écrit jamais.
std::unique_ptr<BaseDonnees> OuvreBaseProgramme(const QString& chemin);

// Crée une base de personnages neuve d'un seul coup (jamais de fichier à moitié fait).
std::unique_ptr<BaseDonnees> CreeBasePersonnagesComplete(const QString& chemin, BaseDonnees& programme);

// Vrai quand le chemin désigne la base du programme (comparaison en majuscules).
bool EstBaseProgramme(const EtatShell& etat, const QString& chemin);

// Ouvre une base de personnages et la met à niveau, sans toucher à celle qui est ouverte.
std::unique_ptr<BaseDonnees> OuvreBasePersonnages(EtatShell& etat, const QString& chemin);

// Remplace la base de personnages ouverte et retient son chemin dans FICHIER/BDD.
void AdopteBasePersonnages(EtatShell& etat, std::unique_ptr<BaseDonnees> base, const QString& chemin);
