#pragma once
// Bases de personnages aux dispositions des anciennes versions, base du programme réduite à ce
// que lit la mise à niveau, et lectures complètes d'une base pour les comparer.
#include "commun/Fixtures.h"
#include "shell/db/BaseDonnees.h"

#include <QStringList>

// Base vide d'essai qui n'attend pas l'écriture sur le disque à chaque validation : les étapes
// de la mise à niveau en font des dizaines.
std::unique_ptr<BaseDonnees> baseEssai(const DossierTest& dossier, const QString& nom);

// Disposition d'une base de personnages à cette version (1 à 20), table Version exceptée.
QVector<DefinitionTable> dispositionAncienne(int version);

// Crée cette disposition dans une base vide ; avec une table Version (numéro, date 2001-02-03,
// catalogue 34 quand le champ existe) si tableVersion est vrai.
void creeBaseAncienne(BaseDonnees& base, int version, bool tableVersion = true);

// Ajoute une ligne en ne gardant que les champs que la table a à sa version ; rend son rowid.
qint64 ajoutePresent(BaseDonnees& base, const QString& table, const QVariantMap& champs);

// Base du programme : Objets, ObjetsPropriete, Dons (index nom), ChangeNomRace (index OldRace),
// avec quelques lignes (voir AnciennesBases.cpp).
void creeProgrammeMinimal(BaseDonnees& programme);

// Disposition lue dans une base : une ligne par table, par champ (type du moteur, défaut) et par
// index (colonnes, unicité), triées.
QStringList dispositionLue(BaseDonnees& base);

// Nom lisible d'un type du moteur : "Texte(50)", "Entier", "Memo"...
QString nomType(TypeChamp type, int taille);
// La même chose décrite par des définitions.
QStringList dispositionDecrite(const QVector<DefinitionTable>& tables);

// Noms séparés par des blancs ; « Classe_4..8 » vaut Classe_4, Classe_5... Classe_8.
QStringList noms(const char* liste);

// Tout le contenu d'une base, une ligne de texte par enregistrement (champs par ordre de nom,
// avec le type de stockage), triées.
QStringList contenu(BaseDonnees& base);
