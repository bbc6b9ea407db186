#pragma once
// Personnages de test écrits dans une base de personnages complète, pour les fiches calculées
// sur les règles livrées.
#include "commun/Fixtures.h"
#include "sheet/Fiche.h"
#include "sheet/RetrouveFiche.h"
#include "shell/db/BaseDonnees.h"

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QVector>
#include <array>
#include <memory>

// Une ligne de niveau : classe, points de vie gagnés, caractéristiques ajoutées
// (Force … Charisme ; la première ligne porte les valeurs de départ).
struct NiveauTest
{
    QString classe;
    int pv = 0;
    std::array<int, 6> caracs{};
};

// Base du programme construite (tessarys.db) ; nulle quand elle n'est pas construite.
std::unique_ptr<BaseDonnees> baseProgrammeLivree();

// Base de personnages neuve à la disposition courante, à côté de la base du programme livrée.
std::unique_ptr<BaseDonnees> basePersonnagesTest(const DossierTest& dossier, BaseDonnees& programme,
                                                 const QString& nom = QStringLiteral("perso.db"));

// Écrit le personnage et ses lignes de niveau ; les cases Classe_k/Niv_k suivent l'ordre
// de première apparition des classes.
void ajoutePersonnageFiche(BaseDonnees& perso, const QString& nom, const QVector<NiveauTest>& niveaux,
                           const QVariantMap& champs = {});

// n niveaux d'une classe, de pv points de vie chacun ; les valeurs de départ sur le premier.
QVector<NiveauTest> niveaux(const QString& classe, int n, std::array<int, 6> caracs = {12, 12, 12, 12, 12, 12},
                            int pv = 6);

// Don choisi à un niveau de classe, avec sa spécialité ("" : aucune).
void choisit(BaseDonnees& perso, const QString& nom, const QString& classe, int niveau, const QString& don,
             const QString& specialite = {});

// Classe que les règles livrées n'ont pas (le calcul en connaît quelques-unes par leur nom),
// ajoutée à une copie des règles pour que la fiche l'accepte ; ses niveaux sont sans progression.
void ajouteClasseRegles(BaseDonnees& programme, const QString& classe);

// Les personnages communs aux tests : guerrier 4 / roublard 3 humain.
void ajouteAldo(BaseDonnees& perso);

// Objet porté par un personnage de test : emplacement (-1 : dans le sac, sans emplacement).
struct ObjetPorte
{
    QString objet;
    int place = -1;
};

// Écrit les objets dans l'équipement du personnage, dans l'ordre.
void equipeTest(BaseDonnees& perso, const QString& nom, const QVector<ObjetPorte>& objets);

// Calcule la fiche comme la fenêtre le fait ; prévient quand le calcul est refusé.
Fiche calculeFiche(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, const SaisiesFiche& saisies = {});

// Ligne de la grille des dons telle que ListeDon l'écrit : "Nom [spécialité]".
LigneDon donTest(const QString& nom, const QString& specialite = {});

// Base des programmes de test de la fiche : les deux bases, ouvertes une fois pour le programme.
class TestFicheBase : public QObject
{
protected:
    // Faux quand tessarys.db n'est pas construite (le test est alors sauté). Avec copie, les règles
    // sont une copie que le test peut compléter.
    bool ouvreBases(bool copie = false);
    // La fiche du personnage, calculée comme la fenêtre le fait.
    Fiche calcule(const QString& nom, const SaisiesFiche& saisies = {})
    {
        return calculeFiche(*m_perso, *m_programme, nom, saisies);
    }

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;
};
