#pragma once
// Le programme en ligne de commande : accès au cœur sans fenêtres, pour les scripts.
#include <QStringList>
#include <QTextStream>

// Exécute une commande (arguments sans le nom du programme) ; rend le code de sortie.
// dossierExecutable : dossier par défaut de tessarys.db.
int ExecuteLigneCommande(const QStringList& arguments, const QString& dossierExecutable, QTextStream& sortie,
                         QTextStream& erreurs);
