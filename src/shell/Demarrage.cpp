#include "Demarrage.h"
#include "Application.h"
#include "EtatShell.h"
#include "FichierIni.h"
#include "shell/Erreur.h"
#include "shell/db/MiseAJour.h"
#include "shell/db/SchemaPerso.h"
#include "shell/db/SurcoucheRegles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

QString cheminAbsolu(const QString& chemin)
{
    return QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
}

QString cheminBaseProgramme(const EtatShell& etat)
{
    return QDir(etat.dossierProgramme).filePath(QLatin1String(kNomBaseProgramme));
}

// Un nombre illisible du fichier de réglages est signalé puis compte pour 0.
int litNombre(EtatShell& etat, const char* section, const char* cle)
{
    int valeur = 0;
    etat.erreurs.protege("PrepareDemarrage", "Demarrage.cpp", [&] {
        valeur = ParametreIni(etat.cheminIni, QLatin1String(section), QLatin1String(cle), 0, false);
    });
    return valeur;
}

} // namespace

QString DossierProgrammeDepuis(const QString& dossierExecutable)
{
    const QString executable = cheminAbsolu(dossierExecutable);
    if (QFileInfo::exists(QDir(executable).filePath(QLatin1String(kNomBaseProgramme))))
        return executable;
    const QString installe = cheminAbsolu(executable + QStringLiteral("/../share/quorvane"));
    if (QFileInfo::exists(QDir(installe).filePath(QLatin1String(kNomBaseProgramme))))
        return installe;
    return executable;   // l'absence de la base sera signalée à son ouverture
}

QString DossierPersonnel(const QString& dossierProgramme)
{
    const QDir dossier(cheminAbsolu(dossierProgramme));
    QDir parent = dossier;
    const bool installe = dossier.dirName() == u"quorvane" && parent.cdUp() && parent.dirName() == u"share";
    return installe ? DossierDonneesUtilisateur() : dossier.path();
}

QString PrepareBasePersoParDefaut(const EtatShell& etat, bool* creee)
{
    const QString chemin = QDir(etat.dossierPersonnel).filePath(QLatin1String(kNomBasePerso));
    if (creee)
        *creee = false;
    if (QFileInfo::exists(chemin))
        return chemin;
    if (!QDir().mkpath(etat.dossierPersonnel))
        throw ErreurBase(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(etat.dossierPersonnel));
    const QString exemples = QDir(etat.dossierProgramme).filePath(QLatin1String(kNomBaseExemples));
    if (QFileInfo::exists(exemples)) {
        // Copie sous un nom provisoire puis renommage : jamais de perso.db à moitié copiée.
        const QString provisoire = chemin + QStringLiteral(".copie");
        QFile::remove(provisoire);
        const bool copie = QFile::copy(exemples, provisoire)
                           && QFile::setPermissions(provisoire, QFile::permissions(provisoire) | QFileDevice::WriteOwner)
                           && QFile::rename(provisoire, chemin);
        QFile::remove(provisoire);
        if (!copie && !QFileInfo::exists(chemin))
            throw ErreurBase(QStringLiteral("Impossible de copier les personnages d'exemple dans « %1 ».").arg(chemin));
    } else {
        CreeBasePersonnagesComplete(chemin, *etat.programme);
    }
    if (creee)
        *creee = true;
    return chemin;
}

void PrepareDemarrage(EtatShell& etat, const QString& dossierProgramme, const QString& dossierConfiguration)
{
    etat.dossierProgramme = DossierProgrammeDepuis(dossierProgramme);
    etat.dossierPersonnel = DossierPersonnel(etat.dossierProgramme);
    QDir().mkpath(etat.dossierPersonnel);
    etat.erreurs.ouvreJournal(QDir(etat.dossierPersonnel).filePath(QLatin1String(kNomJournal)));
    QDir::setCurrent(etat.dossierProgramme);

    etat.cheminIni = LocaliseFichierIni(dossierConfiguration, etat.dossierProgramme);
    etat.erreurs.modeDebug = litNombre(etat, "MODE", "DEBUG");
    etat.doubleCarac = litNombre(etat, "COMPETENCE", "DOUBLECARAC") != 0;
    etat.miseEnForme = litNombre(etat, "WORD", "MiseEnForme") != 0;
    etat.marqueProgressionDons = true;
    etat.cheminPerso = LitIni(etat.cheminIni, QStringLiteral("FICHIER"), QStringLiteral("BDD"));
    etat.adresseSite = LitIni(etat.cheminIni, QStringLiteral("SITE"), QStringLiteral("ADRESSE"));
    if (etat.adresseSite.isEmpty())
        etat.adresseSite = QLatin1String(kAdresseSiteParDefaut);
}

