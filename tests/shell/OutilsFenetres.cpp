#include "OutilsFenetres.h"

#include <QApplication>
#include <QDir>
#include <QtTest>

CaptureBoites::CaptureBoites()
{
    startTimer(20);
}

void CaptureBoites::timerEvent(QTimerEvent*)
{
    if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boites.append({boite->windowTitle(), boite->text(), boite->icon()});
        boite->done(QMessageBox::Ok);
    }
}

void enregistreCapture(QWidget* fenetre, const QString& nom)
{
    const QString dossier = QDir(QCoreApplication::applicationDirPath()).filePath("captures");
    QDir().mkpath(dossier);
    QVERIFY(fenetre->grab().save(QDir(dossier).filePath(nom + ".png")));
}

void reactive(QWidget* f)
{
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f))
        qWarning("fenêtre non active");
}
