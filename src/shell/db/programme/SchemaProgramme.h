#pragma once
// Disposition de la base du programme (tessarys.db) : une fonction par famille de tables,
// chacune dans son fichier, réunies par schemaProgramme().
#include "shell/db/Schema.h"

QVector<DefinitionTable> schemaRaces();          // Race, Archetype et leurs tables liées
QVector<DefinitionTable> schemaClasses();        // Classe, ClasseProgression, correspondances, sorts imposés
QVector<DefinitionTable> schemaCompetences();    // Competence
QVector<DefinitionTable> schemaDons();           // Dons, Metamagie
QVector<DefinitionTable> schemaCapacites();      // CapaciteSort
QVector<DefinitionTable> schemaSorts();          // Sort, Domaines, Ecoles, Ordre, ModificateurCaracSortBonus
QVector<DefinitionTable> schemaObjets();         // Objets, ObjetsPropriete
QVector<DefinitionTable> schemaDivers();         // Dieu, dieurace, Possession, Experience, Titre, ChangeNomRace, Version...
QVector<DefinitionTable> schemaVocabulaires();   // listes courtes lues en entier (Artisanat, Langue, Taille...)

// Toutes les tables, dans un ordre stable.
QVector<DefinitionTable> schemaProgramme();
