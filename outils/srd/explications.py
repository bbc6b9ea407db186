"""Explications des sorts, écrites par nous : ce qu'il faut savoir pour lancer le sort en jeu.

Les sorts sans explication ici gardent un champ vide, à compléter.
"""

EXPLICATIONS = {
    "Boule de feu": "Une bille de flamme file vers le point choisi et éclate en une sphère de feu. Chaque créature "
                    "de la zone subit 1d6 points de dégâts de feu par niveau de lanceur, jusqu'à 10d6 au maximum ; "
                    "un jet de Réflexes réussi réduit les dégâts de moitié. Les objets inflammables prennent feu.",
    "Projectile magique": "Des projectiles de force frappent sans jet d'attaque ni jet de sauvegarde : 1d4+1 points "
                          "de dégâts chacun. Un projectile au niveau 1, puis un de plus tous les deux niveaux "
                          "(3e, 5e, 7e, 9e), cinq au plus. Plusieurs projectiles peuvent viser des cibles différentes.",
    "Soins légers": "Le contact rend 1d8 points de vie +1 par niveau de lanceur (+5 au plus). Contre un "
                    "mort-vivant, le sort inflige ces points de dégâts au lieu de soigner (Volonté pour la moitié).",
    "Soins modérés": "Le contact rend 2d8 points de vie +1 par niveau de lanceur (+10 au plus). Blesse les "
                     "morts-vivants au lieu de les soigner.",
    "Soins importants": "Le contact rend 3d8 points de vie +1 par niveau de lanceur (+15 au plus). Blesse les "
                        "morts-vivants au lieu de les soigner.",
    "Soins intensifs": "Le contact rend 4d8 points de vie +1 par niveau de lanceur (+20 au plus). Blesse les "
                       "morts-vivants au lieu de les soigner.",
    "Blessure légère": "Une attaque de contact inflige 1d8 points de dégâts +1 par niveau (+5 au plus) ; Volonté "
                       "pour la moitié. Soigne les morts-vivants.",
    "Armure de mage": "Un champ de force invisible donne +4 d'armure à la créature touchée. Ce bonus joue contre "
                      "les créatures intangibles, n'entraîne ni malus ni risque d'échec des sorts.",
    "Bouclier": "Un disque de force invisible flotte devant le lanceur : +4 de bouclier à la CA, et il arrête "
                "les projectiles magiques.",
    "Bénédiction": "Le lanceur et ses alliés proches gagnent +1 de moral aux jets d'attaque et aux jets de "
                   "sauvegarde contre la terreur.",
    "Bouclier de la foi": "Un champ scintillant donne +2 de parade à la CA, +1 de plus par tranche de six niveaux "
                          "(+5 au plus).",
    "Sommeil": "Plonge dans un sommeil magique 4 DV de créatures au total, les plus faibles d'abord ; les "
               "créatures de 5 DV ou plus ne sont pas touchées. Volonté pour annuler.",
    "Charme-personne": "Un humanoïde devient l'ami du lanceur et le voit sous un jour favorable ; il n'obéit pas "
                       "aveuglément. Volonté pour annuler, +5 si on le menace.",
    "Éclair": "Un trait de foudre jaillit en ligne de la main du lanceur : 1d6 points de dégâts d'électricité par "
              "niveau, jusqu'à 10d6 ; Réflexes pour la moitié.",
    "Cône de froid": "Un cône de froid glacial inflige 1d6 points de dégâts de froid par niveau, jusqu'à 15d6 ; "
                     "Réflexes pour la moitié.",
    "Mains brûlantes": "Un cône de flammes de 4,50 m inflige 1d4 points de dégâts de feu par niveau, jusqu'à 5d4 ; "
                       "Réflexes pour la moitié.",
    "Invisibilité": "La créature touchée devient invisible. Le sort prend fin si elle attaque ou lance un sort "
                    "offensif.",
    "Rapidité": "Les créatures visées gagnent une attaque de plus lors d'une attaque à outrance, +1 aux jets "
                "d'attaque, +1 d'esquive à la CA et aux Réflexes, et +9 m de vitesse.",
    "Lenteur": "Les créatures visées ne font qu'une action simple ou de mouvement par round, subissent -1 à "
               "l'attaque, à la CA et aux Réflexes, et leur vitesse est divisée par deux. Volonté pour annuler.",
    "Vol": "La créature touchée vole à 18 m (12 m en armure intermédiaire ou lourde), avec une bonne "
           "manœuvrabilité.",
    "Dissipation de la magie": "Met fin aux sorts en cours sur une cible ou dans une zone, ou contre un sort : test "
                               "de dissipation 1d20 + niveau de lanceur (10 au plus) contre 11 + niveau du sort.",
    "Détection de la magie": "Révèle les auras magiques dans un cône ; en se concentrant plusieurs rounds, le "
                             "lanceur en apprend le nombre, la puissance et l'école.",
    "Lumière": "L'objet touché brille comme une torche : il éclaire 6 m alentour.",
    "Force de taureau": "+4 d'altération en Force pendant 1 minute par niveau.",
    "Grâce féline": "+4 d'altération en Dextérité pendant 1 minute par niveau.",
    "Endurance de l'ours": "+4 d'altération en Constitution pendant 1 minute par niveau.",
    "Toile d'araignée": "Des toiles épaisses emplissent la zone et retiennent les créatures ; Réflexes pour éviter "
                        "d'être pris, puis tests de Force ou d'Évasion pour se libérer.",
    "Guérison suprême": "Rend 10 points de vie par niveau de lanceur (150 au plus) et guérit la plupart des maux : "
                        "maladie, poison, cécité, confusion, fatigue... Blesse les morts-vivants.",
    "Rappel à la vie": "Ramène à la vie une créature morte depuis au plus un jour par niveau ; elle perd un niveau "
                       "et revient avec 1 point de vie par DV.",
    "Protection contre le Mal": "+2 de parade à la CA et +2 de résistance aux jets de sauvegarde contre les créatures "
                                "mauvaises ; bloque le contrôle mental et le contact des créatures convoquées mauvaises.",
}
