"""Races jouables, sous-races et monstres retenus : faits des règles, textes écrits par nous."""


def R(nom, taille, vitesse, mods, dons, langue, favorite, taille_pds, description, competences=(), **autres):
    """Race sans dés de vie raciaux. taille_pds : (taille H, taille F, dé, poids H, poids F, dé) en
    pouces et livres ; un dé de poids 1000 veut dire « multiplicateur 1 »."""
    th, tf, td, ph, pf, pd = taille_pds
    ligne = dict(Race=nom, Niveau=0, Type=autres.pop("Type", "Humanoïde"), taille=taille, AdjNiv=0, FP=0, Allonge=1,
                 Ca=0, Reflexe=0, Vigueur=0, Volonte=0, Competence=0, Don=0, Deplacement=vitesse,
                 Quadripede=False, Vision=0, taillehomme=th, taillefemme=tf, tailledes=td, poidshomme=ph,
                 poidsfemme=pf, poidsdes=pd, Langue=langue, ClasseFavorite=favorite, Description=description,
                 competences=list(competences))
    for cle, v in zip(("For", "Dex", "Con", "Int", "Sag", "Cha"), mods):
        ligne[cle] = v
    for i, d in enumerate(dons, 1):
        ligne[f"don_{i}"] = d
    ligne.update(autres)
    return ligne


NAIN = ["Stabilité", "Connaissance de la pierre", "Bonus nain JP poison", "Bonus nain JP sort",
        "Haine des orques et gobelinoïdes", "Entraînement défensif contre les géants",
        "Familiarité avec les armes naines"]
COMP_NAIN = [("Estimation", 0, "+2 pour les objets de pierre ou de métal."),
             ("Artisanat 1", 0, "+2 pour les objets de pierre ou de métal.")]
ELFE = ["Vision nocturne", "Immunité sommeil", "Bonus elfique contre les enchantements",
        "Détection des passages secrets", "Maniement des armes elfiques"]
COMP_ELFE = [("Perception auditive", 2, None), ("Fouille", 2, None), ("Détection", 2, None)]
GNOME = ["Vision nocturne", "Familiarité avec les armes gnomes", "Bonus gnome aux JP illusions",
         "Bonus gnome aux DD illusions", "Haine des kobolds et gobelinoïdes",
         "Entraînement défensif contre les géants", "Pouvoirs magiques des gnomes"]
COMP_GNOME = [("Perception auditive", 2, None), ("Artisanat 1", 0, "+2 en alchimie.")]
HALFELIN = ["Bonus halfelin de moral", "Bonus halfelin fronde"]
COMP_HALFELIN = [("Escalade", 2, None), ("Saut", 2, None), ("Déplacement silencieux", 2, None),
                 ("Perception auditive", 2, None)]

T_HUMAIN = (58, 53, 10, 120, 85, 4)
T_NAIN = (45, 43, 4, 130, 100, 6)
T_ELFE = (53, 53, 6, 85, 80, 3)
T_GNOME = (36, 34, 4, 40, 35, 1000)
T_HALFELIN = (32, 30, 4, 30, 25, 1000)

