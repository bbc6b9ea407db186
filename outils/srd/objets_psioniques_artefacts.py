"""Objets psioniques, artefacts et objets maudits du SRD, et baguettes de sorts à intensité augmentée.

Les pouvoirs psioniques ne sont pas des sorts de nos règles : un objet psionique porte sa description (pouvoirs
nommés en français), ses points de pouvoir comme charges et les propriétés que la fiche sait compter. Leurs noms
français officiels n'étant pas sûrs, ces objets gardent leur nom anglais (liste des noms à revoir), comme les
artefacts, que le SRD a renommés, et les objets maudits dont le nom français n'est pas sûr. Les malus des objets maudits restent dans le texte : la
fiche n'a pas de propriété de malus, et une altération négative serait écrasée par un bonus du même type.
"""

from objets_magiques import (ECOLES_AURA, ENERGIES, ajoute_arme, ajoute_armure, competence, de, js, phrase_aura,
                             plus, sort, table_srd, type_degats)

# Objets déjà au catalogue (Guide du maître) : nom anglais du SRD -> notre nom.
EXISTANTS = {"Bag of Devouring": "Sac dévoreur", "Boots of Dancing": "Bottes de danse",
             "Necklace of Strangulation": "Collier d'étranglement", "Scarab of Death": "Scarabée de mort",
             "Gauntlets of Fumbling": "Gantelets de maladresse",
             "Helm of Opposite Alignment": "Heaume d'alignement inversé",
             "Dust of Sneezing and Choking": "Poudre d'éternuement et d'étouffement",
             "Robe of Powerlessness": "Robe d'impuissance", "Sphere of Annihilation": "Sphère d'annihilation",
             "Staff of the Magi": "Bâton du mage"}


def baguettes_augmentees(c, noms, s):
    """Baguettes dont le sort est lancé à un niveau plus haut (don Augmentation d'intensité) : le niveau de
    lanceur se déduit du prix (niveau du sort x NLS x 750 po)."""
    for ident, anglais, niveau in ((1247, "Charm Person", 3), (1269, "Hold Person", 4),
                                   (1275, "Ray of Enfeeblement", 4), (1276, "Suggestion", 4)):
        prix = s.prix(ident)
        nls = int(prix / (750 * niveau))
        sort = noms[anglais]
        c.ajoute("Baguette %s (niveau %d, NLS %d)" % (de(sort), niveau, nls), "Baguette", "Baguette", prix,
                 "Baguette de 50 charges : chaque charge lance le sort %s augmenté au niveau %d (don Augmentation "
                 "d'intensité), au niveau de lanceur %d." % (sort, niveau, nls),
                 [("Lancer un sort", sort, "Charges", "+1")], charge=50, srd=ident)


# Capacités psioniques d'armure et de bouclier : (id, nom anglais, bonus équivalent, prix fixe, propriétés, effet)
CAPACITES_ARMURES = [
    (1590, "Ectoplasmic", 0, 10800.0, [],
     "une fois par jour (action simple), le porteur et tout son équipement prennent une forme ectoplasmique "
     "jusqu'à 5 minutes, avec une réduction des dégâts 10/psionique"),
    (1591, "Floating", 0, 4000.0, [("Bonus Competence", "Natation", "Circonstances", "+4")],
     "l'armure flotte : elle n'impose aucun malus aux tests de Natation, où elle donne au contraire un bonus de "
     "circonstances de +4 en Natation"),
    (1592, "Gleaming", 3, 0.0, [],
     "des reflets brouillent la silhouette du porteur, qui bénéficie d'un camouflage (20 % de chances de rater)"),
    (1594, "Landing", 0, 4000.0, [],
     "le porteur ignore les dégâts des 18 premiers mètres d'une chute et se reçoit toujours sur ses pieds"),
    (1598, "Phasing", 0, 65520.0, [],
     "action simple : le porteur traverse bois, plâtre et pierre, sur 18 m par jour en tout (1,50 m pour un mur "
     "entre deux cases) ; s'il dépasse la limite au milieu d'un mur, il en est rejeté, à terre"),
    (1603, "Quickness", 1, 0.0, [], "la vitesse de déplacement du porteur augmente de 1,50 m"),
    (1604, "Radiant", 4, 0.0, [(propriete, None, None, "+10") for _, propriete, _ in ENERGIES],
     "résistance de 10 à l'acide, au froid, à l'électricité, au feu et au son ; les dégâts absorbés font briller "
     "l'armure sur 18 m de rayon, un round par point absorbé"),
    (1606, "Seeing", 0, 6000.0, [competence("Détection", 1)],
     "champ de vision élargi : qui prend le porteur en tenaille n'a qu'un bonus de 1 au lieu de 2 (l'attaque "
     "sournoise reste possible) ; bonus d'altération de +1 en Détection, mais malus de 2 aux jets de sauvegarde "
     "contre les attaques de regard"),
]
CAPACITES_ARMURES_BOUCLIERS = [
    (1588, "Aporter", 0, 40320.0, [],
     "deux fois par jour (action simple), transporte le porteur et son équipement en un point qu'il voit ou "
     "désigne à 240 m au plus, comme le pouvoir de porte dimensionnelle psionique"),
    (1595, "Linked", 0, 6000.0, [],
     "lien télépathique avec les autres porteurs d'armures ou de boucliers liés à 16 km, comme le pouvoir de "
     "lien mental"),
    (1597, "Mindarmor", 0, 24000.0, [],
     "bonus d'intuition de 3 aux jets de Volonté contre les pouvoirs mentaux et de coercition"),
] + [(ident, "Power Resistance (%d)" % rp, bonus, 0.0, [("Résistance à la magie", None, None, plus(rp))],
      "résistance aux pouvoirs %d, qui vaut aussi contre les sorts (magie et psionique se répondent)" % rp)
     for ident, rp, bonus in ((1599, 13, 2), (1600, 15, 3), (1601, 17, 4), (1602, 19, 5))] + [
    (1608, "Vanishing", 3, 0.0, [],
     "deux fois par jour, sur ordre, le porteur et son équipement échappent à l'esprit d'autrui, comme par le "
     "pouvoir de brouillage mental"),
]
CAPACITES_BOUCLIERS = [
    (1589, "Averter", 0, 12960.0, [],
     "trois fois par jour, sur ordre : la créature à qui l'on présente le bouclier doit réussir un jet de Volonté "
     "DD 14 ou n'ose plus l'approcher à moins de 9 m (coercition mentale)"),
    (1593, "Heartening", 0, 720.0, [],
     "une fois par jour, par une action immédiate, 5 points de vie temporaires pour 4 minutes"),
    (1596, "Manifester", 0, 10800.0, [],
     "fournit une fois par jour 3 points de pouvoir, à dépenser ensemble pour un pouvoir que le porteur connaît"),
    (1605, "Ranged", 1, 0.0, [],
     "se lance (facteur de portée 9 m) et revient avant le tour suivant de qui l'a lancé : 1d6 points de dégâts "
     "pour une rondache, 1d8 pour un écu, plus le modificateur de Force et l'altération"),
    (1607, "Time Buttress", 5, 0.0, [],
     "une fois par jour, le porteur se met hors du temps, comme par le pouvoir de corps intemporel"),
    (1609, "Wall", 0, 20160.0, [],
     "une fois par jour (action simple), posé au sol, fait naître un mur d'ectoplasme (douze carrés de 3 m, ou une "
     "sphère de 3,60 m de rayon) pour 7 minutes"),
]
ARMURES = ["Chemise de mailles", "Cuirasse", "Harnois"]
ARMURES_ET_BOUCLIERS = ["Chemise de mailles", "Harnois", "Écu en acier"]
BOUCLIERS = ["Rondache en acier", "Écu en acier"]

