#pragma once
// Le programme en ligne de commande : accès au cœur sans fenêtres, pour les scripts.
#include <QStringList>
#include <QTextStream>

// Exécute une commande (arguments sans le nom du programme) ; rend le code de sortie.
// dossierExecutable : dossier par défaut de tessarys.db.
int ExecuteLigneCommande(const QStringList& arguments, const QString& dossierExecutable, QTextStream& sortie,
                         QTextStream& erreurs);

// Vrai quand la commande met un document en page (--format pdf ou odt) : le programme démarre
// alors une application graphique, sans écran, pour les polices.
bool DemandeMiseEnPage(const QStringList& arguments);
