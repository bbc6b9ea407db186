// Programme Quorvane : démarrage, instance unique, fenêtre principale, capture.
#include "Application.h"
#include "Capture.h"
#include "Demarrage.h"
#include "EtatShell.h"
#include "FichierIni.h"
#include "InstanceUnique.h"
#include "ReglagesUtilisateur.h"
#include "UtilitairesFenetres.h"
#include "frmMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct Arguments
{
    QString base;      // base de personnages à ouvrir, chemin absolu
    QString capture;   // image à écrire, puis fin du programme
    DemandeCapture demande;   // fenêtre, personnage et onglet à montrer avant la capture
    QString erreur;
};

Arguments litArguments(const QStringList& liste)
{
    Arguments a;
    QStringList libres;
    for (qsizetype i = 1; i < liste.size(); ++i) {
        const QString& arg = liste[i];
        if (arg == QLatin1String("--capture") || arg == QLatin1String("--fenetre")
            || arg == QLatin1String("--personnage") || arg == QLatin1String("--onglet")) {
            if (i + 1 >= liste.size()) {
                a.erreur = QStringLiteral("L'option ") + arg + QStringLiteral(" attend une valeur.");
                return a;
            }
            const QString valeur = liste[++i];
            bool nombre = true;
            if (arg == QLatin1String("--capture"))
                a.capture = valeur;
            else if (arg == QLatin1String("--fenetre"))
                a.demande.fenetre = valeur;
            else if (arg == QLatin1String("--personnage"))
                a.demande.personnage = valeur;
            else
                a.demande.onglet = valeur.toInt(&nombre) - 1;
            if (!nombre || (arg == QLatin1String("--onglet") && a.demande.onglet < 0)) {
                a.erreur = QStringLiteral("L'option --onglet attend un numéro d'onglet (1 pour le premier).");
                return a;
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            a.erreur = QStringLiteral("Option inconnue : ") + arg;
            return a;
        } else {
            libres << arg;
        }
    }
    // Avant de changer de dossier courant : l'image va là où l'utilisateur l'a demandée.
    if (!a.capture.isEmpty())
        a.capture = QFileInfo(a.capture).absoluteFilePath();
    const DemandeCapture& d = a.demande;
    if ((!d.fenetre.isEmpty() || !d.personnage.isEmpty() || d.onglet >= 0) && a.capture.isEmpty())
        a.erreur = QStringLiteral("Les options --fenetre, --personnage et --onglet ne servent qu'avec --capture.");
    // L'argument est pris en entier : un chemin avec des espaces non protégés reste un chemin.
    const QString base = libres.join(u' ');
    if (!base.isEmpty())
        a.base = QFileInfo(base).absoluteFilePath();   // avant de changer de dossier courant
    return a;
}

void ecritErreur(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Mesure du démarrage (QUORVANE_MESURE_DEMARRAGE) : le programme s'arrête sitôt la fenêtre
// principale peinte une première fois ; la mesure prend la durée du processus.
class ArretApresPeinture : public QObject
{
public:
    explicit ArretApresPeinture(QWidget& fenetre) : m_fenetre(fenetre) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && objet->isWidgetType()
            && (objet == &m_fenetre || m_fenetre.isAncestorOf(static_cast<QWidget*>(objet)))) {
            qApp->removeEventFilter(this);
            // Après la fin de cette peinture, qui couvre toute la fenêtre.
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget& m_fenetre;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationDisplayName(QLatin1String(kTitreApplication));

    // Les dialogues de Qt (fichiers, messages) parlent français.
    if (!ChargeTraductionsQt())
        ecritErreur(QStringLiteral("Traductions françaises de Qt introuvables (paquet qt6-translations-l10n) : "
                                   "les dialogues standard resteront en anglais."));

    const Arguments arguments = litArguments(QApplication::arguments());
    if (!arguments.erreur.isEmpty()) {
        ecritErreur(arguments.erreur);
        ecritErreur(QStringLiteral("Usage : quorvane [BASE.db] | quorvane --capture FICHIER.png [--fenetre NOM] "
                                   "[--personnage NOM] [--onglet N] [BASE.db]"));
        return 2;
    }
    const bool capture = !arguments.capture.isEmpty();

    EtatShell etat;
    etat.erreurs.afficheAvec([capture](const QString& message) {
        if (capture)
            ecritErreur(message);
        else
            QMessageBox::critical(nullptr, QLatin1String(kTitreApplication), message);
    });
    PrepareDemarrage(etat, QApplication::applicationDirPath(), DossierConfiguration());
    // Une capture lit les réglages mais n'en change aucun (base retenue, positions des fenêtres).
    if (capture)
        etat.cheminIni = CopieReglagesCapture(etat.cheminIni);

    // Un second lancement passe sa base au premier et s'arrête. Une capture reste à part.
    InstanceUnique instance(InstanceUnique::nomServeurUtilisateur());
    if (!capture) {
        if (instance.envoie(arguments.base))
            return 0;
        instance.ecoute();
    }

    bool baseCreee = false;
    try {
        baseCreee = OuvreBasesDemarrage(etat);
    } catch (const ErreurExecution& e) {
        const QString message = QStringLiteral("Quorvane ne peut pas démarrer : ") + e.description();
        ecritErreur(message);
        if (!capture)
            QMessageBox::critical(nullptr, QLatin1String(kTitreApplication), message);
        return 1;
    }

    frmMain principale(etat);
    QObject::connect(&instance, &InstanceUnique::messageRecu, &principale, &frmMain::recoitMessageInstance);
    if (capture)
        principale.sansDialogues();
    principale.Charge(arguments.base);
    principale.show();
    std::unique_ptr<ArretApresPeinture> mesure;
    if (qEnvironmentVariableIsSet("QUORVANE_MESURE_DEMARRAGE"))
        mesure = std::make_unique<ArretApresPeinture>(principale);
    if (baseCreee) {
        // La base neuve est une copie des exemples livrés quand le programme en a.
        const bool exemples = etat.perso->scalaire(QStringLiteral("select count(*) from Personnage")).toInt() > 0;
        principale.statusBar()->showMessage(
            (exemples ? QStringLiteral("Aucune base de personnages trouvée : une base a été créée avec les personnages d'exemple (")
                      : QStringLiteral("Aucune base de personnages trouvée : une base vide a été créée ("))
            + etat.cheminPerso + u')');
    }
    if (AfficheAstucesAuDemarrage())
        principale.afficheAstuce();

    if (capture) {
        const QString erreur = CaptureFenetre(principale, arguments.capture, arguments.demande);
        if (!erreur.isEmpty()) {
            ecritErreur(erreur);
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
