"""Anneaux, sceptres et bâtons du SRD qui manquaient au catalogue, et le lien vers le SRD de ceux que des familles
partagées écrivent (anneaux de compétence, anneaux qui reproduisent un sort, anneaux épiques sans bonus), avec
l'aura des anneaux de compétence.

Noms anglais gardés quand le nom français officiel n'est pas sûr (liste des noms à revoir).
"""
import objets_magiques as om

# Nos objets écrits par des familles partagées -> clé SRD (nom, "nom|catégorie" quand le nom revient ailleurs).
LIENS = {
    "Anneau d'escalade": "Climbing", "Anneau d'escalade supérieure": "Climbing, Improved",
    "Anneau de saut": "Jumping", "Anneau de saut supérieur": "Jumping, Improved",
    "Anneau de nage": "Swimming", "Anneau de nage supérieure": "Swimming, Improved",
    "Anneau de caméléon": "Chameleon Power",
    "Anneau de feuille morte": "Feather Falling", "Anneau de liberté de mouvement": "Freedom of Movement|Ring",
    "Anneau d'invisibilité": "Invisibility|Ring", "Anneau de régénération": "Regeneration",
    "Anneau de marche sur l'onde": "Water Walking", "Anneau de télékinésie": "Telekinesis|Ring",
    "Anneau de clignotement": "Blinking", "Anneau de bouclier mental": "Mind Shielding",
    "Ring of Energy Immunity": "Energy Immunity", "Ring of Universal Energy Immunity": "Universal Energy Immunity",
    "Ring of Ironskin": "Ironskin", "Ring of Weaponbreaking": "Weaponbreaking",
    "Ring of Rapid Healing": "Rapid Healing", "Ring of Sequestering": "Sequestering",
    "Ring of Adamant Law": "Adamant Law", "Ring of Chaotic Fury": "Chaotic Fury",
    "Ring of Ineffable Evil": "Ineffable Evil", "Ring of Virtuous Good": "Virtuous Good",
}

# Anneaux de compétence écrits avec les autres objets de compétence : leur aura, et ce qu'ils font de plus.
COMPLEMENTS = {
    "Anneau d'escalade": ("Aura faible de transmutation ; NLS 5.", []),
    "Anneau d'escalade supérieure": ("Aura faible de transmutation ; NLS 5.", []),
    "Anneau de saut": ("Aura faible de transmutation ; NLS 2.", []),
    "Anneau de saut supérieur": ("Aura modérée de transmutation ; NLS 7.", []),
    "Anneau de nage": ("Aura faible de transmutation ; NLS 2.", []),
    "Anneau de nage supérieure": ("Aura modérée de transmutation ; NLS 7.", []),
    "Anneau de caméléon": ("Déguisement à volonté (action simple). Aura faible d'illusion ; NLS 3.",
                           [("Lancer un sort", "Disguise Self", "Illimité", None)]),
}

# Anneaux de maîtrise élémentaire : pouvoirs propres à chaque élément, une fois l'anneau éveillé
# (sort anglais, mode, nombre).
ELEMENTS = [
    ("Air", "de l'air", "un anneau de feuille morte",
     [("Feather Fall", "Illimité", None), ("Resist Energy", "Illimité", None), ("Gust of Wind", "Par Jour", 2),
      ("Wind Wall", "Illimité", None), ("Air Walk", "Par Jour", 1), ("Chain Lightning", "Par semaine", 1)],
     "les effets de terre", []),
    ("Earth", "de la terre", "un anneau de fusion dans la pierre",
     [("Meld into Stone", "Illimité", None), ("Soften Earth and Stone", "Illimité", None),
      ("Stone Shape", "Par Jour", 2), ("Stoneskin", "Par semaine", 1), ("Passwall", "Par semaine", 2),
      ("Wall of Stone", "Par Jour", 1)],
     "les effets d'air et d'électricité", []),
    ("Fire", "du feu", "un anneau de résistance aux énergies destructives majeure (feu)",
     [("Burning Hands", "Illimité", None), ("Flaming Sphere", "Par Jour", 2), ("Pyrotechnics", "Par Jour", 2),
      ("Wall of Fire", "Par Jour", 1), ("Flame Strike", "Par semaine", 2)],
     "les effets d'eau et de froid", [("Résistance au feu", None, None, "+20")]),
    ("Water", "de l'eau", "un anneau de marche sur l'onde",
     [("Water Walk", "Illimité", None), ("Create Water", "Illimité", None), ("Water Breathing", "Illimité", None),
      ("Wall of Ice", "Par Jour", 1), ("Ice Storm", "Par semaine", 2), ("Control Water", "Par semaine", 2)],
     "les effets de feu", []),
]
FOIS = {1: "une fois", 2: "deux fois", 3: "trois fois"}


def frequence(mode, nombre):
    return "à volonté" if mode == "Illimité" else "%s par %s" % (FOIS[nombre], {"Par Jour": "jour",
                                                                                "Par semaine": "semaine"}[mode])


