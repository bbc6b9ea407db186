#include "SortsParJour.h"
#include "SortsConnus.h"
#include "SortsPrepares.h"
#include "rules/InfoClasse.h"
#include "shell/db/BaseDonnees.h"

namespace {

QString champNiveau(const char* prefixe, int niveau)
{
    return QLatin1String(prefixe) + QString::number(niveau);
}

ValeursCaracteristiques valeursCaracs(const Fiche& f)
{
    ValeursCaracteristiques v;
    for (int i = 0; i < 6; ++i) {
        v.Total[i] = Entier16(int(Val(f.Caracteristiques[i].Total)));
        v.Bonus[i] = f.Caracteristiques[i].Modificateur;
    }
    return v;
}

bool bloque(const Fiche& f, const QString& classe)
{
    for (const LigneDon& d : f.Dons)
        if (d.Nom == u"Bloque progression" && d.Specialite == classe)
            return true;
    return false;
}

// Entrées de la liste des dons qui valent pour cette classe : sans précision, ou précisées par
// le nom de la classe.
int compteDonClasse(const Fiche& f, const QString& don, const QString& classe)
{
    int n = 0;
    for (const LigneDon& d : f.Dons)
        n += d.Nom.compare(don, Qt::CaseInsensitive) == 0
             && (d.Specialite.isEmpty() || d.Specialite.compare(classe, Qt::CaseInsensitive) == 0);
    return n;
}

// Niveaux de sort que chaque classe de prestige ajoute à la classe de base.
int apportPrestige(BaseDonnees& programme, const Fiche& f, const QString& classe)
{
    if (bloque(f, classe))
        return 0;
    int apport = 0;
    for (const ClasseFiche& c : f.Classes) {
        if (c.Classe == classe || bloque(f, c.Classe))
            continue;
        apport += programme
                      .scalaire(QStringLiteral("select coalesce(sum(coalesce(point,0)+coalesce(BonusDeSort,0)"
                                               "+coalesce(SortAutreEnPlus,0)),0) from ClasseCorrespondanceMagie "
                                               "where classeMaitre=? and classeEsclave=? and niveau<=?"),
                                {classe, c.Classe, int(c.Niveau)})
                      .toInt();
    }
    return apport;
}

// Ligne de sorts en bonus pour un modificateur : la plus proche au-dessous quand la table s'arrête.
Ligne ligneBonus(BaseDonnees& programme, int modificateur)
{
    return programme.premiere(QStringLiteral("select * from ModificateurCaracSortBonus where Modificateur<=? "
                                             "order by Modificateur desc"),
                              {modificateur});
}

int bonusDe(const Ligne& l, int niveau)
{
    return l ? l.entier(champNiveau("s_n_", niveau)) : 0;
}

// Niveau de sort d'une cible "Premiers arcanes" … "Neuvièmes arcanes" ; 0 pour une autre.
int niveauArcanes(const QString& cible)
{
    static const QStringList ordinaux{QStringLiteral("Premiers"),  QStringLiteral("Deuxièmes"), QStringLiteral("Troisièmes"),
                                      QStringLiteral("Quatrièmes"), QStringLiteral("Cinquièmes"), QStringLiteral("Sixièmes"),
                                      QStringLiteral("Septièmes"),  QStringLiteral("Huitièmes"), QStringLiteral("Neuvièmes")};
    return int(ordinaux.indexOf(cible.section(u' ', 0, 0))) + 1;
}

// Emplacements en plus : ceux des dons d'un côté, ceux de la liste des bonus de l'autre ;
// le plus grand des deux compte à chaque niveau.
void emplacementsEnPlus(BaseDonnees& programme, const Fiche& f, int modificateur, SortsClasse& s)
{
    std::array<int, kNiveauxSort> dons{}, objets{};
    const Ligne normal = ligneBonus(programme, modificateur);
    const Ligne prodige = ligneBonus(programme, modificateur + 2);
    const Ligne sagesse = ligneBonus(programme, f.Caracteristiques[4].Modificateur.valeur());
    const bool aProdige = CompteDonSort(f, QStringLiteral("Prodige magique")) > 0;
    const bool angelique = CompteDonSort(f, QStringLiteral("Perspicacité angélique")) > 0;
    for (int n = 0; n < kNiveauxSort; ++n) {
        if (!s.parJour[n])
            continue;
        // Prodige magique : sorts en bonus comptés comme avec un modificateur plus fort de 2.
        if (aProdige)
            dons[n] += bonusDe(prodige, n) - bonusDe(normal, n);
        if (angelique)
            dons[n] += bonusDe(sagesse, n);
        dons[n] += CompteDonSort(f, QStringLiteral("Emplacement de sort supplémentaire"), n)
                   + CompteDonSort(f, QStringLiteral("Sorts en bonus"), n);
    }
    int plusHaut = -1;
    for (int n = 0; n < kNiveauxSort; ++n)
        if (s.parJour[n])
            plusHaut = n;
    if (plusHaut >= 0)
        dons[plusHaut] += CompteDonSort(f, QStringLiteral("Science de l'emplacement de sort"));
    for (const TypeBonus& b : f.Bonus) {
        const int n = niveauArcanes(b.Cible);
        if (b.Genre == u"Bonus sorts" && n > 0 && s.parJour[n])
            objets[n] += int(Val(b.Valeur.mid(b.Valeur.indexOf(u'x') + 1)));
    }
    for (int n = 0; n < kNiveauxSort; ++n)
        s.supplementaires[n] = std::max(dons[n], objets[n]);
}

// Emplacement en plus des prêtres et chamans (un sort de domaine) et des magiciens spécialisés.
void specialiteDomaine(const Fiche& f, SortsClasse& s)
{
    const QString type = s.classe.toUpper();
    const QString ecole = f.Personnage.EcoleSpecialisation;
    const bool pretre = s.classe == u"Prêtre" || s.classe == u"Prêtre cloîtré" || type == u"CHAMAN";
    const bool specialiste = type == u"MAGICIEN" && !ecole.isEmpty() && ecole != u"Généraliste";
    s.domaineEnPlus = pretre;
    if (!pretre && !specialiste)
        return;
    const int enPlus = specialiste && CompteDonSort(f, QStringLiteral("Focused specialist")) > 0 ? 2 : 1;
    // Les domaines n'ont pas de sort de niveau 0.
    for (int n = pretre ? 1 : 0; n < kNiveauxSort; ++n)
        if (s.parJour[n])
            s.speDom[n] = enPlus;
}

QString texteMagie(const Fiche& f)
{
    const TypePersonnage& p = f.Personnage;
    QStringList metamagie;
    for (const LigneDon& d : f.Dons)
        if (d.Genre == u"Métamagie")
            metamagie.append(d.Nom.trimmed());
    const QString element = p.ElementShugenja.isEmpty() ? p.ElementWujen : p.ElementShugenja;
    const std::pair<QString, QString> lignes[] = {
        {QStringLiteral("Ecole spécialisée : "), p.EcoleSpecialisation},
        {QStringLiteral("Ecole interdite 1 : "), p.Ecole_interdite_1},
        {QStringLiteral("Ecole interdite 2 : "), p.Ecole_interdite_2},
        {QStringLiteral("Ecole interdite 3 : "), p.Ecole_interdite_3},
        {QStringLiteral("Ecole interdite 4 : "), p.Ecole_interdite_4},
        {QStringLiteral("Element : "), element},
        {QStringLiteral("Ordre : "), p.OrdreShugenja},
        {QStringLiteral("Domaine 1 : "), p.Domaine_1},
        {QStringLiteral("Domaine 2 : "), p.Domaine_2},
        {QStringLiteral("Domaine 3 : "), p.Domaine_3},
        {QStringLiteral("Domaine 4 : "), p.Domaine_4},
        {QStringLiteral("Don(s) de métamagie : "), metamagie.join(QStringLiteral(", "))}};
    QStringList texte;
    for (const auto& [libelle, choix] : lignes)
        if (!choix.isEmpty())
            texte.append(libelle + choix);
    return texte.join(u'\n');
}

// Renvoi des morts-vivants : prêtre à son niveau, paladin à son niveau moins 3.
VadeRetro vadeRetro(const Fiche& f)
{
    VadeRetro v;
    const int paladin = NiveauDansClasse(f.Personnage, QStringLiteral("Paladin"));
    v.niveauEffectif = NiveauDansClasse(f.Personnage, QStringLiteral("Prêtre")) + (paladin >= 4 ? paladin - 3 : 0);
    if (v.niveauEffectif <= 0)
        return v;
    const int charisme = f.Caracteristiques[5].Modificateur.valeur();
    v.utilisations = std::max(0, 3 + charisme) + 4 * CompteDonSort(f, QStringLiteral("Renvoi supplémentaire"));
    v.bonusTest = charisme;
    for (const LigneCompetence& c : f.Competences)
        if (c.Nom == u"Connaissances (religion)" && c.Rangs.valeur() >= 5)
            v.bonusTest += 2;   // synergie
    const int bonusDegats = v.niveauEffectif + charisme;
    v.degats = QStringLiteral("2d6") + (bonusDegats >= 0 ? QStringLiteral("+") : QString()) + QString::number(bonusDegats);
    static const char* const tests[] = {"0 ou moins", "1 - 3", "4 - 6", "7 - 9", "10 - 12",
                                        "13 - 15", "16 - 18", "19 - 21", "22 et plus"};
    for (int i = 0; i < 9; ++i)
        v.lignes.append({QString::fromUtf8(tests[i]), std::max(0, v.niveauEffectif - 4 + i)});
    return v;
}

} // namespace

