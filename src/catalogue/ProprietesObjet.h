#pragma once
// Arbre des propriétés d'objet : genres au premier niveau, cibles, types de bonus et valeurs
// en dessous, bâtis au premier clic ; clés "K1_genre_K2_cible_K3_type_K4_valeur_".
#include "CatalogueObjets.h"

#include <QString>
#include <QStringList>
#include <QVector>

class BaseDonnees;

// Les 23 genres du premier niveau, dans leur ordre.
const QStringList& genresProprietes();
// Cibles de "Bonus Classe Armure" : composantes de la classe d'armure.
QStringList ciblesClasseArmure();

// Un nœud de l'arbre : son texte et la colonne qu'il remplit (1 genre, 2 cible, 3 type de bonus,
// 4 valeur), qui est aussi le marqueur de sa clé ; les niveaux sans objet sont sautés.
struct NoeudPropriete
{
    QString texte;
    int marqueur = 1;
};

// Enfants d'un nœud donné par son chemin depuis le genre ; vide pour une feuille.
QVector<NoeudPropriete> enfantsPropriete(BaseDonnees& programme, const QVector<NoeudPropriete>& chemin);

// Clé d'un nœud : chaque partie "K<marqueur>_" + texte + "_".
QString clePropriete(const QVector<NoeudPropriete>& chemin);
// Chemin complet : les textes joints par "\".
QString cheminPropriete(const QVector<NoeudPropriete>& chemin);

// Propriété d'une clé : le texte qui suit chaque marqueur, jusqu'au marqueur suivant ou au "_"
// final ; une valeur qui se lit comme un nombre plus grand que zéro prend un "+" devant.
ProprieteObjet proprieteDeCle(QString cle);

// Les bonus d'attaque et de dommage ne vont qu'aux armes et aux munitions.
bool proprieteAdmise(const ProprieteObjet& propriete, const QString& groupe);
