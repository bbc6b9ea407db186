"""Armes, armures et boucliers magiques du SRD : capacités spéciales posées sur quelques objets de base, armes,
armures et boucliers spécifiques, ordinaires et épiques.

Prix du SRD ; noms français et descriptions sont les nôtres. Un nom français dont on n'est pas sûr part à la liste
des noms à revoir (`_revue`) : le nom anglais gardé (True) ou le nom anglais du nom français à confirmer.
"""
from noms_sorts import noms_sorts
from objets_magiques import accorde, ajoute_arme, ajoute_armure, competence, plus, sort, table_srd, type_degats

def nom_objet(base, francais, anglais, revue):
    """Nom d'une arme ou armure à capacité : français, ou nom anglais de la capacité entre parenthèses."""
    if revue is True:
        return "%s +1 (%s)" % (base, anglais.replace("(", "").replace(")", ""))
    return "%s %s +1" % (base, accorde(francais, base))


# Capacités d'armes que les armes à capacités ne rendaient pas encore :
# (id SRD, anglais, suffixe français, revue, bonus équivalent, bases, propriétés, effet, épique)
# Revue : None pour un nom sûr, le nom anglais pour un nom français à confirmer, True pour garder l'anglais.
MELEE = ["Épée longue", "Hache d'armes", "Masse d'armes lourde"]
TIR = ["Arc long", "Arc court", "Arbalète légère"]
JET = ["Hache de lancer", "Javeline", "Dague"]
CAPACITES = [
    (228, "Bane", "tueuse", None, 1, ["Épée longue", "Hache d'armes", "Arc long"],
     [("Bonus Dommage", "Tueuse", "Alteration", "+2d6")],
     "contre la sorte de créatures qu'elle hait (choisie à la création), son altération compte 2 de plus et "
     "elle inflige 2d6 points de dégâts en plus", False),
    (229, "Brilliant Energy", "d'énergie lumineuse", "Brilliant Energy", 4, ["Épée longue", "Arc long"], [],
     "la partie tranchante n'est que lumière : elle ignore armures et boucliers (pas leur altération ni la "
     "Dextérité) et passe à travers la matière inerte, mais ne blesse ni morts-vivants ni créatures artificielles",
     False),
    (230, "Dancing", "dansante", None, 4, ["Épée longue", "Épée courte", "Cimeterre"], [],
     "lâchée par une action simple, elle combat seule quatre rounds aux côtés de son maître, puis retombe",
     False),
    (231, "Defending", "défensive", None, 1, ["Épée longue", "Rapière", "Dague"], [],
     "au début de son tour, le porteur reporte tout ou partie de l'altération de l'arme sur sa classe d'armure, "
     "jusqu'à son tour suivant", False),
    (232, "Disruption", "perturbatrice", "Disruption", 2, ["Masse d'armes lourde", "Morgenstern", "Marteau de guerre"],
     [], "un mort-vivant qu'elle touche est détruit s'il rate un jet de Vigueur (DD 14) ; réservée aux armes "
         "contondantes",
     False),
    (233, "Distance", "de longue portée", "Distance", 1, TIR, [], "son facteur de portée double", False),
    (235, "Flaming Burst", "de feu intense", None, 2, ["Épée longue", "Grande hache", "Arc long"],
     [("Bonus Dommage", "Feu", "Alteration", "+1d6")],
     "enflammée sur ordre, elle ajoute 1d6 points de dégâts de feu, et sur un coup critique 1d10 de plus par "
     "point de multiplicateur au-delà du premier", False),
    (239, "Icy Burst", "de froid intense", None, 2, ["Épée longue", "Grande hache", "Arc long"],
     [("Bonus Dommage", "Froid", "Alteration", "+1d6")],
     "glacée sur ordre, elle ajoute 1d6 points de dégâts de froid, et sur un coup critique 1d10 de plus par "
     "point de multiplicateur au-delà du premier", False),
    (247, "Shocking Burst", "de foudre intense", None, 2, ["Épée longue", "Grande hache", "Arc long"],
     [("Bonus Dommage", "Electricité", "Alteration", "+1d6")],
     "crépitante sur ordre, elle ajoute 1d6 points de dégâts d'électricité, et sur un coup critique 1d10 de plus "
     "par point de multiplicateur au-delà du premier", False),
    (237, "Ghost Touch|Weapon", "spectrale", None, 1, ["Épée longue", "Masse d'armes lourde", "Arc long"], [],
     "elle frappe les créatures intangibles comme si elles étaient matérielles, sans 50 % de ratés, et une "
     "créature intangible peut la manier", False),
    (241, "Ki Focus", "de focalisation du ki", "Ki Focus", 1, ["Kama", "Bâton", "Siangham"], [],
     "un moine peut faire passer par elle ses attaques spéciales de ki (frappe étourdissante, paume vibratoire)",
     False),
    (242, "Merciful", "miséricordieuse", None, 1, ["Épée longue", "Masse d'armes lourde", "Bâton"], [],
     "elle inflige 1d6 points de dégâts en plus, mais tous ses dégâts sont non létaux ; on peut suspendre ce "
     "pouvoir sur ordre", False),
    (243, "Mighty Cleaving", "de grand enchaînement", "Mighty Cleaving", 1, ["Épée longue", "Grande hache",
                                                                            "Hache d'armes"], [],
     "un porteur qui a le don Enchaînement gagne une attaque d'enchaînement de plus par round", False),
    (244, "Returning", "boomerang", "Returning", 1, JET, [],
     "lancée, elle revient d'elle-même dans la main de son lanceur au début de son tour suivant", False),
    (245, "Seeking", "chercheuse", None, 1, TIR, [],
     "ses projectiles virent vers la cible et ignorent les chances de rater dues au camouflage", False),
    (248, "Speed", "de rapidité", None, 3, ["Épée longue", "Cimeterre", "Arc long"], [],
     "en attaque à outrance, le porteur fait une attaque de plus avec elle, à son meilleur bonus", False),
    (249, "Spell Storing|Weapon", "de stockage de sorts", None, 1, ["Épée longue", "Masse d'armes lourde", "Dague"],
     [], "elle garde un sort de niveau 3 au plus, visant une créature, qui se déclenche sur la cible qu'elle "
         "touche ensuite", False),
    (250, "Thundering", "de tonnerre", None, 1, ["Marteau de guerre", "Épée longue", "Masse d'armes lourde"], [],
     "sur un coup critique, un fracas ajoute 1d8 points de dégâts de son par point de multiplicateur au-delà du "
     "premier et assourdit la cible (Vigueur DD 14)", False),
    (251, "Throwing", "de lancer", None, 1, ["Épée courte", "Hache d'armes", "Masse d'armes légère"], [],
     "cette arme de corps à corps peut être lancée, avec un facteur de portée de 3 m", False),
    (253, "Vicious", "cruelle", "Vicious", 1, MELEE, [("Bonus Dommage", None, "Alteration", "+2d6")],
     "chaque coup libère une énergie destructrice : 2d6 points de dégâts en plus pour la cible, 1d6 pour le "
     "porteur", False),
    (254, "Vorpal", "vorpale", None, 5, ["Épée longue", "Épée à deux mains", "Cimeterre"], [],
     "sur un 20 naturel confirmé en coup critique, elle tranche la tête de la cible ; réservée aux armes "
     "tranchantes",
     False),
    # Capacités épiques : nom anglais gardé en attendant le nom officiel.
    (28, "Distant Shot", None, True, 6, ["Arc long", "Arbalète légère"], [],
     "elle atteint toute cible en vue sans malus de portée", True),
    (29, "Dread", None, True, 7, ["Épée longue", "Arc long"], [("Bonus Dommage", "Tueuse", "Alteration", "+4d6")],
     "contre la sorte de créatures qu'elle hait, son altération compte 4 de plus, elle inflige 4d6 points de "
     "dégâts en plus et un coup critique réduit la cible en poussière (Vigueur DD 27)", True),
    (30, "Everdancing", None, True, 8, ["Épée longue", "Cimeterre"], [],
     "lâchée par une action libre, elle combat seule aussi longtemps qu'on le veut, jusqu'à 18 m de son maître",
     True),
    (35, "Mighty Disruption", None, True, 6, ["Masse d'armes lourde", "Morgenstern"], [],
     "un mort-vivant qu'elle touche est détruit s'il rate un jet de Vigueur (DD 21) ; réservée aux armes "
     "contondantes",
     True),
    (37, "Triple-Throw", None, True, 6, ["Hache de lancer", "Javeline"], [],
     "lancée, elle crée deux copies d'elle-même qui attaquent aussi, puis disparaissent", True),
    (38, "Unerring Accuracy", None, True, 6, ["Arc long", "Arbalète légère"], [],
     "ses tirs ignorent l'abri (sauf total) et les chances de rater dues au camouflage", True),
]

