#include "cli/LigneCommande.h"
#include "shell/ChoixPersonnage.h"
#include "shell/Demarrage.h"
#include "shell/EtatShell.h"
#include "shell/FichierIni.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"
#include "shell/db/SurcoucheRegles.h"
#include "import/BaseImport.h"
#include "import/Importation.h"
#include "import/RefusImport.h"
#include "sheet/DocumentFiche.h"
#include "sheet/ExportFiche.h"
#include "sheet/FicheComplete.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"
#include "shell/Hasard.h"
#include "tools/ExpressionDes.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QJsonDocument>
#include <QSaveFile>
#include <optional>

namespace {

const QString kAide = QStringLiteral(
    "Usage : quorvane-cli COMMANDE [OPTIONS]\n"
    "\n"
    "Commandes :\n"
    "  liste                    personnages comme le choix d'un personnage les montre\n"
    "                           (nom, race, niveau, classe principale, séparés par des tabulations)\n"
    "  mise-a-jour FICHIER      met une base de personnages à la disposition courante\n"
    "  creer-base FICHIER       crée une base de personnages vide à la disposition courante\n"
    "  importe SOURCE [PERSONNAGE...]\n"
    "                           importe des personnages (tous quand aucun n'est nommé) d'une base\n"
    "                           Quorvane (.db) ou Access (.mdb) dans la base --base ; le code de sortie\n"
    "                           n'est pas nul quand un personnage n'a pas été importé\n"
    "  fiche NOM                calcule la fiche du personnage et l'écrit\n"
    "                           (JSON : clés rangées par ordre alphabétique, chacune présente quand\n"
    "                           l'étape qui la calcule a tourné, liste dans \"etapesCalculees\")\n"
    "  des EXPRESSION           lance des dés écrits comme 3d6+2, 1d20-1, 2d4+1d6 ou 4d6kh3 ; une ligne\n"
    "                           par jet : les dés (écartés entre parenthèses), \" = \" et le total\n"
    "\n"
    "Options :\n"
    "  --programme DOSSIER      dossier de tessarys.db (par défaut : celui du programme)\n"
    "  --base FICHIER           base de personnages (par défaut : la dernière ouverte par le programme,\n"
    "                           sinon perso.db du dossier du programme)\n"
    "  --format FORME           forme de la fiche (par défaut : json) : json, txt (bloc de\n"
    "                           caractéristiques), html (tableau des caractéristiques), html-complet\n"
    "                           (toute la fiche en une page), pdf (toute la fiche, A4) ou odt (feuille\n"
    "                           Word du dossier feuille, en OpenDocument) ; pdf et odt demandent --sortie\n"
    "  --sortie FICHIER         écrit la fiche dans ce fichier plutôt que sur la sortie\n"
    "  --fois N                 nombre de jets de la commande des, de 1 à 1000 (par défaut : 1)\n"
    "  --graine N               rejoue la suite de dés de cette graine (commande des)\n"
    "  --sans-objets            importe sans les objets ni le catalogue (importe)\n"
    "  --nom ANCIEN=NOUVEAU     importe ANCIEN sous le nom NOUVEAU (importe, plusieurs possibles)\n"
    "  --aide, --help           cette aide\n"
    "  --version                la version du programme\n"
    "\n"
    "Codes de sortie : 0 réussite, 1 fichier ou personnage introuvable (ou personnage non importé),\n"
    "2 commande mal formée, 3 base ou fichier illisible, verrouillé ou en lecture seule.\n");

struct Options
{
    QString commande;
    QStringList positionnels;
    QString dossierProgramme;
    QString base;
    QString format;
    QString fichierSortie;
    QString fois;
    QString graine;
    bool sansObjets = false;
    QStringList renommages;   // "ANCIEN=NOUVEAU"
};

// Lit les options ; rend un message d'erreur en cas de problème.
std::optional<QString> litOptions(const QStringList& arguments, Options& options)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        QString* valeur = a == u"--programme" ? &options.dossierProgramme
                          : a == u"--base"    ? &options.base
                          : a == u"--format"  ? &options.format
                          : a == u"--sortie"  ? &options.fichierSortie
                          : a == u"--fois"    ? &options.fois
                          : a == u"--graine"  ? &options.graine
                                              : nullptr;
        if (valeur) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).startsWith(u"--"))
                return QStringLiteral("L'option %1 attend une valeur.").arg(a);
            *valeur = arguments.at(++i);
        } else if (a == u"--sans-objets") {
            options.sansObjets = true;
        } else if (a == u"--nom") {
            if (i + 1 >= arguments.size() || !arguments.at(i + 1).contains(u'='))
                return QStringLiteral("L'option --nom attend ANCIEN=NOUVEAU.");
            options.renommages.append(arguments.at(++i));
        } else if (a.startsWith(u"--")) {
            return QStringLiteral("Option inconnue : %1.").arg(a);
        } else if (options.commande.isEmpty()) {
            options.commande = a;
        } else {
            options.positionnels.append(a);
        }
    }
    return std::nullopt;
}

