#include "ChoixPersonnage.h"
#include "shell/db/BaseDonnees.h"

QVector<PersonnageChoix> ListePersonnagesChoix(BaseDonnees& perso)
{
    static const QString sql = QStringLiteral(
        "select nom,race,niv_1,niv_2,niv_3,niv_4,niv_5,niv_6,niv_7,niv_8,classe_1,classe_2,classe_3,classe_4,"
        "classe_5,classe_6,classe_7,classe_8 from personnage where exclu=false order by nom");
    QVector<PersonnageChoix> liste;
    for (const Ligne& l : perso.selectionne(sql)) {
        PersonnageChoix p;
        p.nom = l.texte(QStringLiteral("nom"));
        p.race = l.texte(QStringLiteral("race"));
        p.classe = l.texte(QStringLiteral("classe_1"));
        int meilleur = l.entier(QStringLiteral("niv_1"));
        p.niveau = meilleur;
        for (int i = 2; i <= 8; ++i) {
            const int niv = l.entier(QStringLiteral("niv_%1").arg(i));
            p.niveau += niv;
            if (niv > meilleur) {
                meilleur = niv;
                p.classe = l.texte(QStringLiteral("classe_%1").arg(i));
            }
        }
        liste.append(p);
    }
    return liste;
}
