#include "ImprimeWord.h"
#include "DocumentFiche.h"
#include "ExportFiche.h"
#include "FicheComplete.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Nom de fichier tiré du nom du personnage, sans les caractères qu'un système refuse.
QString nomFichier(const QString& personnage, const char* extension)
{
    QString nom = personnage.trimmed();
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : nom)
        if (interdits.contains(c) || c.unicode() < 32)
            c = u'_';
    return (nom.isEmpty() ? QStringLiteral("personnage") : nom) + QString::fromUtf8(extension);
}

bool dossierEcrivable(const QString& dossier)
{
    if (!QDir().mkpath(dossier))
        return false;
    // Un essai d'écriture dit plus vrai que les droits affichés.
    QFile essai(QDir(dossier).filePath(QStringLiteral(".essai-ecriture")));
    const bool ok = essai.open(QIODevice::WriteOnly);
    essai.remove();
    return ok;
}

QString messageLectureSeule(const QString& fichier)
{
    return QLatin1String(kErreurAffectation) + u'\n' + QStringLiteral("Il est possible que le fichier") + QStringLiteral(" « ")
           + fichier + QStringLiteral(" » ") + QStringLiteral("soit en lecture seule");
}

bool ecrit(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenu) == contenu.size() && f.flush();
}

// Formes Word : l'automatisation de Word de l'origine est remplacée par un document
// OpenDocument (que Word et LibreOffice ouvrent), rempli depuis un modèle HTML de notre cru.
QString exportDocument(const ContexteFiche& c, const Fiche& fiche, const ChoixImpression& choix, const QString& chemin)
{
    QString erreur;
    const QString page = FeuilleDocument(c, fiche, choix, erreur);
    if (!erreur.isEmpty())
        return erreur;
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || !EcritOdt(page, fichier) || !fichier.commit())
        return messageLectureSeule(chemin);
    return {};
}

// Toute la fiche en PDF, mise en page depuis la page HTML complète.
QString exportPdf(const ContexteFiche& c, const Fiche& fiche, const ChoixImpression& choix, const QString& chemin)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)
        || !EcritPdf(FicheCompleteEnHtml(c.perso, c.programme, fiche, choix), QStringLiteral("Fiche de ") + fiche.Nom, fichier)
        || !fichier.commit())
        return QStringLiteral("Impossible d'écrire le fichier ") + chemin;
    return {};
}

// Chaque forme a son fichier : la feuille abrégée et la page complète n'écrasent pas la
// feuille Word ni la page HTML du même personnage.
const char* suffixeFichier(ModeImpression mode)
{
    switch (mode) {
    case ModeImpression::Word: return ".odt";
    case ModeImpression::WordPerso: return " (abrégée).odt";
    case ModeImpression::Html: return ".html";
    case ModeImpression::HtmlComplet: return " (complète).html";
    case ModeImpression::Pdf: return ".pdf";
    case ModeImpression::Texte: break;
    }
    return ".txt";
}

} // namespace

bool OuvreAvecLeBureau(const QUrl& fichier)
{
    return QDesktopServices::openUrl(fichier);
}

ResultatImpression ImprimeWord(const ContexteFiche& c, const Fiche& fiche, const ChoixImpression& choix,
                               const OuvreFichier& ouvre)
{
    ResultatImpression r;
    QString dossier = QDir(c.dossierProgramme).filePath(QStringLiteral("Feuille"));
    QString repli;
    if (!dossierEcrivable(dossier)) {
        dossier = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Feuille"));
        repli = QStringLiteral("Le dossier Feuille du programme n'accepte pas l'écriture. ");
        QDir().mkpath(dossier);
    }
    const QString chemin = QDir(dossier).filePath(nomFichier(fiche.Nom, suffixeFichier(choix.mode)));

    if (choix.mode == ModeImpression::Word || choix.mode == ModeImpression::WordPerso) {
        r.message = exportDocument(c, fiche, choix, chemin);
    } else if (choix.mode == ModeImpression::Pdf) {
        r.message = exportPdf(c, fiche, choix, chemin);
    } else {
        const QByteArray contenu = choix.mode == ModeImpression::Html        ? FicheEnHtml(fiche)
                                   : choix.mode == ModeImpression::HtmlComplet ? FicheCompleteEnHtml(c.perso, c.programme, fiche, choix).toUtf8()
                                                                               : FicheEnTexte(fiche).toUtf8();
        if (!ecrit(chemin, contenu))
            r.message = QStringLiteral("Impossible d'écrire le fichier ") + chemin;
    }
    if (!r.message.isEmpty()) {
        r.etat = QStringLiteral("La fiche n'a pas été exportée.");
        return r;
    }
    r.fichier = chemin;
    r.etat = repli + QStringLiteral("Fiche écrite dans ") + QDir::toNativeSeparators(chemin);
    if (!ouvre(QUrl::fromLocalFile(chemin)))
        r.etat += QStringLiteral(" (aucune application ne l'a ouverte)");
    return r;
}