# Capacités psioniques d'arme : (id, nom anglais, bonus équivalent, prix fixe, bases, propriétés(cible), effet)
CORPS_A_CORPS = ["Épée longue", "Hache d'armes", "Masse d'armes lourde"]
TIR = ["Épée longue", "Hache d'armes", "Arc long"]
JET = ["Dague", "Hache de lancer", "Javeline"]
CAPACITES_ARMES = [
    (1610, "Bodyfeeder", 3, 0.0, CORPS_A_CORPS, [],
     "sur un coup critique, le porteur gagne autant de points de vie temporaires que de dégâts infligés, pour "
     "10 minutes (sans cumul : il garde le meilleur total)"),
    (1611, "Collision", 2, 0.0, TIR, [],
     "l'arme s'alourdit au bout de chaque coup : 5 points de dégâts en plus (donnés aux munitions pour un arc)"),
    (1612, "Coup De Grace", 5, 0.0, TIR, [],
     "sur un coup critique, la cible doit réussir un jet de Volonté DD 27 ou être paralysée 1 round (sans effet "
     "sur une créature dépourvue d'Intelligence)"),
    (1613, "Dislocator", 3, 0.0, TIR, [],
     "trois fois par jour, la créature touchée doit réussir un jet de Volonté DD 17 ou être téléportée au hasard "
     "à une distance de 1,6 à 160 km"),
    (1614, "Dissipater", 1, 0.0, CORPS_A_CORPS, [],
     "contre les créatures et les choses faites d'ectoplasme (constructions astrales, murs d'ectoplasme...), "
     "ignore réduction des dégâts et solidité, et chaque coup porté est un coup critique"),
    (1615, "Great Dislocator", 4, 0.0, TIR, [],
     "trois fois par jour, la créature touchée doit réussir un jet de Volonté DD 20 ou être projetée sur un autre "
     "plan, au hasard"),
    (1616, "Lucky", 1, 0.0, CORPS_A_CORPS, [],
     "une fois par jour, le porteur relance gratuitement un jet d'attaque raté"),
    (1617, "Manifester", 0, 16000.0, CORPS_A_CORPS, [],
     "fournit une fois par jour 5 points de pouvoir, à dépenser ensemble pour un pouvoir que le porteur connaît"),
    (1618, "Mindcrusher", 2, 0.0, CORPS_A_CORPS, [],
     "une créature psionique touchée perd autant de points de pouvoir que la moitié des dégâts de base de l'arme ; "
     "si elle n'en a plus, elle perd 1d2 points de Sagesse (Volonté DD 17 pour l'éviter)"),
    (1619, "Mindfeeder", 3, 0.0, CORPS_A_CORPS, [],
     "une fois par jour, sur un coup critique, le porteur gagne pour 10 minutes des points de pouvoir temporaires "
     "égaux aux dégâts létaux infligés, sans dépasser son maximum (sans effet contre créatures artificielles et "
     "morts-vivants)"),
    (1620, "Parrying", 0, 8000.0, CORPS_A_CORPS,
     [("Bonus Classe Armure", "Intuition", None, "+1")] + js("Intuition", 1),
     "l'arme devine les coups un instant à l'avance : bonus d'intuition de +1 à la CA et aux jets de sauvegarde "
     "tant qu'on la tient, même pris au dépourvu"),
    (1621, "Power Storing", 1, 0.0, CORPS_A_CORPS, [],
     "garde un pouvoir ciblé de 5 points de pouvoir au plus, que l'arme manifeste (action rapide) sur la créature "
     "qu'elle blesse ; elle souffle au porteur le nom du pouvoir qu'elle garde"),
    (1622, "Psibane", 2, 0.0, TIR, [],
     "contre les créatures psioniques, son altération compte 2 de plus et elle inflige 2d6 points de dégâts en "
     "plus ; une créature psionique qui la manie subit un niveau négatif"),
    (1624, "Psychokinetic", 1, 0.0, TIR, [],
     "sur ordre, l'arme luit d'énergie psionique : 1d4 points de dégâts ectoplasmiques en plus, que la réduction "
     "des dégâts n'arrête pas"),
    (1625, "Psychokinetic Burst", 2, 0.0, TIR, [],
     "comme l'arme psychokinétique (1d4 points de dégâts ectoplasmiques), et sur un coup critique 1d6 de plus "
     "(2d6 si le multiplicateur est x3, 3d6 s'il est x4)"),
    (1626, "Soulbreaker", 3, 0.0, CORPS_A_CORPS, [],
     "sur un coup critique, la cible subit un niveau négatif ; un jour plus tard, elle perd un niveau par niveau "
     "négatif resté, sauf jet de Vigueur DD 18 pour chacun"),
    (1627, "Sundering", 1, 0.0, CORPS_A_CORPS, [("Bonus Don", "Science de la destruction", None, None)],
     "le porteur attaque les armes adverses comme s'il avait le don Science de la destruction"),
    (1628, "Suppression", 2, 0.0, TIR, [],
     "la créature ou la chose touchée subit une dissipation psionique ciblée (1d20 + 5 + niveau de manifestation, "
     "15 de bonus au plus, contre DD 11 + niveau de manifestation de l'effet) ; trois fois par jour pour un arc"),
    (1629, "Teleporting", 1, 0.0, JET, [],
     "arme de jet qui revient par le plan Astral dans la main vide de qui l'a lancée, juste avant son tour suivant"),
]


def capacites_psioniques(c, bases, s):
    """Chaque capacité psionique d'arme, d'armure ou de bouclier sur quelques modèles +1."""
    for liste, noms_bases in ((CAPACITES_ARMURES, ARMURES), (CAPACITES_ARMURES_BOUCLIERS, ARMURES_ET_BOUCLIERS),
                              (CAPACITES_BOUCLIERS, BOUCLIERS)):
        for ident, anglais, equivalent, fixe, proprietes, effet in liste:
            for nom_base in noms_bases:
                base = bases[nom_base]
                genre = "Bouclier" if base["TypeCa"] == "Bouclier" else "Armure"
                ajoute_armure(c, "%s +1 (%s)" % (nom_base, anglais), base, 1,
                              base["CoutTotal"] + 150 + 1000.0 * (1 + equivalent) ** 2 + fixe,
                              "%s +1 à capacité psionique : %s. %s" % (genre, effet, s.aura(ident)), proprietes,
                              srd=ident, _revue=True)
    for ident, anglais, equivalent, fixe, noms_bases, proprietes, effet in CAPACITES_ARMES:
        for nom_base in noms_bases:
            base = bases[nom_base]
            ajoute_arme(c, "%s +1 (%s)" % (nom_base, anglais), base, 1,
                        base["CoutTotal"] + 300 + 2000.0 * (1 + equivalent) ** 2 + fixe,
                        "Arme +1 à capacité psionique : %s. %s" % (effet, s.aura(ident)), proprietes,
                        srd=ident, _revue=True)
    # Arme psychique : de maître entre des mains ordinaires, son altération suit la réserve du psionique.
    for nom_base in CORPS_A_CORPS:
        base = bases[nom_base]
        c.ajoute("%s de maître (Psychic)" % nom_base, base["GroupeObjet"], base["Type"],
                 base["CoutTotal"] + 300 + 35000.0,
                 "Arme de maître (+1 aux jets d'attaque) ; entre les mains d'un psionique, altération selon sa "
                 "réserve de points de pouvoir : 1 à 4 points, +1 ; 5 à 29, +2 ; 30 à 79, +3 ; 80 à 129, +4 ; 130 "
                 "ou plus, +5. %s" % s.aura(1623),
                 [("Bonus Attaque", type_degats(base), "Alteration", "+1")], poids=base["PoidsBase"], srd=1623,
                 _revue=True, **{k: base[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Portee",
                                                     "Solidite", "Resistance")})



