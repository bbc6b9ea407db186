#pragma once
// Assistant de création : listes des étapes, contrôles de "&Suivant", tirages de "&Générer",
// et le personnage de l'éditeur que les choix donnent (niveaux raciaux d'abord, points de vie,
// équipement de départ, dons raciaux). Rien n'est écrit ici : l'éditeur enregistre.
#include "GenerationCaracs.h"
#include "editor/EditionPersonnage.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

class BaseDonnees;

// Ce que l'utilisateur a choisi aux quatre étapes.
struct ChoixAssistant
{
    // Étape 0.
    QString nom, race, archetype, alignement, sexe;
    std::array<QString, 4> professions;
    std::array<QString, 3> artisanats;
    // Étape 1 : valeurs de départ.
    std::array<int, 6> caracs{};
    // Étape 2 : textes saisis.
    QString taille, poids, beaute, age, date, yeux, cheveux, profil, titre, dieu;
    // Étape 3.
    QString classe;
    QString niveau = QStringLiteral("1");
    std::array<QString, 3> choix;   // CmbChoix(0..2)
};

// Refus d'un contrôle de "&Suivant" : message et contrôle qui reçoit le focus.
struct RefusAssistant
{
    QString message;
    QString controle;
};

// Races de la liste : avec "Monstre", toutes celles de l'éditeur ; sinon celles sans dés de vie
// raciaux, dotées d'une Intelligence, et dont l'ajustement de niveau ne dépasse pas le maximum.
QStringList RacesAssistant(BaseDonnees& programme, const QStringList& racesEditeur, bool monstre, int ajustementMax);

// Dieux dont le royaume, l'alignement et la race répondent aux filtres (un filtre vide accepte tout).
QStringList ChoixDieu(BaseDonnees& programme, const QString& royaume, const QString& alignement, const QString& race);
inline constexpr const char* kMessageAucunDieu = "Aucuns dieux ne répondent à ses critères.";

// Titres proposés au sexe choisi (ceux de ce sexe et ceux de "Tous").
QStringList TitresPourSexe(BaseDonnees& programme, const QString& sexe);

// Langues de la race connues de la table des langues, et leurs alphabets, joints par ", ".
struct LanguesRace
{
    QString langues;
    QString alphabets;
};
LanguesRace AjoutAlphabet(BaseDonnees& programme, const QString& race);

// Tirages de "&Générer" : taille (cm) et poids (kg) de la race, trois dés à six faces, jour et mois
// de naissance.
struct Generation
{
    int taille = 0;
    int poids = 0;
    int troisDes = 0;
    int jour = 1;
    int mois = 1;
    QString date() const;   // "12 mars"
};
Generation Generer(BaseDonnees& programme, const QString& race, const QString& sexe, const Rnd& rnd);

// Contrôles de "&Suivant" aux étapes 0, 2 et 3 (l'étape 1 : ControleCaracs).
std::optional<RefusAssistant> ControleIdentite(const ChoixAssistant& c);
std::optional<RefusAssistant> ControleDescription(const ChoixAssistant& c);
std::optional<RefusAssistant> ControleClasse(const ChoixAssistant& c);

// Un choix de classe (CmbChoix) : libellé, éléments proposés, champ de Personnage qui le reçoit.
struct ChoixClasse
{
    enum Genre { Domaine, Specialisation, Interdite, Energie, Element, ElementShugenja, Ordre, Totem };
    Genre genre = Domaine;
    QString libelle;
    QStringList elements;
    QString champ;
};
QVector<ChoixClasse> ChoixDeClasse(BaseDonnees& programme, const QString& classe, const QString& dieu);

// Dés de vie raciaux de la race (0 sans) et classe qui les porte.
struct NiveauxRace
{
    int nombre = 0;
    QString classe;
    int de = 0;
};
NiveauxRace DesDeVieRaciaux(BaseDonnees& programme, const QString& race, const QString& archetype);

// Le personnage de l'éditeur : identité, niveaux raciaux puis niveaux de classe avec leurs points
// de vie (le premier niveau prend le dé entier, les suivants un jet), dons raciaux au premier
// niveau, équipement de départ de la race et de l'archétype.
PersonnageEdite ConstruitPersonnage(BaseDonnees& programme, const ChoixAssistant& c, const Rnd& rnd);

// Message de fin : ce qu'il reste à faire.
QString MessageFin(const ChoixAssistant& c, int desRaciaux);
