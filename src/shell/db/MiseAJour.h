#pragma once
// Mise à niveau d'une base de personnages ancienne vers la disposition courante.
class BaseDonnees;
class QString;

// Lève ErreurBase, sans rien écrire, pour un fichier qui n'est pas une base de personnages, une
// base dont la version est illisible ou une base d'une version plus récente du programme.
void VerifieBasePersonnages(BaseDonnees& perso);
void MiseAJourBase(BaseDonnees& perso, BaseDonnees& programme);
bool ExisteChamp(BaseDonnees& base, const QString& table, const QString& champ);
void CopieObjets(BaseDonnees& perso, BaseDonnees& programme);
