#pragma once
// Une capacité spéciale prise par un personnage, telle que la liste de la fiche la tient.
#include <QString>
#include <QVector>

struct LigneCapacite
{
    QString Libelle;        // nom montré dans le catalogue
    QString Categorie;      // "Capacité de classe", "Don"...
    QString TypeBonus;      // textes descriptifs, vides pour la plupart des capacités
    QString SousCategorie;  // "Transformation"...
    QString Cible;
    QString Genre;
    QString Valeur;         // valeur calculée par CapaciteSort ou saisie (texte : nombre ou dés)
    QString Nom;            // nom de la capacité pour les règles, comparé exactement
    QString Note;
    QString Niveau;         // niveau ou quantité saisis pour la ligne
    QString Personnage;     // personnage à qui appartient la ligne
};

using ListeCapacitesPerso = QVector<LigneCapacite>;

// Vrai quand la ligne appartient au personnage : les noms de personnages ne tiennent pas
// compte de la casse, comme dans les bases.
inline bool AppartientA(const LigneCapacite& ligne, const QString& personnage)
{
    return QString::compare(ligne.Personnage, personnage, Qt::CaseInsensitive) == 0;
}

// Choix noté entre crochets dans un libellé : "Transformation animale [Loup]" donne "Loup" ; "" sans crochets.
inline QString ChoixEntreCrochets(const QString& libelle)
{
    const qsizetype debut = libelle.indexOf(u'[');
    const qsizetype fin = libelle.indexOf(u']', debut + 1);
    return debut >= 0 && fin > debut ? libelle.mid(debut + 1, fin - debut - 1).trimmed() : QString();
}