# Explosions d'énergie épiques : (id SRD, anglais, genre de dégâts, énergie, image)
for _ident, _anglais, _genre, _energie, _image in (
        (25, "Acidic Blast", "Acide", "d'acide", "elle ruisselle d'acide"),
        (31, "Fiery Blast", "Feu", "de feu", "elle flambe"),
        (33, "Icy Blast", "Froid", "de froid", "elle se couvre de givre"),
        (34, "Lightning Blast", "Electricité", "d'électricité", "elle crépite"),
        (36, "Sonic Blast", "Sonique", "de son", "elle bourdonne")):
    CAPACITES.append((_ident, _anglais, None, True, 6, ["Épée longue", "Arc long"],
                      [("Bonus Dommage", _genre, "Alteration", "+3d6")],
                      "sur ordre, %s : 3d6 points de dégâts %s en plus, 6d6 sur un coup critique (9d6 pour un "
                      "multiplicateur de 3, 12d6 pour 4) ; un arc les transmet à ses projectiles" % (_image, _energie),
                      True))
# Puissances d'alignement épiques : (id SRD, anglais, genre de dégâts, alignement, victimes)
for _ident, _anglais, _genre, _alignement, _victime in (
        (26, "Anarchic Power", "Anarchique", "le Chaos", "loyale"),
        (27, "Axiomatic Power", "Axiomatique", "la Loi", "chaotique"),
        (32, "Holy Power", "Sainte", "le Bien", "mauvaise"), (39, "Unholy Power", "Impie", "le Mal", "bonne")):
    CAPACITES.append((_ident, _anglais, None, True, 8, ["Épée longue", "Grande hache"],
                      [("Bonus Dommage", _genre, "Alteration", "+3d6")],
                      "alignée sur %s, elle inflige à une créature %s 3d6 points de dégâts en plus et un niveau "
                      "négatif (Vigueur DD 23 le lendemain), davantage sur un coup critique ; une créature %s qui la "
                      "manie subit trois niveaux négatifs" % (_alignement, _victime, _victime), True))


def capacites_armes(c, bases, srd):
    for ident, anglais, suffixe, revue, equivalent, noms_bases, proprietes, effet, epique in CAPACITES:
        for nom_base in noms_bases:
            arme = bases[nom_base]
            total = 1 + equivalent
            prix = arme["CoutTotal"] + 300 + (20000 if epique else 2000) * total * total
            nom = nom_objet(nom_base, suffixe, anglais.split("|")[0], revue)
            props = [(g, cible or type_degats(arme), t, v) for g, cible, t, v in proprietes]
            autres = {"_revue": revue} if revue else {}
            if anglais == "Throwing":
                autres["Portee"] = 3.0
            if anglais == "Distance":
                autres["Portee"] = arme["Portee"] * 2
            texte = "Arme magique +1 : %s. %s" % (effet, srd.aura(ident))
            ajoute_arme(c, nom, {**arme, **{k: v for k, v in autres.items() if k == "Portee"}}, 1, prix, texte,
                        props, **{k: v for k, v in autres.items() if k != "Portee"})
            c.srd.setdefault(ident, []).append(nom)


