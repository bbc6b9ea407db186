"""Tables calculées par les règles 3.5 : Experience, Possession, ModificateurCaracSortBonus, CapaciteSort."""
import os
from fractions import Fraction

from tsv_srd import DONNEES, cle_tri, ecrit_tsv

FP_FRACTIONS = [("1/8", Fraction(1, 8)), ("1/6", Fraction(1, 6)), ("1/4", Fraction(1, 4)),
                ("1/3", Fraction(1, 3)), ("1/2", Fraction(1, 2))]
# Facteur selon l'écart FP - niveau : x2 tous les deux crans, x1,5 entre deux.
FACTEURS = {0: Fraction(1), 1: Fraction(3, 2), 2: Fraction(2), 3: Fraction(3), 4: Fraction(4), 5: Fraction(6),
            6: Fraction(8), 7: Fraction(12)}


def facteur(ecart):
    if ecart >= 0:
        if ecart in FACTEURS:
            return FACTEURS[ecart]
        return facteur(ecart - 2) * 2
    if ecart < -7:
        return Fraction(0)
    return 1 / FACTEURS[-ecart]


def recompense(niveau, fp):
    """Part de chaque personnage, avant division par le nombre de personnages (méthode du Guide du maître :
    300 × niveau au FP égal au niveau, les niveaux 1 à 3 comptés comme 3, jamais plus de 300 × FP
    pour une rencontre plus faible que le groupe)."""
    n = max(niveau, 3)
    valeur = 300 * n * facteur(fp - n)
    if fp <= n:
        valeur = min(valeur, 300 * fp)
    return int(valeur + Fraction(1, 2))  # arrondi au plus proche


def experience():
    lignes = []
    for niveau in range(1, 21):
        ligne = {"niveau": niveau}
        for nom, f in FP_FRACTIONS:
            ligne["fp" + nom] = int(recompense(niveau, 1) * f + Fraction(1, 2))
        for fp in range(1, 31):
            ligne["fp%d" % fp] = recompense(niveau, fp)
        lignes.append(ligne)
    ecrit_tsv(os.path.join(DONNEES, "Experience.tsv"),
              ["niveau"] + ["fp" + n for n, _ in FP_FRACTIONS] + ["fp%d" % f for f in range(1, 31)], lignes)


RICHESSE = [None, 900, 2700, 5400, 9000, 13000, 19000, 27000, 36000, 49000, 66000, 88000, 110000, 150000,
            200000, 260000, 340000, 440000, 580000, 760000]
EQUIPEMENT_PNJ = [900, 2000, 2500, 3300, 4300, 5600, 7200, 9400, 12000, 16000, 21000, 27000, 35000, 45000,
                  59000, 77000, 100000, 130000, 170000, 220000]


def possession():
    ecrit_tsv(os.path.join(DONNEES, "Possession.tsv"), ["Niveau", "Richesse", "EquipementPNJ"],
              [{"Niveau": n, "Richesse": RICHESSE[n - 1], "EquipementPNJ": EQUIPEMENT_PNJ[n - 1]} for n in range(1, 21)])


def sorts_bonus():
    lignes = []
    for mod in range(-5, 31):
        ligne = {"Modificateur": mod, "s_n_0": 0}
        for niveau in range(1, 10):
            ligne["s_n_%d" % niveau] = (mod - niveau) // 4 + 1 if mod >= niveau else 0
        lignes.append(ligne)
    ecrit_tsv(os.path.join(DONNEES, "ModificateurCaracSortBonus.tsv"),
              ["Modificateur"] + ["s_n_%d" % i for i in range(10)], lignes)


