#pragma once
// Champs d'identité de l'éditeur de personnages : nom du contrôle, champ de la table Personnage,
// nature de la valeur et message quand un champ numérique n'est pas un nombre.
#include <QString>
#include <QVector>

enum class NatureChamp { Texte, Entier, Reel };

struct ChampIdentite
{
    QString controle;   // "fldstrprofil", "cmbDomaine_0" (groupes indexés depuis 0)
    QString champ;      // "Profil", "Domaine_1"
    NatureChamp nature = NatureChamp::Texte;
    QString messageNumerique;  // vide pour un champ texte
};

// Tous les champs d'identité, sauf le nom et la race qui ont leurs propres contrôles,
// les champs numériques dans l'ordre de leur contrôle à l'enregistrement.
const QVector<ChampIdentite>& champsIdentite();

// Liste des écoles de spécialisation ("" compris), telle que le choix la propose.
const QStringList& ecolesSpecialisation();
// Liste des écoles interdites ("" compris).
const QStringList& ecolesInterdites();