int CompteDonSort(const Fiche& f, const QString& don, int niveau)
{
    int n = 0;
    for (const LigneDon& d : f.Dons) {
        if (d.Nom.compare(don, Qt::CaseInsensitive) != 0)
            continue;
        bool estNombre = false;
        const int specialite = d.Specialite.toInt(&estNombre);
        if (niveau < 0 || !estNombre || specialite == niveau)
            ++n;
    }
    return n;
}

QStringList LignesNivSort()
{
    return {QStringLiteral("Mana du sort"), QStringLiteral("DD du sort"), QStringLiteral("Nb sorts/jour"),
            QStringLiteral("Bonus carac"), QStringLiteral("Spé/Dom"), QStringLiteral("Total sorts/jour")};
}

QString ColonneSorts(BaseDonnees& programme, const QString& classe)
{
    const QString liste = ListeSort(programme, classe);
    const QString colonne = liste.isEmpty() ? classe : liste;
    return !colonne.isEmpty() && programme.ExisteChamp(QStringLiteral("Sort"), colonne) ? colonne : QString();
}

QStringList DomainesPersonnage(const TypePersonnage& p)
{
    QStringList domaines;
    for (const QString& d : {p.Domaine_1, p.Domaine_2, p.Domaine_3, p.Domaine_4})
        if (!d.isEmpty())
            domaines.append(d);
    return domaines;
}

