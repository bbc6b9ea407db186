#include "ChampsPersonnage.h"

#include <QStringList>

namespace {

// Un groupe de contrôles semblables : "cmbDomaine_0".."cmbDomaine_3" -> "Domaine_1".."Domaine_4".
void groupe(QVector<ChampIdentite>& champs, const QString& controle, const QString& prefixe, int nombre)
{
    for (int i = 0; i < nombre; ++i)
        champs.append({controle + u'_' + QString::number(i), prefixe + QString::number(i + 1), NatureChamp::Texte, {}});
}

QVector<ChampIdentite> construit()
{
    QVector<ChampIdentite> c;
    const auto texte = [&c](const char* controle, const char* champ) {
        c.append({QString::fromLatin1(controle), QString::fromLatin1(champ), NatureChamp::Texte, {}});
    };
    const auto nombre = [&c](const char* controle, const char* champ, NatureChamp nature, const char* message) {
        c.append({QString::fromLatin1(controle), QString::fromLatin1(champ), nature, QString::fromUtf8(message)});
    };
    texte("Cmbarchetype", "Archetype");
    texte("fldstrprofil", "Profil");
    texte("fldstrtitre", "Titre");
    texte("fldstrdieu", "Dieu");
    texte("CmbAlignement", "Alignement");
    nombre("fldnBeaute", "Beaute", NatureChamp::Entier, "La beauté doit être entrée en tant que valeur numérique");
    texte("fldstrcheveux", "Cheveux");
    texte("fldstryeux", "Yeux");
    texte("fldstrSexe", "Sexe");
    nombre("fldnPoids", "Poids", NatureChamp::Reel, "Le poids doit être entrée en tant que valeur numérique");
    nombre("fldnTaille", "Taille", NatureChamp::Entier, "La taille doit être entrée en tant que valeur numérique");
    texte("flddate", "Date");
    nombre("fldnAge", "Age", NatureChamp::Entier, "L'age doit être entrée en tant que valeur numérique");
    nombre("fldnMalusXP", "MalusXP", NatureChamp::Entier, "Le Malux XP doit être entrée en tant que valeur numérique");
    texte("CmbEcoleSpecialisation", "EcoleSpecialisation");
    texte("fldstrLangueConnue", "LangueConnue");
    texte("fldstrAlphabet", "Alphabet");
    groupe(c, QStringLiteral("cmbDomaine"), QStringLiteral("Domaine_"), 4);
    groupe(c, QStringLiteral("CmbEcole_interdite"), QStringLiteral("Ecole_interdite_"), 4);
    nombre("fldnTotalPo", "TotalPo", NatureChamp::Reel, "Le nombre de Po doit être entrée en tant que valeur numérique");
    nombre("fldnTotalXP", "TotalXP", NatureChamp::Entier,
           "Le nombre de points d'expérience doit être entrée en tant que valeur numérique");
    groupe(c, QStringLiteral("CmbProfession"), QStringLiteral("Profession_"), 4);
    groupe(c, QStringLiteral("CmbArtisanat"), QStringLiteral("Artisanat_"), 3);
    groupe(c, QStringLiteral("CmbElu"), QStringLiteral("EnergieElu_"), 3);
    groupe(c, QStringLiteral("CmbSorcier"), QStringLiteral("EnergieSorcier_"), 2);
    texte("CmbWujen", "ElementWujen");
    texte("CmbShugenja_0", "ElementShugenja");
    texte("CmbShugenja_1", "OrdreShugenja");
    texte("CmbDragonTotem", "DragonTotem");
    return c;
}

} // namespace

const QVector<ChampIdentite>& champsIdentite()
{
    static const QVector<ChampIdentite> champs = construit();
    return champs;
}

const QStringList& ecolesSpecialisation()
{
    static const QStringList ecoles{QString(), QStringLiteral("Généraliste"), QStringLiteral("Evocation"),
                                    QStringLiteral("Invocation"), QStringLiteral("Nécromancie"), QStringLiteral("Illusion"),
                                    QStringLiteral("Divination"), QStringLiteral("Transmutation"),
                                    QStringLiteral("Abjuration"), QStringLiteral("Enchantement")};
    return ecoles;
}

const QStringList& ecolesInterdites()
{
    static const QStringList ecoles{QString(), QStringLiteral("Evocation"), QStringLiteral("Invocation"),
                                    QStringLiteral("Nécromancie"), QStringLiteral("Illusion"),
                                    QStringLiteral("Transmutation"), QStringLiteral("Abjuration"),
                                    QStringLiteral("Enchantement")};
    return ecoles;
}