def anneaux(c, noms):
    for anglais, element, semblant, pouvoirs, faiblesse, autres in ELEMENTS:
        liste = []
        for sort, mode, nombre in pouvoirs:
            precision = " contre l'électricité" if sort == "Resist Energy" else ""
            liste.append("%s%s (%s)" % (noms[sort], precision, frequence(mode, nombre)))
        if anglais == "Fire":
            liste.insert(0, "résistance au feu 20")
        c.ajoute("Ring of Elemental Command (%s)" % anglais, "Anneau", "Anneau", 200000.0,
                 "Passe pour %s tant qu'une condition (vaincre seul un élémentaire, toucher une matière sacrée de "
                 "l'élément...) ne l'a pas éveillé ; il faut l'éveiller à chaque nouveau porteur. Les élémentaires "
                 "%s ne peuvent ni attaquer le porteur ni l'approcher à moins de 1,50 m, sauf s'il tente de les "
                 "charmer (Volonté DD 17) ; contre les créatures de ce plan, le porteur gagne un bonus de moral de 4 "
                 "à l'attaque, passe leur réduction des dégâts, parle leur langue et résiste mieux à leurs attaques "
                 "(bonus de résistance de 2 aux sauvegardes), mais subit un malus de 2 aux sauvegardes contre %s. "
                 "Pouvoirs : %s. Aura puissante d'invocation ; NLS 15." % (semblant, element, faiblesse,
                                                                           ", ".join(liste)),
                 autres + [om.sort(noms, *p) for p in pouvoirs],
                 srd="Ring of Elemental Command (Water)", _revue=True)
    c.ajoute("Ring of Djinni Calling", "Anneau", "Anneau", 125000.0,
             "Frotté (action simple), l'anneau ouvre un portail vers le plan élémentaire de l'Air et appelle un "
             "djinn attitré, qui arrive au round suivant et sert fidèlement le porteur une heure par jour au plus ; "
             "si le djinn meurt, l'anneau perd sa magie. Aura puissante d'invocation ; NLS 17.", [],
             srd="Djinni Calling", _revue=True)
    c.ajoute("Ring of Friend Shield", "Anneau", "Anneau", 50000.0,
             "Se vend par paire (prix de la paire) : chacun des deux porteurs peut, à tout moment et sans limite de "
             "distance, lancer Protection d'autrui au profit de l'autre ; seul, l'anneau est inutile. Aura modérée "
             "d'abjuration ; NLS 10.", [("Lancer un sort", noms["Shield Other"], "Illimité", None)],
             srd="Friend Shield", _revue=True)
    c.ajoute("Ring of Three Wishes", "Anneau", "Anneau", 97950.0,
             "Serti de trois rubis qui gardent chacun un Souhait ; le rubis disparaît quand on use du sien, et "
             "l'anneau perd sa magie avec le dernier (trouvé au hasard, il lui en reste 1d3). Aura puissante "
             "d'évocation ; NLS 20.", [("Lancer un sort", noms["Wish"], "Charges", "+1")], charge=3,
             srd="Three Wishes", _revue=True)
    # L'arbre des propriétés du catalogue n'a pas de bonus de bouclier simple : l'altération de bouclier compte aux
    # mêmes CA (totale et pris au dépourvu, pas au contact) ; la force vaut aussi contre les créatures intangibles.
    c.ajoute("Anneau de bouclier de force", "Anneau", "Anneau", 8500.0,
             "Sur ordre (action libre), crée un écu de force sans poids que le porteur manie comme un écu : bonus de "
             "bouclier de 2, sans malus d'armure ni échec des sorts profanes. Aura modérée d'évocation ; NLS 9.",
             [("Bonus Classe Armure", "Alteration Bouclier", None, "+2"),
              ("Bonus Classe Armure", "Force Bouclier", None, "+2")],
             srd="Force Shield")


def sceptres(c, bases):
    om.ajoute_arme(c, "Rod of Flailing", bases["Fléau double"], 3, 50000.0,
                   "Sur ordre (action de mouvement), le sceptre devient un fléau double +3, arme double dont chaque "
                   "tête frappe, et redevient sceptre de même. Une fois par jour, par une action libre, même sous "
                   "forme de sceptre, il accorde pour 10 minutes un bonus de parade et un bonus de résistance aux "
                   "sauvegardes, de 4 chacun. Aura modérée d'enchantement ; NLS 9.", srd="Flailing", _revue=True)
    c.ajoute("Rod of Flame Extinguishing", "Sceptre", "Sceptre", 15000.0,
             "Éteint d'un contact un feu ordinaire de taille M au plus. Dix charges, rendues chaque jour : une pour "
             "un grand feu ou un feu magique de taille M (les flammes permanentes reprennent au bout de 6 rounds), "
             "deux pour un grand feu magique (boule de feu, mur de feu...), trois pour infliger 6d6 points de dégâts "
             "à une créature de feu par une attaque de contact. Aura puissante de transmutation ; NLS 12.", [],
             poids=2.5, charge=10, srd="Flame Extinguishing", _revue=True)


def anneaux_sceptres(c, bases, noms):
    anneaux(c, noms)
    sceptres(c, bases)
    for nom, cle in LIENS.items():
        c.srd.setdefault(cle, []).append(nom)
    objets = {o["NomObjet"]: o for o in c.objets}
    for nom, (texte, proprietes) in COMPLEMENTS.items():
        objets[nom]["Description"] += " " + texte
        c.proprietes += [{"NomObjet": nom, "propriete_1": p1, "propriete_2": noms[sort], "propriete_3": mode,
                          "valeur": valeur} for p1, sort, mode, valeur in proprietes]
