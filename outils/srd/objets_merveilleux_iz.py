"""Objets merveilleux du SRD de I à Z : ceux qui manquaient au catalogue, et le lien vers ceux qu'il rendait déjà
sous un nom français (les épiques sont écrits et reliés dans objets_epiques, sauf trois d'une série partagée).

Prix et poids du SRD (vérifiés contre la base à chaque génération) ; descriptions écrites par nous. Un nom
français incertain cède la place au nom anglais, marqué pour la liste des noms à revoir.
"""
from objets_magiques import ajoute_arme, sort, table_srd

# Objets du SRD que le catalogue rendait déjà, créés par des séries partagées avec d'autres familles.
LIENS = {
    "Incense of Meditation": ["Encens de méditation"],
    "Instant Fortress": ["Forteresse instantanée"],
    "Lantern of Revealing": ["Lanterne de révélation"],
    "Lens of Detection": ["Lentille de détection"],
    "Lyre of Building": ["Lyre de construction"],
    "Marvelous Pigments": ["Pigments merveilleux"],
    "Medallion of Thoughts": ["Médaillon des pensées"],
    "Mirror of Life Trapping": ["Miroir d'emprisonnement"],
    "Mirror of Opposition": ["Miroir d'opposition"],
    "Necklace of Adaptation": ["Collier d'adaptation"],
    "Orb of Storms": ["Orbe des tempêtes"],
    "Pearl of Power (1st)": ["Perle de thaumaturgie (1er niveau)"],
    "Periapt of Health": ["Périapte de santé"],
    "Periapt of Proof Against Poison": ["Périapte d'immunité contre le poison"],
    "Periapt of Wisdom +2": ["Périapte de sagesse +2"],
    "Periapt of Wisdom +4": ["Périapte de sagesse +4"],
    "Periapt of Wisdom +6": ["Périapte de sagesse +6"],
    "Phylactery of Faithfulness": ["Phylactère de fidélité"],
    "Portable Hole": ["Puits portatif"],
    "Robe of Blending": ["Robe de camouflage"],
    "Robe of Eyes": ["Robe aux yeux multiples"],
    "Rope of Climbing": ["Corde d'escalade"],
    "Rope of Entanglement": ["Corde d'enchevêtrement"],
    "Slippers of Spider Climbing": ["Chaussons de pattes d'araignée"],
    "Stone of Alarm": ["Pierre d'alarme"],
    "Universal Solvent": ["Solvant universel"],
    "Vest of Escape": ["Gilet d'évasion"],
    "Well of Many Worlds": ["Puits des mondes"],
    "Wings of Flying": ["Ailes de vol"],
    "Cabinet of Feasting": ["Cabinet of Feasting"],
    "Gate Key": ["Gate Key"],
    "Horseshoes of the Peerless Steed": ["Horseshoes of the Peerless Steed"],
    "Ioun Stones": ["Pierre ionienne (fuseau transparent)", "Pierre ionienne (rhomboïde bleu sombre)"]
    + ["Pierre ionienne (%s)" % couleur for couleur in (
        "rhomboïde bleu pâle", "sphère rouge foncé", "rhomboïde rose", "sphère écarlate et bleue", "sphère bleu vif",
        "sphère rose et verte", "prisme rose poudré", "prisme vert pâle")],
}

# Pierres ioniennes qui manquaient : (couleur, prix, effet).
PIERRES = [
    ("prisme violet vif", 36000.0,
     "garde jusqu'à trois niveaux de sorts, comme un anneau de stockage de sorts mineur ; un lanceur de sorts les "
     "y place, n'importe qui les lance"),
    ("fuseau irisé", 18000.0, "son porteur n'a plus besoin de respirer"),
    ("ellipsoïde lavande pâle", 20000.0,
     "absorbe, sur une action préparée, un sort de niveau 4 au plus qui vise le porteur ; après vingt niveaux "
     "absorbés, elle devient grise et terne, à jamais inutile"),
    ("fuseau blanc nacré", 20000.0,
     "rend 1 point de vie par heure, comme un anneau de régénération, pour les blessures reçues en la portant"),
    ("prisme orange", 30000.0, "le porteur lance ses sorts avec un niveau de lanceur de plus"),
    ("ellipsoïde lavande et vert", 40000.0,
     "absorbe, sur une action préparée, un sort de niveau 8 au plus qui vise le porteur ; après cinquante niveaux "
     "absorbés, elle devient grise et terne, à jamais inutile"),
]