bool OuvreBasesDemarrage(EtatShell& etat)
{
    etat.programme = OuvreBaseProgramme(cheminBaseProgramme(etat));
    // Des corrections illisibles n'empêchent pas de démarrer : elles sont signalées et laissées.
    etat.erreurs.protege("OuvreBasesDemarrage", "Demarrage.cpp",
                         [&] { AttacheCorrections(*etat.programme, CheminCorrections()); });

    // La dernière base n'est reprise que si elle existe encore et n'est pas celle du programme.
    if (!etat.cheminPerso.isEmpty() && QFileInfo(etat.cheminPerso).isFile()) {
        etat.erreurs.protege("OuvreBasesDemarrage", "Demarrage.cpp", [&] {
            // Même par un lien, la base du programme n'est jamais ouverte comme base de personnages.
            if (EstBaseProgramme(etat, etat.cheminPerso))
                throw ErreurBase(QStringLiteral("On ne peut pas ouvrir la base du programme"));
            etat.perso = BaseDonnees::ouvre(etat.cheminPerso);
        });
    }

    bool creee = false;
    if (!etat.perso) {
        etat.cheminPerso = PrepareBasePersoParDefaut(etat, &creee);
        etat.perso = BaseDonnees::ouvre(etat.cheminPerso);
    }

    const QString separateur = QLocale::system().decimalPoint();
    etat.separateurDecimal = separateur.isEmpty() ? QChar(u'.') : separateur.at(0);

    MiseAJourBase(*etat.perso, *etat.programme);
    CopieDonsPerso(*etat.perso, *etat.programme);
    return creee;
}

std::unique_ptr<BaseDonnees> OuvreBaseProgramme(const QString& chemin)
{
    if (!QFileInfo::exists(chemin))
        throw ErreurBase(QStringLiteral("La base du programme « %1 » est introuvable : réinstallez Quorvane.").arg(chemin),
                         NumeroErreur::Introuvable);
    auto base = BaseDonnees::ouvreLecture(chemin);
    base->memoriseLectures();
    return base;
}

std::unique_ptr<BaseDonnees> CreeBasePersonnagesComplete(const QString& chemin, BaseDonnees& programme)
{
    return BaseDonnees::creeComplete(chemin, [&](BaseDonnees& perso) { creeBasePersonnages(perso, programme); });
}

bool EstBaseProgramme(const EtatShell& etat, const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const QString programme = cheminBaseProgramme(etat);
    if (cheminAbsolu(chemin).toUpper() == cheminAbsolu(programme).toUpper())
        return true;
    // Un lien ou un détour par un autre chemin mène au même fichier.
    const QString canonique = QFileInfo(chemin).canonicalFilePath();
    return !canonique.isEmpty() && canonique == QFileInfo(programme).canonicalFilePath();
}

std::unique_ptr<BaseDonnees> OuvreBasePersonnages(EtatShell& etat, const QString& chemin)
{
    auto base = BaseDonnees::ouvre(cheminAbsolu(chemin));
    MiseAJourBase(*base, *etat.programme);
    return base;
}

void AdopteBasePersonnages(EtatShell& etat, std::unique_ptr<BaseDonnees> base, const QString& chemin)
{
    etat.perso = std::move(base);
    // Les dons personnels de la base ouverte recouvrent les règles, ceux de la précédente s'en vont.
    CopieDonsPerso(*etat.perso, *etat.programme);
    etat.cheminPerso = cheminAbsolu(chemin);
    EcritIni(etat.cheminIni, QStringLiteral("FICHIER"), QStringLiteral("BDD"), etat.cheminPerso);
}