// État partagé avec le programme de bureau : mêmes règles pour la base du programme,
// le fichier de réglages et l'ouverture d'une base de personnages.
void prepareEtat(const Options& options, EtatShell& etat)
{
    etat.dossierProgramme = QDir::cleanPath(QFileInfo(options.dossierProgramme).absoluteFilePath());
    etat.dossierPersonnel = DossierPersonnel(etat.dossierProgramme);
    etat.cheminIni = LocaliseFichierIni(DossierConfiguration(), etat.dossierProgramme);
    etat.doubleCarac = ParametreIni(etat.cheminIni, QStringLiteral("COMPETENCE"), QStringLiteral("DOUBLECARAC"), 0, false) != 0;
    etat.programme = OuvreBaseProgramme(QDir(etat.dossierProgramme).filePath(QLatin1String(kNomBaseProgramme)));
    try {
        AttacheCorrections(*etat.programme, CheminCorrections());
    } catch (const ErreurBase&) {
        // Des corrections illisibles laissent les règles telles qu'elles sont livrées.
    }
}

// Numéro classique d'un argument incorrect : la commande est mal formée.
constexpr int kErreurArgument = 5;

void refuseBaseProgramme(const EtatShell& etat, const QString& chemin)
{
    if (EstBaseProgramme(etat, chemin))
        throw ErreurExecution(kErreurArgument, QStringLiteral("On ne peut pas ouvrir la base du programme"));
}

// Base par défaut : celle que nomme le fichier de réglages si elle existe encore, sinon perso.db
// (faite comme au démarrage du programme de bureau quand elle manque).
QString baseParDefaut(const EtatShell& etat)
{
    const QString derniere = LitIni(etat.cheminIni, QStringLiteral("FICHIER"), QStringLiteral("BDD"));
    if (!derniere.isEmpty() && QFileInfo(derniere).isFile() && !EstBaseProgramme(etat, derniere))
        return derniere;
    return PrepareBasePersoParDefaut(etat);
}

// Une tabulation ou un retour à la ligne dans un nom casserait les colonnes : ils sont échappés.
QString champListe(const QString& texte)
{
    if (std::none_of(texte.cbegin(), texte.cend(), [](QChar c) { return c == u'\t' || c == u'\n' || c == u'\r' || c == u'\\'; }))
        return texte;
    QString s = texte;
    s.replace(u'\\', QStringLiteral("\\\\")).replace(u'\t', QStringLiteral("\\t")).replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
    return s;
}

int commandeListe(const Options& options, QTextStream& sortie)
{
    EtatShell etat;
    prepareEtat(options, etat);
    const QString chemin = options.base.isEmpty() ? baseParDefaut(etat) : options.base;
    refuseBaseProgramme(etat, chemin);
    auto perso = OuvreBasePersonnages(etat, chemin);
    for (const PersonnageChoix& p : ListePersonnagesChoix(*perso))
        sortie << champListe(p.nom) << '\t' << champListe(p.race) << '\t' << p.niveau << '\t' << champListe(p.classe) << '\n';
    return 0;
}

