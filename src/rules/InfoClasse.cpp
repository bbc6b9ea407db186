#include "InfoClasse.h"
#include "shell/db/BaseDonnees.h"

int ValeursCaracteristiques::rang(const QString& nom)
{
    static const QStringList noms{QStringLiteral("Force"),        QStringLiteral("Dextérité"),
                                  QStringLiteral("Constitution"), QStringLiteral("Intelligence"),
                                  QStringLiteral("Sagesse"),      QStringLiteral("Charisme")};
    return int(noms.indexOf(nom));
}

namespace {

Ligne ligneClasse(BaseDonnees& programme, const QString& classe)
{
    return programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {classe});
}

// Caractéristique nommée dans un champ de la classe ; 0 sans classe ou sans nom reconnu.
qint16 caracDeClasse(BaseDonnees& programme, const QString& classe, const char* champ,
                     const std::array<Entier16, 6>& valeurs)
{
    const Ligne l = ligneClasse(programme, classe);
    if (!l)
        return 0;
    const int r = ValeursCaracteristiques::rang(l.texte(QLatin1String(champ)));
    return r < 0 ? 0 : valeurs.at(r).valeur();
}

} // namespace

TypeInfoClasse InfoClasse(BaseDonnees& programme, const QString& classe, int niveau)
{
    TypeInfoClasse info;
    const Ligne l = ligneClasse(programme, classe);
    if (!l)
        return info;
    info.Classe = l.texte(QStringLiteral("Classe"));
    info.PointDeVie = Entier16(l.entier(QStringLiteral("PointDeVie")));
    info.CompetenceNiveauSupp = Entier16(l.entier(QStringLiteral("CompetenceNiveauSupp")));
    info.ClasseMaitre = l.texte(QStringLiteral("ClasseMaitre"));
    if (niveau > 0) {
        const Ligne p = programme.cherche(QStringLiteral("ClasseProgression"), QStringLiteral("index"), {classe, niveau});
        if (p) {
            info.PointDeVie += Entier16(p.entier(QStringLiteral("bonusDesVie")));
            info.BonusIntelligence += Entier16(p.entier(QStringLiteral("BonusIntelligence")));
        }
    }
    return info;
}

bool EstLanceurSort(BaseDonnees& programme, const QString& classe)
{
    const Ligne l = ligneClasse(programme, classe);
    return l && l.booleen(QStringLiteral("EstLanceurSort"));
}

bool EstTout(BaseDonnees& programme, const QString& classe)
{
    const Ligne l = ligneClasse(programme, classe);
    return l && l.booleen(QStringLiteral("EstTout"));
}

bool EstLimite(BaseDonnees& programme, const QString& classe)
{
    const Ligne l = ligneClasse(programme, classe);
    return l && l.booleen(QStringLiteral("EstLimite"));
}

QString ListeSort(BaseDonnees& programme, const QString& classe)
{
    const Ligne l = ligneClasse(programme, classe);
    return l ? l.texte(QStringLiteral("ListeSort")) : QString();
}

qint16 NlsClasse(BaseDonnees& programme, const QString& classe)
{
    const Ligne l = ligneClasse(programme, classe);
    return l ? CInt(l.entier(QStringLiteral("nls"))) : qint16(0);
}

qint16 CaracSortBonus(BaseDonnees& programme, const QString& classe, const ValeursCaracteristiques& caracs)
{
    return caracDeClasse(programme, classe, "CaracSort_Bonus", caracs.Bonus);
}

qint16 CaracSortNiv(BaseDonnees& programme, const QString& classe, const ValeursCaracteristiques& caracs)
{
    return caracDeClasse(programme, classe, "CaracSort_Niv", caracs.Total);
}

qint16 CaracSortDD(BaseDonnees& programme, const QString& classe, const ValeursCaracteristiques& caracs)
{
    Entier16 dd = caracDeClasse(programme, classe, "CaracSort_DD", caracs.Bonus);
    if (classe == u"Svirfnebelin")
        dd += 4;
    return dd.valeur();
}

