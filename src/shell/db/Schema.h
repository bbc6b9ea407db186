#pragma once
// Description d'une disposition de base : tables, champs aux types du moteur, index nommés.
#include <QString>
#include <QStringList>
#include <QVector>

// Types du moteur : Texte(n), Entier (16 bits), Long (32 bits), Double, Booleen, Date, Memo.
enum class TypeChamp { Texte, Entier, Long, Double, Booleen, Date, Memo };

struct DefinitionChamp
{
    QString nom;
    TypeChamp type = TypeChamp::Texte;
    int taille = 0;  // pour Texte seulement ; 0 : 255
    QString defaut;  // valeur par défaut en SQL ("0") ; vide : aucune
};

struct DefinitionIndex
{
    QString nom;         // "PrimaryKey", "index", "index1", "nom", "EquipementnomObjet"...
    QStringList champs;  // colonnes de la clé, dans l'ordre
    bool unique = false;
};

struct DefinitionTable
{
    QString nom;
    QVector<DefinitionChamp> champs;
    QVector<DefinitionIndex> index;
};

// Raccourcis de lecture pour les schémas écrits dans le code.
inline DefinitionChamp texte(const QString& nom, int taille = 255) { return {nom, TypeChamp::Texte, taille, {}}; }
inline DefinitionChamp entier(const QString& nom) { return {nom, TypeChamp::Entier, 0, {}}; }
inline DefinitionChamp entierLong(const QString& nom) { return {nom, TypeChamp::Long, 0, {}}; }
inline DefinitionChamp reel(const QString& nom) { return {nom, TypeChamp::Double, 0, {}}; }
inline DefinitionChamp booleen(const QString& nom) { return {nom, TypeChamp::Booleen, 0, {}}; }
inline DefinitionChamp date(const QString& nom) { return {nom, TypeChamp::Date, 0, {}}; }
inline DefinitionChamp memo(const QString& nom) { return {nom, TypeChamp::Memo, 0, {}}; }

// Type déclaré en SQLite pour un type du moteur (l'affinité suit : texte, entier, réel).
QString typeDeclare(const DefinitionChamp& champ);
// Type du moteur retrouvé depuis un type déclaré (pour vérifier une base existante).
TypeChamp typeDepuisDeclare(const QString& declare, int* taille = nullptr);