int commandeMiseAJour(const Options& options, QTextStream& sortie)
{
    EtatShell etat;
    prepareEtat(options, etat);
    refuseBaseProgramme(etat, options.positionnels.at(0));
    auto perso = OuvreBasePersonnages(etat, options.positionnels.at(0));
    sortie << QStringLiteral("Base « %1 » à jour (version %2).\n")
                  .arg(perso->chemin())
                  .arg(perso->scalaire(QStringLiteral("select version from Version")).toInt());
    return 0;
}

int commandeCreerBase(const Options& options, QTextStream& sortie)
{
    const QString chemin = options.positionnels.at(0);
    EtatShell etat;
    prepareEtat(options, etat);
    refuseBaseProgramme(etat, chemin);
    auto perso = CreeBasePersonnagesComplete(chemin, *etat.programme);
    sortie << QStringLiteral("Base « %1 » créée.\n").arg(perso->chemin());
    return 0;
}

int commandeImporte(const Options& options, QTextStream& sortie)
{
    EtatShell etat;
    prepareEtat(options, etat);
    const QString source = options.positionnels.at(0);
    if (EstBaseProgramme(etat, source))
        throw ErreurBase(QStringLiteral("On ne peut pas ouvrir la base de donnée du programme !"));
    const QString chemin = options.base.isEmpty() ? baseParDefaut(etat) : options.base;
    refuseBaseProgramme(etat, chemin);
    auto perso = OuvreBasePersonnages(etat, chemin);
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(perso->chemin()).canonicalFilePath())
        sortie << QStringLiteral("Vous ouvrez la base en cours d'utilisation.\n"
                                 "Vous pourrez seulement dupliquer les personnages en les renommant.\n");
    std::unique_ptr<BaseImport> import;
    try {
        import = BaseImport::ouvre(source, *etat.programme);
    } catch (const RefusImport& refus) {
        throw ErreurExecution(refus.numero(), refus.description());
    }
    QHash<QString, QString> noms;
    for (const QString& r : options.renommages)
        noms.insert(r.section(u'=', 0, 0).toUpper(), r.section(u'=', 1));
    QVector<ChoixImport> choix;
    const QStringList demandes = options.positionnels.mid(1);
    if (demandes.isEmpty()) {
        for (const PersonnageChoix& p : ListePersonnagesChoix(import->base()))
            choix.append({p.nom, noms.value(p.nom.toUpper(), p.nom)});
    } else {
        for (const QString& nom : demandes)
            choix.append({nom, noms.value(nom.toUpper(), nom)});
    }
    const BilanImport bilan = ImportePersonnages(import->base(), *perso, choix, !options.sansObjets);
    if (bilan.echecCatalogue)
        sortie << *bilan.echecCatalogue << '\n';
    for (const ResultatImport& r : bilan.personnages) {
        if (r.issue != IssueImport::Importe)
            sortie << QStringLiteral("Non importé : ") << r.message << '\n';
        else if (r.nomImport != r.nom)
            sortie << QStringLiteral("Importé : %1 sous le nom %2\n").arg(r.nom, r.nomImport);
        else
            sortie << QStringLiteral("Importé : %1\n").arg(r.nom);
    }
    return bilan.complet() ? 0 : 1;
}

// Numéro classique de l'erreur d'accès à un fichier.
constexpr int kErreurFichier = 75;

const QStringList kFormats{QStringLiteral("json"), QStringLiteral("txt"), QStringLiteral("html"),
                           QStringLiteral("html-complet"), QStringLiteral("pdf"), QStringLiteral("odt")};

// Formes mises en page par QtGui, écrites seulement dans un fichier.
bool estMiseEnPage(const QString& format)
{
    return format == u"pdf" || format == u"odt";
}

