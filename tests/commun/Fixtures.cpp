#include "Fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

void ecritFichier(const QString& chemin, const QByteArray& contenu)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(chemin));
    f.write(contenu);
}

QString dossierProgramme()
{
    return QDir::cleanPath(qEnvironmentVariable("QUORVANE_PROGRAMME"));
}