# Couronnes psioniques : (id, nom anglais, points de pouvoir, matière, pouvoirs)
PSICOURONNES = [
    (1630, "Astral Legion", 900, "soie blanche tissée de fils de cristal", ["construction astrale"]),
    (1631, "Beast", 450, "griffes d'ours et crocs de serpent hérissés",
     ["griffe d'énergie", "griffe duodimensionnelle", "venin préparé", "charge du lion psionique",
      "venin véritable"]),
    (1632, "Cautious Warrior", 450, "alliage de fer brillant comme un bouclier de métal",
     ["adaptation corporelle", "ajustement corporel", "précognition défensive", "barrière inertielle"]),
    (1633, "Discerning Watcher", 450, "cristal pur et transparent",
     ["vision des auras", "main clairtangente", "sens clairvoyant", "vision dans le noir psionique",
      "vision à distance", "vision lucide psionique"]),
    (1634, "Dominator", 450, "fer gris en couronne finement cannelée",
     ["charme psionique", "domination psionique", "suggestion psionique"]),
    (1635, "Evader", 400, "soie teinte en vert émeraude, ornée d'un cristal émeraude",
     ["chute féline", "empressement", "vol psionique", "liberté de mouvement psionique", "marche sur les murs"]),
    (1636, "Fiery Ruin", 750, "fer rougeâtre en cercle tordu, clouté de cristaux rouges",
     ["boule d'énergie", "cône d'énergie", "projectile d'énergie", "étourdissement d'énergie",
      "désincarnation ardente"]),
    (1637, "Great Dominator", 750, "fer noir sans ornement",
     ["charme psionique", "suggestion psionique", "domination psionique"]),
    (1638, "Temporal Juggler", 850, "soie de plusieurs couleurs, ornée d'un cristal clair",
     ["accélération temporelle", "saut dans le temps", "corps intemporel"]),
    (1639, "Traveler", 750, "soie teinte en vert émeraude, ornée d'un cristal émeraude",
     ["voyageur astral", "porte dimensionnelle psionique", "téléportation suprême psionique",
      "téléportation psionique"]),
]


def psicouronnes(c, s):
    for ident, anglais, points, matiere, pouvoirs in PSICOURONNES:
        c.ajoute("Psicrown of the %s" % anglais, "Couronne", "Couronne", s.prix(ident),
                 "Couronne psionique de %s, chargée de %d points de pouvoir ; son porteur s'en sert pour "
                 "manifester %s, au niveau de manifestation de la couronne ou au sien s'il est plus haut. %s"
                 % (matiere, points, _liste(pouvoirs), s.aura(ident)), [], charge=points, srd=ident, _revue=True)


def _liste(elements):
    return elements[0] if len(elements) == 1 else ", ".join(elements[:-1]) + " et " + elements[-1]



# Objets universels : (id, nom anglais, groupe, type, prix ou None pour celui du SRD, poids en kg ou None pour celui
# du SRD, aura (texte anglais, niveau) ou None pour celle du SRD, charges, propriétés, texte)
ANCRES = [("Body", "psychometabolism"), ("Comprehension", "clairsentience"), ("Creation", "metacreativity"),
          ("Energy", "psychokinesis"), ("Ghost", "clairsentience"), ("Mind", "telepathy"),
          ("Travel", "psychoportation")]
PSIONATRIX = [("Clairsentience", "bleue", "clairsentience"), ("Metacreativity", "verte", "metacreativity"),
              ("Psychokinesis", "rouge", "psychokinesis"), ("Psychometabolism", "violette", "psychometabolism"),
              ("Psychoportation", "rouge orangé", "psychoportation"), ("Telepathy", "jaune vif", "telepathy")]