RACES_JOUEURS = [
    R("Humain", "Moyenne", 9, (0, 0, 0, 0, 0, 0), [], "Commun", "Toutes", T_HUMAIN,
      "Les humains sont la race la plus répandue et la plus diverse. Adaptables et ambitieux, ils "
      "apprennent vite : un don supplémentaire au niveau 1 et un point de compétence de plus par niveau "
      "(quatre au niveau 1). Leur classe de prédilection est celle de leur plus haut niveau.",
      Competence=1, Don=1),
    R("Nain", "Moyenne", 6, (0, 0, 2, 0, 0, -2), NAIN, "Commun, Nain", "Guerrier", T_NAIN,
      "Trapus et endurants, les nains vivent sous les montagnes, où ils travaillent la pierre et le métal. "
      "Ils se déplacent à 6 m mais gardent cette vitesse même en armure intermédiaire ou lourde, voient dans "
      "le noir à 18 m et résistent au poison et à la magie.", COMP_NAIN, Vision=18),
    R("Nain des montagnes", "Moyenne", 6, (0, 0, 2, 0, 0, -2), NAIN, "Commun, Nain", "Guerrier", T_NAIN,
      "Nains des hautes vallées et des mines profondes des montagnes, un peu plus grands que leurs cousins "
      "des collines et encore plus méfiants envers les étrangers.", COMP_NAIN, Vision=18),
    R("Nain des profondeurs", "Moyenne", 6, (0, 0, 2, 0, 0, -2), NAIN + ["Sensibilité à la lumière"],
      "Commun, Nain, Terreux", "Guerrier", T_NAIN,
      "Nains des cavernes du monde souterrain, plus pâles et plus farouches que ceux de la surface. Leur vision "
      "dans le noir porte à 27 m, mais la lumière vive les éblouit.", COMP_NAIN, Vision=27),
    R("Duergar", "Moyenne", 6, (0, 0, 2, 0, 0, -4),
      ["Stabilité", "Connaissance de la pierre", "Immunités duergares", "Bonus nain JP sort",
       "Pouvoirs magiques des duergars", "Sensibilité à la lumière", "Familiarité avec les armes naines"],
      "Commun, Nain, Commun des Profondeurs", "Guerrier", T_NAIN,
      "Nains gris du monde souterrain, sombres et cruels. Ils voient dans le noir à 36 m, ignorent les "
      "poisons et les fantasmes et peuvent grandir ou se rendre invisibles une fois par jour.",
      [("Déplacement silencieux", 4, None), ("Perception auditive", 1, None), ("Détection", 1, None)],
      Vision=36, AdjNiv=1, FP=1, SousType_1="Nain", Source="Manuel des monstres"),
    R("Elfe", "Moyenne", 9, (0, 2, -2, 0, 0, 0), ELFE, "Commun, Elfe", "Magicien", T_ELFE,
      "Gracieux et de longue vie, les elfes aiment la nature, la magie et les arts. Ils ne dorment pas "
      "mais méditent, voient bien à la lumière des étoiles et remarquent les passages secrets.", COMP_ELFE,
      SousType_1="Elfe"),
    R("Elfe gris", "Moyenne", 9, (-2, 2, -2, 2, 0, 0), ELFE, "Commun, Elfe", "Magicien", T_ELFE,
      "Les plus fiers et les plus savants des elfes, retirés dans des cités isolées ; plus fragiles que leurs "
      "cousins, ils ont l'esprit plus vif.", COMP_ELFE, SousType_1="Elfe", Source="Manuel des monstres"),
    R("Elfe sauvage", "Moyenne", 9, (0, 2, 0, -2, 0, 0), ELFE, "Elfe", "Ensorceleur", T_ELFE,
      "Elfes des forêts profondes, farouches et endurcis, qui vivent en tribus loin des autres peuples.",
      COMP_ELFE, SousType_1="Elfe", Source="Manuel des monstres"),
    R("Elfe des bois", "Moyenne", 9, (2, 2, -2, -2, 0, -2), ELFE, "Commun, Elfe", "Rôdeur", T_ELFE,
      "Elfes forestiers, plus robustes et plus rudes que les hauts elfes, méfiants envers les étrangers.",
      COMP_ELFE, SousType_1="Elfe", Source="Manuel des monstres"),
    R("Elfe aquatique", "Moyenne", 9, (0, 2, 0, -2, 0, 0), ELFE, "Commun, Elfe, Aquatique", "Guerrier", T_ELFE,
      "Elfes des mers, qui respirent sous l'eau et nagent aussi vite qu'ils marchent ; hors de l'eau, ils se "
      "dessèchent vite.", COMP_ELFE + [("Natation", 8, None)], SousType_1="Elfe", SousType_2="Aquatique", Deplacement_Eau=12,
      Source="Manuel des monstres"),
    R("Drow", "Moyenne", 9, (0, 2, -2, 2, 0, 2),
      ["Immunité sommeil", "Bonus elfique contre les enchantements", "Détection des passages secrets",
       "Maniement des armes drows", "Pouvoirs magiques des drows", "Aveuglement par la lumière"],
      "Commun, Elfe, Commun des Profondeurs", "Magicien (mâles), Prêtre (femelles)", T_ELFE,
      "Elfes noirs du monde souterrain, cruels et rusés, régis par des prêtresses. Ils voient dans le noir à "
      "36 m, résistent à la magie et à ses sorts, mais la lumière vive les aveugle.", COMP_ELFE,
      Vision=36, Resistance_magie=11, Progression_rm=1, AdjNiv=2, FP=1, SousType_1="Elfe",
      Source="Manuel des monstres"),
    R("Gnome", "Petite", 6, (-2, 0, 2, 0, 0, 0), GNOME, "Commun, Gnome", "Barde", T_GNOME,
      "Petits, curieux et farceurs, les gnomes aiment les inventions, les pierres précieuses et les "
      "illusions. Ils parlent aux animaux fouisseurs et résistent aux illusions.", COMP_GNOME, SousType_1="Gnome"),
    R("Gnome des forêts", "Petite", 6, (-2, 0, 2, 0, 0, 0), GNOME, "Commun, Gnome, Elfe, Sylvestre", "Barde",
      T_GNOME, "Gnomes timides des bois profonds, amis des animaux, qui savent se cacher dans les sous-bois.",
      COMP_GNOME + [("Discrétion", 0, "+4 de plus en forêt.")], SousType_1="Gnome", Source="Manuel des monstres"),
    R("Svirfnebelin", "Petite", 6, (-2, 2, 0, 0, 2, -4),
      ["Connaissance de la pierre", "Esquive svirfnebelin", "Pouvoirs magiques des svirfnebelins",
       "Antidétection svirfnebelin", "Haine des kobolds et gobelinoïdes", "Bonus gnome aux DD illusions"],
      "Commun, Gnome, Commun des Profondeurs, Terreux", "Roublard", T_GNOME,
      "Gnomes des profondeurs, discrets et méfiants, qui vivent dans des cités cachées du monde souterrain. "
      "Ils voient dans le noir à 36 m, résistent à la magie et échappent à la divination.",
      [("Discrétion", 2, "+2 de plus sous terre."), ("Artisanat 1", 0, "+2 en alchimie."),
       ("Perception auditive", 2, None)],
      Vision=36, Resistance_magie=11, Progression_rm=1, Reflexe=2, Vigueur=2, Volonte=2, AdjNiv=3, FP=1,
      SousType_1="Gnome", Source="Manuel des monstres"),
    R("Demi-elfe", "Moyenne", 9, (0, 0, 0, 0, 0, 0),
      ["Vision nocturne", "Immunité sommeil", "Bonus elfique contre les enchantements", "Sang elfique"],
      "Commun, Elfe", "Toutes", (55, 53, 8, 100, 80, 4),
      "Nés d'un elfe et d'un humain, les demi-elfes tiennent des deux peuples : curieux, sociables et souvent "
      "tiraillés entre deux mondes.",
      [("Perception auditive", 1, None), ("Fouille", 1, None), ("Détection", 1, None), ("Diplomatie", 2, None),
       ("Renseignements", 2, None)], SousType_1="Elfe", SousType_2="Humain"),
    R("Demi-orque", "Moyenne", 9, (2, 0, 0, -2, 0, -2), ["Sang orque"], "Commun, Orque", "Barbare",
      (58, 53, 12, 150, 110, 6),
      "Nés d'un orque et d'un humain, les demi-orques sont forts, endurcis et souvent rejetés. Ils voient "
      "dans le noir à 18 m.", Vision=18, SousType_1="Orque"),
    R("Halfelin", "Petite", 6, (-2, 2, 0, 0, 0, 0), HALFELIN, "Commun, Halfelin", "Roublard", T_HALFELIN,
      "Petits, vifs et optimistes, les halfelins voyagent volontiers et se faufilent partout. Ils ont un "
      "bonus à tous les jets de sauvegarde et lancent les armes avec adresse.", COMP_HALFELIN,
      Reflexe=1, Vigueur=1, Volonte=1, SousType_1="Halfelin"),
    R("Halfelin grand-pied", "Petite", 6, (-2, 2, 0, 0, 0, 0), HALFELIN, "Commun, Halfelin, Elfe", "Roublard",
      (36, 34, 4, 32, 27, 1000),
      "Halfelins plus grands et plus réfléchis que les autres, qui vivent en bordure des forêts et s'entendent "
      "bien avec les elfes.",
      [("Fouille", 2, None), ("Détection", 2, None), ("Perception auditive", 2, None)],
      Reflexe=1, Vigueur=1, Volonte=1, SousType_1="Halfelin", Source="Manuel des monstres"),
    R("Halfelin des profondeurs", "Petite", 6, (-2, 2, 0, 0, 0, 0), HALFELIN + ["Connaissance de la pierre"],
      "Commun, Halfelin, Nain", "Roublard", T_HALFELIN,
      "Halfelins trapus qui vivent sous terre, souvent près des nains, et voient dans le noir à 18 m.",
      COMP_HALFELIN + [("Estimation", 0, "+2 pour les objets de pierre ou de métal.")],
      Vision=18, Reflexe=1, Vigueur=1, Volonte=1, SousType_1="Halfelin", Source="Manuel des monstres"),
]


