// Impression de la fiche : emplacements, modèles remplis, fichiers de chaque forme, échecs,
// dialogue des choix et touche F3.
#include "FixturesFiche.h"
#include "OutilsFenetres.h"
#include "sheet/DocumentFiche.h"
#include "sheet/Equipement.h"
#include "sheet/ExportFiche.h"
#include "sheet/FicheComplete.h"
#include "sheet/ImprimeWord.h"
#include "sheet/SortsConnus.h"
#include "sheet/SortsPrepares.h"
#include "sheet/frmFichePerso.h"
#include "sheet/frmImpression.h"
#include "shell/EtatShell.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QProcess>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

const QString kBackground = QStringLiteral("Fils d'un forgeron de l'Ouest");
const QString kHistoire = QStringLiteral("Il a quitté l'armée ; l'\"affaire\" du pont le poursuit.");

QString lit(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Dossier de programme de test : les modèles livrés, copiés.
void copieModeles(const QString& dossier)
{
    QDir().mkpath(dossier + QStringLiteral("/feuille"));
    for (const char* modele : {kModeleWord, kModeleWordPerso})
        QVERIFY(QFile::copy(dossierProgramme() + QStringLiteral("/feuille/") + QLatin1String(modele),
                            dossier + QStringLiteral("/feuille/") + QLatin1String(modele)));
}

// Ce qu'un lecteur voit d'un PDF : le nombre de pages et le format lus dans sa structure, le
// texte par pdftotext quand il est installé (nul sinon).
struct LecturePdf
{
    int pages = 0;
    bool a4 = false;
    QString texte;
    QString erreurs;
};

LecturePdf lisPdf(const QString& chemin)
{
    LecturePdf l;
    QFile f(chemin);
    const QByteArray octets = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (!octets.startsWith("%PDF-") || !octets.trimmed().endsWith("%%EOF"))
        return l;
    const QString pdf = QString::fromLatin1(octets);
    l.pages = int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))));
    // A4 : 595 × 842 points.
    l.a4 = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+(595(\\.\\d*)?)\\s+(841\\.\\d*|842(\\.\\d*)?)\\s*\\]"))
               .match(pdf)
               .hasMatch();
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return l;
    QProcess p;
    p.start(pdftotext, {chemin, QStringLiteral("-")});
    if (p.waitForFinished(30000) && p.exitCode() == 0)
        l.texte = QString::fromUtf8(p.readAllStandardOutput());
    // Un lecteur qui se plaint de la structure l'écrit sur sa sortie d'erreur.
    l.erreurs = QString::fromUtf8(p.readAllStandardError());
    return l;
}

// L'image du personnage, rangée dans la page, garde ses proportions.
void verifiePortrait(const QString& page)
{
    QTextDocument document;
    ChargeDocument(document, page);
    const QImage original(dossierProgramme() + "/back.jpg");
    QVERIFY(!original.isNull());
    int images = 0;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            ++images;
            QCOMPARE(qRound(image.height()), qRound(image.width() * original.height() / original.width()));
        }
    QCOMPARE(images, 1);
}

} // namespace

class TestImpression : public TestFicheBase
{
    Q_OBJECT

    QString m_page;
    LecturePdf m_pdf;

    QList<QUrl> m_ouverts;
    OuvreFichier m_ouvre = [this](const QUrl& u) { m_ouverts << u; return true; };

