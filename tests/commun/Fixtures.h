#pragma once
// Outils communs des tests : dossiers temporaires et petites bases construites dans le code.
#include "shell/db/BaseDonnees.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// Un dossier temporaire propre à un test, supprimé à la fin.
class DossierTest
{
public:
    DossierTest();
    QString chemin(const QString& nom) const;
    const QTemporaryDir& dossier() const { return m_dossier; }

private:
    QTemporaryDir m_dossier;
};

// Base vide neuve dans le dossier donné.
std::unique_ptr<BaseDonnees> baseVide(const DossierTest& dossier, const QString& nom = QStringLiteral("test.db"));

// Écrit un fichier (et ses dossiers) avec ce contenu.
void ecritFichier(const QString& chemin, const QByteArray& contenu = {});

// Dossier du programme construit (tessarys.db, perso.db...), donné par CTest.
QString dossierProgramme();
