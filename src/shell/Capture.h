#pragma once
// Capture de la fenêtre principale et de ses fenêtres filles dans une image PNG.
#include <QString>

class frmMain;

// Ouvre la fenêtre nommée (vide : aucune), rend la fenêtre principale dans le fichier.
// Rend un message d'erreur en français, vide en cas de réussite.
QString CaptureFenetre(frmMain& principale, const QString& fichier, const QString& fenetre);