def M(en, fr, description, **autres):
    return dict(en=en, fr=fr, description=description, **autres)


def ajust(f=0, d=0, c=0, i=0, s=0, ch=0):
    return {"For": f, "Dex": d, "Con": c, "Int": i, "Sag": s, "Cha": ch}


QUADRUPEDE = dict(quadripede=True)

MONSTRES = [
    # Humanoïdes donnés comme guerriers de niveau 1 : ajustements raciaux du texte.
    M("Goblin, 1st-Level Warrior", "Gobelin", "Petits gobelinoïdes malingres et sournois, qui vivent en bandes dans les cavernes.",
      ajustements=ajust(f=-2, d=2, ch=-2), langue="Gobelin", champs={"Vision": 18}),
    M("Hobgoblin, 1st-Level Warrior", "Hobgobelin", "Gobelinoïdes disciplinés et belliqueux, organisés en troupes militaires.",
      ajustements=ajust(d=2, c=2), langue="Commun, Gobelin", champs={"Vision": 18}),
    M("Kobold, 1st-Level Warrior", "Kobold", "Petits humanoïdes reptiliens, lâches et rusés, poseurs de pièges.",
      ajustements=ajust(f=-4, d=2, c=-2), langue="Draconien", champs={"Vision": 18, "Ca": 1},
      traits=["Sensibilité à la lumière"]),
    M("Orc, 1st-Level Warrior", "Orque", "Humanoïdes brutaux et sauvages qui vivent de pillage.",
      ajustements=ajust(f=4, i=-2, s=-2, ch=-2), langue="Commun, Orque", champs={"Vision": 18},
      traits=["Sensibilité à la lumière"]),
    M("Merfolk, 1st-Level Warrior", "Homme-poisson", "Humanoïdes au buste humain et à queue de poisson, qui vivent dans les mers.",
      ajustements=ajust(d=2, c=2, ch=2), langue="Commun, Aquatique"),
    M("Aasimar, 1st-Level Warrior", "Aasimar", "Humains dont la lignée porte la trace d'un ancêtre céleste.",
      ajustements=ajust(s=2, ch=2), langue="Commun, Céleste", champs={"Vision": 18, "Resistance_acide": 5,
                                                                      "Resistance_froid": 5, "Resistance_electricite": 5}),
    M("Tiefling, 1st-Level Warrior", "Tieffelin", "Humains dont la lignée porte la trace d'un ancêtre fiélon.",
      ajustements=ajust(d=2, i=2, ch=-2), langue="Commun, Infernal", champs={"Vision": 18, "Resistance_feu": 5,
                                                                             "Resistance_froid": 5, "Resistance_electricite": 5}),
    # Monstres à dés de vie raciaux
    M("Gnoll", "Gnoll", "Humanoïdes à tête de hyène, nomades et pillards.", langue="Gnoll"),
    M("Bugbear", "Gobelours", "Les plus grands des gobelinoïdes, velus et furtifs.", langue="Commun, Gobelin"),
    M("Lizardfolk", "Homme-lézard", "Reptiles humanoïdes des marais, primitifs et territoriaux.", langue="Draconien"),
    M("Locathah", "Locathah", "Humanoïdes aquatiques à écailles, nomades des eaux côtières.", langue="Aquatique"),
    M("Troglodyte", "Troglodyte", "Reptiles humanoïdes du monde souterrain, à l'odeur repoussante.", langue="Draconien"),
    M("Grimlock", "Grimlock", "Humanoïdes aveugles du monde souterrain, qui perçoivent sans voir.", langue="Commun des Profondeurs, Grimlock"),
    M("Azer", "Azer", "Nains de feu du plan élémentaire du Feu, artisans et guerriers.", langue="Igné"),
    M("Centaur", "Centaure", "Créatures au buste humain et au corps de cheval, fiers gardiens des forêts.",
      langue="Elfe, Sylvestre", quadripede=True),
    M("Minotaur", "Minotaure", "Humanoïdes à tête de taureau, maîtres des labyrinthes.", langue="Géant"),
    M("Ogre", "Ogre", "Géants brutaux et voraces, qui rançonnent les voyageurs.", langue="Géant"),
    M("Ogre Mage", "Ogre mage", "Ogres rusés dotés de pouvoirs magiques et capables de voler.", langue="Commun, Géant"),
    M("Troll", "Troll", "Géants voraces qui régénèrent leurs blessures, sauf celles du feu et de l'acide.", langue="Géant"),
    M("Hill Giant", "Géant des collines", "Les plus frustes des géants, pillards des collines.", langue="Géant"),
    M("Stone Giant", "Géant des pierres", "Géants gris et discrets des montagnes, lanceurs de rochers.", langue="Géant"),
    M("Frost Giant", "Géant du givre", "Géants des terres glacées, pillards et fiers guerriers.", langue="Commun, Géant"),
    M("Fire Giant", "Géant du feu", "Géants des volcans, forgerons et conquérants.", langue="Commun, Géant"),
    M("Ettin", "Ettin", "Géants à deux têtes, chacune menant un bras.", langue="Géant, Orque"),
    M("Gargoyle", "Gargouille", "Créatures de pierre ailées, cruelles et patientes.", langue="Commun, Terreux"),
    M("Harpy", "Harpie", "Femmes-oiseaux au chant envoûtant.", langue="Commun"),
    M("Doppelganger", "Doppelganger", "Métamorphes qui prennent l'apparence d'autrui.", langue="Commun"),
    M("Drider", "Drider", "Drows déchus au corps d'araignée géante.", langue="Commun des Profondeurs, Elfe"),
    M("Ettercap", "Ettercap", "Humanoïdes difformes qui élèvent des araignées et tissent des toiles.", langue="Commun"),
    M("Aranea", "Arachnéa", "Araignées intelligentes capables de prendre forme humaine.", langue="Commun, Sylvestre"),
    M("Lamia", "Lamie", "Créatures mi-femmes mi-lions qui drainent la sagesse.", langue="Commun, Abyssal"),
    M("Janni", "Janni", "Génies du désert, les plus proches du monde matériel.", langue="Commun, Aérien, Igné, Terreux, Aquatique"),
    M("Djinni", "Djinn", "Génies de l'air, capricieux et fiers.", langue="Aérien, Céleste, Commun, Igné"),
    M("Rakshasa", "Rakshasa", "Fiélons natifs à tête de tigre, maîtres de l'illusion.", langue="Commun, Infernal, Sylvestre"),
    M("Dretch", "Dretch", "Les plus faibles des démons, lâches et répugnants.", langue="Abyssal"),
    M("Succubus", "Succube", "Démons séducteurs qui drainent l'énergie de leurs victimes.", langue="Abyssal, Céleste, Draconien"),
    M("Fire Mephit", "Méphite de feu", "Petits êtres élémentaires de feu, railleurs et querelleurs.", langue="Commun, Igné"),
    M("Hound Archon", "Archon canin", "Célestes à tête de chien, gardiens loyaux des plans supérieurs.",
      langue="Céleste, Infernal, Draconien"),
    M("Pseudodragon", "Pseudodragon", "Minuscules dragons espiègles, compagnons prisés des magiciens.",
      langue="Télépathie", quadripede=True),
    M("Nymph", "Nymphe", "Fées d'une beauté aveuglante, gardiennes des lieux sauvages.", langue="Commun, Sylvestre"),
    # Animaux (formes animales, compagnons)
    M("Wolf", "Loup", "Prédateur des forêts et des plaines qui chasse en meute.", **QUADRUPEDE),
    M("Dire Wolf", "Loup sanguinaire", "Loup énorme et féroce des âges anciens.", **QUADRUPEDE),
    M("Bear, Black", "Ours noir", "Ours des forêts, omnivore et grimpeur.", **QUADRUPEDE),
    M("Bear, Brown", "Ours brun", "Grand ours des montagnes, puissant et irascible.", **QUADRUPEDE),
    M("Cat", "Chat", "Petit félin domestique ou sauvage.", **QUADRUPEDE),
    M("Rat", "Rat", "Rongeur commun des villes et des égouts.", **QUADRUPEDE),
    M("Dire Rat", "Rat sanguinaire", "Rat gros comme un chien, porteur de maladies.", **QUADRUPEDE),
    M("Monkey", "Singe", "Petit primate agile des forêts chaudes.", **QUADRUPEDE),
    M("Weasel", "Belette", "Petit carnassier vif et agressif.", **QUADRUPEDE),
    M("Lizard", "Lézard", "Petit reptile des pierres chaudes.", **QUADRUPEDE),
    M("Snake, Medium Viper", "Serpent venimeux (vipère)", "Serpent venimeux de taille moyenne.", **QUADRUPEDE),
    M("Constrictor Snake", "Serpent constricteur", "Grand serpent qui étouffe ses proies.", **QUADRUPEDE),
    M("Horse, Light", "Cheval léger", "Cheval de selle rapide.", **QUADRUPEDE),
    M("Horse, Heavy", "Cheval lourd", "Cheval de trait puissant.", **QUADRUPEDE),
    M("Pony", "Poney", "Petit cheval robuste.", **QUADRUPEDE),
    M("Dog, Riding", "Chien de selle", "Grand chien dressé pour porter un cavalier de petite taille.", **QUADRUPEDE),
    M("Dog", "Chien", "Chien de chasse ou de garde.", **QUADRUPEDE),
    M("Eagle", "Aigle", "Rapace des montagnes à la vue perçante."),
    M("Hawk", "Faucon", "Petit rapace rapide."),
    M("Owl", "Chouette", "Rapace nocturne silencieux."),
    M("Tiger", "Tigre", "Grand félin rayé, chasseur solitaire.", **QUADRUPEDE),
    M("Lion", "Lion", "Grand félin des savanes qui chasse en troupe.", **QUADRUPEDE),
    M("Boar", "Sanglier", "Porc sauvage irascible aux défenses acérées.", **QUADRUPEDE),
    M("Crocodile", "Crocodile", "Reptile des fleuves qui noie ses proies.", **QUADRUPEDE),
    M("Ape", "Grand singe", "Grand primate puissant des forêts.", **QUADRUPEDE),
]