ENERGIES_ARMURE = [(165, "Acid", "l'acide", "Résistance à l'acide"), (173, "Cold", "froid", "Résistance au froid"),
                   (176, "Electricity", "l'électricité", "Résistance à l'électricité"),
                   (180, "Fire", "feu", "Résistance au feu"), (197, "Sonic", "son", "Résistance au son")]
ARMURES = ["Harnois", "Cuirasse", "Chemise de mailles"]
ARMURES_BOUCLIERS = ["Harnois", "Cuirasse", "Chemise de mailles", "Écu en acier"]
BOUCLIERS = ["Écu en acier", "Rondache en acier"]


# La réduction des dégâts reste dans le texte : l'arbre des propriétés du catalogue ne propose pour elle que des
# cibles d'énergie, pas "magie", "épique" ni "-".
def capacites_armures_table():
    """(id SRD, anglais, suffixe, revue, bonus équivalent, supplément en po, bases, propriétés, effet, épique)"""
    t = []
    for ident, anglais, energie, genre in ENERGIES_ARMURE:
        de = "au " if not energie.startswith("l'") else "à "
        for decalage, qualite, revue, valeur, prix in ((0, "", None, 10, 18000),
                                                        (1, " améliorée", "Improved", 20, 42000),
                                                        (2, " suprême", "Greater", 30, 66000)):
            nom_anglais = "%s Resistance%s" % (anglais, ", " + revue if revue else "")
            t.append((ident + decalage, nom_anglais,
                      "de résistance %s%s%s" % (de, energie, qualite), nom_anglais if revue else None, 0, prix,
                      ARMURES_BOUCLIERS if ident != 180 or decalage else ARMURES, [(genre, None, None, plus(valeur))],
                      "résistance de %d %s%s" % (valeur, de, energie), False))
    for ident, anglais, suffixe, revue, prix, comp, valeur in (
            (188, "Shadow", "d'ombre", None, 3750, "Discrétion", 5),
            (189, "Shadow, Improved", "d'ombre améliorée", "Shadow, Improved", 15000, "Discrétion", 10),
            (190, "Shadow, Greater", "d'ombre suprême", "Shadow, Greater", 33750, "Discrétion", 15),
            (191, "Silent Moves", "de silence", "Silent Moves", 3750, "Déplacement silencieux", 5),
            (192, "Silent Moves, Improved", "de silence amélioré", "Silent Moves, Improved", 15000,
             "Déplacement silencieux", 10),
            (193, "Silent Moves, Greater", "de silence suprême", "Silent Moves, Greater", 33750,
             "Déplacement silencieux", 15),
            (194, "Slick", "glissante", None, 3750, "Evasion", 5),
            (195, "Slick, Improved", "glissante améliorée", "Slick, Improved", 15000, "Evasion", 10),
            (196, "Slick, Greater", "glissante suprême", "Slick, Greater", 33750, "Evasion", 15)):
        t.append((ident, anglais, suffixe, revue, 0, prix, ARMURES if ident == 188 or ident in (191, 194)
                  else ARMURES_BOUCLIERS, [competence(comp, valeur)],
                  "+%d en %s" % (valeur, comp), False))
    for ident, valeur, bonus in ((200, 13, 2), (201, 15, 3), (202, 17, 4), (203, 19, 5)):
        t.append((ident, "Spell Resistance (%d)" % valeur, "de résistance à la magie (%d)" % valeur, None, bonus, 0,
                  ARMURES, [("Résistance à la magie", None, None, plus(valeur))],
                  "résistance à la magie %d" % valeur, False))
    for nom, bonus in (("légère", 1), ("modérée", 3), ("lourde", 5)):
        t.append((183, "Fortification", "de défense %s" % nom, "Fortification (%s)" % {1: "light", 3: "moderate",
                                                                                   5: "heavy"}[bonus],
                  bonus, 0, ARMURES_BOUCLIERS, [],
                  "%d %% de chances qu'un coup critique ou une attaque sournoise ne compte que comme un coup normal"
                  % {1: 25, 3: 75, 5: 100}[bonus], False))
    t += [
        (179, "Etherealness", "éthérée", "Etherealness", 0, 49000, ARMURES, [],
         "sur ordre, le porteur passe sur le plan Éthéré, autant de fois qu'il le veut dans la journée", False),
        (184, "Ghost Touch|Armor", "spectrale", None, 3, 0, ARMURES_BOUCLIERS, [],
         "son bonus compte aussi contre les attaques des créatures intangibles, et une créature intangible peut la "
         "porter", False),
        (185, "Glamered", "d'apparence trompeuse", "Glamered", 0, 2700, ARMURES, [],
         "sur ordre, elle prend l'aspect de vêtements ordinaires en gardant toutes ses qualités ; Vision lucide "
         "révèle sa vraie nature", False),
        (186, "Invulnerability|Armor", "d'invulnérabilité", None, 3, 0, ARMURES,
         [], "réduction des dégâts 5/magie", False),
        (204, "Undead Controlling", "de contrôle des morts-vivants", "Undead Controlling", 0, 49000,
         ARMURES_BOUCLIERS, [],
         "le porteur contrôle jusqu'à 26 DV de morts-vivants par jour, comme par le sort Contrôle des morts-vivants",
         False),
        (205, "Wild", "sauvage", None, 3, 0, ["Armure de peau", "Cuirasse", "Écu en bois"], [],
         "le porteur garde le bonus d'altération de l'armure quand il change de forme par forme animale", False),
        # Épiques : nom anglais gardé.
        (16, "Negating", None, True, 5, 0, ARMURES, [],
         "dès qu'une arme magique touche le porteur, l'armure lance sur elle une Dissipation suprême (une fois par "
         "jour et par arme)", False),
        (168, "Animated", "animée", None, 2, 0, BOUCLIERS, [("Animé", None, None, None)],
         "sur ordre, le bouclier flotte et protège son porteur, qui garde les mains libres, pendant quatre rounds",
         False),
        (169, "Arrow Catching", "attire-projectiles", "Arrow Catching", 1, 0, BOUCLIERS, [],
         "les projectiles visant quelqu'un à 1,50 m du porteur sont détournés vers lui ; contre les armes à distance, "
         "il donne un bonus de parade d'un point", False),
        (170, "Arrow Deflection", "de déviation des projectiles", "Arrow Deflection", 2, 0, BOUCLIERS, [],
         "une fois par round, le porteur dévie un projectile ou une arme lancée qui allait le toucher (Réflexes "
         "DD 20, plus l'altération du projectile)", False),
        (171, "Bashing", "cogneuse", "Bashing", 1, 0, BOUCLIERS, [],
         "un coup de bouclier frappe comme une arme de deux catégories de taille de plus, avec +1 à l'attaque et aux "
         "dégâts", False),
        (172, "Blinding", "aveuglante", None, 1, 0, BOUCLIERS, [],
         "deux fois par jour, un éclair aveugle pendant 1d4 rounds ceux qui sont à 6 m (Réflexes DD 14), sauf le "
         "porteur", False),
        (187, "Reflecting", "réfléchissante", "Reflecting", 5, 0, BOUCLIERS, [],
         "une fois par jour, il renvoie un sort à son lanceur, comme Renvoi des sorts", False),
    ]
    for ident, anglais, genre in ((1, "Acid Warding", "Résistance à l'acide"),
                                  (2, "Cold Warding", "Résistance au froid"),
                                  (4, "Fire Warding", "Résistance au feu"),
                                  (15, "Lightning Warding", "Résistance à l'électricité"),
                                  (17, "Sonic Warding", "Résistance au son")):
        t.append((ident, anglais, None, True, 6, 0, ARMURES, [(genre, None, None, "+50")],
                  "elle absorbe chaque round les 50 premiers points de dégâts de cette énergie", True))
    for ident, valeur, anglais, francais, bonus in ((5, 10, "magic", "magie", 4), (6, 15, "magic", "magie", 5),
                                                    (7, 5, "epic", "épique", 6), (8, 10, "epic", "épique", 7)):
        t.append((ident, "Great Invulnerability (%d/%s)" % (valeur, anglais), None, True, bonus, 0, ARMURES_BOUCLIERS,
                  [], "réduction des dégâts %d/%s" % (valeur, francais), bonus >= 6))
    for ident, rm, bonus in ((10, 21, 6), (11, 23, 7), (12, 25, 8), (13, 27, 9)):
        t.append((ident, "Great Spell Resistance (%d)" % rm, None, True, bonus, 0, ARMURES_BOUCLIERS,
                  [("Résistance à la magie", None, None, plus(rm))], "résistance à la magie %d" % rm, True))
    t += [
        (3, "Exceptional Arrow Deflection", None, True, 8, 0, BOUCLIERS, [],
         "le porteur dévie toute attaque à distance, même un sort à attaque de contact à distance (Réflexes DD 20, "
         "plus l'altération ou le niveau du sort)", True),
        (9, "Great Reflection", None, True, 10, 0, BOUCLIERS, [],
         "tout sort qui vise le porteur est renvoyé à son lanceur, comme Renvoi des sorts ; le porteur suspend ce "
         "pouvoir par une action libre", True),
        (14, "Infinite Arrow Deflection", None, True, 6, 0, BOUCLIERS, [],
         "le porteur dévie autant de projectiles et d'armes lancées qu'il en vient chaque round (Réflexes DD 20, "
         "plus l'altération)", True),
    ]
    return t