def objets_universels(c, s):
    u = [
        (1640, "Amulet of Catapsi", "Amulette", "Amulette", None, None, None, None, [],
         "Amulette de cuivre : une fois par jour, sur ordre mental, emplit de bruit télépathique une étendue de 9 m "
         "de rayon pendant 9 rounds, comme le pouvoir catapsi ; les autres psioniques qui y manifestent un pouvoir "
         "doivent réussir un jet de Volonté DD 17 ou le payer 4 points de plus."),
        (1641, "Boots of Landing", "Bottes", "Bottes", None, None, None, None, [],
         "Le porteur se reçoit toujours sur ses pieds et, une fois par jour, subit deux dés de moins de dégâts de "
         "chute."),
        (1642, "Boots of Skating", "Bottes", "Bottes", None, None, None, None, [],
         "Le porteur glisse à volonté sur le sol, comme par le pouvoir de patinage."),
        (1643, "Boots of Stomping", "Bottes", "Bottes", None, None, None, None, [],
         "Trois fois par jour, en frappant du pied, le porteur lance une onde de choc qui fait tomber ceux qu'elle "
         "touche, comme le pouvoir de piétinement (Réflexes DD 13)."),
        (1644, "Boots of Temporal Acceleration", "Bottes", "Bottes", None, None, None, None, [],
         "Une fois par jour, le porteur accélère son propre temps pendant 2 rounds, comme le pouvoir d'accélération "
         "temporelle."),
        (1645, "Crawling Tattoo of Concussion", "Divers", "Divers", 50.0, None, ("Faint psychokinesis", 1), 1, [],
         "Tatouage psionique qu'une tape (action simple) détache : il court vers la cible désignée et la frappe "
         "d'une attaque de contact, pour 1d6 points de dégâts. Créature artificielle minuscule : CA 18, 10 points "
         "de vie, solidité 5, vitesse 9 m."),
    ]
    for energie, anglais in (("froid", "Cold"), ("électricité", "Electricity"), ("feu", "Fire"), ("son", "Sonic")):
        u.append((1645, "Crawling Tattoo of Energy Bolt (%s)" % anglais, "Divers", "Divers", 750.0, None,
                  ("Faint psychokinesis", 5), 1, [],
                  "Tatouage psionique qu'une tape (action simple) détache : il court vers la cible désignée et la "
                  "frappe d'une attaque de contact qui libère un rayon d'énergie, 5d6 points de dégâts de %s. "
                  "Créature artificielle minuscule : CA 18, 10 points de vie, solidité 5, vitesse 9 m." % energie))
    for anglais, discipline in ANCRES:
        cible = ("la vision à distance" if anglais == "Ghost" else "un pouvoir de " + ECOLES_AURA[discipline])
        u.append((1646, "%s Crystal Anchor" % anglais, "Divers", "Divers", 24000.0, None,
                  ("Faint " + discipline, 5), None, [],
                  "Pieu de cristal de 1,20 à 1,50 m planté en terre : dans un rayon de 9 m, qui manifeste %s doit "
                  "réussir un jet de Volonté (DD 15 + niveau du pouvoir) ou rester paralysé mentalement, jusqu'à ce "
                  "que le maître de l'ancre le libère ; cinq tentatives par jour. CA 7, 15 points de vie, "
                  "solidité 8." % cible))
    masques = [
        ("Detection", 10000.0, ("Moderate clairsentience", 7), [competence("Fouille", 10)],
         "bonus d'aptitude de +10 en Fouille"),
        ("Discernment", 10000.0, ("Moderate clairsentience", 7), [competence("Psychologie", 10)],
         "bonus d'intuition de +10 en Psychologie"),
        ("Dread", 10000.0, ("Moderate clairsentience", 7), [competence("Intimidation", 10)],
         "bonus d'aptitude de +10 en Intimidation"),
        ("Insightful Detection", 20250.0, ("Moderate clairsentience", 7),
         [competence("Fouille", 9), competence("Détection", 9)],
         "bonus d'intuition de +9 en Fouille et de +9 en Détection"),
        ("Languages", 2500.0, ("Faint clairsentience", 3), [],
         "le porteur parle et écrit cinq langues choisies à la fabrication"),
        ("Mindarmor", 10667.0, ("Faint telepathy", 5), [("Bonus Jet Sauvegarde", "Volonté", "Intuition", "+4")],
         "bonus d'intuition de +4 aux jets de Volonté"),
        ("Psionic Craft", 10000.0, ("Moderate clairsentience", 7), [],
         "bonus d'aptitude de 10 aux tests de Psicraft"),
    ]
    for domaine in ("architecture", "explo souterre", "géographie", "histoire", "local", "mystères", "nature",
                    "noblesse", "plans", "religion"):
        masques.append(("Knowledge (%s)" % domaine, 2500.0, ("Faint clairsentience", 3),
                        [competence("Connaissances (%s)" % domaine, 5)],
                        "bonus d'aptitude de +5 en Connaissances (%s)" % domaine))
    for anglais, prix, aura_, proprietes, effet in masques:
        u.append((1647, "Crystal Mask of %s" % anglais, "Lunettes", "Lunettes", prix, 0.25, aura_, None, proprietes,
                  "Masque de cristal transparent sanglé sur le visage, qui se porte comme des lunettes : %s." % effet))
    u += [
        (1648, "Eyes of Expanded Vision", "Lunettes", "Lunettes", None, None, None, None,
         [competence("Détection", 1)],
         "Lentilles de cristal qui élargissent le champ de vision : qui prend le porteur en tenaille n'a qu'un bonus "
         "de 1 au lieu de 2 (l'attaque sournoise reste possible) ; bonus d'altération de +1 en Détection, mais "
         "malus de 2 aux jets de sauvegarde contre les attaques de regard."),
        (1649, "Eyes of Power Leech", "Lunettes", "Lunettes", None, None, None, None, [],
         "Lentilles de cristal : une fois par jour, le regard du porteur relie à lui une créature psionique à 12 m "
         "(Volonté DD 16, DD 14 avec une seule lentille) et lui prend 1d6 points de pouvoir par round de "
         "concentration, 7 rounds au plus ; le porteur en gagne 1 par round, sans dépasser son maximum."),
        (1650, "Eyes of Power Leech, Vampiric", "Lunettes", "Lunettes", None, None, None, None, [],
         "Comme les précédentes, mais le porteur garde les points pris même au-delà de son maximum (ils s'effacent "
         "après 8 heures) et la concentration peut durer 13 rounds."),
        (1651, "Gloves of Object Reading", "Gants", "Gants", None, None, None, None, [],
         "En maniant un objet inanimé, le porteur apprend qui l'a possédé avant lui, comme par le pouvoir de "
         "lecture d'objet."),
        (1652, "Gloves of Titan's Grip", "Gants", "Gants", None, None, None, None, [],
         "Quand le porteur engage une lutte, bonus d'altération de 8 aux tests de lutte pendant 7 rounds au plus, "
         "trois fois par jour."),
        (1653, "Mirror of Mind Switch", "Divers", "Divers", None, None, None, None, [],
         "Petit miroir à main : une fois par jour, la créature qui y croise son propre regard à 9 m doit réussir un "
         "jet de Volonté DD 19 ou échanger son esprit avec celui du porteur, comme le pouvoir d'échange d'esprit."),
        (1654, "Mirror of Suggestion", "Divers", "Divers", None, None, None, None, [],
         "Petit miroir à main : deux fois par jour, la créature qui y croise son propre regard à 9 m doit réussir un "
         "jet de Volonté DD 13 ou suivre la suggestion que lui impose le porteur."),
        (1655, "Mirror of Time Hop", "Divers", "Divers", None, None, None, None, [],
         "Petit miroir à main : deux fois par jour, la créature qui y croise son propre regard à 9 m doit réussir un "
         "jet de Volonté DD 14 ou être projetée 5 rounds dans le futur, comme par le pouvoir de saut dans le "
         "temps."),
        (1656, "Pearl, Brain Lock", "Divers", "Divers", None, None, None, 1, [],
         "Petite perle lancée sur une cible visible à 39 m : sauf jet de Volonté DD 13, elle pénètre sa chair et la "
         "paralyse mentalement 3 rounds ; la perle est détruite."),
        (1657, "Pearl, Breath Crisis", "Divers", "Divers", None, None, None, 1, [],
         "Petite perle lancée sur une cible visible à 45 m : sauf jet de Volonté DD 14, elle pénètre sa chair et lui "
         "coupe le souffle pendant 5 minutes ; la perle est détruite."),
        (1658, "Pearl, Mind Seed", "Divers", "Divers", None, None, None, 1, [],
         "Petite perle qui prend la couleur de la peau qui la tient, lancée sur une cible visible à 45 m : sauf jet "
         "de Volonté DD 22, elle pénètre sa chair et y sème l'esprit de son lanceur, comme le pouvoir de semence "
         "mentale ; la perle est détruite."),
        (1659, "Pearl, Personality Parasite", "Divers", "Divers", None, None, None, 1, [],
         "Petite perle lancée sur une cible visible à 39 m : sauf jet de Volonté DD 16, elle pénètre sa chair et y "
         "installe pour 5 rounds une personnalité parasite ; la perle est détruite."),
    ]
    for anglais, couleur, discipline in PSIONATRIX:
        u.append((1660, "Psionatrix of %s" % anglais, "Amulette", "Amulette", 8000.0, None,
                  ("Moderate " + discipline, 8), None, [],
                  "Cristal à facettes porté en amulette, où luit une lumière %s : le DD des jets de sauvegarde contre "
                  "les pouvoirs de %s du porteur augmente de 1." % (couleur, ECOLES_AURA[discipline])))
    for anglais, points, prix in (("Lesser", 5, 1000.0), ("Average", 3, 6000.0), ("Greater", 1, 12000.0),
                                  ("Damping", 0, 24000.0)):
        limite = ("interdit tout usage des psioniques" if points == 0 else
                  "limite à %d le nombre de points de pouvoir dépensés par round" % points)
        u.append((1661, "Psionic Restraints, %s" % anglais, "Bracelet", "Bracelet", prix, None, None, None, [],
                  "Menotte de fer qui se verrouille au poignet (Crochetage DD 27) : %s et empêche de manifester un "
                  "pouvoir sans en payer le coût." % limite))
    peaux = [
        ("Skin of the Chameleon", 18000.0, ("Faint psychometabolism", 3), [competence("Discrétion", 10)],
         "la peau prend les textures et couleurs du décor : bonus d'altération de +10 en Discrétion"),
        ("Skin of the Claw", 16000.0, ("Faint psychometabolism", 4), [],
         "pour un guerrier psychique seulement : il fait surgir ou rentrer à volonté les griffes de la bête, par une "
         "action libre"),
        ("Skin of the Defender", 32000.0, ("Faint psychometabolism", 5),
         [("Bonus Classe Armure", "Alteration Naturelle", None, "+4")],
         "bonus d'altération de +4 à l'armure naturelle"),
        ("Skin of Fiery Response", 60000.0, ("Faint psychokinesis", 5), [],
         "répond à la première attaque de chaque round par un jet d'ectoplasme enflammé contre l'attaquant (attaque "
         "de contact à distance, 2d6 points de dégâts de feu), sans gêner le porteur"),
        ("Skin of the Hero", 77500.0, ("Strong psychometabolism", 18),
         [("Bonus Classe Armure", "Parade", None, "+3")] + js("Résistance", 3),
         "bonus de parade de +3 à la CA, bonus de résistance de +3 aux jets de sauvegarde et bonus d'altération de "
         "3 aux jets d'attaque"),
        ("Skin of Iron", 129600.0, ("Strong metacreativity", 15), [],
         "trois fois par jour pour 15 minutes (action simple), le porteur devient de fer comme par le pouvoir de "
         "corps de fer psionique"),
        ("Skin of Nimbleness", 10000.0, ("Moderate psychometabolism", 8), [competence("Acrobaties", 10)],
         "bonus d'aptitude de +10 en Acrobaties"),
        ("Skin of Proteus", 84000.0, ("Moderate psychometabolism", 7), [],
         "le porteur change de forme à volonté, comme par le pouvoir de métamorphose ; sous une autre forme, la peau "
         "ne se voit plus"),
        ("Skin of the Psion", 151000.0, ("Strong clairsentience", 17), [("Résistance à la magie", None, None, "+21")],
         "7 points de pouvoir de plus par jour et résistance aux pouvoirs 21, qui vaut aussi contre les sorts"),
        ("Skin of the Spider", 79080.0, ("Faint psychometabolism", 3), [competence("Escalade", 20)],
         "bonus d'aptitude de +20 en Escalade, équilibre parfait sur toute surface, et trois fois par jour un jet "
         "d'ectoplasme qui englue une cible à 9 m"),
        ("Skin of the Troll", 61200.0, ("Strong psychometabolism", 17), [],
         "un porteur vivant récupère 5 points de vie par minute et se rétablit comme par un métabolisme parfait "
         "permanent"),
    ]
    for anglais, prix, aura_, proprietes, effet in peaux:
        u.append((1662, anglais, "Divers", "Divers", prix, 1.0, aura_, None, proprietes,
                  "Peau psychoactive : boule d'ectoplasme qui, sur une pensée (action simple), recouvre le porteur et "
                  "son équipement ; trois peaux au plus se superposent, seule celle du dessus agit. Effet : %s."
                  % effet))
    u.append((1662, "Ring of Self-Sufficiency", "Anneau", "Anneau", 10000.0, None, ("Moderate psychometabolism", 7),
              None, [], "Anneau de cristal : bonus d'aptitude de 10 aux tests d'autohypnose."))
    for ident, n in zip(range(1663, 1673), range(1, 11)):
        u.append((ident, "Shard +%d" % n, "Divers", "Divers", None, None, None, 1, [],
                  "Éclat de cristal empreint d'un peu de pouvoir : serré dans la main avec une pensée (action simple), "
                  "il donne un bonus d'aptitude de %d au prochain test d'une compétence choisie à sa fabrication, "
                  "dans les 10 rounds, puis tombe en poussière." % n))
    yeux = [
        ("Aware", 10000.0, ("Moderate clairsentience", 7), [competence("Détection", 10)],
         "bonus d'aptitude de +10 en Détection"),
        ("Conceal", 120000.0, ("Strong telepathy", 15), [],
         "protège de tout ce qui lit ou influence les pensées et les émotions, et de la clairsentience, comme le "
         "pouvoir d'esprit impénétrable psionique"),
        ("Concentrate", 10000.0, ("Moderate telepathy", 7), [competence("Concentration", 10)],
         "bonus d'aptitude de +10 en Concentration"),
        ("Dominate", 120000.0, ("Strong telepathy", 15), [],
         "une fois par jour, domination psionique d'une créature de tout type (DD 18)"),
        ("Expose", 112000.0, ("Strong telepathy", 15), [], "le porteur sait toujours quand on lui ment en face"),
        ("Gather", 10000.0, ("Moderate clairsentience", 7), [competence("Renseignements", 10)],
         "bonus d'aptitude de +10 en Renseignements"),
        ("Penetrate", 8000.0, ("Strong clairsentience", 15), [],
         "bonus de 2 aux tests de niveau de manifestation pour vaincre la résistance aux pouvoirs"),
        ("Powerthieve", 10080.0, ("Moderate telepathy", 7), [],
         "une fois par jour, emprunte pour 70 minutes un pouvoir d'une créature psionique à 12 m (Volonté DD 16)"),
        ("Repudiate", 43200.0, ("Strong psychokinesis", 20), [],
         "une fois par jour, dissipation psionique avec un bonus de 20 au test de dissipation"),
        ("Sense", 24000.0, ("Faint clairsentience", 3), [], "sens clairvoyant à volonté"),
        ("View", 10180.0, ("Moderate clairsentience", 7), [],
         "une fois par jour, vision à distance, même vers un autre plan"),
    ]
    for anglais, prix, aura_, proprietes, effet in yeux:
        u.append((1673, "Third Eye, %s" % anglais, "Lunettes", "Lunettes", prix, None, aura_, None, proprietes,
                  "Petit cristal qui se fixe au milieu du front sur une pensée ; un seul à la fois, porté comme des "
                  "lunettes. Effet : %s." % effet))
    u += [
        (1674, "Torc of Free Will", "Amulette", "Amulette", None, None, None, None, [],
         "Torque de métal précieux porté au cou ou au bras, comme une amulette : le porteur échappe à la paralysie "
         "mentale et aux objets qui la provoquent, telles les ancres de cristal."),
        (1675, "Torc of Leech Freedom", "Amulette", "Amulette", None, None, None, None, [],
         "Torque porté au cou ou au bras, comme une amulette : le porteur résiste d'office à deux vols de points "
         "de pouvoir par jour."),
        (1676, "Torc of Power Preservation", "Amulette", "Amulette", None, None, None, None, [],
         "Torque porté au cou ou au bras, comme une amulette : chaque pouvoir coûte au porteur un point de pouvoir "
         "de moins (1 au minimum)."),
        (1677, "Reverse Capacitor", "Divers", "Divers", None, None, None, None, [],
         "Objet maudit qui passe pour un cristal de stockage (une identification psionique s'y trompe une fois sur "
         "deux) : qui veut puiser dedans perd au contraire 1d6 points de pouvoir par round pendant 7 rounds, sauf à "
         "s'en éloigner de plus de 12 m."),
    ]
    for ident, nom, groupe, type_, prix, poids, aura_, charge, proprietes, texte in u:
        if prix is None:
            prix = s.prix(ident)
        if poids is None:
            poids = s.poids(ident)
        texte += " " + (phrase_aura(aura_[0], aura_[1], True) if aura_ else s.aura(ident))
        c.ajoute(nom, groupe, type_, prix, texte, proprietes, poids=poids, charge=charge, srd=ident, _revue=True)

    for n, ident, points, niveau in ((5, 74, 43, 23), (6, 75, 63, 26), (7, 76, 87, 29), (8, 77, 115, 32),
                                     (9, 78, 147, 35)):
        chiffre = ["V", "VI", "VII", "VIII", "IX"][n - 5]
        c.ajoute("Ring of Epic Psionics %s" % chiffre, "Anneau", "Anneau", s.prix(ident),
                 "Anneau de cristal pour les psioniques : tant qu'on le porte, la réserve quotidienne de points de "
                 "pouvoir augmente de %d, après une nuit de repos. Niveau de manifestation %d." % (points, niveau),
                 [], srd=ident, _revue=True)


