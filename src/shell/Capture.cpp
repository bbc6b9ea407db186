#include "Capture.h"
#include "ChoixPersonnage.h"
#include "EtatShell.h"
#include "UtilitairesFenetres.h"
#include "frmMain.h"
#include "editor/frmGestPerso.h"
#include "reference/frmDescriptifCompetence.h"
#include "sheet/PageSorts.h"
#include "sheet/frmFichePerso.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Une fenêtre connue de la capture : modale (ouverte par exec, regardée puis refermée) ou fille.
struct Ouverture
{
    const char* nom;
    bool modale;
    // Déclenche l'ouverture ; rend un message quand elle n'est pas possible.
    std::function<QString(frmMain&, const DemandeCapture&)> ouvre;
};

void laissePeindre()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

QString declenche(frmMain& principale, const char* action)
{
    auto* a = principale.findChild<QAction*>(QLatin1String(action));
    if (!a)
        return QStringLiteral("Article de menu introuvable : ") + QLatin1String(action);
    a->trigger();
    return {};
}

template<class F>
F* fille(frmMain& principale, const char* nom)
{
    QMdiSubWindow* sous = principale.sousFenetre(QLatin1String(nom));
    return sous ? qobject_cast<F*>(sous->widget()) : nullptr;
}

QString personnageDemande(frmMain& principale, const DemandeCapture& demande)
{
    if (!demande.personnage.isEmpty())
        return demande.personnage;
    const QVector<PersonnageChoix> liste = ListePersonnagesChoix(*principale.etat().perso);
    return liste.isEmpty() ? QString() : liste.first().nom;
}

QString introuvable(const QString& nom)
{
    return QStringLiteral("Personnage introuvable dans la base ouverte : « ") + nom + QStringLiteral(" »");
}

void choisitOnglet(QTabWidget* onglets, int onglet)
{
    if (onglet >= 0 && onglet < onglets->count())
        onglets->setCurrentIndex(onglet);
}

// L'éditeur ouvert sur le personnage demandé ; nul avec *erreur rempli sinon.
frmGestPerso* editeurSur(frmMain& principale, const DemandeCapture& demande, QString* erreur)
{
    principale.afficheGestPerso();
    auto* editeur = fille<frmGestPerso>(principale, "frmGestPerso");
    const QString nom = personnageDemande(principale, demande);
    if (!editeur || nom.isEmpty() || !TrouveLigne(editeur->vsPerso, nom, 0)) {
        *erreur = introuvable(nom);
        return nullptr;
    }
    if (auto* onglets = editeur->findChild<QTabWidget*>(QStringLiteral("ongletsIdentite")))
        choisitOnglet(onglets, demande.onglet);
    laissePeindre();
    return editeur;
}

frmFichePerso* ficheSur(frmMain& principale, const DemandeCapture& demande, QString* erreur)
{
    const QString nom = personnageDemande(principale, demande);
    if (nom.isEmpty()
        || principale.etat().perso->scalaire(QStringLiteral("select count(*) from Personnage where Nom = ?"), {nom}).toInt()
               == 0) {
        *erreur = introuvable(nom);
        return nullptr;
    }
    principale.afficheFichePerso(nom);
    auto* fiche = fille<frmFichePerso>(principale, "frmFichePerso");
    if (!fiche) {
        *erreur = QStringLiteral("La fiche de « ") + nom + QStringLiteral(" » n'a pas pu s'ouvrir.");
        return nullptr;
    }
    choisitOnglet(fiche->onglets(), demande.onglet);
    laissePeindre();
    return fiche;
}

// Bouton de l'éditeur, sur une ligne choisie de l'une de ses grilles (-1 : aucune).
Ouverture boutonEditeur(const char* nom, QPushButton* frmGestPerso::*bouton, QTableWidget* frmGestPerso::*grille = nullptr)
{
    return {nom, true, [bouton, grille](frmMain& p, const DemandeCapture& d) -> QString {
                QString erreur;
                frmGestPerso* editeur = editeurSur(p, d, &erreur);
                if (!editeur)
                    return erreur;
                if (grille) {
                    QTableWidget* g = editeur->*grille;
                    if (g->rowCount() == 0)
                        return QStringLiteral("« ") + personnageDemande(p, d)
                               + QStringLiteral(" » n'a pas de ligne pour ouvrir cette fenêtre.");
                    g->setCurrentCell(0, 0);
                    g->selectRow(0);
                }
                (editeur->*bouton)->click();
                return {};
            }};
}

