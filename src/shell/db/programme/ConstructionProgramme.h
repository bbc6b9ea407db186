#pragma once
// Construction de la base du programme (tessarys.db) depuis les sources texte de data/programme :
// un fichier <Table>.tsv par table, ou un dossier <Table>/ de plusieurs fichiers .tsv lus dans
// l'ordre de leurs noms. Toute faute de source lève ErreurBase avec fichier, ligne et colonne.
#include "shell/db/Schema.h"

#include <QString>
#include <QStringList>

class BaseDonnees;

// Un fichier source et la table qu'il remplit.
struct FichierSource
{
    QString chemin;
    QString table;  // nom exact de la table dans le schéma
};

// Fichiers sources d'un dossier, table par table dans l'ordre du schéma, puis par nom de fichier.
QVector<FichierSource> fichiersSources(const QString& dossier, const QVector<DefinitionTable>& schema);

// Découpe une ligne en cellules et retire les échappements \t, \n, \\ ;
// renvoie faux (et la colonne fautive, à partir de 1) sur un échappement inconnu.
bool decoupeLigne(const QString& ligne, QStringList& cellules, int* colonneFautive = nullptr);

// Charge un fichier source dans sa table (déjà créée).
void chargeFichier(BaseDonnees& base, const DefinitionTable& table, const QString& chemin);

// Écrit un nouveau fichier de base : crée toutes les tables du schéma, charge les sources
// en une transaction et écrit la ligne Version. Le fichier n'apparaît qu'une fois complet.
void construitProgramme(const QString& dossierSources, const QString& fichierSortie,
                        const QVector<DefinitionTable>& schema);
void construitProgramme(const QString& dossierSources, const QString& fichierSortie);
