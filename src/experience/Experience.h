#pragma once
// Récompenses d'expérience : niveau effectif des personnages, parts d'une rencontre,
// enregistrement des gains.
#include <QList>
#include <QString>
#include <QVector>
#include <optional>

class BaseDonnees;

inline constexpr const char* kAideExperience =
    "Sélectionner les personnages (ctrl+click) puis saisir le FP de la rencontre et enfin cliquer sur ajouter. "
    "Enregistrer pour valider. Part vaut 1 pour un PJ et 0.5 pour un PNJ.";
inline constexpr const char* kCelluleFigee = "Vous ne pouvez pas changer cette céllule";

// Colonnes de la grille, dans l'ordre où elle les montre.
enum ColonneExperience { ColXpNom, ColXpNiv, ColXpNGE, ColXpExperience, ColXpNiveauSuivant, ColXpGain, ColXpPart, NombreColonnesExperience };

// Une ligne de la grille.
struct LigneExperience
{
    QString Nom;
    int Niv = 0;                    // somme des huit niveaux de classe
    int NGE = 0;                    // niveau effectif des récompenses
    qint64 Experience = 0;          // jamais moins que le minimum du niveau effectif
    qint64 NiveauSuivant = 0;       // XPNiveau(NGE + 1)
    std::optional<qint64> Gain;     // vide : rien d'ajouté depuis le dernier enregistrement
    double Part = 1;
};

struct GrilleExperience
{
    QVector<LigneExperience> lignes;
    QString avertissement;          // personnages en retard d'un niveau, en un seul message
};

// Niveau effectif : niveaux de classe, plus l'ajustement de la race et de l'archétype, moins
// les dons de réduction de cet ajustement.
int NiveauEffectif(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, const QString& race,
                   const QString& archetype, int niveau);

// Personnages non exclus, par ordre des noms.
GrilleExperience RempPerso(BaseDonnees& perso, BaseDonnees& programme);

// Nouvelle valeur saisie dans une cellule ; rend le refus (message) sans rien changer.
std::optional<QString> ModifieCellule(LigneExperience& ligne, int colonne, const QString& texte);

// Ajoute la récompense d'une rencontre aux lignes choisies. Rend le message du premier
// contrôle qui échoue (rien n'est alors ajouté). Un personnage sans récompense connue pour ce FP
// et son niveau garde son gain ; une ligne le dit dans le journal.
std::optional<QString> AjouteRecompense(BaseDonnees& programme, QVector<LigneExperience>& lignes,
                                        const QList<int>& choisies, const QString& fp, const QString& idee,
                                        QString& journal);

// Écrit en une transaction l'expérience des lignes qui ont un gain. Rend le refus quand le
// pourcentage d'idée est invalide ; sinon complète le journal et le total des XP d'idée.
std::optional<QString> EnregistreExperience(BaseDonnees& perso, QVector<LigneExperience>& lignes, const QString& idee,
                                            double& totalIdee, QString& journal);
