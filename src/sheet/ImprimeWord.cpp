#include "ImprimeWord.h"
#include "ExportFiche.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace {

// Nom de fichier tiré du nom du personnage, sans les caractères qu'un système refuse.
QString nomFichier(const QString& personnage, const char* extension)
{
    QString nom = personnage.trimmed();
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : nom)
        if (interdits.contains(c) || c.unicode() < 32)
            c = u'_';
    return (nom.isEmpty() ? QStringLiteral("personnage") : nom) + QLatin1String(extension);
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
    const char* modele = choix.mode == ModeImpression::WordPerso ? kModeleWordPerso : kModeleWord;
    QFile source(QDir(c.dossierProgramme).filePath(QStringLiteral("feuille/") + QLatin1String(modele)));
    if (!source.open(QIODevice::ReadOnly))
        return QString::fromUtf8(kErreurCopie);
    const QString page = RemplitModele(QString::fromUtf8(source.readAll()),
                                       LieuxImpression(c.perso, c.programme, fiche, choix));
    QTextDocument document;
    document.setHtml(page);
    QTextDocumentWriter writer(chemin, QByteArrayLiteral("odf"));
    if (!writer.write(&document)) {
        QFile::remove(chemin);
        return messageLectureSeule(chemin);
    }
    return {};
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
    const bool document = choix.mode == ModeImpression::Word || choix.mode == ModeImpression::WordPerso;
    const char* extension = document ? ".odt" : choix.mode == ModeImpression::Html ? ".html" : ".txt";
    const QString chemin = QDir(dossier).filePath(nomFichier(fiche.Nom, extension));

    if (document) {
        r.message = exportDocument(c, fiche, choix, chemin);
    } else {
        const QByteArray contenu = choix.mode == ModeImpression::Html ? FicheEnHtml(fiche) : FicheEnTexte(fiche).toUtf8();
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