def artefacts(c, bases, noms, s):
    """Artefacts majeurs et mineurs : sans prix, leur pouvoir dans le texte et ce que la fiche sait compter."""
    ajoute_arme(c, "Axe of the Dwarvish Lords", bases["Hache de guerre naine"], 6, None,
                "Artefact majeur : hache de guerre naine +6 acérée, de lancer, tueuse de gobelinoïdes. Un nain qui la "
                "tient voit dans le noir deux fois plus loin ; tout autre perd 2 points de Charisme tant qu'il la "
                "garde. Son possesseur gagne un bonus de 10 aux tests d'Artisanat des armuriers, forgerons, "
                "lapidaires, maçons et fabricants d'armes ; une fois par semaine, il appelle pour 20 rounds un "
                "élémentaire de la Terre vénérable, comme par Convocation de monstres IX.",
                [("Bonus dommage spécial", "Affutage", None, None)]
                + [sort(noms, "Summon Monster IX", "Par semaine", 1)], srd=157, _revue=True)
    majeurs = [
        (158, "Codex of the Infinite Planes", "Divers", "Divers", None,
         [sort(noms, a, "Illimité") for a in ("Astral Projection", "Banishment", "Elemental Swarm", "Gate",
                                              "Planar Ally, Greater", "Planar Binding, Greater", "Plane Shift",
                                              "Soul Bind")],
         "Artefact majeur : livre immense dont les pages ne finissent jamais. Qui l'ouvre la première fois est anéanti (Vigueur DD 30 "
         "pour ne subir que 10d6 points de dégâts) ; chaque jour d'étude permet un test d'Art de la magie DD 50 pour "
         "apprendre un de ses pouvoirs, au risque de la folie (Volonté DD 30 + 1 par jour). Pouvoirs à volonté, "
         "au niveau de lanceur 30 : projection astrale, bannissement, nuée d'élémentaires, portail, allié "
         "d'outreplan majeur, contrat majeur, changement de plan, capture d'âme ; chaque usage demande un test de "
         "Concentration et un d'Art de la magie (DD 40 + deux fois le niveau du sort), et un échec déchaîne une "
         "catastrophe (séisme et tempête, démons, emprisonnement de l'âme ou mort)."),
        (159, "Cup of the Demigod", "Divers", "Divers", None, [sort(noms, "Daylight", "Permanent")],
         "Artefact majeur : grand calice d'or serti de gemmes, qui répand une lumière du jour et dissipe les "
         "ténèbres magiques. Rempli d'eau bénite, il donne à boire une potion de soins intensifs ou de "
         "neutralisation du poison ; avec le talisman du demi-dieu dedans, une fois par mois, un élixir de "
         "résurrection. Une créature mauvaise ou chaotique qui le touche subit une parole sacrée ou une parole "
         "de la Loi."),
        (159, "Talisman of the Demigod", "Amulette", "Amulette",
         [("Bonus Caracteristique", "Charisme", "Alteration", "+6")],
         [sort(noms, a, "Illimité") for a in ("Remove Blindness/Deafness", "Remove Curse", "Remove Disease")],
         "Artefact majeur : étoile de platine à huit branches pendue à une chaîne d'or et de perles. Bonus "
         "d'altération de +6 en Charisme ; guérison de la cécité et de la surdité, délivrance des malédictions et "
         "guérison des maladies à volonté. Une créature mauvaise ou chaotique qui le touche subit une parole sacrée "
         "ou une parole de la Loi."),
        (160, "Eye of the Orc", "Divers", "Divers", [], [sort(noms, "True Seeing", "Par Jour", 1)],
         "Artefact majeur : bloc de roche serti d'un saphir noir, comme un grand œil. Un orque qui le possède gagne "
         "un bonus d'altération de 6 en Force et en Charisme et voit dans le noir deux fois plus loin ; tout autre "
         "gagne 2 en Force mais perd 2 en Intelligence et en Charisme. Toute arme de son possesseur devient tueuse "
         "d'elfes ; une fois par jour, tenu devant les yeux, il donne une vision lucide tant qu'on se concentre."),
        (163, "Iron Gauntlet of War", "Gants", "Gantelet", [("Bonus Caracteristique", "Force", "Alteration", "+8")],
         [sort(noms, "Implosion", "Par Jour", 1)],
         "Artefact majeur intelligent (Int 13, Sag 18, Cha 24, ego 26), loyal mauvais : bonus d'altération de +8 en "
         "Force ; les dégâts des châtiments sont doublés ; le score de commandement augmente de 4, mais aucun "
         "compagnon bon ou chaotique ne reste ; implosion une fois par jour (NLS 20, DD 23). Il pousse son porteur "
         "à des actes loyaux mauvais, ou à le céder."),
        (164, "Ring of Nine Facets", "Anneau", "Anneau", [], [],
         "Artefact majeur : chaque matin, la gemme à neuf facettes montre une face au hasard (1d10) qui donne le "
         "pouvoir du jour : immunité aux maladies, plus besoin de respirer, armure naturelle améliorée de 5, vision "
         "nocturne, guérison accélérée 1, vol à volonté, résistance au froid 30, liberté de mouvement, bonus de "
         "résistance de 5 aux jets de sauvegarde, ou face au choix. Changer de face demande un test de "
         "Concentration DD 50 et coûte 2d6 points de dégâts non létaux ; ôté, l'anneau en inflige 2d6 par minute."),
        (1584, "The Moaning Diamond", "Divers", "Divers", [], [sort(noms, "Stone Shape", "Par Jour", 3)],
         "Artefact majeur : diamant brut gros comme un poing, qui gémit sans cesse sans être mauvais. Trois fois par "
         "jour, façonnage de la pierre sur 140 m³ ; il appelle un élémentaire de la Terre vénérable aux points de "
         "vie maximaux, qui sert jusqu'à sa mort (un seul à la fois, un autre 24 heures plus tard)."),
        (1679, "Annulus", "Divers", "Divers", [], [],
         "Artefact majeur psionique : anneau argenté de 30 cm hérissé d'antennes, qu'on serre à la main. Catapsi "
         "permanent à 30 m autour du porteur, bonus d'altération de 4 pour résister aux affaiblissements de "
         "caractéristique, ultradéflagration une fois par jour, ancre dimensionnelle psionique de zone trois fois "
         "par jour ; une fois par an, après 10 rounds de concentration, il réduit en poussière toute cible "
         "psionique désignée à 30 m. Niveau de manifestation 20."),
        (1680, "Psicrown of the Crystal Mind", "Couronne", "Couronne", [], [],
         "Artefact majeur : couronne de cristal de 1 000 points de pouvoir, qui en regagne un par jour ; elle "
         "manifeste au niveau 20 (ou à celui du porteur s'il est plus haut) pointe de vitesse, chute féline, "
         "amorphe dissimulateur suprême, décharge de choc, hébétement psionique, détection du psionisme, domination "
         "psionique, main lointaine, flottement, lien mental, barrière inertielle, force, manœuvre et poussée "
         "télékinétiques, téléportation psionique, peau épaissie et métabolisme parfait. Résistance aux pouvoirs "
         "de 10 + niveau de manifestation du porteur ; une fois, elle peut libérer toute sa charge en une "
         "explosion de 6 m (moitié des points restants en dégâts, Réflexes DD 18 pour moitié)."),
    ]
    for ident, nom, groupe, type_, bonus, pouvoirs, texte in majeurs:
        charge = 1000 if ident == 1680 else None
        c.ajoute(nom, groupe, type_, None, texte, (bonus or []) + pouvoirs, charge=charge, srd=ident, _revue=True)
    for couleur, anglais, pouvoir in (("noir", "Black", "Fly"), ("bleu", "Blue", "Haste"),
                                      ("d'airain", "Brass", "Teleport"), ("de bronze", "Bronze", "Scrying"),
                                      ("de cuivre", "Copper", "Suggestion"), ("d'or", "Gold", None),
                                      ("vert", "Green", "Spectral Hand"), ("rouge", "Red", "Wall of Fire"),
                                      ("d'argent", "Silver", "Cure Critical Wounds"),
                                      ("blanc", "White", "Protection from Energy")):
        propre = ("%s, une fois par round au niveau de lanceur 10" % noms[pouvoir].lower() if pouvoir else
                  "une fois par jour, celui de n'importe quel autre orbe, et domination des possesseurs des autres "
                  "orbes à 1,5 km (Volonté DD 23)")
        c.ajoute("Orb of Dragonkind, %s" % anglais, "Divers", "Divers", None,
                 "Artefact majeur où vit l'âme d'un dragon vénérable %s : domination des dragons de cette sorte à "
                 "150 m (Volonté DD 25), CA et jets de sauvegarde du dragon à la place des siens, immunité à son "
                 "souffle et usage de ce souffle trois fois par jour ; il sent les dragons à 16 km. Tous les dragons "
                 "vouent à son porteur une haine éternelle. Pouvoir propre : %s." % (couleur, propre),
                 [sort(noms, pouvoir, "Illimité")] if pouvoir else [], srd=1585, _revue=True)
    masse = bases["Masse d'armes lourde"]
    ajoute_arme(c, "The Saint's Mace", masse, 5, None,
                "Artefact majeur : simple gourdin usé qui est une masse d'armes lourde +5 sainte, axiomatique et "
                "perturbatrice ; son porteur en projette à volonté une lumière brûlante, au niveau de lanceur 20.",
                [("Bonus Dommage", "Sainte", "Alteration", "+2d6"), ("Bonus Dommage", "Axiomatique", "Alteration",
                                                                        "+2d6")]
                + [sort(noms, "Searing Light", "Illimité")], srd=1586, _revue=True)
    baton = bases["Bâton"]
    c.ajoute("The Shadowstaff", baton["GroupeObjet"], baton["Type"], None,
             "Artefact majeur : bâton noir et tordu tissé d'ombre. Son porteur, un peu intangible, gagne un bonus de "
             "+4 à la CA et aux jets de Réflexes, qui se cumule avec tout autre ; en pleine lumière ou dans le noir "
             "absolu, il subit un malus de 2 aux jets d'attaque, de sauvegarde et aux tests. Trois fois par jour : "
             "appel de 2d4 ombres (Convocation de monstres V), forme d'ombre (forme gazeuse), trait d'ombre (rayon "
             "de 30 m, 10d6 points de dégâts de froid) ; une fois par mois, appel d'une ombre des nuits "
             "(Convocation de monstres IX), au niveau de lanceur 20.",
             [("Bonus Classe Armure", "CA Divers", None, "+4"), ("Bonus Jet Sauvegarde", "Réflexe", "Aptitude", "+4")]
             + [sort(noms, "Summon Monster V", "Par Jour", 3), sort(noms, "Gaseous Form", "Par Jour", 3)]
             + [sort(noms, "Summon Monster IX", "Par mois", 1)], poids=baton["PoidsBase"], srd=1587, _revue=True,
             **{k: baton[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Solidite", "Resistance")})
    ajoute_armure(c, "Shield of the Sun", bases["Écu en acier"], 5, None,
                  "Artefact majeur : écu +5 frappé du soleil. Son porteur lance des sorts comme un paladin de niveau "
                  "20 de Sagesse 20, en plus des siens ; résistance à la magie 15 ; il absorbe les 10 premiers points "
                  "de chaque attaque d'énergie. Une fois par an, une quête imposée par un dieu loyal bon ; un porteur "
                  "mauvais ou chaotique subit quatre niveaux négatifs tant qu'il le tient.",
                  [("Résistance à la magie", None, None, "+15")]
                  + [(propriete, None, None, "+10") for _, propriete, _ in ENERGIES], srd=1587, _revue=True)
    ajoute_armure(c, "Golem Armor", bases["Harnois"], 10, None,
                  "Artefact majeur : énorme harnois +10 de fer noir. Le porteur grandit d'une catégorie de taille, "
                  "gagne un bonus d'altération de +10 en Force, une réduction des dégâts 15/adamantium et l'immunité "
                  "aux effets mentaux, au poison, aux maladies, aux coups critiques, aux dégâts non létaux, aux "
                  "affaiblissements de caractéristique et à l'absorption d'énergie ; mais rien ne lui rend de points "
                  "de vie tant qu'il la porte. Une heure pour l'enfiler ou l'ôter.",
                  [("Bonus Caracteristique", "Force", "Alteration", "+10")], srd=161, _revue=True)
    ajoute_armure(c, "Invulnerable Coat", bases["Chemise de mailles"], 5, None,
                  "Artefact majeur : chemise de mailles +5 de défense lourde. Réduction des dégâts 10/épique, "
                  "résistance de 20 à l'acide, au froid, à l'électricité, au feu et au son ; un porteur qui renvoie "
                  "les morts-vivants compte quatre niveaux de plus pour lancer ses sorts, renvoyer, châtier le mal "
                  "et imposer les mains.",
                  [(propriete, None, None, "+20") for _, propriete, _ in ENERGIES], srd=162, _revue=True)

    mineurs = [
        (1574, "Book of Infinite Spells", "Divers", "Divers", [],
         "Artefact mineur de 1d8+22 pages, chacune portant un sort profane ou divin : une fois par jour (quatre si le "
         "sort est de sa liste), son propriétaire lance le sort de la page ouverte, même sans l'avoir sur lui. Chaque "
         "usage risque de tourner la page (10 à 30 %), sans retour ; la dernière tournée, le livre disparaît. Qui ne "
         "lance pas de sorts subit un niveau négatif tant qu'il le garde."),
        (1575, "Deck of Many Things", "Divers", "Divers", [],
         "Artefact mineur : jeu de 22 cartes d'ivoire ou de vélin. On annonce combien on en tire, puis chaque carte "
         "agit aussitôt, pour le meilleur ou le pire : souhaits, niveau gagné, joyaux, arme magique, bonus inhérent "
         "de 2 à une caractéristique, château... ou alignement renversé, emprisonnement, perte de tous ses biens, "
         "objets magiques évanouis, âme prisonnière, combat à mort contre une âme-en-peine redoutable."),
        (1580, "Talisman of Pure Good", "Divers", "Divers", [],
         "Artefact mineur de 6 charges : un lanceur de sorts divins bon ouvre sous les pieds d'un lanceur de sorts "
         "divins mauvais, à 30 m, une faille ardente qui l'engloutit à jamais (Réflexes DD 19 si le porteur n'est "
         "pas d'une pureté exemplaire). Touché par un lanceur divin neutre, il inflige 6d6 points de dégâts, 8d6 à "
         "un mauvais."),
        (1581, "Talisman of the Sphere", "Divers", "Divers", [],
         "Artefact mineur : anneau d'adamantium à poignée. Tenu par un lanceur de sorts profanes, il double son "
         "modificateur aux tests de contrôle d'une sphère d'annihilation, qu'il ne doit plus vérifier qu'un round "
         "sur deux ; tout autre subit 5d6 points de dégâts en le prenant."),
        (1582, "Talisman of Reluctant Wishes", "Divers", "Divers", [],
         "Artefact mineur semblable à une pierre de contrôle des élémentaires de la Terre. Qui le touche fait un "
         "test de Charisme DD 15 : raté, il agit comme une pierre de lest ; réussi, il reste 5d6 heures ou jusqu'à "
         "un souhait ; sur un 20 naturel, il accorde un souhait par tranche de 6 points de Charisme et avertit des "
         "pièges à 6 m. Il disparaît ensuite en laissant un diamant de 10 000 po."),
        (1583, "Talisman of Ultimate Evil", "Divers", "Divers", [],
         "Artefact mineur de 6 charges : un lanceur de sorts divins mauvais ouvre sous les pieds d'un lanceur de "
         "sorts divins bon, à 30 m, une faille ardente qui l'engloutit à jamais (Réflexes DD 19 si le porteur n'est "
         "pas d'une noirceur exemplaire). Touché par un lanceur divin neutre, il inflige 6d6 points de dégâts, 8d6 "
         "à un bon."),
        (1678, "Sutra of Tranquil Thought", "Divers", "Divers", [],
         "Artefact mineur psionique : traité monastique qu'un psionique non mauvais médite une semaine pour gagner "
         "17 points de pouvoir de plus et de quoi monter d'un demi-niveau ; un lecteur mauvais perd 5d6 x 1 000 PX "
         "et sombre dans la folie (Volonté DD 15). Les autres n'y voient que des dessins ; lu, il retourne au plan "
         "Astral."),
    ]
    for ident, nom, groupe, type_, proprietes, texte in mineurs:
        charge = 6 if ident in (1580, 1583) else None
        c.ajoute(nom, groupe, type_, None, texte + " " + s.aura(ident), proprietes, poids=s.poids(ident),
                 charge=charge, srd=ident, _revue=True)
    c.ajoute("Pierre philosophale", "Divers", "Divers", None,
             "Artefact mineur : pierre noire et terne. Brisée (DD 20), elle livre un vif-argent qui permet à un "
             "lanceur de sorts profanes de changer en 24 heures jusqu'à 2 500 kg de fer en argent ou 500 kg de plomb "
             "en or ; mêlé à une potion de soins, il donne une huile de vie qui ressuscite comme une résurrection "
             "suprême. " + s.aura(1577), [], poids=s.poids(1577), srd=1577)
    marteau = bases["Marteau de guerre"]
    ajoute_arme(c, "Hammer of Thunderbolts", marteau, 3, None,
                "Artefact mineur : marteau de guerre +3 de taille G, qui revient quand on le lance (facteur de portée "
                "9 m) et inflige 4d6 points de dégâts. Avec un ceinturon de force de géant et des gantelets de "
                "puissance d'ogre, son porteur qui le connaît en fait un marteau +5 : les bonus des deux objets se "
                "cumulent, tout géant touché meurt (Vigueur DD 20) et, lancé, il étourdit 1 round les créatures à "
                "27 m (Vigueur DD 15). " + s.aura(1576), poids=s.poids(1576), srd=1576, _revue=True)
    # Arme de taille G aux dés propres à l'artefact.
    c.objets[-1].update(DegatDes="4d6", Taille="Grande", Portee=9.0)


def objets_maudits(c, bases, noms, s):
    """Objets maudits du Guide du maître qui manquaient ; ceux qui passent pour un objet utile en ont l'effet
    apparent sur la fiche tant que la malédiction dort."""
    def arme(ident, nom, nom_base, bonus, texte, proprietes=()):
        ajoute_arme(c, nom, bases[nom_base], bonus, s.prix(ident), "Objet maudit : " + texte + " " + s.aura(ident),
                    proprietes, srd=ident, _revue=True)

    def armure(ident, nom, nom_base, bonus, texte):
        ajoute_armure(c, nom, bases[nom_base], bonus, s.prix(ident), "Objet maudit : " + texte + " " + s.aura(ident),
                      srd=ident, _revue=True)

    armure(1547, "Armor of Arrow Attraction", "Harnois", 3,
           "harnois +3 qui, contre les armes à distance, attire les coups : malus de 15 à la CA contre elles ; on "
           "ne le découvre qu'une fois pris pour cible pour de bon.")
    armure(1548, "Armor of Rage", "Harnois", 1,
           "harnois +1 qui ressemble à une cuirasse de commandement ; son porteur perd 4 points de Charisme et les "
           "ennemis à 90 m gagnent un bonus de moral de 1 aux jets d'attaque contre lui, sans que personne en "
           "devine la cause.")
    arme(1560, "Mace of Blood", "Masse d'armes lourde", 3,
         "masse d'armes lourde +3 qui perd son altération si on ne la baigne pas de sang chaque jour ; son "
         "possesseur doit réussir chaque jour un jet de Volonté DD 13 ou devenir chaotique mauvais.")
    arme(1563, "Net of Snaring", "Filet", 3,
         "filet +3 aux jets d'attaque qui ne sert que sous l'eau : sur ordre, il jaillit jusqu'à 9 m pour prendre "
         "une créature.")
    arme(1570, "Spear, Cursed Backbiter", "Épieu", 2,
         "épieu +2 qui, sur un 1 naturel au jet d'attaque, se recourbe et frappe son porteur dans le dos ; lancé, "
         "il lui inflige alors le double des dégâts.")
    arme(1572, "Sword, Berserking", "Épée à deux mains", 2,
         "épée à deux mains +2 qui plonge son porteur dans une rage de barbare dès qu'il s'en sert au combat : il "
         "attaque la créature la plus proche jusqu'à tomber ou ne plus voir âme qui vive à 9 m.")
    epee = bases["Épée longue"]
    c.ajoute("Sword, Cursed -2", epee["GroupeObjet"], epee["Type"], s.prix(1571),
             "Objet maudit : épée longue qui fait merveille à l'entraînement mais, au combat, impose un malus de 2 "
             "aux jets d'attaque et aux dégâts (1 point de dégâts au moins) ; après une semaine, son possesseur ne se "
             "bat plus qu'avec elle. Seuls souhait limité, souhait ou miracle en délivrent. " + s.aura(1571),
             [],
             poids=epee["PoidsBase"], srd=1571, _revue=True,
             **{k: epee[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Solidite", "Resistance")})
    autres = [
        (1546, "Amulet of Inescapable Location", "Amulette", "Amulette", None, [],
         "semble protéger de la détection et de la localisation, mais impose à son porteur un malus de 10 aux jets "
         "de sauvegarde contre la divination."),
        (1551, "Bracers of Defenselessness", "Bracelet", "Bracelet", 0.5,
         [("Bonus Classe Armure", "Armure", None, "+5"), ("Bonus Classe Armure", "Force Armure", None, "+5")],
         "bracelets d'armure +5 (bonus d'armure de +5) jusqu'à ce qu'un ennemi d'un facteur de puissance au moins "
         "égal au niveau du porteur l'attaque : ils imposent dès lors un malus de 5 à la CA, et seule une "
         "délivrance des malédictions les ôte."),
        (1552, "Broom of Animated Attack", "Divers", "Divers", 1.5, [],
         "passe pour un balai volant ; au mot de commande, il fait un looping, jette son cavalier à terre et le "
         "frappe quatre fois par round (+5 à l'attaque, la paille aveugle 1 round, le manche inflige 1d6) ; CA 13, "
         "18 points de vie, solidité 4."),
        (1553, "Cloak of Poisonousness", "Cape", "Cape", 0.5, [],
         "cape imprégnée de poison : qui l'enfile meurt sur-le-champ, sauf jet de Vigueur DD 28 ; seule une "
         "délivrance des malédictions l'ôte, puis une neutralisation du poison permet de rappeler la victime."),
        (1554, "Crystal Hypnosis Ball", "Divers", "Divers", 3.5, [],
         "passe pour une boule de cristal ; qui s'en sert est fasciné 1d6 minutes et reçoit une suggestion "
         "télépathique (Volonté DD 19) d'un puissant maître caché, dont il devient peu à peu l'instrument sans le "
         "savoir."),
        (1556, "Flask of Curses", "Divers", "Divers", 0.5, [],
         "flacon d'apparence ordinaire : à l'ouverture, chacun à 9 m doit réussir un jet de Volonté DD 17 ou subir "
         "un malus de 2 aux jets d'attaque, de sauvegarde et aux tests de compétence, jusqu'à une délivrance des "
         "malédictions."),
        (1559, "Incense of Obsession", "Divers", "Divers", 0.5, [],
         "passe pour de l'encens de méditation ; qui prie près de lui se croit d'une puissance magique sans égale "
         "et lance ses sorts à tout propos, jusqu'au dernier ou pendant 24 heures."),
        (1561, "Medallion of Thought Projection", "Médaillon", "Médaillon", None, [],
         "passe pour un médaillon des pensées, mais n'entend que des pensées inventées (Volonté DD 15 pour les "
         "démêler) et diffuse au contraire celles de son porteur aux créatures visées."),
        (1564, "Periapt of Foul Rotting", "Amulette", "Amulette", None, [],
         "gemme gravée sans valeur apparente : qui la garde plus de 24 heures pourrit et perd chaque semaine 1 point "
         "de Dextérité, de Constitution et de Charisme ; il faut délivrance des malédictions, guérison des maladies "
         "puis guérison suprême, ou la poudre d'un périapte de santé."),
        (1565, "Potion of Poison", "Potion", "Potion", None, [],
         "potion qui a tourné en poison : qui la boit perd 1d10 points de Constitution, puis 1d10 une minute plus "
         "tard (Vigueur DD 16 chaque fois)."),
        (1567, "Robe of Vermin", "Robe", "Robe", 0.5, [],
         "semble une robe de protection ; au premier combat, la vermine qui l'infeste assaille le porteur : malus "
         "de 5 à l'initiative et de 2 aux jets d'attaque, de sauvegarde et aux tests de compétence, et test de "
         "Concentration (DD 20 + niveau du sort) pour lancer un sort."),
        (1568, "Ring of Clumsiness", "Anneau", "Anneau", None, [sort(noms, "Feather Fall", "Permanent")],
         "anneau de feuille morte qui rend aussi maladroit : malus de 4 en Dextérité et 20 % de chances d'échec des "
         "sorts profanes à composante gestuelle, qui s'ajoutent aux autres."),
        (1573, "Vacuous Grimoire", "Divers", "Divers", 1.5, [],
         "livre d'apparence banale : qui en lit un mot perd 1 point d'Intelligence (Volonté DD 15) et 2 points de "
         "Sagesse (second jet de Volonté DD 15), pour toujours ; on ne le détruit qu'en le brûlant sous une "
         "délivrance des malédictions."),
    ]
    for ident, nom, groupe, type_, poids, proprietes, texte in autres:
        c.ajoute(nom, groupe, type_, s.prix(ident), "Objet maudit : " + texte + " " + s.aura(ident), proprietes,
                 poids=poids, charge=1 if groupe == "Potion" else None, srd=ident, _revue=True)
    c.ajoute("Stone of Weight (Loadstone)", "Divers", "Divers", 1000.0,
             "Objet maudit : pierre sombre et polie qui réduit de moitié la vitesse au sol de son possesseur ; jetée "
             "ou brisée, elle revient sur lui, jusqu'à une délivrance des malédictions. "
             + phrase_aura("Faint transmutation", 5), [], srd=1571, _revue=True)


def objets_psioniques_artefacts(c, bases, noms):
    s = table_srd()
    for anglais, nom in EXISTANTS.items():
        c.srd.setdefault(anglais, []).append(nom)
    # Le bâton du mage, écrit avec les objets merveilleux, a ses 50 charges et frappe comme les autres bâtons.
    next(o for o in c.objets if o["NomObjet"] == "Bâton du mage").update(
        CHARGE=50, Taille="Grande", DegatDes="1d6", ZoneCritique=20, MultCrit=2, Solidite=5, Resistance=10)
    baguettes_augmentees(c, noms, s)
    capacites_psioniques(c, bases, s)
    psicouronnes(c, s)
    objets_universels(c, s)
    artefacts(c, bases, noms, s)
    objets_maudits(c, bases, noms, s)
