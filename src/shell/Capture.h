#pragma once
// Capture des fenêtres dans une image PNG : chaque fenêtre du programme s'ouvre par son nom,
// sur un personnage et un onglet au besoin, sans rien changer aux réglages de l'utilisateur.
#include <QString>
#include <QStringList>
#include <functional>

class frmMain;
class QWidget;

struct DemandeCapture
{
    QString fenetre;      // nom de la fenêtre ; vide : la fenêtre principale seule
    QString personnage;   // personnage de la fiche, de l'éditeur et de leurs dialogues ; vide : le premier
    int onglet = -1;      // onglet de la fiche ou de l'éditeur ; -1 : celui d'ouverture
};

// Noms des fenêtres que la capture sait ouvrir (noms d'objet des fenêtres).
QStringList FenetresCapture();

// Ouvre la fenêtre demandée puis appelle regarde sur la fenêtre de premier niveau qui la montre :
// la fenêtre principale pour une fenêtre fille, le dialogue lui-même pour une fenêtre modale,
// refermé ensuite sans rien valider. Rend un message d'erreur en français, vide en cas de réussite.
QString OuvrePourCapture(frmMain& principale, const DemandeCapture& demande,
                         const std::function<void(QWidget*)>& regarde);

// Ouvre la fenêtre demandée et en écrit l'image dans le fichier (chemin relatif : au dossier courant).
QString CaptureFenetre(frmMain& principale, const QString& fichier, const DemandeCapture& demande);

// Le temps d'une capture, les réglages sont lus dans une copie jetable du fichier : la base
// retenue et les positions des fenêtres de l'utilisateur ne changent pas. Rend le chemin de la copie.
QString CopieReglagesCapture(const QString& cheminIni);
