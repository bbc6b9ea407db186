#include "ListeDon.h"
#include "Armes.h"
#include "Equipement.h"
#include "shell/TextesCalcul.h"
#include "shell/db/BaseDonnees.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

const char* const kSelectionne = "Don sélectionné";
const char* const kDeClasse = "Don de classe";
const char* const kDeRace = "Don de race";
const char* const kDArchetype = "Don d'archétype";
const char* const kDeTransformation = "Don de transformation";
const char* const kDObjet = "Don d'objet";

// Domaine de prêtre et le don qu'il accorde.
const std::pair<const char*, const char*> kDomaines[] = {
    {"Destin", "Esquive instinctive"},
    {"Drows", "Réflexes surhumains "},
    {"Elfes", "Tir à bout portant"},
    {"Morts vivants", "Emprise sur les Morts-Vivants"},
    {"Nains", "Vigueur surhumaine"},
    {"Obscurité", "Combat en aveugle"},
    {"Organisation", "Extension de durée"},
    {"Runes", "Ecriture de parchemins"},
    {"Sorts", "Domaine sorts"},
    {"Temps", "Science de l’initiative"},
};

// Dons d'arme qu'une arme tenue dans l'autre main reprend avec "Polyvalence à deux armes".
const char* const kDonsArme[] = {"Arme de prédilection", "Spécialisation martiale", "Arme de prédilection supérieure",
                                 "Science du critique", "Arme de prédilection épique",
                                 "Spécialisation martiale supérieure"};

// Dons d'objet qui montrent la spécialité de l'entrée de bonus.
const char* const kDonsObjetSpecialite[] = {
    "Coup martial sanctifié", "Rechargement rapide", "Arme de prédilection", "Science du critique",
    "Spécialisation martiale", "Arme de prédilection supérieure", "Spécialisation martiale supérieure",
    "Arme naturelle supérieure", "Arme de maîtrise", "Arme de prédilection épique", "Ecole renforcée",
    "Ecole supérieure", "Tatouage focalisateur", "Ecole interdite supplémentaire", "Emplacement de sort supplémentaire"};

// Mutation de "Sang d'aberration" qui sert chaque compétence.
const std::pair<const char*, const char*> kMutations[] = {
    {"Escalade", "Doigts collants"}, {"Natation", "Mains palmées"}, {"Evasion", "Peau huileuse"},
    {"Equilibre", "Queue"},          {"Détection", "Yeux globuleux"}, {"Fouille", "Yeux segmentés"}};

template <std::size_t N>
bool parmi(const char* const (&liste)[N], const QString& nom)
{
    for (const char* n : liste)
        if (nom == QString::fromUtf8(n))
            return true;
    return false;
}

