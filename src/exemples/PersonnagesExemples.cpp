#include "PersonnagesExemples.h"
#include "editor/EditionPersonnage.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"
#include "sheet/SortsConnus.h"
#include "sheet/SortsFiche.h"
#include "sheet/SortsParJour.h"
#include "sheet/SortsPrepares.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"

#include <QFile>
#include <QStringList>

namespace {

// Un personnage tel que le fichier le décrit.
struct Graine
{
    PersonnageEdite edite;
    TextesPersonnage textes;
    QVector<QPair<QString, QStringList>> connus;    // classe -> sorts connus
    QVector<QPair<QString, QStringList>> prepares;  // classe -> sorts préparés, emplacement par emplacement
    int ligne = 0;
};

[[noreturn]] void refuse(const QString& fichier, int ligne, const QString& raison)
{
    throw ErreurExecution(NumeroErreur::Base, QStringLiteral("%1, ligne %2 : %3").arg(fichier).arg(ligne).arg(raison));
}

QStringList liste(const QString& texte)
{
    QStringList elements;
    for (const QString& e : texte.split(u',', Qt::SkipEmptyParts))
        if (!e.trimmed().isEmpty())
            elements.append(e.trimmed());
    return elements;
}

// « Guerrier 1 ; PV 10 ; Carac 16 13 14 10 12 8 ; Dons Attaque en puissance, Arme de prédilection [Épée longue] »
std::optional<QString> litNiveau(const QString& texte, NiveauEdite& n)
{
    const QStringList parties = texte.split(u';');
    const QString tete = parties.at(0).trimmed();
    const qsizetype espace = tete.lastIndexOf(u' ');
    if (espace < 0)
        return QStringLiteral("« CLASSE NIVEAU » attendu");
    n.classe = tete.left(espace).trimmed();
    n.niveau = tete.mid(espace + 1);
    for (int i = 0; i < 6; ++i)
        n.caracs[i] = QStringLiteral("0");
    n.modifInt = QStringLiteral("0");
    for (const QString& brute : parties.mid(1)) {
        const QString partie = brute.trimmed();
        const QString cle = partie.section(u' ', 0, 0);
        const QString valeur = partie.section(u' ', 1).trimmed();
        if (cle == u"PV") {
            n.pv = valeur;
        } else if (cle == u"Carac") {
            const QStringList c = valeur.split(u' ', Qt::SkipEmptyParts);
            if (c.size() != 6)
                return QStringLiteral("six caractéristiques attendues");
            for (int i = 0; i < 6; ++i)
                n.caracs[i] = c.at(i);
        } else if (cle == u"Dons") {
            const QStringList dons = liste(valeur);
            if (dons.size() > 10)
                return QStringLiteral("dix dons au plus par niveau");
            for (int i = 0; i < dons.size(); ++i) {
                const QString& don = dons.at(i);
                const qsizetype crochet = don.indexOf(u'[');
                n.dons[i] = (crochet < 0 ? don : don.left(crochet)).trimmed();
                if (crochet >= 0)
                    n.precisions[i] = don.mid(crochet + 1).chopped(1).trimmed();
            }
        } else if (cle == u"Competences") {
            n.competence = valeur;
        } else {
            return QStringLiteral("partie inconnue « %1 »").arg(cle);
        }
    }
    return std::nullopt;
}

// « Épée longue ; Type Epée longue ; Place 0 »
ObjetEdite litObjet(const QString& texte)
{
    const QStringList parties = texte.split(u';');
    ObjetEdite o;
    o.nom = parties.at(0).trimmed();
    o.nombre = QStringLiteral("1");
    for (const QString& brute : parties.mid(1)) {
        const QString partie = brute.trimmed();
        const QString cle = partie.section(u' ', 0, 0);
        const QString valeur = partie.section(u' ', 1).trimmed();
        if (cle == u"Type")
            o.type = valeur;
        else if (cle == u"Place")
            o.place = valeur;
        else if (cle == u"Nombre")
            o.nombre = valeur;
    }
    return o;
}

QVector<Graine> litGraines(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        throw ErreurExecution(NumeroErreur::Introuvable, QStringLiteral("Impossible de lire « %1 ».").arg(chemin));
    QVector<Graine> graines;
    int numero = 0;
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(u'\n');
    for (const QString& brute : lignes) {
        ++numero;
        const QString ligne = brute.trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        const qsizetype deuxPoints = ligne.indexOf(u':');
        if (deuxPoints < 0)
            refuse(chemin, numero, QStringLiteral("« Clé: valeur » attendu"));
        const QString cle = ligne.left(deuxPoints).trimmed();
        const QString valeur = ligne.mid(deuxPoints + 1).trimmed();
        if (cle == u"Nom") {
            graines.append(Graine{});
            graines.last().edite.nom = valeur;
            graines.last().ligne = numero;
            continue;
        }
        if (graines.isEmpty())
            refuse(chemin, numero, QStringLiteral("« Nom: » attendu d'abord"));
        Graine& g = graines.last();
        if (cle == u"Race") {
            g.edite.race = valeur;
        } else if (cle == u"Niveau") {
            NiveauEdite n;
            if (const auto erreur = litNiveau(valeur, n))
                refuse(chemin, numero, *erreur);
            g.edite.niveaux.append(n);
        } else if (cle == u"Objet") {
            g.edite.objets.append(litObjet(valeur));
        } else if (cle == u"Sorts connus" || cle == u"Sorts préparés") {
            const QString classe = valeur.section(u';', 0, 0).trimmed();
            (cle == u"Sorts connus" ? g.connus : g.prepares).append({classe, liste(valeur.section(u';', 1))});
        } else if (cle == u"Background") {
            g.textes.background = valeur;
        } else if (cle == u"Histoire") {
            g.textes.historique = valeur;
        } else {
            g.edite.identite.insert(cle, valeur);   // champ d'identité de la fiche : Alignement, Dieu…
        }
    }
    return graines;
}

Fiche calculeFiche(BaseDonnees& perso, BaseDonnees& programme, const QString& dossierProgramme, const QString& nom)
{
    Fiche fiche;
    SaisiesFiche saisies;
    saisies.Capacites = ChargeCapacitesPerso(perso, programme, nom);
    if (!RetrouveFiche({perso, programme, dossierProgramme}, nom, saisies, fiche))
        throw ErreurExecution(NumeroErreur::Base, QStringLiteral("%1 : %2").arg(nom, QString::fromUtf8(kMessageEchecFiche)));
    return fiche;
}

SortsClasse* sortsDe(Fiche& fiche, const QString& classe)
{
    for (SortsClasse& s : fiche.Sorts)
        if (s.classe == classe)
            return &s;
    return nullptr;
}

// Les sorts passent par les mêmes contrôles que la page des sorts de la fiche.
void ecritSorts(const Graine& g, BaseDonnees& perso, BaseDonnees& programme, const QString& dossierProgramme)
{
    const QString& nom = g.edite.nom;
    for (const auto& [classe, sorts] : g.connus) {
        Fiche fiche = calculeFiche(perso, programme, dossierProgramme, nom);
        SortsClasse* s = sortsDe(fiche, classe);
        if (!s)
            throw ErreurExecution(NumeroErreur::Base, QStringLiteral("%1 ne lance pas de sorts de %2.").arg(nom, classe));
        QVector<SortConnu> connus;
        for (const SortConnu& candidat : ListeSortsClasse(programme, s->colonne))
            if (sorts.contains(candidat.nom))
                connus.append(candidat);
        if (connus.size() != sorts.size())
            throw ErreurExecution(NumeroErreur::Base, QStringLiteral("%1 : un sort connu n'est pas de la liste de %2.").arg(nom, classe));
        EnregSort(perso, nom, classe, connus);
    }
    for (const auto& [classe, sorts] : g.prepares) {
        Fiche fiche = calculeFiche(perso, programme, dossierProgramme, nom);
        SortsClasse* s = sortsDe(fiche, classe);
        if (!s || sorts.size() > s->prepares.size())
            throw ErreurExecution(NumeroErreur::Base, QStringLiteral("%1 : trop de sorts préparés en %2.").arg(nom, classe));
        const QStringList domaines = DomainesPersonnage(fiche.Personnage);
        for (int i = 0; i < sorts.size(); ++i)
            if (sorts.at(i) != u"-")
                if (const auto refus = PrepareSort(programme, *s, domaines, i, sorts.at(i)))
                    throw ErreurExecution(NumeroErreur::Base, QStringLiteral("%1, %2 : %3").arg(nom, sorts.at(i), *refus));
        EnregSortListe(perso, nom, *s);
    }
}

} // namespace

int EcritPersonnagesExemples(const QString& cheminGraine, BaseDonnees& perso, BaseDonnees& programme,
                             const QString& dossierProgramme)
{
    const QVector<Graine> graines = litGraines(cheminGraine);
    const QStringList races = racesEditeur(programme);
    for (const Graine& g : graines) {
        if (const auto refus = Enregistre(perso, programme, g.edite, races))
            refuse(cheminGraine, g.ligne, QStringLiteral("%1 refusé par l'éditeur : %2 (%3, ligne %4)")
                                              .arg(g.edite.nom, refus->message, refus->controle)
                                              .arg(refus->ligne));
        ecritTextes(perso, g.edite.nom, g.textes);
        // L'éditeur garde un don inconnu des règles ; un exemple n'en a pas.
        for (const LigneDon& d : calculeFiche(perso, programme, dossierProgramme, g.edite.nom).Dons)
            if (d.Nom.endsWith(QString::fromUtf8(kAbsentDesRegles)))
                refuse(cheminGraine, g.ligne, QStringLiteral("%1 : don %2").arg(g.edite.nom, d.Nom));
        ecritSorts(g, perso, programme, dossierProgramme);
    }
    return int(graines.size());
}