int commandeFiche(const Options& options, QTextStream& sortie)
{
    const QString nom = options.positionnels.at(0);
    EtatShell etat;
    prepareEtat(options, etat);
    const QString chemin = options.base.isEmpty() ? baseParDefaut(etat) : options.base;
    refuseBaseProgramme(etat, chemin);
    auto perso = OuvreBasePersonnages(etat, chemin);
    CopieDonsPerso(*perso, *etat.programme);
    if (!perso->cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {nom}))
        throw ErreurExecution(NumeroErreur::Introuvable,
                              QStringLiteral("Le personnage « %1 » n'existe pas dans la base « %2 ».").arg(nom, perso->chemin()));
    Fiche fiche;
    SaisiesFiche saisies;
    saisies.DoubleCarac = etat.doubleCarac;
    saisies.Capacites = ChargeCapacitesPerso(*perso, *etat.programme, nom);
    if (!RetrouveFiche({*perso, *etat.programme, etat.dossierProgramme}, nom, saisies, fiche))
        throw ErreurBase(MessageRefusFiche(fiche));
    if (estMiseEnPage(options.format)) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            throw ErreurExecution(kErreurArgument, QStringLiteral("La mise en page du format %1 demande une application graphique.")
                                                       .arg(options.format));
        const ContexteFiche contexte{*perso, *etat.programme, etat.dossierProgramme};
        ChoixImpression choix;
        QSaveFile fichier(options.fichierSortie);
        bool ecrit = false;
        if (fichier.open(QIODevice::WriteOnly)) {
            if (options.format == u"pdf") {
                ecrit = EcritPdf(FicheCompleteEnHtml(*perso, *etat.programme, fiche, choix), QStringLiteral("Fiche de ") + nom, fichier);
            } else {
                QString erreur;
                const QString page = FeuilleDocument(contexte, fiche, choix, erreur);
                if (!erreur.isEmpty())
                    throw ErreurExecution(kErreurFichier, QStringLiteral("%1 : le modèle « feuille/%2 » manque dans « %3 ».")
                                                              .arg(erreur, QLatin1String(kModeleWord), etat.dossierProgramme));
                ecrit = EcritOdt(page, fichier);
            }
        }
        if (!ecrit || !fichier.commit())
            throw ErreurExecution(kErreurFichier, QStringLiteral("Impossible d'écrire le fichier « %1 ».").arg(options.fichierSortie));
        return 0;
    }
    const QByteArray texte = options.format == u"txt"            ? FicheEnTexte(fiche).toUtf8()
                             : options.format == u"html"         ? FicheEnHtml(fiche)
                             : options.format == u"html-complet" ? FicheCompleteEnHtml(*perso, *etat.programme, fiche, {}).toUtf8()
                                                                 : QJsonDocument(FicheEnJson(fiche)).toJson(QJsonDocument::Indented);
    if (options.fichierSortie.isEmpty()) {
        // Le HTML n'a que de l'ASCII : il passe tel quel par la sortie en UTF-8.
        sortie << QString::fromUtf8(texte);
        return 0;
    }
    QSaveFile fichier(options.fichierSortie);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(texte) != texte.size() || !fichier.commit())
        throw ErreurExecution(kErreurFichier, QStringLiteral("Impossible d'écrire le fichier « %1 ».").arg(options.fichierSortie));
    return 0;
}

constexpr int kMaxFois = 1000;

int commandeDes(const Options& options, QTextStream& sortie)
{
    const LectureDes lecture = LitExpressionDes(options.positionnels.at(0));
    if (!lecture.ok())
        throw ErreurExecution(kErreurArgument, lecture.erreur);
    bool ok = true;
    const int fois = options.fois.isEmpty() ? 1 : options.fois.toInt(&ok);
    if (!ok || fois < 1 || fois > kMaxFois)
        throw ErreurExecution(kErreurArgument, QStringLiteral("L'option --fois attend un nombre de 1 à %1.").arg(kMaxFois));
    const uint graine = options.graine.toUInt(&ok);
    if (!options.graine.isEmpty() && !ok)
        throw ErreurExecution(kErreurArgument, QStringLiteral("L'option --graine attend un nombre entier positif."));
    std::mt19937 generateurGraine(graine);
    HasardGenerateur hasard(options.graine.isEmpty() ? Hasard() : generateurGraine);
    for (int i = 0; i < fois; ++i) {
        const JetDes jet = LanceExpressionDes(lecture.termes, hasard);
        sortie << jet.detail << " = " << jet.total << '\n';
    }
    return 0;
}

} // namespace