# Pouvoirs reconnus dans les qualités et attaques spéciales du bloc de statistiques.
TRAITS_MONSTRES = [
    ("low-light vision", "Vision nocturne"), ("scent", "Odorat"), ("improved grab", "Étreinte"),
    ("pounce", "Bond"), ("rake", "Pattes arrière"), ("trip", "Croc-en-jambe"), ("rend", "Éventration"),
    ("constrict", "Constriction"), ("swallow whole", "Engloutissement"), ("poison", "Poison"),
    ("breath weapon", "Souffle"), ("frightful presence", "Présence terrifiante"),
    ("rock throwing", "Lancer de rochers"), ("rock catching", "Interception de rochers"),
    ("ferocity", "Férocité"), ("powerful charge", "Charge en puissance"), ("stench", "Puanteur"),
    ("regeneration", "Régénération"), ("fast healing", "Guérison accélérée"),
    ("spell-like abilities", "Pouvoirs magiques"), ("change shape", "Changement de forme"),
    ("alternate form", "Changement de forme"), ("telepathy", "Télépathie"),
    ("immunity to fire", "Immunité contre le feu"), ("immunity to cold", "Immunité contre le froid"),
    ("immunity to electricity", "Immunité contre l'électricité"), ("immunity to poison", "Immunité contre le poison"),
    ("vulnerability to cold", "Vulnérabilité au froid"), ("vulnerability to fire", "Vulnérabilité au feu"),
    ("light sensitivity", "Sensibilité à la lumière"), ("light blindness", "Aveuglement par la lumière"),
    ("stonecunning", "Connaissance de la pierre"), ("rage", "Rage"), ("sneak attack", "Attaque sournoise"),
    ("trample", "Piétinement (attaque spéciale)"), ("web", "Toile"), ("blood drain", "Absorption de sang"),
    ("energy drain", "Drain d'énergie"),
]

