#pragma once
// La fiche calculée écrite pour les scripts (JSON) et en bloc de caractéristiques (texte).
#include "Fiche.h"

#include <QJsonObject>
#include <QString>

// Clés du JSON (rangées par ordre alphabétique), chacune présente seulement quand l'étape du
// calcul qui la remplit a tourné ; "etapesCalculees" donne ces étapes :
//   nom, titre, description, image, race, type, archetype, classes [{classe, niveau}], niveau ;
//   caracteristiques {Force … Charisme : {score, divers1, divers2, total (nombre ou "-"), modificateur}} ;
//   initiative, initiativeDons, explicationInitiative, pointsDeVie ;
//   jetsDeSauvegarde {Réflexe, Vigueur, Volonté : {base, don, carac, race, divers, total,
//   explication}} ;
//   taille, hauteur (cm), poids (kg) ;
//   attaqueDeBase, nombreAttaques, bonusAttaqueToutesArmes, lutte, attaqueContact (corps à corps),
//   attaqueDistance ; langues, alphabets, vision ; noteCA, noteJS (notes conditionnelles) ;
//   capacitesClasse ["libellé valeur"] ; fp ;
//   resistances {magie, acide, electricite, feu, froid, son, degats, texteDegats} ;
//   chargeTransportable {legere, intermediaire, lourde} (kg) ;
//   armes [{nom, ligne}] (armes tenues, sorts, armes naturelles, mains nues), armePrincipale
//   {nom, attaque, degats, portee} ; prixPNJ_PJ ; equipementResume {texte, poids (kg), valeur (po),
//   charge} ; deplacement {terre, vol, manoeuvrabilite, nage (m), texte} ;
//   sorts [{classe, niveauLanceur, parJour, totalParJour, dd, connus [{nom, niveau}],
//   prepares [{emplacement, nom, niveau, metamagie}]}].
QJsonObject FicheEnJson(const Fiche& fiche);

// Bonus écrit avec son signe : "+3", "+0", "-1".
QString Signe(int valeur);

// Résistances du bloc de caractéristiques : "résistance à l'acide(5) résistance au froid(5)" ;
// "" sans aucune.
QString TexteParticularites(const ResistancesFiche& resistances);

// Bloc de caractéristiques, une ligne par rubrique calculée.
QString FicheEnTexte(const Fiche& fiche);

// Page HTML 4.01 (iso-8859-1) : tableau des caractéristiques, total et modificateur.
QByteArray FicheEnHtml(const Fiche& fiche);
