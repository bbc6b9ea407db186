#pragma once
// Capacités spéciales : résumé chiffré des capacités d'un personnage, valeur d'une capacité
// activable à un niveau.
#include "Bonus.h"
#include "LigneCapacite.h"
#include "shell/Semantique.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class BaseDonnees;
struct TypePersonnage;
struct TypeRace;

// Résumé des capacités : chaque compteur est rangé sous le libellé de la ligne que la fiche
// imprime pour lui ("Nombre de rage : "...) ou sous l'élément de note qu'elle écrit avec son
// total ("Poison +", " d'esquive contre les pièges") ; la fiche les écrit dans son ordre fixe.
struct TypeCapacites
{
    QHash<QString, Entier16> Compteurs;
    QHash<QString, QStringList> Textes;   // lignes de texte : "Types de Forme animale : "...
    QSet<QString> Drapeaux;          // capacités qui ne font que s'activer ("Poussée"...)
    QStringList Immunites;           // "Sommeil", "Coercitions"...
    QStringList NotesJS;             // bonus conditionnels aux jets de sauvegarde
    QStringList NotesCA;             // bonus conditionnels à la classe d'armure
    QString Taille;                  // taille imposée par une capacité, "" sinon

    qint16 compteur(const QString& libelle) const { return Compteurs.value(libelle).valeur(); }
};

// Vide le résumé puis le remplit depuis les lignes du personnage (celles des autres sont
// ignorées) et les dons qui agissent comme des capacités ; ajoute les bonus chiffrés à la liste.
void AnalyseCapacites(const TypeRace& race, TypeCapacites& resume, const TypePersonnage& p,
                      const ListeCapacitesPerso& capacites, const QStringList& dons, ListeBonus& bonus);

// Ce que la fiche montre et dont dépendent quelques capacités activables.
struct ValeursFicheSort
{
    int caracLanceur = 0;   // "Frappe profane" : valeur totale de la caractéristique de lancement
    QStringList dons;       // "Puissance divine épique" : les dons du personnage
};

// Valeur d'une capacité activable au niveau donné, depuis la table CapaciteSort ; "0" si elle
// n'y est pas. Pour "Attaque en puissance", "Bouclier divin", "Puissance divine " et
// "Puissance divine épique", le niveau à passer est celui que la fiche montre (bonus de base à
// l'attaque, modificateur de Charisme) ; pour "Frappe profane", le niveau de la classe de
// lanceur de sorts.
QString CapaciteSort(BaseDonnees& programme, const QString& nom, int niveau, const ValeursFicheSort& fiche = {});

// Vrai quand le don peut être pris plusieurs fois.
bool DonSupplementaire(BaseDonnees& programme, const QString& don);