# Bonus raciaux de compétence des monstres (modificateur ou note conditionnelle).
COMPETENCES_RACIALES = {
    "Gobelin": [("Déplacement silencieux", 4, None), ("Equitation", 4, None)],
    "Hobgobelin": [("Déplacement silencieux", 4, None)],
    "Kobold": [("Artisanat 1", 0, "+2 en fabrication de pièges."), ("Profession 1", 0, "+2 en mineur."),
               ("Fouille", 2, None)],
    "Homme-lézard": [("Equilibre", 4, None), ("Saut", 4, None), ("Natation", 4, None)],
    "Troglodyte": [("Discrétion", 4, "+4 de plus dans les rochers ou sous terre.")],
    "Grimlock": [("Discrétion", 10, "Dans les montagnes ou sous terre.")],
    "Loup": [("Survie", 0, "+4 pour suivre une piste à l'odeur.")],
    "Loup sanguinaire": [("Discrétion", 2, None), ("Perception auditive", 2, None), ("Déplacement silencieux", 2, None),
                         ("Détection", 2, None), ("Survie", 0, "+4 pour suivre une piste à l'odeur.")],
    "Chat": [("Escalade", 4, None), ("Discrétion", 4, "+8 dans les herbes hautes."), ("Saut", 4, None),
             ("Déplacement silencieux", 4, None), ("Equilibre", 8, None)],
    "Rat": [("Discrétion", 4, None), ("Déplacement silencieux", 4, None), ("Equilibre", 8, None),
            ("Escalade", 8, None), ("Natation", 8, None)],
    "Rat sanguinaire": [("Déplacement silencieux", 4, None), ("Escalade", 8, None), ("Natation", 8, None)],
    "Singe": [("Equilibre", 8, None), ("Escalade", 8, None)],
    "Belette": [("Déplacement silencieux", 4, None), ("Discrétion", 4, None), ("Equilibre", 8, None),
                ("Escalade", 8, None)],
    "Lézard": [("Discrétion", 4, None), ("Escalade", 8, None), ("Equilibre", 8, None)],
    "Aigle": [("Détection", 8, None)],
    "Faucon": [("Détection", 8, None)],
    "Chouette": [("Déplacement silencieux", 14, None), ("Perception auditive", 8, None),
                 ("Détection", 8, "+8 de plus en faible lumière.")],
    "Tigre": [("Equilibre", 4, None), ("Discrétion", 4, "+8 dans les herbes hautes."), ("Déplacement silencieux", 4, None)],
    "Lion": [("Equilibre", 4, None), ("Discrétion", 4, "+8 dans les herbes hautes."), ("Déplacement silencieux", 4, None)],
    "Crocodile": [("Discrétion", 4, "+8 de plus dans l'eau."), ("Natation", 8, None)],
    "Serpent venimeux (vipère)": [("Discrétion", 4, None), ("Perception auditive", 4, None), ("Détection", 4, None),
                                  ("Equilibre", 8, None), ("Escalade", 8, None), ("Natation", 8, None)],
    "Serpent constricteur": [("Discrétion", 4, None), ("Perception auditive", 4, None), ("Détection", 4, None),
                             ("Equilibre", 8, None), ("Escalade", 8, None), ("Natation", 8, None)],
    "Gobelours": [("Déplacement silencieux", 4, None)],
    "Harpie": [("Bluff", 4, None), ("Perception auditive", 4, None)],
    "Doppelganger": [("Bluff", 4, None), ("Déguisement", 4, "+10 de plus avec son changement de forme.")],
    "Arachnéa": [("Saut", 2, None), ("Escalade", 8, None)],
    "Gargouille": [("Discrétion", 2, "+8 de plus contre un fond de pierre."), ("Perception auditive", 4, None),
                   ("Détection", 4, None)],
    # Une vitesse de nage ou d'escalade donne +8 dans la compétence (et le droit de faire 10).
    "Aasimar": [("Détection", 2, None), ("Perception auditive", 2, None)],
    "Tieffelin": [("Bluff", 2, None), ("Discrétion", 2, None)],
    "Homme-poisson": [("Natation", 8, None)],
    "Locathah": [("Natation", 8, None)],
    "Nymphe": [("Natation", 8, None)],
    "Minotaure": [("Fouille", 4, None), ("Détection", 4, None), ("Perception auditive", 4, None)],
    "Ettin": [("Perception auditive", 2, None), ("Détection", 2, None), ("Fouille", 2, None)],
    "Drider": [("Discrétion", 4, None), ("Déplacement silencieux", 4, None), ("Escalade", 8, None)],
    "Ettercap": [("Artisanat 1", 0, "+4 en fabrication de pièges."), ("Discrétion", 4, None), ("Détection", 4, None),
                 ("Escalade", 8, None)],
    "Lamie": [("Bluff", 4, None), ("Discrétion", 4, None)],
    "Rakshasa": [("Bluff", 4, None), ("Déguisement", 4, "+10 de plus avec son changement de forme.")],
    "Succube": [("Perception auditive", 8, None), ("Détection", 8, None),
                ("Déguisement", 0, "+10 sous une forme prise par métamorphose.")],
    "Archon canin": [("Discrétion", 0, "+4 sous forme canine."), ("Survie", 0, "+4 sous forme canine.")],
    "Pseudodragon": [("Discrétion", 4, "+8 au lieu de +4 en forêt ou dans la végétation dense.")],
    "Géant des pierres": [("Discrétion", 0, "+8 en terrain rocheux.")],
    "Ours noir": [("Natation", 4, None)],
    "Ours brun": [("Natation", 4, None)],
    "Chien": [("Saut", 4, None), ("Survie", 0, "+4 pour suivre une piste à l'odeur.")],
    "Chien de selle": [("Saut", 4, None), ("Survie", 0, "+4 pour suivre une piste à l'odeur.")],
    "Grand singe": [("Escalade", 8, None)],
}

# Guerriers de niveau 1 du bestiaire dont la race est écrite plus haut d'après les règles.
GUERRIERS_JOUEURS = {
    "Dwarf, 1st-Level Warrior": "Nain", "Duergar, 1st-Level Warrior": "Duergar", "Elf, 1st-Level Warrior": "Elfe",
    "Drow, 1st-Level Warrior": "Drow", "Gnome, 1st-Level Warrior": "Gnome",
    "Svirfneblin, 1st-Level Warrior": "Svirfnebelin", "Halfling, 1st-Level Warrior": "Halfelin",
}
