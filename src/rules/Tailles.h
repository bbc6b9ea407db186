#pragma once
// Catégories de taille : modificateurs, charge transportable, espace et allonge, dés de dégâts.
#include <QString>
#include <QStringList>

struct TypeRace;

// Les dix catégories, de la plus petite à "Colossale+".
const QStringList& Tailles();
// Catégorie décalée de pas crans, bornée à "Infime" et "Colossale+" ; "" pour un nom inconnu.
QString TailleVoisine(const QString& taille, int pas);

// Modificateur de classe d'armure et d'attaque ; 0 pour un nom inconnu (comparaison exacte).
qint16 ModifTailleCA(const QString& taille);
// Modificateur de lutte, de croc-en-jambe, de bousculade et de renversement.
qint16 ModifTailleLutte(const QString& taille);
// Modificateur de lutte après les dons : "Puissante carrure" compte une taille de plus,
// les dons de lutte ajoutent leur bonus.
qint16 LutteTaille(const QString& taille, const QStringList& dons);

// Charges légère, intermédiaire et lourde, en kilogrammes.
struct ChargesTransportables
{
    double legere = 0;
    double intermediaire = 0;
    double lourde = 0;
};
void ChargeTransportable(ChargesTransportables& resultat, bool quadrupede, const QString& taille, int force);

// Multiplicateurs du poids catalogue (fait pour une créature de taille moyenne) d'une armure ou d'un
// bouclier, et d'une arme ou de munitions, faits pour la taille donnée ; 1 pour un nom inconnu.
double FacteurPoidsArmure(const QString& taille);
double FacteurPoidsArme(const QString& taille);

// "espace/allonge" : "1,50 m/1,50 m", "3 m/3 m"... Les armes d'allonge portées doublent l'allonge.
QString EspaceAllonge(const TypeRace& race, const QStringList& armes, const QStringList& capacites);

// Dés d'une catégorie de taille au-dessus et au-dessous ; "" hors des tables.
QString DesTailleSuperieure(const QString& des);
QString DesTailleInferieure(const QString& des);

// Dés d'une attaque pour une taille, depuis ses dés pour une créature de taille moyenne ;
// dragons et élémentaires ont leurs propres tables, certains dons ajoutent un cran.
QString DegatsTaille(const QString& attaque, const QString& desMoyenne, const QString& taille, const QString& race,
                     const QStringList& dons);

// Noms des attaques naturelles reconnues.
const QStringList& AttaquesNaturelles();
