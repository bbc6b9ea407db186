#include "Fixtures.h"

#include <QDir>
#include <QtTest>

DossierTest::DossierTest()
{
    QVERIFY2(m_dossier.isValid(), "dossier temporaire impossible");
}

QString DossierTest::chemin(const QString& nom) const
{
    return m_dossier.filePath(nom);
}

std::unique_ptr<BaseDonnees> baseVide(const DossierTest& dossier, const QString& nom)
{
    return BaseDonnees::cree(dossier.chemin(nom));
}

QString dossierProgramme()
{
    return QDir::cleanPath(qEnvironmentVariable("QUORVANE_PROGRAMME"));
}