def capacites_armures(c, bases, srd):
    for ident, anglais, suffixe, revue, equivalent, supplement, noms_bases, proprietes, effet, epique \
            in capacites_armures_table():
        for nom_base in noms_bases:
            base = bases[nom_base]
            total = 1 + equivalent
            prix = base["CoutTotal"] + 150 + (10000 if epique else 1000) * total * total + supplement
            nom = nom_objet(nom_base, suffixe, anglais.split("|")[0], revue)
            genre = "Armure" if base.get("_armure") else "Bouclier"
            texte = "%s magique +1 : %s. %s" % (genre, effet, srd.aura(ident))
            ajoute_armure(c, nom, base, 1, prix, texte, proprietes, **({"_revue": revue} if revue else {}))
            c.srd.setdefault(ident, []).append(nom)


def armures_specifiques(c, bases, srd, noms):
    mithral = {"BonusDexMax": 3, "PenaliteArmure": -3, "EchecSortProfane": 25}
    # (id SRD, nom, revue, armure de base, altération, prix, poids, changements, propriétés, texte)
    armures = [
        (206, "Cuirasse en adamantium", None, "Cuirasse", 0, 10200.0, None, {"Solidite": 20},
         [],
         "Cuirasse d'adamantium, de maître : réduction des dégâts 2/-."),
        (207, "Armure à bandes de chance", "Banded Mail of Luck", "Armure à bandes", 3, 18900.0, None, {}, [],
         "Armure à bandes +3 sertie de dix gemmes ; une fois par semaine, le porteur fait relancer un jet d'attaque "
         "qui le vise, avant les dégâts, et subit le second."),
        (210, "Armure démoniaque", "Demon Armor", "Harnois", 4, 52260.0, None, {}, [],
         "Harnois +4 au heaume en tête de démon : ses gantelets griffus frappent comme des armes +1 (1d10) et "
         "transmettent une maladie comme le sort Contagion (Vigueur DD 14) ; une créature non mauvaise qui la porte "
         "subit un niveau négatif."),
        (211, "Harnois en peau de dragon", None, "Harnois", 0, 3300.0, None, {}, [],
         "Harnois de maître fait de cuir de dragon et non de métal : un druide peut le porter."),
        (212, "Harnois nain", None, "Harnois", 0, 16500.0, None, {"Solidite": 20},
         [], "Harnois d'adamantium, de maître : réduction des dégâts 3/-."),
        (214, "Harnois de mithral de rapidité", "Mithral Full Plate of Speed", "Harnois", 1, 26500.0, 12.5, mithral,
         [sort(noms, "Haste", "Par Jour", 1)],
         "Harnois +1 en mithral, armure intermédiaire : bonus de Dextérité maximal +3, malus d'armure aux tests -3, "
         "échec des sorts profanes 25 % ; par une action libre, le porteur agit comme sous Rapidité, 10 rounds par "
         "jour en tout."),
        (215, "Chemise de mithral", None, "Chemise de mailles", 0, 1100.0, 5.0,
         {"BonusDexMax": 6, "PenaliteArmure": 0, "EchecSortProfane": 10}, [],
         "Chemise de mailles en mithral, armure légère : bonus de Dextérité maximal +6, aucun malus d'armure aux "
         "tests, échec des sorts profanes 10 %."),
        (216, "Harnois des profondeurs", "Plate Armor of the Deep", "Harnois", 1, 24650.0, None, {},
         [sort(noms, "Water Breathing", "Permanent")],
         "Harnois +1 orné de vagues et de poissons : le porteur nage comme sans armure, respire sous l'eau et parle "
         "avec toute créature aquatique douée de langage."),
        # Épiques
        (18, "Antimagic Armor", True, "Harnois", 1, 871500.0, None, {"Solidite": 20},
         [],
         "Harnois +1 d'adamantium (réduction des dégâts 3/-), d'invulnérabilité (5/magie) et qui dissipe les armes "
         "magiques qui le touchent ; les tests de dissipation contre lui ou son porteur subissent un malus de 5."),
        (19, "Armor of the Abyssal Horde", True, "Harnois", 6, 768260.0, None, {}, [],
         "Harnois +6 aux gantelets griffus : ce sont des armes acérées +4 (1d10, critique 19-20) qui infligent "
         "l'effet d'Absorption d'énergie (Vigueur DD 23) ; une créature non mauvaise qui le porte subit deux "
         "niveaux négatifs."),
        (20, "Armor of the Celestial Battalion", True, "Cotte de mailles", 7, 616300.0, None,
         {"BonusDexMax": 10, "PenaliteArmure": 0, "EchecSortProfane": 10},
         [sort(noms, "Fly", "Illimité"),
          sort(noms, "Magic Circle against Evil", "Permanent")],
         "Cotte de mailles +7 si fine qu'elle se porte sous les habits, armure légère : bonus de Dextérité maximal "
         "+10, aucun malus d'armure aux tests, échec des sorts profanes 10 % ; vol à volonté et cercle magique "
         "contre le Mal permanent."),
        (22, "Dragonskin Armor", True, "Harnois", 5, 564550.0, None, {}, [],
         "Harnois +5 en peau de grand dracosire : sur ordre, des ailes le font voler à 27 m (manœuvrabilité "
         "médiocre) 4 heures par jour ; immunité à l'énergie du dragon d'origine ; les dragons le prennent mal "
         "(malus de 4 points en Diplomatie avec eux, bonus de 4 points pour les intimider)."),
        (23, "Shapeshifter's Armor", True, "Armure de peau", 6, 400165.0, None, {}, [],
         "Armure de peau +6 qui garde tout son bonus d'armure quelle que soit la forme que prend le porteur "
         "(métamorphose, forme animale...)."),
        (24, "Warlord's Breastplate", True, "Cuirasse", 6, 416200.0, 7.5,
         {"BonusDexMax": 5, "PenaliteArmure": -1, "EchecSortProfane": 15},
         [("Bonus Caracteristique", "Charisme", "Alteration", "+4")],
         "Cuirasse +6 en mithral, armure légère : bonus de Dextérité maximal +5, malus d'armure aux tests -1, "
         "échec des sorts profanes 15 % ; bonus d'altération de +4 en Charisme ; le porteur attire des suivants "
         "comme avec le don Prestige (sans compagnon d'armes)."),
    ]
    boucliers = [
        (218, "Bouclier d'absorption", "Absorbing Shield", "Écu en acier", 1, 50170.0, None, {}, [],
         "Écu en acier +1 d'un noir mat ; une fois tous les deux jours, il désintègre ce qu'il touche (attaque de "
         "contact au corps à corps), comme Désintégration."),
        (219, "Bouclier du lanceur de sorts", "Caster's Shield", "Rondache en bois", 1, 3153.0, None,
         {"EchecSortProfane": 5}, [],
         "Rondache en bois +1 dont la sangle de cuir reçoit un sort de niveau 3 au plus, écrit comme sur un "
         "parchemin pour moitié prix ; échec des sorts profanes 5 %. Le prix ne compte pas le sort écrit."),
        (220, "Targe en ébénite", None, "Targe", 0, 205.0, 1.25, {"PenaliteArmure": 0, "Solidite": 5}, [],
         "Bouclier léger d'ébénite, non magique : plus léger qu'un bouclier de bois, sans malus d'armure aux tests."),
        (221, "Écu en ébénite", None, "Écu en bois", 0, 257.0, 2.5, {"PenaliteArmure": 0}, [],
         "Écu d'ébénite, non magique : plus léger qu'un écu de bois, sans malus d'armure aux tests."),
        (222, "Bouclier du lion", "Lion's Shield", "Écu en acier", 2, 9170.0, None, {}, [],
         "Écu en acier +2 en tête de lion rugissant ; trois fois par jour, par une action libre, la tête mord de "
         "son propre chef, au bonus de base à l'attaque du porteur, pour 2d6 points de dégâts."),
        (223, "Écu en mithral", None, "Écu en acier", 0, 1020.0, 2.5, {"PenaliteArmure": 0, "EchecSortProfane": 5},
         [], "Écu en mithral, non magique : échec des sorts profanes 5 %, sans malus d'armure aux tests."),
        (224, "Bouclier à pointes", "Spined Shield", "Écu en acier", 1, 5580.0, None, {}, [],
         "Écu en acier +1 hérissé de pointes (écu à pointes) ; trois fois par jour, sur ordre, il tire une pointe "
         "+1 (1d10, critique 19-20, facteur de portée 36 m) ; les pointes repoussent chaque jour."),
        (225, "Bouclier ailé", "Winged Shield", "Écu en bois", 3, 17257.0, None, {},
         [sort(noms, "Fly", "Par Jour", 1)],
         "Écu en bois +3 bordé de petites ailes ; une fois par jour, il vole en portant son porteur (18 m par round "
         "jusqu'à 66 kg, 12 m jusqu'à 133 kg)."),
        (21, "Bulwark of the Great Dragon", True, "Écu en acier", 6, 1612970.0, None, {}, [],
         "Écu en acier +6 à tête de dragon ; trois fois par jour, il souffle l'énergie de son dragon (ligne de 24 m "
         "ou cône de 12 m, 20d6 points de dégâts) et donne une résistance de 50 à cette énergie, que fixe la couleur "
         "du dragon."),
    ]
    for ident, nom, revue, nom_base, bonus, prix, poids, changements, proprietes, texte in armures + boucliers:
        autres = {"_revue": revue} if revue else {}
        ajoute_armure(c, nom, bases[nom_base], bonus, prix, texte + " " + srd.aura(ident), proprietes, poids=poids,
                      changements=changements, **autres)
        c.srd.setdefault(ident, []).append(nom)


