#include "ConstructionProgramme.h"
#include "SchemaProgramme.h"

#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QVariantMap>

namespace {

// Date d'édition des données : fixe, pour que deux constructions donnent le même fichier.
const QDate kDateDonnees(2026, 12, 5);

[[noreturn]] void fauteSource(const QString& chemin, int ligne, int colonne, const QString& message)
{
    QString lieu = QFileInfo(chemin).fileName();
    if (ligne > 0)
        lieu += QStringLiteral(", ligne %1").arg(ligne);
    if (colonne > 0)
        lieu += QStringLiteral(", colonne %1").arg(colonne);
    throw ErreurBase(QStringLiteral("%1 (%2) : %3").arg(lieu, QDir::toNativeSeparators(chemin), message));
}

const DefinitionTable* trouveTable(const QVector<DefinitionTable>& schema, const QString& nom)
{
    for (const DefinitionTable& t : schema)
        if (t.nom.compare(nom, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString nomType(TypeChamp type)
{
    switch (type) {
    case TypeChamp::Entier: return QStringLiteral("entier 16 bits");
    case TypeChamp::Long: return QStringLiteral("entier 32 bits");
    case TypeChamp::Double: return QStringLiteral("nombre décimal");
    case TypeChamp::Booleen: return QStringLiteral("booléen 0 ou 1");
    case TypeChamp::Date: return QStringLiteral("date AAAA-MM-JJ");
    default: return QStringLiteral("texte");
    }
}

// Valeur d'une cellule dans le type du champ ; une cellule vide est Null.
// Renvoie faux quand le texte ne convient pas au type.
bool convertit(const QString& cellule, const DefinitionChamp& champ, QVariant& valeur)
{
    if (cellule.isEmpty()) {
        valeur = QVariant();
        return true;
    }
    static const QRegularExpression reEntier(QStringLiteral("^-?[0-9]+$"));
    static const QRegularExpression reDecimal(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    switch (champ.type) {
    case TypeChamp::Texte:
        valeur = cellule;
        return cellule.size() <= (champ.taille > 0 ? champ.taille : 255);
    case TypeChamp::Memo:
        valeur = cellule;
        return true;
    case TypeChamp::Entier:
    case TypeChamp::Long: {
        if (!reEntier.match(cellule).hasMatch())
            return false;
        bool ok = false;
        const qlonglong n = cellule.toLongLong(&ok);
        const qlonglong borne = champ.type == TypeChamp::Entier ? 32767 : 2147483647;
        if (!ok || n > borne || n < -borne - 1)
            return false;
        valeur = n;
        return true;
    }
    case TypeChamp::Double: {
        if (!reDecimal.match(cellule).hasMatch())
            return false;
        bool ok = false;
        const double d = cellule.toDouble(&ok);
        valeur = d;
        return ok;
    }
    case TypeChamp::Booleen:
        if (cellule != u"0" && cellule != u"1")
            return false;
        valeur = cellule == u"1";
        return true;
    case TypeChamp::Date: {
        const QDate d = QDate::fromString(cellule, Qt::ISODate);
        valeur = d;
        return d.isValid();
    }
    }
    return false;
}

// Après un refus du moteur, cherche l'index unique que la ligne heurte.
QString indexHeurte(BaseDonnees& base, const DefinitionTable& table, const QVariantMap& valeurs)
{
    for (const DefinitionIndex& index : table.index) {
        if (!index.unique)
            continue;
        QStringList conditions;
        QVariantList liees;
        for (const QString& c : index.champs) {
            const QVariant v = valeurs.value(c);
            if (v.isNull()) {
                conditions.append(identifiant(c) + QStringLiteral(" IS NULL"));
            } else {
                conditions.append(identifiant(c) + QStringLiteral(" = ?"));
                liees.append(v);
            }
        }
        const QString sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2")
                                .arg(identifiant(table.nom), conditions.join(QStringLiteral(" AND ")));
        if (base.premiere(sql, liees))
            return index.nom;
    }
    return {};
}

} // namespace

bool decoupeLigne(const QString& ligne, QStringList& cellules, int* colonneFautive)
{
    cellules.clear();
    QString courante;
    for (int i = 0; i < ligne.size(); ++i) {
        const QChar c = ligne.at(i);
        if (c == u'\t') {
            cellules.append(courante);
            courante.clear();
        } else if (c == u'\\') {
            const QChar suivant = i + 1 < ligne.size() ? ligne.at(i + 1) : QChar();
            if (suivant == u't')
                courante += u'\t';
            else if (suivant == u'n')
                courante += u'\n';
            else if (suivant == u'\\')
                courante += u'\\';
            else {
                if (colonneFautive)
                    *colonneFautive = cellules.size() + 1;
                return false;
            }
            ++i;
        } else {
            courante += c;
        }
    }
    cellules.append(courante);
    return true;
}

QVector<FichierSource> fichiersSources(const QString& dossier, const QVector<DefinitionTable>& schema)
{
    const QDir racine(dossier);
    if (!racine.exists())
        throw ErreurBase(QStringLiteral("Le dossier des sources « %1 » n'existe pas.").arg(QDir::toNativeSeparators(dossier)));

    QHash<QString, QStringList> parTable;  // nom de table du schéma -> fichiers
    QSet<QString> formeFichier;
    const QFileInfoList entrees = racine.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entree : entrees) {
        if (entree.isFile() && entree.suffix() != u"tsv")
            continue;  // CMakeLists.txt, notes...
        const QString nom = entree.isDir() ? entree.fileName() : entree.completeBaseName();
        const DefinitionTable* table = trouveTable(schema, nom);
        if (!table)
            fauteSource(entree.filePath(), 0, 0,
                        QStringLiteral("aucune table « %1 » dans la disposition de la base du programme.").arg(nom));
        if (table->nom.compare(QLatin1String("Version"), Qt::CaseInsensitive) == 0)
            fauteSource(entree.filePath(), 0, 0, QStringLiteral("la table Version est écrite par la construction, pas par une source."));
        if (parTable.contains(table->nom))
            fauteSource(entree.filePath(), 0, 0,
                        QStringLiteral("la table « %1 » a déjà une autre source (fichier et dossier à la fois ?).").arg(table->nom));
        if (entree.isDir()) {
            QStringList fichiers;
            const QDir sous(entree.filePath());
            for (const QFileInfo& f : sous.entryInfoList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
                fichiers.append(f.filePath());
            parTable.insert(table->nom, fichiers);
        } else {
            parTable.insert(table->nom, {entree.filePath()});
        }
    }

    QVector<FichierSource> resultat;
    for (const DefinitionTable& t : schema)
        for (const QString& f : parTable.value(t.nom))
            resultat.append({f, t.nom});
    return resultat;
}

void chargeFichier(BaseDonnees& base, const DefinitionTable& table, const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        fauteSource(chemin, 0, 0, QStringLiteral("lecture impossible (%1).").arg(fichier.errorString()));
    const QByteArray octets = fichier.readAll();
    QString texte = QString::fromUtf8(octets);
    if (texte.toUtf8() != octets)
        fauteSource(chemin, 0, 0, QStringLiteral("le fichier n'est pas en UTF-8."));
    if (texte.startsWith(QChar(0xFEFF)))
        texte.remove(0, 1);
    if (texte.contains(u'\r'))
        fauteSource(chemin, texte.left(texte.indexOf(u'\r')).count(u'\n') + 1, 0,
                    QStringLiteral("fin de ligne Windows : les lignes doivent finir par LF seul."));
    if (texte.endsWith(u'\n'))
        texte.chop(1);
    const QStringList lignes = texte.split(u'\n');
    if (texte.isEmpty())
        fauteSource(chemin, 1, 0, QStringLiteral("fichier vide : la première ligne doit donner les noms des champs."));

    // En-tête : noms des champs du schéma, dans un ordre quelconque.
    QVector<const DefinitionChamp*> colonnes;
    QSet<QString> vus;
    const QStringList entete = lignes.first().split(u'\t');
    for (int c = 0; c < entete.size(); ++c) {
        const DefinitionChamp* trouve = nullptr;
        for (const DefinitionChamp& champ : table.champs)
            if (champ.nom.compare(entete.at(c), Qt::CaseInsensitive) == 0)
                trouve = &champ;
        if (!trouve)
            fauteSource(chemin, 1, c + 1,
                        QStringLiteral("le champ « %1 » n'existe pas dans la table %2.").arg(entete.at(c), table.nom));
        if (vus.contains(trouve->nom.toUpper()))
            fauteSource(chemin, 1, c + 1, QStringLiteral("le champ « %1 » est répété.").arg(entete.at(c)));
        vus.insert(trouve->nom.toUpper());
        colonnes.append(trouve);
    }

    QStringList cellules;
    for (int n = 1; n < lignes.size(); ++n) {
        const int numero = n + 1;
        int colonneFautive = 0;
        if (!decoupeLigne(lignes.at(n), cellules, &colonneFautive))
            fauteSource(chemin, numero, colonneFautive,
                        QStringLiteral("échappement inconnu : seuls \\t, \\n et \\\\ sont permis."));
        if (cellules.size() != colonnes.size())
            fauteSource(chemin, numero, 0,
                        QStringLiteral("%1 cellule(s) au lieu de %2.").arg(cellules.size()).arg(colonnes.size()));
        QVariantMap valeurs;
        for (int c = 0; c < colonnes.size(); ++c) {
            QVariant v;
            if (!convertit(cellules.at(c), *colonnes.at(c), v)) {
                const DefinitionChamp& champ = *colonnes.at(c);
                const QString attendu = champ.type == TypeChamp::Texte
                    ? QStringLiteral("texte d'au plus %1 caractères").arg(champ.taille > 0 ? champ.taille : 255)
                    : nomType(champ.type);
                fauteSource(chemin, numero, c + 1,
                            QStringLiteral("« %1 » ne convient pas au champ %2 (%3).").arg(cellules.at(c), champ.nom, attendu));
            }
            valeurs.insert(colonnes.at(c)->nom, v);
        }
        try {
            base.ajoute(table.nom, valeurs);
        } catch (const ErreurBase& e) {
            const QString index = indexHeurte(base, table, valeurs);
            if (!index.isEmpty())
                fauteSource(chemin, numero, 0,
                            QStringLiteral("clé en double sur l'index « %1 » de la table %2.").arg(index, table.nom));
            fauteSource(chemin, numero, 0, e.description());
        }
    }
}

void construitProgramme(const QString& dossierSources, const QString& fichierSortie,
                        const QVector<DefinitionTable>& schema)
{
    // Le schéma écrit dans le code ne doit pas nommer deux fois une table ou un champ.
    QSet<QString> tablesVues;
    for (const DefinitionTable& t : schema) {
        if (tablesVues.contains(t.nom.toUpper()))
            throw ErreurBase(QStringLiteral("La table « %1 » est déclarée deux fois.").arg(t.nom));
        tablesVues.insert(t.nom.toUpper());
        QSet<QString> champsVus;
        for (const DefinitionChamp& c : t.champs) {
            if (champsVus.contains(c.nom.toUpper()))
                throw ErreurBase(QStringLiteral("Le champ « %1 » de la table %2 est déclaré deux fois.").arg(c.nom, t.nom));
            champsVus.insert(c.nom.toUpper());
        }
    }

    const QVector<FichierSource> sources = fichiersSources(dossierSources, schema);

    const QString provisoire = fichierSortie + QStringLiteral(".construction");
    QFile::remove(provisoire);
    try {
        auto base = BaseDonnees::cree(provisoire);
        Transaction transaction(*base);
        for (const DefinitionTable& t : schema)
            base->creeTable(t);
        for (const FichierSource& source : sources)
            chargeFichier(*base, *trouveTable(schema, source.table), source.chemin);
        if (trouveTable(schema, QStringLiteral("Version")))
            base->ajoute(QStringLiteral("Version"), {{QStringLiteral("Version"), kVersionBase},
                                                     {QStringLiteral("DateModif"), kDateDonnees},
                                                     {QStringLiteral("Objets"), kVersionObjets}});
        transaction.valide();
    } catch (...) {
        QFile::remove(provisoire);
        throw;
    }
    if (QFile::exists(fichierSortie) && !QFile::remove(fichierSortie)) {
        QFile::remove(provisoire);
        throw ErreurBase(QStringLiteral("Impossible de remplacer « %1 ».").arg(QDir::toNativeSeparators(fichierSortie)));
    }
    if (!QFile::rename(provisoire, fichierSortie)) {
        QFile::remove(provisoire);
        throw ErreurBase(QStringLiteral("Impossible d'écrire « %1 ».").arg(QDir::toNativeSeparators(fichierSortie)));
    }
}

void construitProgramme(const QString& dossierSources, const QString& fichierSortie)
{
    construitProgramme(dossierSources, fichierSortie, schemaProgramme());
}