bool memeTexte(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Origine d'un don de niveau : la classe, une espace et le niveau sur deux caractères.
QString origineNiveau(const QString& classe, int niveau)
{
    return classe + u' ' + QStringLiteral("%1").arg(niveau, 2);
}

// Ligne d'un don trouvé dans la table Dons.
LigneDon ligneDon(const Ligne& d, const QString& accorde, const QString& specialite, const QString& origine, int niv,
                  const char* octroi)
{
    LigneDon l;
    l.Nom = d.texte(QStringLiteral("Nom"));
    l.Specialite = specialite;
    l.Affiche = specialite.isEmpty() ? l.Nom : l.Nom + QStringLiteral(" [") + specialite + u']';
    l.Origine = origine;
    l.Explication = d.texte(QStringLiteral("Explication"));
    l.NomAccorde = accorde;
    l.Niveau = Entier16(niv);
    l.Source = d.texte(QStringLiteral("Source"));
    l.Genre = d.texte(QStringLiteral("Genre"));
    l.Type = d.texte(QStringLiteral("Type"));
    l.Caracteristique = d.texte(QStringLiteral("Caracteristique"));
    l.JS = d.texte(QStringLiteral("js"));
    l.Categorie = d.texte(QStringLiteral("Categorie"));
    l.Pouvoir = d.texte(QStringLiteral("pouvoir"));
    l.Octroi = QString::fromUtf8(octroi);
    l.Tare = d.booleen(QStringLiteral("tare"));
    return l;
}

class Constructeur
{
public:
    explicit Constructeur(const ContexteDons& c) : m_c(c) {}

    QVector<LigneDon> construit()
    {
        niveaux();
        donsDeTable(QStringLiteral("race"), QStringLiteral("race"), m_c.personnage.RACE, kDeRace, QString());
        if (!m_c.personnage.Archetype.isEmpty())
            donsDeTable(QStringLiteral("archetype"), QStringLiteral("archetype"), m_c.personnage.Archetype, kDArchetype,
                        QString());
        domaines();
        formeAnimale();
        armesEnMain();
        donsDObjets();
        return m_dons;
    }

private:
    // Une règle de don lue au plus une fois par calcul, avec les seules colonnes que la liste montre.
    Ligne don(const QString& nom)
    {
        const QString cle = Majuscules(nom);
        if (const auto it = m_regles.constFind(cle); it != m_regles.constEnd())
            return *it;
        const Ligne d = m_c.programme.premiere(
            QStringLiteral("select Nom, Explication, Source, Genre, Type, Caracteristique, js, Categorie, pouvoir, tare "
                           "from Dons where Nom=? order by rowid limit 1"),
            {nom});
        m_regles.insert(cle, d);
        return d;
    }

    // Ajoute le don quand la table le connaît ; un nom inconnu est ignoré.
    bool ajoute(const QString& nom, const QString& specialite, const QString& origine, int niv, const char* octroi,
                const QString& genreExige = QString())
    {
        if (nom.isEmpty())
            return false;
        const Ligne d = don(nom);
        if (!d || (!genreExige.isEmpty() && d.texte(QStringLiteral("Genre")) != genreExige))
            return false;
        m_dons.append(ligneDon(d, nom, specialite, origine, niv, octroi));
        return true;
    }

    void donsDeClasse(const QString& classe, int niveau, int niv, const QString& genreExige = QString())
    {
        const Ligne prog = m_c.programme.premiere(
            QStringLiteral("select don_1, don_2, don_3, don_4, don_5, don_6 from ClasseProgression "
                           "where Classe=? and Niveau=? order by rowid limit 1"),
            {classe, niveau});
        if (!prog)
            return;
        const QString origine = origineNiveau(classe, niveau);
        for (int k = 0; k < 6; ++k)
            ajoute(prog.texte(k), QString(), origine, niv, kDeClasse, genreExige);
    }

    // Niveaux d'une classe de prestige qui prolongent une classe de base : les dons du genre donné
    // des niveaux suivants de la classe de base s'ajoutent.
    void continuation(const QString& classe, int supplement, int niv, const QString& genre)
    {
        const int base = NiveauDansClasse(m_c.personnage, classe);
        for (int i = 1; i <= supplement; ++i)
            donsDeClasse(classe, base + i, niv, genre);
    }

    int niveauDans(const char* classe) const { return NiveauDansClasse(m_c.personnage, QString::fromUtf8(classe)); }

    void niveaux()
    {
        const auto lignes = m_c.perso.selectionne(
            QStringLiteral("select classe,niveau,niv from personnageProgression where nom=? order by niveau,niv"),
            {m_c.personnage.Nom});
        bool druide = false;
        bool barbare = false;
        for (const Ligne& l : lignes) {
            const QString classe = l.texte(QStringLiteral("classe"));
            const int niveau = l.entier(QStringLiteral("niveau"));
            const int niv = l.entier(QStringLiteral("niv"));
            donsDeClasse(classe, niveau, niv);
            if (!druide && classe == u"Druide") {
                druide = true;
                const int lion = std::max(0, niveauDans("Lion de Talisid") - 2);
                continuation(classe, niveauDans("Combattant de la nature") + niveauDans("Arcane hiérophante") + lion,
                             niv, QStringLiteral("Transformation animale"));
            }
            if (!barbare && classe == u"Barbare") {
                barbare = true;
                continuation(classe, niveauDans("Champion de gwynharwyf"), niv, QStringLiteral("Rage de barbare"));
            }
            donsChoisis(classe, niveau, niv);
        }
    }

    void donsChoisis(const QString& classe, int niveau, int niv)
    {
        const auto choisis = m_c.perso.selectionne(
            QStringLiteral("select dons,Libelle from PersonnageDons where Nom=? and Classe=? and Niveau=? order by rowid"),
            {m_c.personnage.Nom, classe, niveau});
        for (const Ligne& c : choisis) {
            const QString nom = c.texte(QStringLiteral("dons"));
            if (ajoute(nom, c.texte(QStringLiteral("Libelle")), origineNiveau(classe, niveau), niv, kSelectionne)
                || nom.isEmpty() || don(nom))
                continue;
            // Un don que les règles n'ont plus reste visible mais ne compte pour rien : son nom
            // marqué ne correspond à aucune règle.
            LigneDon absent;
            absent.Nom = absent.Affiche = nom + u' ' + QString::fromUtf8(kAbsentDesRegles);
            absent.Origine = origineNiveau(classe, niveau);
            absent.Niveau = Entier16(niv);
            absent.Octroi = QString::fromUtf8(kSelectionne);
            m_dons.append(absent);
        }
    }

    // Les douze dons d'une race ou d'un archétype.
    void donsDeTable(const QString& table, const QString& cle, const QString& valeur, const char* octroi,
                     const QString& origine, const QSet<QString>* genres = nullptr)
    {
        QStringList colonnes;
        for (int k = 1; k <= 12; ++k)
            colonnes << QStringLiteral("don_%1").arg(k);
        const Ligne l = m_c.programme.premiere(
            QStringLiteral("select %1 from %2 where %3=?").arg(colonnes.join(u','), table, cle), {valeur});
        if (!l)
            return;
        for (const QString& col : colonnes) {
            const QString nom = l.texte(col);
            if (nom.isEmpty())
                continue;
            const Ligne d = don(nom);
            if (!d)
                continue;
            if (genres && !genres->contains(d.texte(QStringLiteral("Genre")).toUpper())
                && !(d.texte(QStringLiteral("Categorie")) == u"Attaque spéciale" && d.texte(QStringLiteral("Type")) == u"Ext"))
                continue;
            m_dons.append(ligneDon(d, nom, QString(), origine, 0, octroi));
        }
    }

    void domaines()
    {
        const TypePersonnage& p = m_c.personnage;
        const QString domaines[4] = {p.Domaine_1, p.Domaine_2, p.Domaine_3, p.Domaine_4};
        for (const auto& [domaine, nom] : kDomaines) {
            const QString d = QString::fromUtf8(domaine);
            if (std::any_of(std::begin(domaines), std::end(domaines), [&](const QString& x) { return memeTexte(x, d); }))
                ajoute(QString::fromUtf8(nom), QString(), QStringLiteral("Domaine(") + d + u')', 0, kDeClasse);
        }
    }

    // Dons de l'animal choisi pour la transformation : ceux d'un genre connu et les attaques spéciales.
    void formeAnimale()
    {
        QSet<QString> genres;
        for (const Ligne& g : m_c.programme.selectionne(QStringLiteral("select Nom from Dongenre")))
            genres.insert(g.texte(QStringLiteral("Nom")).toUpper());
        for (const LigneCapacite& c : m_c.capacites) {
            if (!AppartientA(c, m_c.personnage.Nom) || c.Nom != u"Transformation animale")
                continue;
            const QString animal = ChoixEntreCrochets(c.Libelle);
            if (!animal.isEmpty())
                donsDeTable(QStringLiteral("race"), QStringLiteral("race"), animal, kDeTransformation,
                            QStringLiteral("Transformation animale"), &genres);
        }
    }

    QString groupe(const QString& objet)
    {
        if (objet.isEmpty())
            return {};
        Ligne o = m_c.programme.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {objet});
        if (!o && m_c.perso.existeTable(QStringLiteral("Objets")))
            o = m_c.perso.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {objet});
        return o ? o.texte(QStringLiteral("GroupeObjet")) : QString();
    }

    bool present(const QString& nom, const QString& specialite) const
    {
        return std::any_of(m_dons.cbegin(), m_dons.cend(), [&](const LigneDon& d) {
            return memeTexte(d.Nom, nom) && memeTexte(d.Specialite, specialite);
        });
    }

    void armesEnMain()
    {
        const QString g1 = groupe(m_c.armes.principale);
        const QString g2 = groupe(m_c.armes.secondaire);
        if (ExistInDonPerso(m_dons, QStringLiteral("Polyvalence à deux armes")) && EstArme(g1) && EstArme(g2)) {
            const qsizetype n = m_dons.size();
            for (qsizetype i = 0; i < n; ++i) {
                const LigneDon d = m_dons.at(i);
                if (!parmi(kDonsArme, d.Nom))
                    continue;
                const QString autre = memeTexte(d.Specialite, g1) ? g2 : memeTexte(d.Specialite, g2) ? g1 : QString();
                if (autre.isEmpty() || present(d.Nom, autre))
                    continue;
                LigneDon copie = d;
                copie.Specialite = autre;
                copie.Affiche = d.Nom + QStringLiteral(" [") + autre + u']';
                copie.Octroi = QString::fromUtf8(kSelectionne);
                m_dons.append(copie);
            }
        }
        if (ExistInDonPerso(m_dons, QStringLiteral("Lancer critique"))) {
            const qsizetype n = m_dons.size();
            for (qsizetype i = 0; i < n; ++i) {
                const QString arme = m_dons.at(i).Specialite;
                if (m_dons.at(i).Nom != u"Arme de prédilection" || !EstArmeJet(arme)
                    || present(QStringLiteral("Science du critique"), arme))
                    continue;
                LigneDon l;
                l.Nom = QStringLiteral("Science du critique");
                l.Specialite = arme;
                l.Affiche = l.Nom + QStringLiteral(" [") + arme + u']';
                l.NomAccorde = l.Nom;
                l.Explication = QStringLiteral(
                    "La zone de critique possible de l’arme choisie est doublée. Par exemple, une épée longue peut "
                    "normalement obtenir une possibilité de coup critique sur un résultat de 19–20 au dé (2 nombres). "
                    "Avec ce don, la zone de critique possible de cette arme passe à 17–20 (4 nombres).");
                l.Source = QStringLiteral("Manuel des joueurs");
                l.Type = QStringLiteral("Général");
                l.Octroi = QString::fromUtf8(kSelectionne);
                m_dons.append(l);
            }
        }
    }

    // Dons donnés par les objets portés ; un don qui ne se prend qu'une fois n'est pas répété.
    void donsDObjets()
    {
        for (const TypeBonus& b : m_c.bonus) {
            if (b.Genre != u"Bonus Don")
                continue;
            const Ligne d = don(b.Cible);
            if (!d)
                continue;
            const QString nom = d.texte(QStringLiteral("Nom"));
            const QString specialite = parmi(kDonsObjetSpecialite, nom) ? b.Type : QString();
            const bool multiple = m_c.programme.scalaire(QStringLiteral("select Multiple from dons where nom=?"), {nom}).toBool();
            if (!multiple && ExistInDonPerso(m_dons, nom))
                continue;
            m_dons.append(ligneDon(d, b.Cible, specialite, b.Source, 0, kDObjet));
        }
    }

    const ContexteDons& m_c;
    QVector<LigneDon> m_dons;
    QHash<QString, Ligne> m_regles;   // nom en majuscules -> règle du don (invalide : absente)
};

