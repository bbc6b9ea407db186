#include "ChoixPersonnage.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Instruction.h"

QVector<PersonnageChoix> ListePersonnagesChoix(BaseDonnees& perso)
{
    // Colonnes lues par position : nom, race, puis les huit niveaux et les huit classes. Les
    // lignes sont lues au fil de la requête : une base peut avoir des milliers de personnages.
    static const QString sql = QStringLiteral(
        "select Nom,RACE,Niv_1,Niv_2,Niv_3,Niv_4,Niv_5,Niv_6,Niv_7,Niv_8,Classe_1,Classe_2,Classe_3,Classe_4,"
        "Classe_5,Classe_6,Classe_7,Classe_8 from Personnage where exclu=false order by Nom");
    constexpr int kNiveaux = 2, kClasses = 10;
    QVector<PersonnageChoix> liste;
    perso.parcourt(sql, {}, [&](const Instruction& l) {
        PersonnageChoix p;
        p.nom = l.texte(0);
        p.race = l.texte(1);
        int meilleur = l.entier(kNiveaux);
        int classe = 0;
        p.niveau = meilleur;
        for (int i = 1; i < 8; ++i) {
            const int niv = l.entier(kNiveaux + i);
            p.niveau += niv;
            if (niv > meilleur) {
                meilleur = niv;
                classe = i;
            }
        }
        p.classe = l.texte(kClasses + classe);
        liste.append(std::move(p));
    });
    return liste;
}
