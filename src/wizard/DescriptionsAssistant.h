#pragma once
// Textes d'explication de l'assistant, tirés des tables des règles, en HTML simple pour les
// zones de description : race, archétype, alignement, titre, dieu, classe et choix de classe.
#include "Assistant.h"

#include <QString>

class BaseDonnees;

QString DescriptionRace(BaseDonnees& programme, const QString& race);
QString DescriptionArchetype(BaseDonnees& programme, const QString& archetype);
QString DescriptionAlignement(BaseDonnees& programme, const QString& alignement);

// "Titre : ", "Vécu : ", "Grade : ", puis les autres titres du même vécu.
QString DescriptionTitre(BaseDonnees& programme, const QString& titre);

// Les neuf lignes d'un dieu : monde, race, surnom, rang, alignement, attributions, adorateurs,
// domaines, arme de prédilection ; puis sa description.
QString DescriptionDieu(BaseDonnees& programme, const QString& dieu);

// Alignements, dé de vie, points de compétence, compétences de classe, table des niveaux, sorts par
// jour et connus, puis particularités (armes et armures, sorts, dons de la classe).
QString DescriptionClasse(BaseDonnees& programme, const QString& classe);

// Explication d'un choix de classe : domaine et ses sorts, école, élément du shugenja, ordre.
QString DescriptionChoix(BaseDonnees& programme, const ChoixClasse& choix, const QString& valeur);