// Nom d'un don de progression sans son numéro final ("Chute ralentie_+3" : "Chute ralentie", 3).
std::pair<QString, int> souche(const QString& accorde)
{
    static const QRegularExpression numero(QStringLiteral("^(.*)_([+-]?\\d+)$"));
    const auto m = numero.match(accorde);
    if (m.hasMatch())
        return {m.captured(1).toUpper(), m.captured(2).toInt()};
    return {accorde.toUpper(), 0};
}

// Numéro du nom accordé, puis niveau de classe écrit à la fin de l'origine ("Druide  7").
std::pair<int, int> rang(const LigneDon& d)
{
    return {souche(d.NomAccorde).second, d.Origine.right(2).trimmed().toInt()};
}

bool estProgression(const LigneDon& d)
{
    return d.Octroi == QString::fromUtf8(kDeClasse) && !d.Origine.startsWith(QStringLiteral("Domaine("));
}

} // namespace

ArmesEnMain ArmesTenues(BaseDonnees& perso, const QString& personnage)
{
    const EquipementPersonnage e = PlacesEquip(perso, personnage);
    return {e.Places[kPlaceArmePrincipale].NomObjet, e.Places[kPlaceArmeSecondaire].NomObjet};
}

QVector<LigneDon> ListeDon(const ContexteDons& contexte)
{
    QVector<LigneDon> dons = Constructeur(contexte).construit();
    BasculeDonsProgression(dons, QString::fromUtf8(kCacherDons));
    return dons;
}