SortsClasse rempNbSort(BaseDonnees& programme, const Fiche& f, const QString& classe)
{
    SortsClasse s;
    const bool racial = classe.isEmpty();
    s.classe = racial ? f.Personnage.RACE : classe;
    s.colonne = ColonneSorts(programme, s.classe);
    s.niveauClasse = racial ? f.Personnage.niv.valeur() : NiveauDansClasse(f.Personnage, s.classe);
    s.texteMagie = texteMagie(f);
    s.vadeRetro = vadeRetro(f);

    // 1. Niveau de lanceur : classes de prestige, "Bloque progression" et "Malus NLS". Un niveau
    // virtuel compte comme un niveau de la classe (sorts par jour et connus compris) ; "+1" ne
    // hausse que le niveau de lanceur (portées), pas les sorts.
    s.niveauProgression = std::max(0, s.niveauClasse + apportPrestige(programme, f, s.classe)
                                          + compteDonClasse(f, QStringLiteral("Niveau de lanceur de sorts virtuel"), s.classe)
                                          - CompteDonSort(f, QStringLiteral("Malus NLS")));
    const int nls = NlsClasse(programme, s.classe);
    s.niveauLanceur = (nls > 0 ? s.niveauProgression / nls : s.niveauProgression)
                      + compteDonClasse(f, QStringLiteral("Niveau de lanceur de sort +1"), s.classe);
    s.porteeCourte = 5 + s.niveauLanceur / 2;
    s.porteeMoyenne = 20 + 2 * s.niveauLanceur;
    s.porteeLongue = 80 + 8 * s.niveauLanceur;

    // 2. Sorts par jour : au-delà de la dernière ligne de la progression, celle-ci reste valable.
    static const QString sqlParJour = [] {
        QStringList c;
        for (int n = 0; n < kNiveauxSort; ++n)
            c.append(champNiveau("s_n_", n));
        return QStringLiteral("select %1 from ClasseProgression where Classe=? and Niveau<=? order by Niveau desc")
            .arg(c.join(u','));
    }();
    const Ligne progression =
        s.niveauProgression > 0 ? programme.premiere(sqlParJour, {s.classe, s.niveauProgression}) : Ligne();
    bool aDesSorts = false;
    for (int n = 0; n < kNiveauxSort && progression; ++n)
        if (!progression.valeur(n).isNull()) {
            s.parJour[n] = progression.entier(n);
            aDesSorts = true;
        }
    if (!aDesSorts)
        return s;

    // 3. Caractéristique de lanceur.
    const Ligne ligneClasse = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {s.classe});
    if (ligneClasse.texte(QStringLiteral("CaracSort_Bonus")).isEmpty())
        s.messages.append(QString::fromUtf8(kCaracSortAbsente));
    if (ligneClasse.texte(QStringLiteral("CaracSort_DD")).isEmpty())
        s.messages.append(QString::fromUtf8(kCaracSort2Absente));
    const ValeursCaracteristiques caracs = valeursCaracs(f);
    const int modificateur = CaracSortBonus(programme, s.classe, caracs);
    const int dd = CaracSortDD(programme, s.classe, caracs);
    // Un sort demande une caractéristique d'au moins 10 + son niveau ; sans réglage, pas de limite.
    const int limite = ligneClasse.texte(QStringLiteral("CaracSort_Niv")).isEmpty()
                           ? kNiveauxSort - 1
                           : CaracSortNiv(programme, s.classe, caracs) - 10;
    const Ligne bonus = ligneBonus(programme, modificateur);

    // 4 à 6, et d'où viennent les sorts préparés.
    specialiteDomaine(f, s);
    DefinitPreparation(ligneClasse, f, s);
    emplacementsEnPlus(programme, f, modificateur, s);
    for (int n = 0; n < kNiveauxSort; ++n) {
        s.dd[n] = 10 + n + dd;
        s.mana[n] = n == 0 ? 0 : 2 * n - 1;
        if (!s.parJour[n])
            continue;
        s.bonusCarac[n] = bonusDe(bonus, n);
        if (n > limite)
            continue;
        s.total[n] = *s.parJour[n] + s.bonusCarac[n] + s.speDom[n] + s.supplementaires[n];
        s.pointsMagie += *s.total[n] * s.mana[n];
        if (*s.total[n] > 0)
            s.sortMax = n;
    }
    return s;
}

QStringList ClassesLanceurs(BaseDonnees& programme, const Fiche& f)
{
    QStringList classes;
    for (const ClasseFiche& c : f.Classes)
        if (programme
                .premiere(QStringLiteral("select Niveau from ClasseProgression where Classe=? and Niveau<=? and "
                                         "(s_n_0 is not null or s_n_1 is not null or s_n_2 is not null)"),
                          {c.Classe, int(c.Niveau)}))
            classes.append(c.Classe);
    if (!f.Personnage.RACE.isEmpty() && !ColonneSorts(programme, f.Personnage.RACE).isEmpty())
        classes.append(QString());
    return classes;
}

void RemplitSorts(BaseDonnees& perso, BaseDonnees& programme, Fiche& f)
{
    f.Sorts.clear();
    for (const QString& classe : ClassesLanceurs(programme, f)) {
        SortsClasse s = rempNbSort(programme, f, classe);
        s.connus = SortsConnus(perso, f.Personnage.Nom, s.classe);
        s.prepares = EmplacementsJour(s);
        ChargeSortsPrepares(perso, programme, f.Personnage.Nom, s);
        f.Sorts.append(s);
    }
}
