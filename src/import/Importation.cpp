#include "Importation.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/MiseAJour.h"

#include <QHash>

namespace {

// Champs de la destination, retrouvés sans égard à la casse : les deux bases ont la même
// disposition, mais une copie ne doit pas échouer sur un champ que l'une n'aurait pas.
class ChampsDestination
{
public:
    explicit ChampsDestination(BaseDonnees& base) : m_base(base) {}

    QVariantMap valeurs(const QString& table, const Ligne& source)
    {
        auto it = m_champs.find(table);
        if (it == m_champs.end()) {
            QHash<QString, QString> noms;
            for (const QString& champ : m_base.champs(m_base.nomTable(table)))
                noms.insert(champ.toUpper(), champ);
            it = m_champs.insert(table, noms);
        }
        QVariantMap valeurs;
        for (int i = 0; i < source.nombreChamps(); ++i) {
            const QString champ = it->value(source.nomChamp(i).toUpper());
            if (!champ.isEmpty())
                valeurs.insert(champ, source.valeur(i));
        }
        return valeurs;
    }

private:
    BaseDonnees& m_base;
    QHash<QString, QHash<QString, QString>> m_champs;
};

void copiePersonnage(BaseDonnees& source, BaseDonnees& destination, ChampsDestination& champs, const Ligne& personnage,
                     const ChoixImport& choix, bool avecObjets)
{
    QVariantMap ligne = champs.valeurs(QStringLiteral("Personnage"), personnage);
    ligne.insert(QStringLiteral("Nom"), choix.nomImport);
    destination.ajoute(QStringLiteral("Personnage"), ligne);
    for (const TablePersonnage& t : TablesPersonnage()) {
        const QString table = QLatin1String(t.table);
        if ((t.objets && !avecObjets) || !source.existeTable(table) || !destination.existeTable(table))
            continue;
        const QString champNom = QLatin1String(t.champNom);
        const QString sql = QStringLiteral("select * from %1 where %2=? order by rowid").arg(identifiant(table), identifiant(champNom));
        for (const Ligne& l : source.selectionne(sql, {choix.nom})) {
            QVariantMap valeurs = champs.valeurs(table, l);
            valeurs.insert(champNom, choix.nomImport);
            destination.ajoute(table, valeurs);
        }
    }
}

} // namespace

bool BilanImport::complet() const
{
    if (echecCatalogue)
        return false;
    for (const ResultatImport& r : personnages)
        if (r.issue != IssueImport::Importe)
            return false;
    return true;
}

const QVector<TablePersonnage>& TablesPersonnage()
{
    static const QVector<TablePersonnage> tables = {
        {"Equipement", "Personnage", true},        {"PersonnageDons", "Nom", false},
        {"PersonnageProgression", "Nom", false},   {"SortPersonnage", "NomPerso", false},
        {"SortListe", "NomPerso", false},          {"Capacites", "Personnage", false}};
    return tables;
}

BilanImport ImportePersonnages(BaseDonnees& source, BaseDonnees& destination, const QVector<ChoixImport>& choix,
                               bool avecObjets)
{
    BilanImport bilan;
    if (avecObjets) {
        // Même fusion que la copie du catalogue du programme, depuis le fichier d'import.
        try {
            CopieObjets(destination, source);
        } catch (const ErreurExecution& e) {
            bilan.echecCatalogue = QStringLiteral("La fusion du catalogue d'objets a échoué ; le catalogue de cette "
                                                  "base n'a pas changé. Vérifiez la place libre sur le disque puis recommencez.");
            bilan.detailCatalogue = e.description() + u' ' + e.detail();
        }
    }
    ChampsDestination champs(destination);
    for (const ChoixImport& c : choix) {
        ResultatImport r;
        r.nom = c.nom;
        r.nomImport = c.nomImport;
        const Ligne personnage = source.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {c.nom});
        if (c.nomImport.trimmed().isEmpty()) {
            r.issue = IssueImport::Refuse;
            r.message = QStringLiteral("Le nom d'import de « %1 » est vide : donnez-lui un nom pour l'importer.").arg(c.nom);
        } else if (!personnage) {
            r.issue = IssueImport::Refuse;
            r.message = QStringLiteral("Le personnage « %1 » n'est pas dans le fichier d'import.").arg(c.nom);
        } else if (destination.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {c.nomImport})) {
            r.issue = IssueImport::Refuse;
            r.message = c.nomImport
                        + QStringLiteral(" existe déjà dans cette base, vous devez le supprimer ou le renommer avant de l'importer.");
        } else {
            try {
                Transaction transaction(destination);
                copiePersonnage(source, destination, champs, personnage, c, avecObjets);
                transaction.valide();
            } catch (const ErreurExecution& e) {
                r.issue = IssueImport::Echec;
                r.message = QStringLiteral("L'importation de « %1 » a échoué : aucune de ses lignes n'a été écrite.").arg(c.nom);
                r.detail = e.description() + u' ' + e.detail();
            }
        }
        bilan.personnages.append(r);
    }
    return bilan;
}