# Colliers à boules de feu : type -> nombre de sphères par dés de dégâts (10d6 à 2d6), prix.
COLLIERS = [
    ("I", {5: 1, 3: 2}, 1650.0), ("II", {6: 1, 4: 2, 2: 2}, 2700.0), ("III", {7: 1, 5: 2, 3: 4}, 4350.0),
    ("IV", {8: 1, 6: 2, 4: 2, 2: 4}, 5400.0), ("V", {9: 1, 7: 2, 5: 2, 3: 2}, 5850.0),
    ("VI", {10: 1, 8: 2, 6: 2, 4: 4}, 8100.0), ("VII", {10: 1, 9: 2, 7: 2, 5: 2, 3: 2}, 8700.0),
]


def verifie_srd(objets):
    """Le prix et le poids écrits ici sont ceux du SRD, quand le SRD en donne un lisible."""
    table = table_srd()
    for nom, prix, poids, srd in objets:
        ident = table.ident(srd, "Wondrous")
        if ident is None:
            raise SystemExit("Objet merveilleux absent du SRD : " + srd)
        attendu = table.prix(ident)
        if attendu is not None and attendu != prix:
            raise SystemExit("Prix de %s : %s au SRD, %s ici" % (nom, attendu, prix))
        attendu = table.poids(ident)
        if (attendu is not None and poids is not None and attendu != poids
                and "each" not in table.lignes[ident]["weight"]):
            raise SystemExit("Poids de %s : %s kg au SRD, %s ici" % (nom, attendu, poids))