bool DemandeMiseEnPage(const QStringList& arguments)
{
    const qsizetype i = arguments.indexOf(QStringLiteral("--format"));
    return i >= 0 && i + 1 < arguments.size() && estMiseEnPage(arguments.at(i + 1));
}

int ExecuteLigneCommande(const QStringList& arguments, const QString& dossierExecutable, QTextStream& sortie,
                         QTextStream& erreurs)
{
    Options options;
    options.dossierProgramme = DossierProgrammeDepuis(dossierExecutable);
    if (arguments.contains(QStringLiteral("--aide")) || arguments.contains(QStringLiteral("-h"))
        || arguments.contains(QStringLiteral("--help"))) {
        sortie << kAide;
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        sortie << QStringLiteral("quorvane-cli %1\n").arg(QLatin1String(QUORVANE_VERSION));
        return 0;
    }
    if (const auto erreur = litOptions(arguments, options)) {
        erreurs << *erreur << '\n' << kAide;
        return 2;
    }
    struct Commande
    {
        const char16_t* nom;
        int positionnels;
        int (*execute)(const Options&, QTextStream&);
        const char16_t* argument;   // ce que l'argument nomme, pour le message d'erreur
    };
    static const Commande commandes[] = {
        {u"liste", 0, &commandeListe, u""},
        {u"mise-a-jour", 1, &commandeMiseAJour, u"un nom de fichier"},
        {u"creer-base", 1, &commandeCreerBase, u"un nom de fichier"},
        {u"fiche", 1, &commandeFiche, u"un nom de personnage"},
        {u"des", 1, &commandeDes, u"une expression de dés"},
        {u"importe", -1, &commandeImporte, u"le fichier d'où importer"},
    };
    if (options.commande.isEmpty()) {
        erreurs << QStringLiteral("Aucune commande donnée.\n") << kAide;
        return 2;
    }
    for (const Commande& c : commandes) {
        if (options.commande != QStringView(c.nom))
            continue;
        // -1 : au moins un argument.
        if (c.positionnels < 0 ? options.positionnels.isEmpty() : options.positionnels.size() != c.positionnels) {
            erreurs << (c.positionnels == 0
                            ? QStringLiteral("La commande %1 ne prend pas d'argument.\n").arg(options.commande)
                            : QStringLiteral("La commande %1 attend %2.\n").arg(options.commande, QStringView(c.argument)));
            return 2;
        }
        if ((!options.format.isEmpty() || !options.fichierSortie.isEmpty()) && options.commande != u"fiche") {
            erreurs << QStringLiteral("Les options --format et --sortie ne servent qu'à la commande fiche.\n");
            return 2;
        }
        if ((!options.fois.isEmpty() || !options.graine.isEmpty()) && options.commande != u"des") {
            erreurs << QStringLiteral("Les options --fois et --graine ne servent qu'à la commande des.\n");
            return 2;
        }
        if ((options.sansObjets || !options.renommages.isEmpty()) && options.commande != u"importe") {
            erreurs << QStringLiteral("Les options --sans-objets et --nom ne servent qu'à la commande importe.\n");
            return 2;
        }
        if (!options.format.isEmpty() && !kFormats.contains(options.format)) {
            erreurs << QStringLiteral("Format inconnu : %1 (%2).\n").arg(options.format, kFormats.join(QStringLiteral(", ")));
            return 2;
        }
        if (estMiseEnPage(options.format) && options.fichierSortie.isEmpty()) {
            erreurs << QStringLiteral("Le format %1 s'écrit dans un fichier : ajoutez --sortie FICHIER.\n").arg(options.format);
            return 2;
        }
        try {
            return c.execute(options, sortie);
        } catch (const ErreurExecution& e) {
            erreurs << e.description() << '\n';
            // Codes de sortie : 1 introuvable, 2 commande mal formée, 3 base ou fichier en erreur.
            if (e.numero() == NumeroErreur::Introuvable)
                return 1;
            return e.numero() == kErreurArgument ? 2 : 3;
        }
    }
    erreurs << QStringLiteral("Commande inconnue : %1.\n").arg(options.commande) << kAide;
    return 2;
}