# Capacités activables dont la valeur suit un niveau : BonusBase + Int(N / TousLes) × Augmentation.
CAPACITES = [
    ("Attaque en puissance", "Don", "Bonus Dommage", 0, 1, "1", 0, 20, "Échange jusqu'au bonus de base à l'attaque contre autant de dégâts."),
    ("Bouclier divin", "Don", "Bonus Classe Armure", 0, 1, "1", 0, 20, "Bonus de bouclier égal au modificateur de Charisme, en dépensant un renvoi."),
    ("Carapace de tortue", "Capacité de classe", "Bonus Classe Armure", 6, 1, "0", 6, 9, "Bonus d'armure naturelle selon le niveau."),
    ("Châtiment du mal", "Capacité de classe", "Bonus Dommage", 0, 1, "1d4", 0, 20, "Dés de dégâts du châtiment selon le niveau."),
    ("Frappe profane", "Capacité de classe", "Bonus Dommage", 0, 1, "1d4", 0, 9, "Sacrifie un sort : bonus à l'attaque et dés de dégâts selon son niveau."),
    ("Inspiration vaillante", "Capacité de classe", "Bonus Attaque", 1, 6, "1", 1, 4, "Bonus de moral du chant selon le niveau de barde."),
    ("Puissance divine ", "Don", "Bonus Dommage", 0, 1, "1", 0, 20, "Bonus de dégâts égal au modificateur de Charisme, en dépensant un renvoi."),
    ("Puissance divine épique", "Don", "Bonus Dommage", 0, 1, "1", 0, 40, "Comme Puissance divine, doublé."),
    # Dons : le niveau est le bonus de base à l'attaque ou le niveau global.
    ("Expertise du combat", "Don", "Bonus Classe Armure", 0, 1, "1", 0, 5, "Échange jusqu'à 5 points d'attaque (sans dépasser le bonus de base) contre autant d'esquive."),
    ("Expertise supérieure", "Don", "Bonus Classe Armure", 0, 1, "1", 0, 40, "Comme Expertise du combat, sans la limite de 5."),
    ("Coup étourdissant", "Don", "Utilisations par jour", 0, 4, "1", 1, 10, "Une utilisation par tranche de quatre niveaux (le moine en a une par niveau de moine)."),
    # Barde : le niveau est le niveau de barde.
    ("Musique de barde", "Capacité de classe", "Utilisations par jour", 0, 1, "1", 1, 20, "Une utilisation par jour et par niveau de barde."),
    ("Savoir bardique", "Capacité de classe", "Bonus Competence", 0, 1, "1", 1, 20, "Niveau de barde ajouté au test de savoir (plus le modificateur d'Intelligence)."),
    ("Suggestion", "Capacité de classe", "DD", 10, 2, "1", 13, 20, "DD de base 10 + moitié du niveau de barde (plus le modificateur de Charisme)."),
    ("Inspiration héroïque", "Capacité de classe", "Nombre de cibles", -2, 3, "1", 1, 4, "Un allié au niveau 9, un de plus tous les trois niveaux."),
    ("Inspiration intrépide", "Capacité de classe", "Nombre de cibles", -4, 3, "1", 1, 2, "Un allié au niveau 15, un de plus tous les trois niveaux."),
    # Druide et rôdeur.
    ("Empathie sauvage", "Capacité de classe", "Bonus Competence", 0, 1, "1", 1, 20, "Niveau de druide ou de rôdeur ajouté au test (plus le modificateur de Charisme)."),
    ("Ennemi juré", "Capacité de classe", "Nombre d'ennemis jurés", 1, 5, "1", 1, 5, "Un type d'ennemi au niveau 1, un de plus tous les cinq niveaux de rôdeur."),
    # Moine.
    ("Plénitude physique", "Capacité de classe", "Points de vie", 0, 1, "2", 14, 40, "Deux points de vie soignés par jour et par niveau de moine."),
    ("Paume vibratoire", "Capacité de classe", "DD", 10, 2, "1", 17, 20, "DD de base 10 + moitié du niveau de moine (plus le modificateur de Sagesse)."),
    ("Désertion de l'âme", "Capacité de classe", "Rounds", 0, 1, "1", 19, 20, "Un round d'état éthéré par niveau de moine et par jour."),
    # Paladin et chevalier noir.
    ("Imposition des mains", "Capacité de classe", "Points de vie", 0, 1, "1", 2, 20, "Niveau de paladin, à multiplier par le modificateur de Charisme : points de vie soignés par jour."),
    ("Guérison des maladies", "Capacité de classe", "Utilisations par semaine", -1, 3, "1", 1, 5, "Une fois par semaine au niveau 6, une de plus tous les trois niveaux."),
    ("Châtiment du bien", "Capacité de classe", "Bonus Dommage", 0, 1, "1", 1, 10, "Dégâts en plus égaux au niveau de chevalier noir."),
    # Classes de prestige.
    ("Attaque mortelle", "Capacité de classe", "DD", 10, 1, "1", 11, 20, "DD de base 10 + niveau d'assassin (plus le modificateur d'Intelligence)."),
    ("Savoir", "Capacité de classe", "Bonus Competence", 0, 1, "1", 1, 10, "Niveau de maître du savoir ajouté au test de savoir (plus le modificateur d'Intelligence)."),
    # Pouvoirs de domaine : le niveau est le niveau de prêtre.
    ("Domaine de la mort", "Domaine", "Bonus Dommage", 0, 1, "1d6", 1, 20, "Contact mortel : 1d6 par niveau de prêtre, la cible meurt si le total dépasse ses points de vie."),
    ("Domaine de la destruction", "Domaine", "Bonus Dommage", 0, 1, "1", 1, 20, "Châtiment : +4 à l'attaque et des dégâts en plus égaux au niveau de prêtre."),
    ("Domaine de la force", "Domaine", "Bonus Force", 0, 1, "1", 1, 20, "Bonus d'altération à la Force égal au niveau de prêtre pendant un round."),
    ("Domaine de la protection", "Domaine", "Bonus Sauvegarde", 0, 1, "1", 1, 20, "Bonus de résistance au prochain jet de sauvegarde égal au niveau de prêtre."),
    ("Domaine du voyage", "Domaine", "Rounds", 0, 1, "1", 1, 20, "Liberté de mouvement un round par niveau de prêtre et par jour."),
]