def merveilleux_i_z(c, noms, bases):
    """Ajoute au catalogue `c` les objets merveilleux de I à Z qui manquaient et relie au SRD ceux qu'il avait."""
    for cle, francais in LIENS.items():
        c.srd.setdefault(cle, []).extend(francais)
    verifies = []

    def ajoute(nom, groupe, type_, prix, poids, texte, proprietes, srd, revue=True, charge=None):
        c.ajoute(nom, groupe, type_, prix, texte, proprietes, poids=poids, charge=charge, srd=srd,
                 **({"_revue": revue} if revue else {}))
        verifies.append((nom, prix, poids, srd))

    for couleur, prix, effet in PIERRES:
        ajoute("Pierre ionienne (%s)" % couleur, "Divers", "Divers", prix, None,
               "Pierre qui tourne autour de la tête de son possesseur : %s. CA 24, 10 points de vie, solidité 5. "
               "Aura modérée ; NLS 12." % effet, [], "Ioun Stones", revue=None)

    ajoute("Iron Bands of Binding", "Divers", "Divers", 26000.0, 0.5,
           "Sphère de fer rouillé de 7,5 cm : lancée sur un mot de commande, elle s'ouvre en bandes qui ligotent une "
           "créature de taille G au plus sur une attaque de contact à distance réussie ; Force ou Évasion DD 30 pour "
           "s'en défaire. Une fois par jour. Aura puissante d'évocation ; NLS 13.", [], "Iron Bands of Binding")
    ajoute("Iron Flask", "Divers", "Divers", 170000.0, 0.5,
           "Flacon scellé de laiton : une fois par jour, sur un mot de commande, y enferme une créature d'un autre "
           "plan à 18 m (Volonté DD 19) ; libérée avec le mot, elle sert une heure. Prix du flacon vide. Aura "
           "puissante d'invocation ; NLS 20.", [], "Iron Flask")
    ajoute("Mantle of Faith", "Manteau", "Manteau", 76000.0, None,
           "Vêtement sacré porté par-dessus les habits : réduction des dégâts 5/Mal. Aura puissante d'abjuration "
           "(Bien) ; NLS 20.", [], "Mantle of Faith")
    ajoute("Mask of the Skull", "Divers", "Divers", 22000.0, 1.5,
           "Masque d'ivoire en forme de crâne : une fois par jour, après une heure sur le visage, il s'envole jusqu'à "
           "15 m et fait une attaque de contact (bonus de base du porteur) ; la cible meurt comme par Doigt de mort "
           "(Vigueur DD 20) ou subit 3d6+13 points de dégâts. Aura puissante de nécromancie et de transmutation ; "
           "NLS 13.", [sort(noms, "Finger of Death", "Par Jour", 1)], "Mask of the Skull")
    marteau = dict(bases["Marteau de guerre"], DegatDes="4d6", Taille="Grande")
    ajoute_arme(c, "Mattock of the Titans", marteau, 3, 23348.0,
                "Pioche de 3 m pour créature de taille TG au moins : elle ameublit la terre (un cube de 3 m toutes les "
                "10 minutes) et brise la roche (un cube de 3 m par heure) ; comme arme, marteau de guerre +3 "
                "gigantesque en adamantium, 4d6 points de dégâts. Aura puissante de transmutation ; NLS 16.",
                poids=60.0, srd="Mattock of the Titans", _revue=True)
    ajoute_arme(c, "Maul of the Titans", bases["Massue"], 3, 25305.0,
                "Maillet de 2,40 m : massue +3 qui triple ses dégâts contre les objets ; il faut 18 en Force pour "
                "s'en servir sans malus de -4 à l'attaque. Aura puissante d'évocation ; NLS 15.",
                poids=80.0, srd="Maul of the Titans", _revue=True)
    verifies += [("Mattock of the Titans", 23348.0, 60.0, "Mattock of the Titans"),
                 ("Maul of the Titans", 25305.0, 80.0, "Maul of the Titans")]
    ajoute("Mirror of Mental Prowess", "Divers", "Divers", 175000.0, 20.0,
           "Miroir de 1,50 m sur 60 cm : lit les pensées de qui s'y reflète, montre des lieux lointains comme "
           "Clairaudience/clairvoyance (même sur d'autres plans), sert de porte vers le lieu montré (24 heures) et, "
           "une fois par semaine, répond à une question comme Mythes et légendes. Aura puissante d'invocation et de "
           "divination ; NLS 17.",
           [sort(noms, "Detect Thoughts", "Illimité"), sort(noms, "Clairaudience/Clairvoyance", "Illimité"),
            sort(noms, "Legend Lore", "Par semaine", 1)], "Mirror of Mental Prowess")
    for type_, spheres, prix in COLLIERS:
        nombre = sum(spheres.values())
        detail = ", ".join("%d de %dd6" % (n, d) for d, n in sorted(spheres.items(), reverse=True))
        ajoute("Necklace of Fireballs, Type %s" % type_, "Divers", "Divers", prix, None,
               "Chaîne d'or à %d sphères (%s) : le porteur en détache une et la lance à 21 m, où elle explose comme "
               "Boule de feu (Réflexes DD 14, 1/2 dégâts). Ne compte pas comme un collier. Si le porteur rate un jet "
               "contre un feu magique, le collier peut exploser tout entier. Aura modérée d'évocation ; NLS 10."
               % (nombre, detail), [sort(noms, "Fireball", "Charges", 1)], "Necklace of Fireballs", charge=nombre)
    ajoute("Perle de thaumaturgie (deux sorts)", "Perles", "Divers", 70000.0, None,
           "Une fois par jour, rend deux sorts préparés déjà lancés, de deux niveaux différents, 6 au plus. Aura "
           "puissante de transmutation ; NLS 17.", [], "Pearl of Power, Two Spells", revue=None)
    ajoute("Pearl of the Sirines", "Divers", "Divers", 15300.0, None,
           "Belle perle tenue en main ou contre la poitrine : on respire sous l'eau, on y nage à 18 m et l'on y agit "
           "et lance ses sorts sans gêne. Aura modérée d'abjuration et de transmutation ; NLS 8.",
           [("Bonus Déplacement", "Eau", "Aptitude", "+18")]
           + [sort(noms, "Water Breathing", "Permanent"), sort(noms, "Freedom of Movement", "Permanent")],
           "Pearl of the Sirines")
    ajoute("Periapt of Wound Closure", "Amulette", "Amulette", 15000.0, None,
           "Pierre rouge au bout d'une chaîne d'or : le porteur se stabilise seul entre -1 et -9 points de vie, guérit "
           "deux fois plus vite et ne perd pas de points de vie par saignement. Aura modérée d'invocation ; NLS 10.",
           [], "Periapt of Wound Closure")
    ajoute("Pipes of Haunting", "Divers", "Divers", 6000.0, 1.5,
           "Flûte de Pan : deux fois par jour, sur un test de Représentation (instruments à vent) DD 15, un air "
           "lugubre effraie pour 4 rounds les créatures de moins de 6 DV à 9 m (Volonté DD 13). Aura faible de "
           "nécromancie ; NLS 4.", [sort(noms, "Scare", "Par Jour", 2)], "Pipes of Haunting")
    ajoute("Pipes of Pain", "Divers", "Divers", 12000.0, 1.5,
           "Flûte d'apparence ordinaire : sur un test de Représentation (instruments à vent) DD 15, elle fascine qui "
           "l'entend à 9 m (Volonté DD 14) ; ensuite, le moindre bruit lui inflige 1d4 points de dégâts par round "
           "pendant 2d4 rounds, puis le secoue : une malédiction. Aura faible d'enchantement et d'évocation ; NLS 6.",
           [], "Pipes of Pain")
    ajoute("Pipes of the Sewers", "Divers", "Divers", 1150.0, 1.5,
           "Flûte de bois qui attire 1d3 nuées de rats à 120 m ; un test de Représentation (instruments à vent) DD 10 "
           "les soumet aux ordres télépathiques du joueur tant qu'il joue, un échec les retourne contre lui. Aura "
           "faible d'invocation ; NLS 2.", [], "Pipes of the Sewers")
    ajoute("Pipes of Sounding", "Divers", "Divers", 1800.0, 1.5,
           "Entre les mains d'un joueur formé aux instruments à vent, produit toutes sortes de bruits comme Son "
           "imaginaire. Aura faible d'illusion ; NLS 2.", [sort(noms, "Ghost Sound", "Illimité")],
           "Pipes of Sounding")
    ajoute("Restorative Ointment", "Divers", "Divers", 4000.0, 0.25,
           "Pot de cinq applications : sur une plaie empoisonnée, neutralise le poison ; sur une partie malade, guérit "
           "la maladie ; sur une blessure, soigne 1d8+5 points de vie. Aura faible d'invocation ; NLS 5.",
           [sort(noms, a, "Charges", 1) for a in ("Neutralize Poison", "Remove Disease", "Cure Light Wounds")],
           "Restorative Ointment", charge=5)
    ajoute("Ring Gates", "Divers", "Divers", 40000.0, 1.0,
           "Paire d'anneaux de fer de 45 cm, sur un même plan et à moins de 160 km : ce qui entre par l'un sort par "
           "l'autre, 50 kg par jour au plus ; on peut y passer le bras, une arme ou un sort, et une créature de "
           "taille P s'y glisse (Évasion DD 13). Aura puissante d'invocation ; NLS 17.", [], "Ring Gates")
    ajoute("Robe of Bones", "Robe", "Robe", 2400.0, 0.5,
           "Robe brodée de figurines de morts-vivants que seul le porteur voit : une par round se détache et devient "
           "un squelette ou un zombi (deux de chaque : gobelin, humain, loup), qui n'obéit pas d'office. Aura modérée "
           "de nécromancie (Mal) ; NLS 6.", [], "Robe of Bones")
    ajoute("Robe of Scintillating Colors", "Robe", "Robe", 27000.0, 0.5,
           "Sur un mot, après un round, la robe ruisselle de couleurs : qui la regarde à 9 m est hébété 1d4+1 rounds "
           "(Volonté DD 16) ; le porteur gagne un camouflage qui croît de 10 % par round jusqu'à 50 %, et la robe "
           "éclaire sur 9 m. Dix rounds par jour. Aura modérée d'illusion ; NLS 11.", [],
           "Robe of Scintillating Colors")
    ajoute("Robe of Useful Items", "Robe", "Robe", 7000.0, 0.5,
           "Robe couverte d'écussons que seul le porteur voit : détaché, chacun devient un vrai objet (dague, lanterne "
           "sourde, miroir, perche, corde, sac, deux de chaque) ; 4d4 autres écussons, tirés au hasard (bourse d'or, "
           "porte de fer, barque, mule, potion...). Aura modérée de transmutation ; NLS 9.", [],
           "Robe of Useful Items")
    ajoute("Salve of Slipperiness", "Divers", "Divers", 1000.0, None,
           "Onguent qui rend glissant : +20 en Évasion, on n'est presque plus saisissable ni attachable, les toiles "
           "et cordes magiques n'ont plus de prise ; étalé au sol, agit comme Graisse. Huit heures. Aura faible "
           "d'invocation ; NLS 6.", [("Bonus Competence", "Evasion", "Aptitude", "+20")], "Salve of Slipperiness")
    ajoute("Scabbard of Keen Edges", "Divers", "Divers", 16000.0, 0.5,
           "Fourreau de cuir et d'argent qui s'ajuste à toute lame, de la dague à l'épée à deux mains ; trois fois par "
           "jour, lance Affûtage sur la lame qu'il contient. Aura faible de transmutation ; NLS 5.",
           [sort(noms, "Keen Edge", "Par Jour", 3)], "Scabbard of Keen Edges")
    ajoute("Scarab, Golembane", "Scarabée", "Scarabée", 2500.0, None,
           "Épingle en forme de scarabée : en se concentrant, le porteur détecte les golems à 18 m, et ses attaques "
           "ignorent leur réduction des dégâts. Aura modérée de divination ; NLS 8.", [], "Scarab, Golembane")
    ajoute("Shrouds of Disintegration", "Divers", "Divers", 6600.0, 5.0,
           "Linceul brodé : sur un mot, le corps qu'il enveloppe tombe en poussière ; une seule fois, puis il "
           "redevient une belle étoffe. Aura puissante de transmutation ; NLS 15.", [], "Shrouds of Disintegration")
    ajoute("Silversheen", "Divers", "Divers", 250.0, None,
           "Fiole d'enduit qui donne à une arme de corps à corps, ou à 20 munitions, les propriétés de l'argent "
           "alchimique pendant une heure. Aura faible de transmutation ; NLS 5.", [], "Silversheen")
    ajoute("Colle souveraine", "Divers", "Divers", 2400.0, None,
           "Prix pour 30 g, qui couvrent 30 cm sur 30 cm : colle à jamais deux matières en un round ; seul le solvant "
           "universel la dissout. Se garde dans un flacon enduit d'onguent glissant. Aura puissante de "
           "transmutation ; NLS 20.", [], "Sovereign Glue", revue="Sovereign Glue")
    for genre, prix, cheval in (("Courser", 10000.0, "d'un cheval lourd"), ("Destrier", 14800.0,
                                                                             "d'un destrier lourd")):
        ajoute("Stone Horse, %s" % genre, "Divers", None, prix, 3000.0,
               "Statue de cheval qui s'anime sur un mot : elle a les caractéristiques %s et une solidité de 10, porte "
               "500 kg sans se lasser, ne mange ni ne dort ; des gemmes la réparent (1 point de vie par 50 po). Aura "
               "puissante de transmutation ; NLS 14." % cheval, [], "Stone Horse, %s" % genre)
    ajoute("Stone Salve", "Divers", "Divers", 4000.0, None,
           "Prix pour 30 g d'onguent : sur une créature pétrifiée, la rend à la chair ; sur une autre, la protège "
           "comme Peau de pierre. Aura puissante d'abjuration et de transmutation ; NLS 13.",
           [sort(noms, "Stone to Flesh", "Charges", 1), sort(noms, "Stoneskin", "Charges", 1)], "Stone Salve", charge=1)
    ajoute("Stone of Controlling Earth Elementals", "Divers", "Divers", 100000.0, 2.5,
           "Quelques mots d'un round font sortir de la terre ou de la pierre un élémentaire de la terre de taille TG, "
           "comme Convocation de monstres VII (de taille G sur du sable ou de la pierre brute) ; un seul à la fois. "
           "Aura puissante d'invocation ; NLS 13.", [sort(noms, "Summon Monster VII", "Illimité")],
           "Stone of Controlling Earth Elementals")
    guerison = ("guérison (au choix Soins importants, Guérison de la cécité/surdité ou Guérison des maladies)",
                ("Cure Serious Wounds", "Par Jour", 1))
    karma = ("karma (+4 au niveau de lanceur pendant 10 minutes)", None)
    chapelets = [
        ("Lesser", 9600.0, [("bénédiction", ("Bless", "Par Jour", 1)), guerison]),
        ("Standard", 25800.0, [guerison, karma,
                               ("châtiment (Marteau du chaos, Châtiment sacré, Courroux de l'ordre ou Ténèbres "
                                "maudites, Volonté DD 17)", None)]),
        ("Greater", 95800.0, [guerison, karma,
                              ("convocation (un envoyé des plans extérieurs pour une journée, une seule fois)", None),
                              ("vent divin", ("Wind Walk", "Par Jour", 1))]),
    ]
    for genre, prix, perles in chapelets:
        ajoute("Strand of Prayer Beads, %s" % genre, "Divers", "Divers", prix, None,
               "Chapelet dont les perles spéciales se révèlent quand son possesseur lance un sort divin ; chacune "
               "sert une fois par jour : %s. Auras variées ; NLS 1 à 17." % " ; ".join(p for p, _ in perles),
               [sort(noms, *s) for _, s in perles if s], "Strand of Prayer Beads, %s" % genre)
    ajoute("Sustaining Spoon", "Divers", "Divers", 5400.0, None,
           "Cuillère de corne : posée dans un récipient vide, elle le remplit d'une bouillie fade mais nourrissante, "
           "de quoi nourrir quatre humains par jour. Aura faible d'invocation ; NLS 5.", [], "Sustaining Spoon")
    ajoute("Unguent of Timelessness", "Divers", "Divers", 150.0, None,
           "Onguent pour une matière qui a vécu : un an ne lui fait pas plus qu'un jour, et l'objet enduit gagne un "
           "bonus de résistance de 1 à ses propres jets de sauvegarde ; une fiole couvre huit objets de taille M. "
           "Aura faible de transmutation ; NLS 3.", [], "Unguent of Timelessness")
    ajoute("Druid's Vestment", "Chasuble", "Chasuble", 10000.0, None,
           "Vêtement léger brodé de plantes et d'animaux, porté sur les habits ou l'armure : qui a la forme animale "
           "s'en sert une fois de plus par jour. Aura modérée de transmutation ; NLS 10.", [], "Vestment, Druid's")
    ajoute("Wind Fan", "Divers", "Divers", 5500.0, None,
           "Éventail de bois et de papyrus : sur un mot, souffle comme Bourrasque ; une fois par jour sans risque, "
           "chaque usage de plus le même jour a 20 % de chances cumulées de le déchirer. Aura faible d'évocation ; "
           "NLS 5.", [sort(noms, "Gust of Wind", "Par Jour", 1)], "Wind Fan")
    verifie_srd(verifies)

