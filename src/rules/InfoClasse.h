#pragma once
// Questions de règles sur une classe : dés de vie, magie, dons de classe, fréquences.
#include "Caracteristiques.h"
#include "shell/Semantique.h"

#include <QHash>
#include <QString>
#include <QStringList>

class BaseDonnees;

struct TypeInfoClasse
{
    QString Classe;
    Entier16 PointDeVie;            // taille du dé de vie, bonus du niveau compris
    Entier16 CompetenceNiveauSupp;  // points de compétence par niveau
    QString ClasseMaitre;
    Entier16 BonusIntelligence;     // points de compétence liés à l'Intelligence gagnés à ce niveau
};

// Ligne de la classe ; au-delà du niveau 0, la progression de ce niveau ajoute ses bonus.
TypeInfoClasse InfoClasse(BaseDonnees& programme, const QString& classe, int niveau);

bool EstLanceurSort(BaseDonnees& programme, const QString& classe);
bool EstTout(BaseDonnees& programme, const QString& classe);     // connaît toute sa liste de sorts
bool EstLimite(BaseDonnees& programme, const QString& classe);   // sorts connus limités
QString ListeSort(BaseDonnees& programme, const QString& classe);
qint16 NlsClasse(BaseDonnees& programme, const QString& classe);

// Caractéristique de lanceur d'une classe, lue sur les valeurs de la fiche.
qint16 CaracSortBonus(BaseDonnees& programme, const QString& classe, const ValeursCaracteristiques& caracs);
qint16 CaracSortNiv(BaseDonnees& programme, const QString& classe, const ValeursCaracteristiques& caracs);
qint16 CaracSortDD(BaseDonnees& programme, const QString& classe, const ValeursCaracteristiques& caracs);

// "Divin", "Profane" ou "".
QString TypeMagieClasse(const QString& classe);

// Élément opposé ("Terre"/"Air", "Eau"/"Feu") ; pour un texte de shugenja, l'élément qu'il
// contient. "" quand aucun élément n'est reconnu.
QString ElementOppose(const QString& texte);

// Vrai quand la progression de la classe donne ce don à l'un des niveaux 1 à niveau.
bool EstDonDeClasse(BaseDonnees& programme, const QString& don, const QString& classe, int niveau);

// Fréquence d'un pouvoir magique écrite entre parenthèses après son niveau : "(3 v)".
QString TexteFrequence(const QString& texte);

// Bonus du personnage pour les écoles, registres et domaines qu'un sort porte.
// bonus : par mot reconnu ("Evocation", "Feu", "Bien"...) ou par nom de domaine.
qint16 BonusDescripteurSort(const QString& ecoleEtRegistres, const QStringList& domaines,
                            const QHash<QString, int>& bonus);