def armes_specifiques(c, bases, srd, noms):
    # Armes de maître en matière spéciale, sans magie : +1 à l'attaque seulement.
    for ident, nom, nom_base, prix, texte in (
            (256, "Hache d'armes en adamantium", "Hache d'armes", 3010.0,
             "Hache d'armes d'adamantium, de maître : +1 aux jets d'attaque ; elle ignore la solidité inférieure "
             "à 20."),
            (257, "Dague en adamantium", "Dague", 3002.0,
             "Dague d'adamantium, de maître : +1 aux jets d'attaque ; elle ignore la solidité inférieure à 20."),
            (272, "Épée longue en fer froid de maître", "Épée longue", 330.0,
             "Épée longue de fer froid, de maître : +1 aux jets d'attaque ; elle passe la réduction des dégâts des "
             "fées et des démons."),
            (279, "Dague en argent alchimique de maître", "Dague", 322.0,
             "Dague d'argent alchimique, de maître : +1 aux jets d'attaque ; elle passe la réduction des dégâts des "
             "lycanthropes.")):
        base = bases[nom_base]
        champs = {k: base[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Portee", "Resistance")}
        c.ajoute(nom, base["GroupeObjet"], base["Type"], prix, texte + " " + srd.aura(ident),
                 [("Bonus Attaque", type_degats(base), "Alteration", "+1")], poids=base["PoidsBase"],
                 Solidite=20 if "adamantium" in nom else base["Solidite"], **champs, srd=ident)
    feu, froid = ("Bonus Dommage", "Feu", "Alteration", "+1d6"), ("Bonus Dommage", "Froid", "Alteration", "+1d6")
    chance = [("Bonus Jet Sauvegarde", j, "Chance", "+1") for j in ("Vigueur", "Réflexe", "Volonté")]
    # (id SRD, nom, revue, arme de base, altération, prix, poids, propriétés, texte, champs changés)
    armes = [
        (258, "Dague de l'assassin", "Assassin's Dagger", "Dague", 2, 18302.0, None, [],
         "Dague +2 recourbée : +1 au DD du jet de Vigueur contre l'attaque mortelle d'un assassin.", {}),
        (260, "Marteau de lancer nain", "Dwarven Thrower", "Marteau de guerre", 2, 60312.0, None, [],
         "Marteau de guerre +2 ; aux mains d'un nain, il est +3 et revient quand on le lance (facteur de portée "
         "9 m), avec 2d8 points de dégâts en plus contre les géants et 1d8 contre les autres.", {"Portee": 9.0}),
        (262, "Épée de givre", "Frost Brand", "Épée à deux mains", 3, 54475.0, None,
         [froid, ("Résistance au feu", None, None, "+10")],
         "Épée à deux mains +3 de froid (1d6 de froid en plus) ; elle absorbe chaque round les 10 premiers points "
         "de dégâts de feu du porteur, éteint les feux ordinaires alentour et peut dissiper les sorts de feu "
         "durables ; elle luit par grand froid.", {}),
        (265, "Buveuse de vie", "Life-Drinker", "Grande hache", 1, 40320.0, None, [],
         "Grande hache +1 qui inflige deux niveaux négatifs à chaque coup (Vigueur DD 16 le lendemain) ; le porteur "
         "en subit un, pour une heure, sauf s'il est mort-vivant ou créature artificielle.", {}),
        (270, "Masse d'anéantissement", "Mace of Smiting", "Masse d'armes lourde", 3, 75312.0, None, [],
         "Masse d'armes lourde +3 d'adamantium, +5 contre les créatures artificielles, que détruit tout coup "
         "critique ; contre un extérieur, le critique multiplie par 4.", {"Solidite": 20}),
        (271, "Masse de terreur", "Mace of Terror", "Masse d'armes lourde", 2, 38552.0, None,
         [sort(noms, "Fear", "Par Jour", 3)],
         "Masse d'armes lourde +2 ; trois fois par jour, sur ordre, le porteur prend un aspect d'épouvante et "
         "les créatures vivantes d'un cône de 9 m fuient, comme par Terreur (Volonté DD 16, effet partiel).", {}),
        (273, "Voleuse de neuf vies", "Nine Lives Stealer", "Épée longue", 2, 23057.0, None, [],
         "Épée longue +2 mauvaise ; neuf fois, un coup critique tue la victime sauf jet de Vigueur (DD 20), puis "
         "elle n'est plus qu'une épée +2 ; une créature bonne qui la manie subit un niveau négatif.", {}),
        (274, "Arc du serment", "Oathbow", "Arc long composite", 2, 25600.0, None,
         [("Arc de Puissance", None, None, "+2")],
         "Arc long composite +2 (Force +2) de facture elfique ; une fois par jour, contre un ennemi juré à voix "
         "haute, il est +5, ses flèches infligent 2d6 points de dégâts en plus et le critique multiplie par 4 ; "
         "contre les autres, ce n'est qu'un arc de maître.", {}),
        (275, "Rapière perforante", "Rapier of Puncturing", "Rapière", 2, 50320.0, None,
         [("Bonus Dommage", "Sanglante", "Alteration", "+1")],
         "Rapière +2 sanglante ; trois fois par jour, une attaque de contact avec elle fait perdre 1d6 points de "
         "Constitution par le sang.", {}),
        (277, "Shatterspike", True, "Épée longue", 1, 4315.0, 2.0, [],
         "Épée longue +1 ; un porteur qui a le don Science de la destruction d'arme gagne +4 pour briser l'arme "
         "adverse et lui inflige 1d8+4 points de dégâts plus son modificateur de Force (arme +4 au plus).", {}),
        (278, "Shifter's Sorrow", True, "Épée à deux lames", 1, 12780.0, 5.0, [],
         "Épée à deux lames +1/+1 aux lames d'argent alchimique : 2d6 points de dégâts en plus contre les "
         "métamorphes, et une créature changée de forme qu'elle touche reprend la sienne (Volonté DD 15).", {}),
        (282, "Lame du soleil", "Sun Blade", "Épée bâtarde", 2, 50335.0, 1.0, [],
         "Épée bâtarde qui se manie comme une épée courte ; +2, +4 contre les créatures négatives ou du plan de "
         "l'énergie négative, avec double dégâts contre les morts-vivants qui craignent le soleil ; une fois par "
         "jour, elle éclate en lumière du jour.", {}),
        (283, "Épée voleuse de vie", "Sword of Life Stealing", "Épée longue", 2, 25715.0, None, [],
         "Épée longue +2 de fer noir ; chaque coup critique inflige un niveau négatif (Vigueur DD 16 le lendemain) "
         "et donne au porteur 1d6 points de vie temporaires pour 24 heures.", {}),
        (284, "Sword of the Planes", True, "Épée longue", 1, 22315.0, None, [],
         "Épée longue +1 sur le plan Matériel, +2 sur les plans élémentaires ou contre les élémentaires, +3 sur "
         "les plans Astral et Éthéré, +4 ailleurs ou contre tout extérieur.", {}),
        (285, "Épée de subtilité", "Sword of Subtlety", "Épée courte", 1, 22310.0, None, [],
         "Épée courte +1 à la lame grise et terne ; +4 aux jets d'attaque et de dégâts lors d'une attaque "
         "sournoise avec elle.", {}),
        (286, "Cimeterre sylvestre", "Sylvan Scimitar", "Cimeterre", 3, 47315.0, None, [],
         "Cimeterre +3 ; en plein air sous un climat tempéré, le porteur a le don Enchaînement et l'arme inflige "
         "1d6 points de dégâts en plus.", {}),
        (287, "Trident de domination des poissons", "Trident of Fish Command", "Trident", 1, 18650.0, None,
         [sort(noms, "Charm Animal", "Par Jour", 3)],
         "Trident +1 à long manche ; trois fois par jour, il charme jusqu'à 14 DV d'animaux aquatiques (Volonté "
         "DD 16) et permet de leur parler.", {}),
        (288, "Trident d'alerte", "Trident of Warning", "Trident", 2, 10115.0, None, [],
         "Trident +2 ; pointé pendant un round, il révèle emplacement, profondeur, sorte et nombre des prédateurs "
         "aquatiques à 200 m.", {}),
        # Épiques
        (40, "Backstabber", True, "Épée courte", 6, 770310.0, None,
         [("Bonus Dommage", "Précision mortelle", "Alteration", "+2d6")],
         "Épée courte +6 qui ajoute 2d6 aux dégâts d'attaque sournoise de son porteur, sans donner ce pouvoir à qui "
         "ne l'a pas.", {}),
        (41, "Chaosbringer", True, "Grande hache", 6, 4025350.0, None,
         [("Bonus Dommage", "Anarchique", "Alteration", "+3d6")],
         "Grande hache +6 de puissance anarchique : 3d6 points de dégâts en plus et un niveau négatif contre les "
         "créatures loyales ; une rage de barbare par jour (une de plus pour qui en a déjà) et, avec la rage "
         "suprême, le don Rage communicative.", {}),
        (42, "Elven Greatbow", True, "Arc long composite", 2, 2900400.0, None, [],
         "Arc long composite +2 ; aux mains d'un elfe, il est +5, sa puissance suit la Force du tireur, ses tirs "
         "ignorent abri et camouflage et ses flèches sont acérées.", {}),
        (43, "Everwhirling Chain", True, "Chaîne cloutée", 4, 5220325.0, None, [],
         "Chaîne cloutée +4 défensive, de rapidité, qui combat seule aussi longtemps qu'on le veut ; le porteur fait "
         "autant d'attaques d'opportunité qu'il le veut chaque round.", {}),
        (44, "Finaldeath", True, "Morgenstern", 5, 3580308.0, None,
         [("Bonus Dommage", "Tueuse", "Alteration", "+4d6")],
         "Morgenstern +5 spectrale, redoutée des morts-vivants (altération +4 et 4d6 points de dégâts en plus "
         "contre eux, poussière sur un coup critique, Vigueur DD 27) ; immunité à l'absorption d'énergie, et le don "
         "Aura d'énergie positive pour qui peut renvoyer les morts-vivants.", {}),
        (45, "Gripsoul", True, "Épée longue", 6, 1856500.0, None, [("Bonus dommage spécial", "Affutage", None, None)],
         "Épée longue +6 acérée : au lieu des dégâts d'un coup critique, ou d'un coup qui tuerait ou assommerait, "
         "elle emprisonne l'âme de la victime dans la gemme du pommeau (Emprisonnement, DD 30) ; une seule à la "
         "fois.", {}),
        (46, "Holy Devastator", True, "Épée longue", 3, 4620315.0, None,
         [("Bonus Dommage", "Sainte", "Alteration", "+2d6")],
         "Épée longue +3 sainte ; aux mains d'un paladin, elle est +7 de puissance sainte, protège de la magie "
         "mauvaise (bonus sacré de 5 points aux jets contre elle) et double le niveau de paladin ajouté aux dégâts "
         "du châtiment.", {}),
        (47, "Mace of Ruin", True, "Masse d'armes lourde", 7, 1000312.0, None, [],
         "Masse d'armes lourde +7 qui ignore solidité et réduction des dégâts, et fait des coups critiques aux "
         "objets et créatures artificielles.", {}),
        (48, "Quarterstaff of Alacrity", True, "Bâton", 5, 462600.0, None,
         [("Bonus Jet Sauvegarde", "Réflexe", "Résistance", "+5"), ("Bonus Don", "Interception de projectiles", None,
                                                                    None)],
         "Bâton +5 de rapidité aux deux bouts : une attaque de plus par bout à chaque round ; en main, +5 aux jets "
         "de Réflexes et interception de projectiles sans limite de nombre.", {}),
        (49, "Souldrinker", True, "Épée bâtarde", 5, 478335.0, None, [],
         "Épée bâtarde +5 qui inflige 2d4 niveaux négatifs à chaque coup (Vigueur DD 25 le lendemain) et donne au "
         "porteur 5 points de vie temporaires par niveau, pour une heure.", {}),
        (50, "Stormbrand", True, "Épée à deux mains", 4, 235350.0, None,
         [("Bonus Dommage", "Electricité", "Alteration", "+1d6"), ("Résistance à l'électricité", None, None, "+30"),
          ("Résistance au son", None, None, "+30"), sort(noms, "Fly", "Illimité")],
         "Épée à deux mains +4 de tonnerre et de foudre intense ; vol à volonté, même dans les pires vents ; tirée, "
         "elle donne une résistance de 30 à l'électricité et au son.", {}),
        (51, "Unholy Despoiler", True, "Épée longue", 3, 4650315.0, None,
         [("Bonus Dommage", "Impie", "Alteration", "+2d6")],
         "Épée longue +3 impie ; aux mains d'un chevalier noir, elle est +7 de puissance impie, protège de la magie "
         "bonne (bonus impie de 5 points aux jets contre elle) et double le niveau de chevalier noir ajouté aux "
         "dégâts du châtiment.", {}),
    ]
    for ident, nom, revue, nom_base, bonus, prix, poids, proprietes, texte, changements in armes:
        base = dict(bases[nom_base], **changements)
        autres = {"_revue": revue} if revue else {}
        ajoute_arme(c, nom, base, bonus, prix, texte + " " + srd.aura(ident), proprietes, poids=poids, **autres)
        c.srd.setdefault(ident, []).append(nom)
    for voeux in range(4):
        nom = "Lame de chance (%s)" % ("sans souhait" if voeux == 0 else "%d souhait%s" % (voeux, "s" * (voeux > 1)))
        prix = 22060.0 + 40300.0 * voeux
        ajoute_arme(c, nom, bases["Épée courte"], 2, prix,
                    "Épée courte +2 : bonus de chance de +1 aux jets de sauvegarde ; une fois par jour, son possesseur "
                    "relance un jet qu'il vient de faire ; elle garde %s. %s"
                    % ("encore %d souhait%s" % (voeux, "s" * (voeux > 1)) if voeux else "son pouvoir une fois ses "
                       "souhaits épuisés", srd.aura(266 + voeux)),
                    chance + ([sort(noms, "Wish", "Charges", 1)] if voeux else []),
                    charge=voeux or None, _revue="Luck Blade")
        c.srd.setdefault(266 + voeux, []).append(nom)
    # Munitions à l'unité.
    for ident, nom, revue, groupe, bonus, prix, poids, texte in (
            (276, "Carreau hurleur", "Screaming Bolt", "Carreaux", 2, 267.0, 0.05,
             "Carreau +2 qui hurle quand on le tire : les ennemis du tireur à 6 m de sa course sont secoués "
             "(Volonté DD 14)."),
            (280, "Flèche tueuse", "Slaying Arrow", "Flèches", 1, 2282.0, 0.075,
             "Flèche +1 vouée à une sorte de créatures : une créature de cette sorte qu'elle touche meurt, ou est "
             "détruite, sauf jet de Vigueur (DD 20)."),
            (280, "Flèche tueuse supérieure", "Slaying Arrow, Greater", "Flèches", 1, 4057.0, 0.075,
             "Flèche +1 vouée à une sorte de créatures : une créature de cette sorte qu'elle touche meurt, ou est "
             "détruite, sauf jet de Vigueur (DD 23)."),
            (281, "Flèche de sommeil", "Sleep Arrow", "Flèches", 1, 132.0, 0.075,
             "Flèche +1 peinte en blanc : ses dégâts sont non létaux et la cible s'endort sauf jet de Volonté "
             "(DD 11).")):
        c.ajoute(nom, groupe, groupe, prix, texte + " " + srd.aura(ident),
                 [("Bonus Attaque", "Piquant", "Alteration", plus(bonus)),
                  ("Bonus Dommage", "Piquant", "Alteration", plus(bonus))], poids=poids, charge=1, srd=ident,
                 _revue=revue)


def armes_et_armures(c, bases):
    """Capacités spéciales et objets spécifiques des armes, armures et boucliers du SRD."""
    srd = table_srd()
    noms = noms_sorts()
    capacites_armes(c, bases, srd)
    capacites_armures(c, bases, srd)
    armures_specifiques(c, bases, srd, noms)
    armes_specifiques(c, bases, srd, noms)