QString TypeMagieClasse(const QString& classe)
{
    static const QStringList divins{
        QStringLiteral("Sœur de valarian"), QStringLiteral("Vassal de bahamut"), QStringLiteral("Adepte"),
        QStringLiteral("Chevalier noir"), QStringLiteral("Prêtre"), QStringLiteral("Paladin"), QStringLiteral("Rodeur"),
        QStringLiteral("Druide"), QStringLiteral("Champion de gwynharwyf"), QStringLiteral("Shugenja")};
    static const QStringList profanes{
        QStringLiteral("Chaman"), QStringLiteral("Assassin"), QStringLiteral("Barde"), QStringLiteral("Ens/Mag"),
        QStringLiteral("Wujen"), QStringLiteral("Mage de bataille"), QStringLiteral("Beguiler"),
        QStringLiteral("Tourmenteur"), QStringLiteral("Célébrante de sharess")};
    if (divins.contains(classe, Qt::CaseSensitive))
        return QStringLiteral("Divin");
    if (profanes.contains(classe, Qt::CaseSensitive))
        return QStringLiteral("Profane");
    return {};
}

QString ElementOppose(const QString& texte)
{
    static const std::pair<QString, QString> oppositions[] = {
        {QStringLiteral("Terre"), QStringLiteral("Air")},
        {QStringLiteral("Air"), QStringLiteral("Terre")},
        {QStringLiteral("Eau"), QStringLiteral("Feu")},
        {QStringLiteral("Feu"), QStringLiteral("Eau")},
    };
    // Un shugenja porte son élément dans le texte de sa classe : "Shugenja (Feu)".
    const bool shugenja = texte.contains(QStringLiteral("Shugenja"));
    for (const auto& [element, oppose] : oppositions)
        if (shugenja ? texte.contains(element) : texte == element)
            return oppose;
    return {};
}

bool EstDonDeClasse(BaseDonnees& programme, const QString& don, const QString& classe, int niveau)
{
    for (int n = 1; n <= niveau; ++n) {
        const Ligne l = programme.premiere(
            QStringLiteral("select don_1,don_2,don_3,don_4,don_5,don_6 from classeProgression where classe=? and niveau=?"),
            {classe, n});
        if (!l)
            continue;
        for (int i = 1; i <= 6; ++i)
            if (l.texte(QStringLiteral("don_%1").arg(i)) == don)
                return true;
    }
    return false;
}

QString TexteFrequence(const QString& texte)
{
    const qsizetype ouvrante = texte.indexOf(u'(');
    if (ouvrante < 0)
        return {};
    const qsizetype espace = texte.indexOf(u' ', ouvrante);
    if (espace < 0 || espace + 1 >= texte.size())
        return {};
    const QChar code = texte.at(espace + 1);
    if (code == u'v')
        return QStringLiteral("à volonté");
    if (code == u'0')
        return QStringLiteral("moins d'une fois par jour");
    if (code == u'p')
        return QStringLiteral("Toujours actif");
    return code + QStringLiteral(" fois par jour");
}

qint16 BonusDescripteurSort(const QString& ecoleEtRegistres, const QStringList& domaines,
                            const QHash<QString, int>& bonus)
{
    static const QStringList mots{
        QStringLiteral("Bien"),        QStringLiteral("Evocation"),    QStringLiteral("Invocation"),
        QStringLiteral("Illusion"),    QStringLiteral("Nécromancie"),  QStringLiteral("Divination"),
        QStringLiteral("Transmutation"), QStringLiteral("Enchantement"), QStringLiteral("Abjuration"),
        QStringLiteral("coercition"),  QStringLiteral("scrutation"),   QStringLiteral("Acide"),
        QStringLiteral("Feu"),         QStringLiteral("Froid"),        QStringLiteral("Electricité"),
        QStringLiteral("Son")};
    Entier16 somme;
    for (const QString& mot : mots)
        if (ecoleEtRegistres.contains(mot, Qt::CaseInsensitive))
            somme += Entier16(bonus.value(mot));
    for (const QString& domaine : domaines)
        if (!domaine.isEmpty() && ecoleEtRegistres.contains(u'(' + domaine + u')', Qt::CaseInsensitive))
            somme += Entier16(bonus.value(domaine));
    return somme.valeur();
}