const QVector<Ouverture>& ouvertures()
{
    static const QVector<Ouverture> liste{
        {"frmAcceder", false, [](frmMain& p, const DemandeCapture&) { p.afficheAcceder(); return QString(); }},
        {"frmAstuce", false, [](frmMain& p, const DemandeCapture&) { p.afficheAstuce(); return QString(); }},
        {"frmApropos", true, [](frmMain& p, const DemandeCapture&) { return declenche(p, "IDM_APROPOS"); }},
        {"frmGestPerso", false,
         [](frmMain& p, const DemandeCapture& d) {
             QString erreur;
             editeurSur(p, d, &erreur);
             return erreur;
         }},
        boutonEditeur("frmAjouter", &frmGestPerso::btnAjouter),
        boutonEditeur("frmRenommer", &frmGestPerso::btnRenommer),
        boutonEditeur("frmBackHist", &frmGestPerso::btnBackground),
        boutonEditeur("FrmLstArticle", &frmGestPerso::btnEquipAcheter),
        boutonEditeur("frmVendre", &frmGestPerso::btnEquipEnlever, &frmGestPerso::vsEquip),
        boutonEditeur("frmDonsComp", &frmGestPerso::btnDonsComp, &frmGestPerso::vsHistoPerso),
        {"frmAssistant", true, [](frmMain& p, const DemandeCapture&) { return declenche(p, "IDM_ASSISTANT_PERSO"); }},
        {"frmGestobj", false, [](frmMain& p, const DemandeCapture&) { p.afficheGestObjets(); return QString(); }},
        {"frmExperience", false, [](frmMain& p, const DemandeCapture&) { p.afficheExperience(); return QString(); }},
        {"frmImport", false,
         [](frmMain& p, const DemandeCapture&) {
             // Les exemples livrés servent de source (la base ouverte sinon) : la fenêtre ne fait que les lister.
             const QString exemples = QDir(p.etat().dossierProgramme).filePath(QStringLiteral("exemples.db"));
             p.ouvreImport(QFileInfo::exists(exemples) ? exemples : p.etat().cheminPerso);
             return p.TrouveChild(QStringLiteral("frmImport")) ? QString()
                                                                : QStringLiteral("L'importation n'a pas pu s'ouvrir.");
         }},
        {"frmDescriptifDon", false, [](frmMain& p, const DemandeCapture&) { return declenche(p, "IDM_DESCRIPTION_DON"); }},
        {"frmDescriptifSort", true, [](frmMain& p, const DemandeCapture&) { return declenche(p, "IDM_DESCRIPTION_SORT"); }},
        {"frmDescriptionRaces", false,
         [](frmMain& p, const DemandeCapture&) { return declenche(p, "IDM_DESCRIPTION_RACE"); }},
        {"frmDescriptifCompetence", true,
         [](frmMain& p, const DemandeCapture&) {
             MontreCompetence(p.etat(), QStringLiteral("Acrobaties"), &p);
             return QString();
         }},
        {"frmInsertionDons", false, [](frmMain& p, const DemandeCapture&) { return declenche(p, "IDM_INSERTION_DONS"); }},
        {"frmFichePerso", false,
         [](frmMain& p, const DemandeCapture& d) {
             QString erreur;
             ficheSur(p, d, &erreur);
             return erreur;
         }},
        {"frmImpression", true,
         [](frmMain& p, const DemandeCapture& d) {
             QString erreur;
             frmFichePerso* fiche = ficheSur(p, d, &erreur);
             if (!fiche)
                 return erreur;
             fiche->findChild<QPushButton*>(QStringLiteral("btnImprimer"), Qt::FindDirectChildrenOnly)->click();
             return QString();
         }},
        {"frmMetamagie", true,
         [](frmMain& p, const DemandeCapture& d) {
             QString erreur;
             frmFichePerso* fiche = ficheSur(p, d, &erreur);
             if (!fiche)
                 return erreur;
             auto* sorts = fiche->findChild<PageSorts*>();
             for (int ligne = 0; sorts && ligne < sorts->vsSortListe->rowCount(); ++ligne) {
                 // Le nom du sort est dans la liste déroulante de la cellule, ou dans la cellule même.
                 const auto* liste = qobject_cast<QComboBox*>(sorts->vsSortListe->cellWidget(ligne, 0));
                 const QTableWidgetItem* cellule = sorts->vsSortListe->item(ligne, 0);
                 if (liste ? !liste->currentText().isEmpty() : cellule && !cellule->text().isEmpty()) {
                     fiche->onglets()->setCurrentWidget(sorts);
                     sorts->vsSortListe->setCurrentCell(ligne, 0);
                     sorts->btnMetamagie->click();
                     return QString();
                 }
             }
             return QStringLiteral("« ") + fiche->nomPersonnage()
                    + QStringLiteral(" » n'a pas de sort du jour auquel appliquer un don de métamagie.");
         }},
        {"frmLanceurDes", false, [](frmMain& p, const DemandeCapture&) { p.afficheLanceurDes(); return QString(); }},
        {"frmGenerateurVille", false,
         [](frmMain& p, const DemandeCapture&) { p.afficheGenerateurVille(); return QString(); }},
    };
    return liste;
}

} // namespace

