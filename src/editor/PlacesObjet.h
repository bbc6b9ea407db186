#pragma once
// Position d'un objet de l'éditeur sur le corps : emplacements qu'il accepte, libellés montrés
// dans la grille et emplacement où un objet ajouté se porte de lui-même.
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class BaseDonnees;

// Emplacements qui font compter l'objet du catalogue de la base de personnages, dans l'ordre du
// corps ; aucun pour un objet absent du catalogue.
QVector<int> placesAcceptees(BaseDonnees& perso, const QString& nomObjet);

// Libellés proposés pour la position d'un objet : "" (sans emplacement), puis ceux des
// emplacements acceptés ; la position actuelle reste proposée même quand elle ne compte pas.
QStringList choixPositions(BaseDonnees& perso, const QString& nomObjet, const QString& positionActuelle);

// Numéro d'emplacement d'une position de la grille : son libellé ("Armure/Vêtement") ou son
// numéro ; rien pour une position vide ou inconnue.
std::optional<int> numeroPosition(const QString& position);
// Libellé montré pour un Equipement.Place lu ("1" -> "Armure/Vêtement") ; "" pour Null.
QString libellePosition(const QString& place);

// Emplacement où se porte un objet qu'on vient d'ajouter : son emplacement naturel (celui que le
// catalogue des règles lui donne, sinon le premier que son type accepte ; le second anneau quand
// le premier est pris), s'il est libre ; rien sinon, l'objet reste alors sans emplacement.
// Un objet de l'emplacement "Divers" n'en a pas de naturel.
std::optional<int> placeNaturelleLibre(BaseDonnees& perso, BaseDonnees& programme, const QString& nomObjet,
                                       const QSet<int>& occupees);