# Classe dont le niveau sert de L (les autres lignes prennent un niveau de la fiche ou le niveau global).
CLASSE_DU_NIVEAU = {
    "Inspiration vaillante": "Barde", "Inspiration héroïque": "Barde", "Inspiration intrépide": "Barde",
    "Musique de barde": "Barde", "Savoir bardique": "Barde", "Suggestion": "Barde",
    "Ennemi juré": "Rôdeur", "Plénitude physique": "Moine", "Paume vibratoire": "Moine",
    "Désertion de l'âme": "Moine", "Imposition des mains": "Paladin", "Guérison des maladies": "Paladin",
    "Châtiment du mal": "Paladin", "Châtiment du bien": "Chevalier noir", "Attaque mortelle": "Assassin",
    "Savoir": "Maître du savoir", "Domaine de la mort": "Prêtre", "Domaine de la destruction": "Prêtre",
    "Domaine de la force": "Prêtre", "Domaine de la protection": "Prêtre", "Domaine du voyage": "Prêtre",
}


def capacites():
    lignes = []
    rangees = sorted(CAPACITES, key=lambda c: cle_tri(c[0]))
    for i, (nom, categorie, bonus, base, tous, augmentation, mini, maxi, texte) in enumerate(rangees, 1):
        lignes.append({"Nom": nom, "Type": "Activable", "Genre": categorie, "Categorie": categorie, "Index": i,
                       "liearme": False, "min": mini, "max": maxi, "TousLes": tous, "BonusBase": base,
                       "bonuscapacite": bonus, "Augmentation": augmentation, "Classe": CLASSE_DU_NIVEAU.get(nom),
                       "Explication": texte})
    ecrit_tsv(os.path.join(DONNEES, "CapaciteSort.tsv"),
              ["Nom", "Type", "Genre", "Categorie", "Index", "liearme", "min", "max", "TousLes", "BonusBase",
               "bonuscapacite", "Augmentation", "Classe", "Explication"], lignes)


if __name__ == "__main__":
    experience()
    possession()
    sorts_bonus()
    capacites()
