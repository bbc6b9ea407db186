// Les dialogues standard de Qt parlent français : traductions du système chargées comme au démarrage.
#include "OutilsFenetres.h"
#include "commun/Fixtures.h"
#include "shell/UtilitairesFenetres.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestTraductionsQt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(ChargeTraductionsQt(), "qtbase_fr.qm manque : paquet qt6-translations-l10n"); }

    void questionOuiNonAnnuler()
    {
        QStringList textes;
        repondA<QMessageBox>([&](QMessageBox* boite) {
            for (auto bouton : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                textes << boite->button(bouton)->text().remove(u'&');
            enregistreCapture(boite, "question-oui-non-annuler");
            boite->reject();
        });
        QMessageBox::question(nullptr, "Quorvane", "Enregistrer les modifications du personnage ?",
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(textes, (QStringList{"Oui", "Non", "Annuler"}));
    }

    void dialogueDeFichiers()
    {
        QStringList textes;
        repondA<QFileDialog>([&](QFileDialog* dialogue) {
            dialogue->resize(800, 500);
            const auto* boutons = dialogue->findChild<QDialogButtonBox*>();
            for (QAbstractButton* b : boutons->buttons())
                textes << b->text().remove(u'&');
            textes << dialogue->findChild<QLabel*>("fileNameLabel")->text().remove(u'&');
            enregistreCapture(dialogue, "dialogue-fichiers");
            dialogue->reject();
        });
        DialogueOuvrir(nullptr, "Ouvrir une base donnée", "Base Quorvane (*.db)|*.db", dossierProgramme());
        QVERIFY2(textes.contains("Ouvrir") && textes.contains("Annuler"), qPrintable(textes.join(" | ")));
        QVERIFY2(textes.last().startsWith("Nom de fichier"), qPrintable(textes.last()));
    }
};

QTEST_MAIN(TestTraductionsQt)
#include "test_traductions_qt.moc"
