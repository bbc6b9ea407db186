#pragma once
// Petites bases de règles et de personnages construites dans le code pour les tests du moteur.
#include "shell/db/BaseDonnees.h"

#include <QPair>
#include <QString>
#include <QVector>

// Progression d'attaque et de jets d'une classe de test, selon les trois rythmes du jeu.
enum class Rythme { Bon, Moyen, Faible };

struct ClasseTest
{
    ClasseTest(QString nom, Rythme attaque, bool bonReflexe, bool bonVigueur, bool bonVolonte, QString maitre = {})
        : nom(std::move(nom)), attaque(attaque), bonReflexe(bonReflexe), bonVigueur(bonVigueur),
          bonVolonte(bonVolonte), maitre(std::move(maitre)) {}

    QString nom;
    Rythme attaque = Rythme::Bon;
    bool bonReflexe = false, bonVigueur = false, bonVolonte = false;
    QString maitre;          // ClasseMaitre
    int pointDeVie = 8;
    int niveaux = 20;        // lignes de progression créées (1 à niveaux)
};

// Valeurs de la table du joueur pour un niveau de classe.
int attaqueDeBase(Rythme r, int niveau);
int jetDeBase(bool bon, int niveau);

// Tables nommées d'une disposition livrée, créées dans une base de test.
void creeTables(BaseDonnees& base, const QVector<DefinitionTable>& schema, const QStringList& noms);

// Tables Classe et ClasseProgression (base du programme).
void creeTablesClasses(BaseDonnees& programme);
void ajouteClasse(BaseDonnees& programme, const ClasseTest& classe);

// Tables Personnage et PersonnageProgression (base des personnages).
void creeTablesPersonnages(BaseDonnees& perso);

// Un personnage et ses lignes de niveau, une classe par niveau dans l'ordre donné ; les cases
// Classe_k/Niv_k suivent l'ordre de première apparition. Chaque ligne donne pv points de vie.
void ajoutePersonnage(BaseDonnees& perso, const QString& nom, const QStringList& classeParNiveau,
                      const QVariantMap& champs = {}, int pv = 5);

// Raccourci : n fois la même classe.
QStringList fois(int n, const QString& classe);