    LieuxFiche lieux(const QString& nom, const ChoixImpression& choix = {})
    {
        return LieuxImpression(*m_perso, *m_programme, calcule(nom), choix);
    }

private slots:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        QStandardPaths::setTestModeEnabled(true);
        ajouteAldo(*m_perso);
        equipeTest(*m_perso, "Aldo", {{"Épée longue", 0}, {"Potion de soins légers", -1}});
        EnregistreImage(*m_perso, "Aldo", dossierProgramme() + "/back.jpg");
        m_perso->execute("update personnage set Background=?, histoire=? where nom='Aldo'", {kBackground, kHistoire});
        ajoutePersonnageFiche(*m_perso, "Bruno", {{"Guerrier", 10, {15, 10, 14, 10, 10, 10}}}, {{"RACE", "Humain"}});
        equipeTest(*m_perso, "Bruno", {{"Harnois", 1}});
        // Prêtre des domaines du Bien et de la Guerre : sorts connus, deux préparés.
        ajoutePersonnageFiche(*m_perso, "Iria", {{"Prêtre", 8, {10, 10, 10, 10, 14, 10}}, {"Prêtre", 6}, {"Prêtre", 6}},
                              {{"RACE", "Humain"}, {"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}});
        EnregSort(*m_perso, "Iria", "Prêtre", {{"Bénédiction", 1}, {"Arme magique", 1}, {"Aide", 2}, {"Soins légers", 1}});
        SortsClasse s = calcule("Iria").Sorts.first();
        const auto prepare = [&](const char* emplacement, const char* sort) {
            for (int i = 0; i < s.prepares.size(); ++i)
                if (s.prepares[i].emplacement == QString::fromUtf8(emplacement))
                    QCOMPARE(PrepareSort(*m_programme, s, {"Bien", "Guerre"}, i, QString::fromUtf8(sort)), std::nullopt);
        };
        prepare("Niveau 1 n°1", "Bénédiction");
        prepare("Domaine n°1", "Arme magique");
        EnregSortListe(*m_perso, "Iria", s);
        // Prêtre 10 armé, en chemise de mailles, une potion dans le sac : la fiche complète.
        ajoutePersonnageFiche(*m_perso, "Wanda", niveaux("Prêtre", 10, {14, 10, 14, 10, 16, 12}, 8),
                              {{"RACE", "Humain"}, {"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}});
        equipeTest(*m_perso, "Wanda", {{"Épée longue", 0}, {"Chemise de mailles", 1}, {"Potion de soins légers", -1}});
        EnregSort(*m_perso, "Wanda", "Prêtre", {{"Bénédiction", 1}, {"Aide", 2}, {"Soins légers", 1}});
        EnregistreImage(*m_perso, "Wanda", dossierProgramme() + "/back.jpg");
    }

    // Valeurs comptées à la main : guerrier 4 / roublard 3 humain (For 16, Dex 14), sans armure ;
    // guerrier humain en harnois.
    void lieux_data()
    {
        QTest::addColumn<QString>("perso");
        QTest::addColumn<QString>("lieu");
        QTest::addColumn<QString>("attendu");
        const QList<std::array<QString, 3>> lignes{
            {"Aldo", "NomPersonnage", "Aldo"}, {"Aldo", "sgnClasse", "Guerrier 4, Roublard 3"},
            {"Aldo", "sgnNivSuivant", "28000"}, {"Aldo", "sgnTotalFor", "16"}, {"Aldo", "sgnBonusDex", "2"},
            {"Aldo", "POINTVIE", "47"}, {"Aldo", "AttaqueLutte", "9"}, {"Aldo", "sgnFinalReflexe", "6"},
            {"Aldo", "sgnFinalVolonte", "3"}, {"Aldo", "CAFinal", "12"}, {"Aldo", "CADepourvuFinal", "10"},
            {"Aldo", "CAContactDexterite", "2"}, {"Aldo", "ArmureNom", ""}, {"Aldo", "ArmureEchecSortTotal", "0%"},
            {"Aldo", "sngPoidsTaille", "80 kg, 180 cm"}, {"Aldo", "RecuperCompletPV", "14"},
            {"Aldo", "VDNormLeger", "9 m"}, {"Aldo", "VDCourseLeger", "36 m"}, {"Aldo", "VDNormLourd", "6 m"},
            {"Aldo", "Artisanat_1", "0"}, {"Aldo", "Représentation (Les autres)", "-1"},
            {"Aldo", "Background", kBackground}, {"Aldo", "Histoire", kHistoire}, {"Bruno", "ArmureNom", "Harnois"},
            {"Bruno", "ArmureEchecSort", "35%"}, {"Bruno", "ArmureEchecSortTotal", "35%"},
            {"Bruno", "ArmureMalusTotal", "-6"}, {"Bruno", "Armurebonusdextmax", "1"}, {"Bruno", "CAArmure", "8"},
            {"Bruno", "CADexterite", "0"}, {"Bruno", "VDNormLeger", "6 m"}, {"Bruno", "VDCourseLeger", "18 m"},
            {"Iria", "sortNB1", "2"}, {"Iria", "sortNBSpe1", "1"}, {"Iria", "sortDD2", "14"}, {"Iria", "sortNB4", "-"},
            {"Iria", "sortPorteCourte", "Portée courte : 9 m"}};
        for (const auto& [perso, lieu, attendu] : lignes)
            QTest::addRow("%s %s", qPrintable(perso), qPrintable(lieu)) << perso << lieu << attendu;
    }

    void lieux()
    {
        QFETCH(QString, perso);
        QFETCH(QString, lieu);
        QFETCH(QString, attendu);
        const LieuxFiche l = lieux(perso);
        QVERIFY2(l.contains(lieu), qPrintable(lieu));
        QCOMPARE(l.value(lieu), attendu);
    }

    // Une ligne de compétence par emplacement, que la feuille complète nomme ainsi.
    void lieuCompetence()
    {
        const QString modele = lit(dossierProgramme() + "/feuille/PersoVierge.html");
        const std::pair<QString, QString> cas[] = {
            {"Artisanat 2", "Artisanat_2"}, {"Représentation (chant)", "Représentation (chant)"},
            {"Représentation (cornemuse)", "Représentation (Les autres)"}, {"Détection", "Détection"}};
        for (const auto& [regle, lieu] : cas) {
            LigneCompetence c;
            c.NomRegle = regle;
            QCOMPARE(LieuCompetence(c), lieu);
            QVERIFY2(modele.contains("{{" + lieu + "}}"), qPrintable(lieu));
        }
    }

    // Dons répartis par octroi ; les dons cachés par le bouton de la page ne s'impriment pas.
    void donsParOctroi()
    {
        const std::tuple<QString, bool, QString> cas[] = {{"Don de classe", false, "don01"}, {"Don sélectionné", false, "don02"},
                                                          {"Don de race", false, "don03"}, {"Don d'objet", false, "don03"},
                                                          {"Don de classe", true, ""}};
        for (const auto& [octroi, cache, lieu] : cas) {
            Fiche f;
            f.Dons = {donTest("Vigilance")};
            f.Dons[0].Octroi = octroi;
            f.Dons[0].Cachee = cache;
            const LieuxFiche l = LieuxImpression(*m_perso, *m_programme, f, {});
            for (const char* nom : {"don01", "don02", "don03"})
                QCOMPARE(l.value(nom), lieu == nom ? QStringLiteral("Vigilance") : QString());
            QCOMPARE(l.value("DescriptionDon").contains("Vigilance"), !cache);
        }
    }

    // *E* préparé aujourd'hui, *D* d'un domaine du personnage, *E&D* les deux ; "--" pour une
    // rubrique vide ; seulement les sorts du jour quand on le demande.
    void marquesDesSorts()
    {
        const QString tous = lieux("Iria").value("ListeSortsConnus");
        for (const char* ligne : {"*E* Bénédiction\n", "*E&D* Arme magique\n", "*D* Aide\n", "\nSoins légers\n"})
            QVERIFY2(tous.contains(QString::fromUtf8(ligne)), ligne);
        QVERIFY(tous.contains("NIV: 2  Ecole: "));
        QVERIFY(tous.contains("Cible(s) : --"));
        ChoixImpression jour;
        jour.sortsQuotidiens = true;
        const LieuxFiche l = lieux("Iria", jour);
        QVERIFY(l.value("ListeSortsConnus").contains("*E&D* Arme magique"));
        QVERIFY(!l.value("ListeSortsConnus").contains("Aide") && !l.value("ListeSortsConnus").contains("Soins légers"));
        QVERIFY(l.value("SortsListe").startsWith("Liste journalière des sorts\n"));
        ChoixImpression rien{ModeImpression::Word, false, false, false, false, false};
        const LieuxFiche vide = lieux("Iria", rien);
        for (const char* lieu : {"ListeSortsConnus", "DescriptionDon", "Background", "Histoire"})
            QVERIFY2(vide.value(lieu).isEmpty(), lieu);
    }

    // Valeurs échappées, lignes et doubles espaces gardés, emplacement inconnu vidé, image absente omise.
    void remplitModele()
    {
        const LieuxFiche l{{"NomPersonnage", "l'Ombre <1>"}, {"Notes", "a\nb  c"}, {"ImagePerso", "/nulle/part.jpg"}};
        QCOMPARE(RemplitModele("<td>{{NomPersonnage}}</td>[{{ Notes }}]a{{Inconnu}}b<p>{{ImagePerso}}</p>", l),
                 "<td>l'Ombre &lt;1&gt;</td>[a<br>b&nbsp; c]ab<p></p>");
    }

    // Chaque forme écrit son fichier au nom du personnage dans "Feuille", puis l'ouvre.
    void formes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("extrait");
        QTest::newRow("Word") << 1 << "Aldo.odt" << "application/vnd.oasis.opendocument.text";
        QTest::newRow("HTML") << 2 << "Aldo.html" << "<td>Force</td><td>16</td><td>3</td>";
        // La feuille abrégée et la page complète ont leur fichier : la feuille Word et la page
        // HTML du même personnage restent.
        QTest::newRow("WordPerso") << 3 << "Aldo (abrégée).odt" << "application/vnd.oasis.opendocument.text";
        QTest::newRow("Txt") << 4 << "Aldo.txt" << "Dés de vie : 7 (47 pv)\nInitiative : +2\nVitesse de déplacement : 9m(6 cases)\n";
        QTest::newRow("Feuille complète") << 5 << "Aldo (complète).html" << "<h2>Attaques et armes</h2>";
        QTest::newRow("PDF") << 6 << "Aldo.pdf" << "%PDF-1.4";
    }

    void formes()
    {
        QFETCH(int, mode);
        QFETCH(QString, fichier);
        QFETCH(QString, extrait);
        const QString programme = m_dossier.chemin(QStringLiteral("prog%1").arg(mode));
        copieModeles(programme);
        m_ouverts.clear();
        const Fiche f = calcule("Aldo");
        ChoixImpression choix;
        choix.mode = ModeImpression(mode);
        const ResultatImpression r = ImprimeWord({*m_perso, *m_programme, programme}, f, choix, m_ouvre);
        QCOMPARE(r.message, QString());
        QCOMPARE(r.fichier, programme + "/Feuille/" + fichier);
        QVERIFY(r.etat.contains(QDir::toNativeSeparators(r.fichier)));
        QCOMPARE(m_ouverts, QList<QUrl>{QUrl::fromLocalFile(r.fichier)});
        const QString contenu = lit(r.fichier);
        QVERIFY2(contenu.contains(extrait), qPrintable(contenu.left(300)));
        if (mode == 5)
            verifiePortrait(contenu);
        if (mode != 1 && mode != 3)
            return;
        // Seule la feuille complète porte l'image du personnage, rangée dans le document.
        QFile document(r.fichier);
        QVERIFY(document.open(QIODevice::ReadOnly));
        QCOMPARE(document.readAll().contains("Pictures/"), mode == 1);
        // Le modèle rempli ne garde aucun emplacement et se lit comme une feuille : l'épée longue
        // (BBA +6/+1 et Force +3, 1d8+3, critique 19-20) et la potion du sac.
        QString erreur;
        const QString page = FeuilleDocument({*m_perso, *m_programme, programme}, f, choix, erreur);
        QCOMPARE(erreur, QString());
        QVERIFY(!page.contains("{{") && page.contains("Guerrier 4, Roublard 3") && page.contains(kHistoire.toHtmlEscaped()) == (mode == 1));
        for (const char* attendu : {"Épée longue : Mélée(+9/+4) Dégâts(1d8+3) (19-20,x2)", "Potion de soins légers"})
            QVERIFY2(page.contains(QString::fromUtf8(attendu)), attendu);
        if (mode == 1)
            verifiePortrait(page);
        // Une image de la première page est laissée aux développeurs.
        QTextDocument rendu;
        rendu.setHtml(page);
        rendu.setTextWidth(794);
        QImage image(rendu.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter peintre(&image);
        rendu.drawContents(&peintre);
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/captures");
        QVERIFY(image.save(QCoreApplication::applicationDirPath() + QStringLiteral("/captures/feuille-mode%1.png").arg(mode)));
    }

    // Prêtre de niveau 10 : chaque rubrique dans la page et dans le PDF A4 de une à quatre pages,
    // qu'un lecteur de PDF ouvre ; la page se suffit (styles et image dedans).
    void ficheComplete_data()
    {
        QTest::addColumn<QString>("rubrique");
        for (const char* r : {"Identité", "Caractéristiques", "Jets de sauvegarde", "Attaques et armes", "Classe d'armure",
                              "Points de vie", "Compétences", "Dons", "Capacités spéciales", "Équipement", "Déplacements",
                              "Sorts"})
            QTest::newRow(r) << QString::fromUtf8(r);
    }

    void ficheComplete()
    {
        QFETCH(QString, rubrique);
        if (m_page.isEmpty()) {
            m_page = FicheCompleteEnHtml(*m_perso, *m_programme, calcule("Wanda"), {});
            QVERIFY(m_page.contains("<style>") && m_page.contains("src=\"data:image/jpeg;base64,"));
            for (const char* attendu : {"Épée longue", "Chemise de mailles", "Potion de soins légers", "Bénédiction"})
                QVERIFY2(m_page.contains(QString::fromUtf8(attendu)), attendu);
            QFile pdf(QCoreApplication::applicationDirPath() + "/captures/Wanda.pdf");
            QDir().mkpath(QCoreApplication::applicationDirPath() + "/captures");
            QVERIFY(pdf.open(QIODevice::WriteOnly) && EcritPdf(m_page, "Fiche de Wanda", pdf));
            pdf.close();
            m_pdf = lisPdf(pdf.fileName());
        }
        QVERIFY2(m_page.contains("<h2>" + rubrique.toHtmlEscaped() + "</h2>"), qPrintable(rubrique));
        QVERIFY2(m_pdf.pages >= 1 && m_pdf.pages <= 4, qPrintable(QString::number(m_pdf.pages)));
        QVERIFY(m_pdf.a4);
        if (m_pdf.texte.isNull())
            QSKIP("pdftotext absent (paquet poppler-utils) : le texte du PDF n'est pas relu");
        QVERIFY2(m_pdf.erreurs.isEmpty(), qPrintable(m_pdf.erreurs));
        QVERIFY2(m_pdf.texte.contains(rubrique), qPrintable(rubrique));
    }

    // Modèle absent, document impossible à écrire : le message, aucun fichier, rien d'ouvert.
    // Un dossier "Feuille" impossible à créer : celui des données de l'utilisateur le remplace.
    void echecs_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message");
        QTest::newRow("modèle absent") << "modele" << QString::fromUtf8(kErreurCopie);
        QTest::newRow("document bloqué") << "document"
                                         << QString::fromUtf8(kErreurAffectation) + "\nIl est possible que le fichier";
        QTest::newRow("dossier Feuille impossible") << "dossier" << QString();
    }

    void echecs()
    {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        const QString programme = m_dossier.chemin("echec-" + cas);
        QDir().mkpath(programme);
        if (cas != "modele")
            copieModeles(programme);
        if (cas == "document")
            QDir().mkpath(programme + "/Feuille/Aldo.odt");
        if (cas == "dossier")
            QVERIFY(QFile(programme + "/Feuille").open(QIODevice::WriteOnly));
        m_ouverts.clear();
        const ResultatImpression r = ImprimeWord({*m_perso, *m_programme, programme}, calcule("Aldo"), {}, m_ouvre);
        QVERIFY2(r.message.startsWith(message), qPrintable(r.message));
        if (cas == "dossier") {
            QVERIFY(r.fichier.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
            QVERIFY(r.etat.startsWith("Le dossier Feuille du programme n'accepte pas l'écriture."));
            QVERIFY(QFile::remove(r.fichier));
            return;
        }
        QCOMPARE(r.message.endsWith("soit en lecture seule"), cas == "document");
        QVERIFY(r.fichier.isEmpty() && m_ouverts.isEmpty());
        QCOMPARE(QDir(programme + "/Feuille").entryList(QDir::Files), QStringList());
    }

    // Bloc de caractéristiques d'un lanceur de sorts : les rubriques dans l'ordre du bloc.
    void blocDeTexte()
    {
        const QStringList lignes = FicheEnTexte(calcule("Iria")).split(u'\n');
        int precedente = -1;
        for (const char* rubrique : {"Dés de vie : ", "Initiative : ", "Vitesse de déplacement : 9m(6 cases)",
                                     "Classe d'armure : ", "Attaque de base/lutte : ", "Attaque : ", "Attaque à outrance : ",
                                     "Espace occupé/Allonge : 1,50 m/1,50 m", "Attaques spéciales : renvoi des morts-vivants ", "Jets de sauvegarde : ", "Caractéristiques : ",
                                     "Compétences : ", "Dons : ", "Magie et pouvoirs magiques : Prêtre (niveau de lanceur 3) : ",
                                     "Capacité de classe : ", "Equipement : ", "Liste de sort :", "Niveau 1 : Bénédiction, Arme magique"}) {
            const auto ligne = std::find_if(lignes.cbegin(), lignes.cend(),
                                            [&](const QString& l) { return l.startsWith(QString::fromUtf8(rubrique)); });
            QVERIFY2(ligne != lignes.cend(), rubrique);
            QVERIFY2(ligne - lignes.cbegin() > precedente, rubrique);
            precedente = int(ligne - lignes.cbegin());
        }
        QVERIFY(lignes.contains("Magie et pouvoirs magiques : Prêtre (niveau de lanceur 3) : Sort de niveau 0 : 4/jour (DD 12), "
                                "Sort de niveau 1 : 4/jour (DD 13), Sort de niveau 2 : 3/jour (DD 14)"));
    }

    // Sorts du jour active seulement avec les sorts ; OK retient les choix (le PDF aussi), Annuler non.
    void dialogue()
    {
        const QString ini = m_dossier.chemin("dialogue.ini");
        {
            frmImpression d(ini);
            QVERIFY(d.findChild<QRadioButton*>("Option1")->isChecked());
            QCheckBox* quotidiens = d.findChild<QCheckBox*>("ChkImprim_0");
            QCheckBox* sorts = d.findChild<QCheckBox*>("ChkImprim_1");
            QVERIFY(quotidiens->isEnabled() && !quotidiens->isChecked() && sorts->isChecked());
            quotidiens->setChecked(true);
            sorts->click();
            QVERIFY(!quotidiens->isEnabled() && !d.choix().sortsQuotidiens);
            sorts->click();
            QVERIFY(quotidiens->isEnabled() && d.choix().sortsQuotidiens);
            d.findChild<QCheckBox*>("ChkImprim_3")->click();
            d.findChild<QRadioButton*>("Option6")->click();
            d.show();
            enregistreCapture(&d, "frmImpression");
            d.findChild<QPushButton*>("btnOk")->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        {
            frmImpression d(ini);
            const ChoixImpression c = d.choix();
            QVERIFY(c.mode == ModeImpression::Pdf && c.sortsQuotidiens && c.sorts && c.dons && !c.histoire && c.background);
            d.findChild<QRadioButton*>("Option2")->click();
            d.findChild<QPushButton*>("btnAnnuler")->click();
        }
        QVERIFY(frmImpression(ini).choix().mode == ModeImpression::Pdf);
    }

    // F3 ouvre le dialogue ; OK y écrit la fiche et la ligne d'état dit où, sans rien lancer.
    void toucheF3()
    {
        EtatShell etat;
        etat.programme = baseProgrammeLivree();
        etat.perso = basePersonnagesTest(m_dossier, *etat.programme, "f3.db");
        etat.dossierProgramme = m_dossier.chemin("prog-f3");
        copieModeles(etat.dossierProgramme);
        etat.cheminIni = m_dossier.chemin("f3.ini");
        ajouteAldo(*etat.perso);
        frmFichePerso fenetre(etat, "Aldo");
        fenetre.show();
        fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        fenetre.chargePersonnage("Aldo");
        QVERIFY(fenetre.findChild<QPushButton*>("btnImprimer", Qt::FindDirectChildrenOnly)->isEnabled());
        QDesktopServices::setUrlHandler("file", this, "ouvertParLeBureau");
        bool vu = false;
        repondA<frmImpression>([&vu](frmImpression* d) {
            vu = true;
            d->findChild<QRadioButton*>("Option4")->click();
            d->findChild<QPushButton*>("btnOk")->click();
        });
        m_ouverts.clear();
        QTest::keyClick(&fenetre, Qt::Key_F3);
        QDesktopServices::unsetUrlHandler("file");
        QVERIFY(vu);
        const QString fichier = etat.dossierProgramme + "/Feuille/Aldo.txt";
        QCOMPARE(m_ouverts, QList<QUrl>{QUrl::fromLocalFile(fichier)});
        QCOMPARE(fenetre.findChild<QLabel*>("lblEtat")->text(), "Fiche écrite dans " + QDir::toNativeSeparators(fichier));
    }

public slots:
    void ouvertParLeBureau(const QUrl& url) { m_ouverts << url; }
};

QTEST_MAIN(TestImpression)
#include "test_impression.moc"
