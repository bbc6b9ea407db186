#include "FichierIni.h"
#include "Semantique.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

constexpr int kTailleValeur = 255;   // tampon de lecture des anciens profils

QStringList lignes(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString texte = QString::fromUtf8(f.readAll());
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList l = texte.split(u'\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// Nom de section d'une ligne "[nom]", vide si ce n'en est pas une.
QString sectionDe(const QString& ligne)
{
    const QString t = ligne.trimmed();
    if (t.size() >= 2 && t.startsWith(u'[') && t.endsWith(u']'))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool estCle(const QString& ligne, const QString& cle)
{
    const qsizetype egal = ligne.indexOf(u'=');
    return egal > 0 && ligne.left(egal).trimmed().compare(cle, Qt::CaseInsensitive) == 0;
}

} // namespace

QString DossierConfiguration()
{
    const QString impose = qEnvironmentVariable("QUORVANE_CONFIG");
    if (!impose.isEmpty())
        return QDir::cleanPath(impose);
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QStringLiteral("/quorvane"));
}

QString DossierDonneesUtilisateur()
{
    const QString impose = qEnvironmentVariable("QUORVANE_DONNEES");
    if (!impose.isEmpty())
        return QDir::cleanPath(impose);
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/quorvane"));
}

QString LocaliseFichierIni(const QString& dossierConfiguration, const QString& dossierProgramme)
{
    const QString config = QDir(dossierConfiguration).filePath(QLatin1String(kNomFichierIni));
    if (QFileInfo::exists(config))
        return config;
    const QString programme = QDir(dossierProgramme).filePath(QLatin1String(kNomFichierIni));
    if (QFileInfo::exists(programme))
        return programme;
    return config;
}

QString LitIni(const QString& cheminIni, const QString& section, const QString& cle)
{
    bool dansSection = false;
    for (const QString& ligne : lignes(cheminIni)) {
        const QString s = sectionDe(ligne);
        if (!s.isEmpty()) {
            dansSection = s.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!dansSection || !estCle(ligne, cle))
            continue;
        QString valeur = ligne.mid(ligne.indexOf(u'=') + 1).trimmed();
        // Des guillemets autour de la valeur ne font pas partie de la valeur.
        if (valeur.size() >= 2 && valeur.startsWith(u'"') && valeur.endsWith(u'"'))
            valeur = valeur.mid(1, valeur.size() - 2);
        return valeur.left(kTailleValeur);
    }
    return {};
}

bool EcritIni(const QString& cheminIni, const QString& section, const QString& cle, const QString& valeur)
{
    QStringList l = lignes(cheminIni);
    const QString nouvelle = cle + u'=' + valeur;
    qsizetype debut = -1;   // ligne de l'en-tête de la section
    for (qsizetype i = 0; i < l.size(); ++i) {
        if (sectionDe(l[i]).compare(section, Qt::CaseInsensitive) == 0) {
            debut = i;
            break;
        }
    }
    if (debut < 0) {
        if (!l.isEmpty() && !l.last().trimmed().isEmpty())
            l.append(QString());
        l.append(u'[' + section + u']');
        l.append(nouvelle);
    } else {
        qsizetype fin = debut + 1;   // après la dernière ligne non vide de la section
        qsizetype i = debut + 1;
        bool remplacee = false;
        for (; i < l.size() && sectionDe(l[i]).isEmpty(); ++i) {
            if (estCle(l[i], cle)) {
                l[i] = nouvelle;
                remplacee = true;
                break;
            }
            if (!l[i].trimmed().isEmpty())
                fin = i + 1;
        }
        if (!remplacee)
            l.insert(fin, nouvelle);
    }

    QDir().mkpath(QFileInfo(cheminIni).absolutePath());
    QSaveFile f(cheminIni);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(l.join(u'\n').toUtf8());
    f.write("\n");
    return f.commit();
}

int ParametreIni(const QString& cheminIni, const QString& section, const QString& cle, int valeur, bool ecriture)
{
    if (ecriture) {
        EcritIni(cheminIni, section, cle, QString::number(valeur));
        return valeur;
    }
    return CInt(Val(LitIni(cheminIni, section, cle)));
}