bool ExistInDonPerso(const QVector<LigneDon>& dons, const QString& don)
{
    return std::any_of(dons.cbegin(), dons.cend(), [&](const LigneDon& d) { return memeTexte(d.Nom, don); });
}

int ChercheDonGrille(const QVector<LigneDon>& dons, const QString& don, const QString& competence)
{
    // La mutation ne se cherche que pour le sang d'aberration : l'appel est fait pour chaque
    // compétence et chaque don de synergie.
    const auto mutation = [&] {
        for (const auto& [comp, mut] : kMutations)
            if (competence == QString::fromUtf8(comp))
                return QString::fromUtf8(mut);
        return QString();
    };
    for (int i = 0; i < dons.size(); ++i) {
        const LigneDon& d = dons.at(i);
        if (!memeTexte(d.Nom, don))
            continue;
        if (don == u"Talent" || don == u"Maîtrise des connaissances") {
            if (memeTexte(d.Specialite, competence))
                return i;
        } else if (don == u"Sang d'aberration") {
            if (const QString m = mutation(); !m.isEmpty() && memeTexte(d.Specialite, m))
                return i;
        } else {
            return i;
        }
    }
    return -1;
}

int TestSpecialisationDomaine(const TypePersonnage& p, const QString& texte)
{
    for (const QString& d : {p.Domaine_1, p.Domaine_2, p.Domaine_3, p.Domaine_4})
        if (!d.isEmpty() && texte.contains(u' ' + d))
            return 2;
    return 0;
}