QStringList FenetresCapture()
{
    QStringList noms;
    for (const Ouverture& o : ouvertures())
        noms << QLatin1String(o.nom);
    return noms;
}

QString OuvrePourCapture(frmMain& principale, const DemandeCapture& demande, const std::function<void(QWidget*)>& regarde)
{
    if (demande.fenetre.isEmpty()) {
        laissePeindre();
        regarde(&principale);
        return {};
    }
    const Ouverture* choisie = nullptr;
    for (const Ouverture& o : ouvertures())
        if (demande.fenetre.compare(QLatin1String(o.nom), Qt::CaseInsensitive) == 0)
            choisie = &o;
    if (!choisie)
        return QStringLiteral("Fenêtre inconnue pour la capture : ") + demande.fenetre
               + QStringLiteral(" (fenêtres possibles : ") + FenetresCapture().join(QStringLiteral(", ")) + u')';

    if (!choisie->modale) {
        const QString erreur = choisie->ouvre(principale, demande);
        if (!erreur.isEmpty())
            return erreur;
        if (!principale.TrouveChild(QLatin1String(choisie->nom)))
            return QStringLiteral("La fenêtre ") + QLatin1String(choisie->nom) + QStringLiteral(" ne s'est pas ouverte.");
        laissePeindre();
        regarde(&principale);
        return {};
    }

    // Une fenêtre modale se regarde pendant son exec, puis se referme sans rien valider ; une boîte
    // de message venue à sa place est refermée et son texte rendu comme erreur.
    const QString attendu = QLatin1String(choisie->nom);
    QString erreur;
    bool vue = false;
    QTimer guet;
    guet.setInterval(20);
    QObject::connect(&guet, &QTimer::timeout, &guet, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale)
            return;
        if (!vue && modale->objectName().startsWith(attendu, Qt::CaseInsensitive)) {
            vue = true;
            laissePeindre();
            regarde(modale);
        } else if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            if (erreur.isEmpty())
                erreur = boite->text();
        }
        if (auto* dialogue = qobject_cast<QDialog*>(modale))
            dialogue->reject();
        else
            modale->close();
    });
    guet.start();
    const QString refus = choisie->ouvre(principale, demande);
    guet.stop();
    if (!refus.isEmpty())
        return refus;
    if (!vue)
        return QStringLiteral("La fenêtre ") + attendu + QStringLiteral(" ne s'est pas ouverte")
               + (erreur.isEmpty() ? QStringLiteral(".") : QStringLiteral(" : ") + erreur);
    return {};
}

QString CaptureFenetre(frmMain& principale, const QString& fichier, const DemandeCapture& demande)
{
    QPixmap image;
    const QString erreur = OuvrePourCapture(principale, demande, [&image](QWidget* fenetre) { image = fenetre->grab(); });
    if (!erreur.isEmpty())
        return erreur;
    if (image.isNull())
        return QStringLiteral("La fenêtre n'a pas pu être rendue.");
    const QString chemin = QFileInfo(fichier).absoluteFilePath();
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    if (!image.save(chemin, "PNG"))
        return QStringLiteral("Impossible d'écrire l'image ") + chemin;
    return {};
}

QString CopieReglagesCapture(const QString& cheminIni)
{
    static QTemporaryDir dossier;
    const QString copie = dossier.filePath(QFileInfo(cheminIni).fileName());
    QFile::remove(copie);
    if (QFileInfo::exists(cheminIni))
        QFile::copy(cheminIni, copie);
    QFile::setPermissions(copie, QFile::permissions(copie) | QFileDevice::WriteOwner);
    return copie;
}
