#pragma once
// Mise à niveau d'une base de personnages ancienne vers la disposition courante.
class BaseDonnees;
class QString;

void MiseAJourBase(BaseDonnees& perso, BaseDonnees& programme);
bool ExisteChamp(BaseDonnees& base, const QString& table, const QString& champ);
void CopieObjets(BaseDonnees& perso, BaseDonnees& programme);
void CopieDonsPerso(BaseDonnees& perso, BaseDonnees& programme);