QString BasculeDonsProgression(QVector<LigneDon>& dons, const QString& legende)
{
    for (LigneDon& d : dons)
        d.Cachee = false;
    if (legende != QString::fromUtf8(kCacherDons))
        return QString::fromUtf8(kCacherDons);
    // Pour chaque don de progression, seule reste la ligne au plus grand numéro, puis au plus haut
    // niveau de classe, puis la dernière.
    QHash<QString, qsizetype> gardee;
    for (qsizetype i = dons.size() - 1; i >= 0; --i) {
        if (!estProgression(dons.at(i)))
            continue;
        const QString nom = souche(dons.at(i).NomAccorde).first;
        const auto it = gardee.constFind(nom);
        if (it == gardee.constEnd()) {
            gardee.insert(nom, i);
        } else if (rang(dons.at(i)) > rang(dons.at(*it))) {
            dons[*it].Cachee = true;
            gardee.insert(nom, i);
        } else {
            dons[i].Cachee = true;
        }
    }
    return QString::fromUtf8(kMontrerDons);
}

Entier16 BonusJetDons(const QVector<LigneDon>& dons, const QString& jet)
{
    // Réflexes surhumains, Vigueur surhumaine, Volonté de fer : +2 ; leurs formes épiques : +4.
    // Les traits raciaux conditionnels vont aux notes des jets, pas ici ; un don compte une fois.
    QSet<QString> comptes;
    Entier16 total;
    for (const LigneDon& d : dons) {
        if (d.JS != jet || (d.Genre != u"Général" && d.Genre != u"Epique") || comptes.contains(Majuscules(d.Nom)))
            continue;
        comptes.insert(Majuscules(d.Nom));
        total = total + Entier16(d.Genre == u"Epique" ? 4 : 2);
    }
    return total;
}

void RemplitDons(BaseDonnees& perso, BaseDonnees& programme, const ListeCapacitesPerso& capacites, Fiche& f)
{
    const ArmesEnMain armes = ArmesTenues(perso, f.Personnage.Nom);
    f.Dons = ListeDon({perso, programme, f.Personnage, f.Bonus, capacites, armes});
    f.LegendeBoutonDons = QString::fromUtf8(kMontrerDons);
}
