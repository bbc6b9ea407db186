// Chaque fenêtre du programme, ouverte comme la capture l'ouvre, dans une fenêtre principale de
// 1024 × 720 sur un écran de 1024 × 720 : aucun bouton ni champ montré ne sort de la partie visible
// (hors de la fenêtre, ou rogné par un parent, sauf dans une zone qui défile). Les images vont dans
// captures/ (suffixe -x2 sous QT_SCALE_FACTOR=2, l'écran gardant 1024 × 720 points logiques).
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "shell/Capture.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr QSize kEcran(1024, 720);

bool estControle(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
           || qobject_cast<QAbstractSpinBox*>(w);
}

QString decrit(QWidget* w)
{
    const auto* b = qobject_cast<QAbstractButton*>(w);
    return QStringLiteral("%1 %2 « %3 »")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), b ? b->text() : QString());
}

// Contrôles montrés dont une partie sort de la fenêtre, de l'écran ou du rectangle d'un parent.
QStringList horsDeVue(QWidget* haut)
{
    const QRect ecran(haut->mapFromGlobal(haut->screen()->availableGeometry().topLeft()),
                      haut->screen()->availableGeometry().size());
    QStringList fautes;
    for (QWidget* w : haut->findChildren<QWidget*>()) {
        if (!estControle(w) || !w->isVisible() || w->window() != haut)
            continue;
        QRect vu(w->mapTo(haut, QPoint(0, 0)), w->size());
        const QRect entier = vu;
        bool defile = false;
        for (QWidget* p = w->parentWidget(); p && p != haut; p = p->parentWidget()) {
            // Dans une zone qui défile ou une grille, on va au contrôle en faisant défiler.
            if (qobject_cast<QScrollArea*>(p) || qobject_cast<QAbstractItemView*>(p))
                defile = true;
            vu &= QRect(p->mapTo(haut, QPoint(0, 0)), p->size());
        }
        if (defile)
            continue;
        vu &= haut->rect() & ecran;
        if (vu != entier)
            fautes << decrit(w) + QStringLiteral(" en %1,%2 %3×%4, visible %5×%6")
                                      .arg(entier.x()).arg(entier.y()).arg(entier.width()).arg(entier.height())
                                      .arg(vu.width()).arg(vu.height());
    }
    return fautes;
}

void copieDuProgramme(const QString& dossier, const QString& nom)
{
    QFile::copy(QDir(dossierProgramme()).filePath(nom), QDir(dossier).filePath(nom));
}

} // namespace

class TestTaillesFenetres : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ecran() { QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), kEcran); }

    void toutEstVisible_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("personnage");
        QTest::addColumn<int>("onglet");
        QTest::newRow("frmMain") << QString() << QString() << -1;
        for (const QString& nom : FenetresCapture()) {
            if (nom == u"frmFichePerso" || nom == u"frmGestPerso") {
                const int onglets = nom == u"frmFichePerso" ? 6 : 3;
                for (int o = 0; o < onglets; ++o)
                    QTest::newRow(qPrintable(nom + QString::number(o + 1))) << nom << QStringLiteral("Élyndra") << o;
            } else {
                // Gorza porte des objets à vendre ; Élyndra prépare des sorts.
                QTest::newRow(qPrintable(nom)) << nom << QString::fromUtf8(nom == u"frmVendre" ? "Gorza" : "Élyndra")
                                               << -1;
            }
        }
    }

    void toutEstVisible()
    {
        QFETCH(QString, fenetre);
        QFETCH(QString, personnage);
        QFETCH(int, onglet);
        DossiersShell d;
        for (const char* nom : {"exemples.db", "ASTUCE.TXT", "back.jpg", "d20.bmp"})
            copieDuProgramme(d.programme, QLatin1String(nom));
        auto etat = demarre(d);
        CaptureBoites boites;
        frmMain principale(*etat);
        principale.Charge();
        principale.resize(kEcran);
        principale.move(0, 0);
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));

        QStringList fautes;
        const QString erreur = OuvrePourCapture(principale, {fenetre, personnage, onglet}, [&](QWidget* haut) {
            fautes = horsDeVue(haut);
            const QString echelle = qEnvironmentVariable("QT_SCALE_FACTOR");
            enregistreCapture(haut, QString::fromUtf8(QTest::currentDataTag())
                                        + (echelle.isEmpty() ? QString() : QStringLiteral("-x") + echelle));
        });
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(u'\n')));
    }
};

int main(int argc, char** argv)
{
    // Écran hors écran de 1024 × 720 points logiques, quelle que soit l'échelle demandée.
    QTemporaryDir dossier;
    const double echelle = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    const QString config = dossier.filePath(QStringLiteral("ecran.json"));
    QFile fichier(config);
    if (!fichier.open(QIODevice::WriteOnly))
        return 1;
    fichier.write(QStringLiteral(R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": %1, "height": %2,
                                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                      .arg(qRound(kEcran.width() * echelle)).arg(qRound(kEcran.height() * echelle)).toUtf8());
    fichier.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication application(argc, argv);
    TestTaillesFenetres essai;
    return QTest::qExec(&essai, argc, argv);
}

#include "test_tailles_fenetres.moc"
