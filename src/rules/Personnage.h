#pragma once
// Le personnage en mémoire : identité et choix lus dans la base, totaux calculés depuis ses
// lignes de niveau et la progression de ses classes.
#include "LigneCapacite.h"
#include "shell/Semantique.h"

#include <QString>

class BaseDonnees;

struct TypePersonnage
{
    QString Nom;
    QString RACE;
    QString Classe_1; Entier16 Niv_1;
    QString Classe_2; Entier16 Niv_2;
    QString Classe_3; Entier16 Niv_3;
    QString Classe_4; Entier16 Niv_4;
    QString Classe_5; Entier16 Niv_5;
    QString Classe_6; Entier16 Niv_6;
    QString Classe_7; Entier16 Niv_7;
    QString Classe_8; Entier16 Niv_8;
    QString Archetype;
    QString DerniereClasse;   // classe de la ligne de niveau la plus haute
    QString Profil, Titre, Dieu, Alignement;
    Entier16 Beaute;
    QString Cheveux, Yeux, Sexe;
    qint32 poids = 0;         // kg
    Entier16 taille;          // cm
    QString Date;
    Entier16 Age;
    QString Reserve;          // toujours vide
    QString EcoleSpecialisation;
    QString Domaine_1, Domaine_2, Domaine_3, Domaine_4;
    QString Ecole_interdite_1, Ecole_interdite_2, Ecole_interdite_3, Ecole_interdite_4;
    QString LangueConnue, Alphabet;
    Entier16 MalusXP;
    double TotalPo = 0;
    double TotalXP = 0;
    QString Profession_1, Profession_2, Profession_3, Profession_4;
    QString Artisanat_1, Artisanat_2, Artisanat_3;
    QString EnergieElu_1, EnergieElu_2, EnergieElu_3;
    QString EnergieSorcier_1, EnergieSorcier_2;
    QString ElementWujen, ElementShugenja, OrdreShugenja, DragonTotem, EnnemisJures, Image;
    // Calculés.
    Entier16 For, Dex, Con, Int, Sag, Cha;
    Entier16 PV;
    Entier16 attaque;
    Entier16 Reflexe, Vigueur, Volonte;
    Entier16 niv;
    Entier16 NombreAttaques;

    // Les huit cases classe/niveau, par numéro de 1 à 8.
    QString& classe(int k);
    const QString& classe(int k) const;
    Entier16& niveau(int k);
    Entier16 niveau(int k) const;
};

// Remplit le personnage depuis la base des personnages (ses lignes) et celle du programme
// (classes et progressions), puis applique les effets actifs de ses capacités spéciales.
// Faux quand le nombre de lignes de niveau lues diffère de la somme de ses huit niveaux.
bool ChargePersonnage(BaseDonnees& perso, BaseDonnees& programme, TypePersonnage& p, const QString& nom,
                      const ListeCapacitesPerso& capacites);

// Niveau tenu dans une classe : celui de la dernière case qui la porte, 0 sinon.
// Demander "Prêtre" trouve aussi "Prêtre cloîtré" ; la comparaison tient compte de la casse.
qint16 NiveauDansClasse(const TypePersonnage& p, const QString& classe);

// Bonus épique d'un jet de sauvegarde pour une créature dont la première classe est un type
// de créature : le mauvais jet (6 à 20 niveaux) suit sa propre progression.
qint16 JSEpiqueCreature(qint16 jet, int niveauxRaciaux, int niveauTotal, qint16 parDefaut);

// Modificateur d'une caractéristique ; "-" (créature qui n'en a pas) donne 0.
qint16 BonusCarac(const QString& score);
qint16 BonusCarac(int score);

qint16 Maxi(double a, double b);
qint16 Mini(double a, double b);

// Expérience qu'il faut pour atteindre le niveau n : 1000 × (1 + 2 + … + (n − 1)), 0 sous le niveau 2.
qint64 XPNiveau(int niveau);
