"""Mise en français des rubriques courtes des sorts du SRD (portée, cible, zone, effet, durée...).

Mesures converties comme dans les livres français (1,50 m la case, 1,5 km le mille), puis expressions
remplacées des plus longues aux plus courtes ; les cas rares sont traduits en entier dans ENTIERS.
"""
import re


def nombre_fr(x):
    texte = ("%.2f" % x).rstrip("0").rstrip(".")
    if "." in texte and len(texte.split(".")[1]) == 1:
        texte += "0"
    return texte.replace(".", ",")


def _metres(m):
    pieds = float(m.group(1).replace(",", ""))
    return nombre_fr(pieds * 0.3) + " m"


def convertit_mesures(t):
    t = re.sub(r"(\d+(?:,\d{3})*)\s*-?\s*(?:ft\.|feet|foot)(?=[\s\-/;,).]|$)\s*-?\s*", lambda m: _metres(m) + " ", t)
    t = re.sub(r"(\d+) sq\. ft\.", lambda m: nombre_fr(float(m.group(1)) * 0.09) + " m²", t)
    t = re.sub(r"(\d+) cu\. ft\.", lambda m: nombre_fr(float(m.group(1)) * 0.027) + " m³", t)
    t = re.sub(r"(\d+) lb\.", lambda m: nombre_fr(float(m.group(1)) * 0.5) + " kg", t)
    t = re.sub(r"(\d+)-mile", lambda m: nombre_fr(float(m.group(1)) * 1.5) + " km", t)
    t = re.sub(r"\bOne mile\b", "1,5 km", t)
    t = re.sub(r"(\d+) miles?", lambda m: nombre_fr(float(m.group(1)) * 1.5) + " km", t)
    t = re.sub(r"(\d+) gallons", lambda m: "%d litres" % (int(m.group(1)) * 4), t)
    t = re.sub(r" +", " ", t).replace(" /", "/").replace("m /", "m/")
    return t.strip()


# Rubriques traduites d'un bloc (après conversion des mesures).
ENTIERS = {
    "Close (7,50 m + 1,50 m/2 levels)": "Courte (7,50 m + 1,50 m/2 niveaux)",
    "Medium (30 m + 3 m/level)": "Moyenne (30 m + 3 m/niveau)",
    "Medium (30 m + 3 m level)": "Moyenne (30 m + 3 m/niveau)",
    "Long (120 m + 12 m/level)": "Longue (120 m + 12 m/niveau)",
}

# Rubriques rares traduites d'un bloc, telles qu'elles sortent de la conversion des mesures.
BLOCS = {
    "One nonmagical ferrous object (or the volume of the object within 0,90 m of the touched point) or one ferrous creature":
        "Un objet ferreux non magique (ou la partie à 0,90 m ou moins du point touché) ou une créature ferreuse",
    "One item of a volume no greater than 0,27 m³/level (see text)": "Un objet d'au plus 0,27 m³/niveau (voir description)",
    "One willing animal of Small, Medium, Large, or Huge size": "Un animal consentant de taille P, M, G ou TG",
    "Touched nonmagical circle of vine, rope, or thong with a 0,60 m diameter + 0,60 m/level":
        "Cercle non magique de liane, de corde ou de lanière touché, d'un diamètre de 0,60 m + 0,60 m/niveau",
    "1 Small wooden object/level, all within a 6 m radius": "1 objet de bois de taille P/niveau, tous dans un rayon de 6 m",
    "One or more 9 m -long vertical lines of lightning": "Un ou plusieurs traits verticaux de foudre de 9 m de long",
    "Unattended, nonmagical object of nonliving matter, up to 0,03 m³/level":
        "Objet non magique et sans possesseur fait de matière non vivante, jusqu'à 0,03 m³/niveau",
    "Anchored plane of ice, up to one 3 m square/level, or hemisphere of ice with a radius of up to 0,90 m + 0,30 m/level":
        "Plan de glace ancré, jusqu'à un carré de 3 m/niveau, ou hémisphère de glace d'un rayon de 0,90 m + 0,30 m/niveau au plus",
    "10 ft. hand": "Main de 3 m", "3 m hand": "Main de 3 m",
    "6 m -square structure": "Construction de 6 m de côté",
    "360 ft. -radius storm cloud": "Nuage d'orage de 108 m de rayon", "108 m -radius storm cloud": "Nuage d'orage de 108 m de rayon",
    "3 m -radius spherical emanation, centered on you": "Émanation sphérique de 3 m de rayon, centrée sur vous",
    "3 km-radius circle, centered on you; see text": "Cercle de 3 km de rayon centré sur vous ; voir description",
    "12 m/level radius cylinder 12 m high": "Cylindre de 12 m/niveau de rayon et 12 m de haut",
    "Permanent or until discharged; until released or 1d4 days + one day/level; see text":
        "Permanente ou jusqu'à utilisation ; jusqu'à libération ou 1d4 jours + 1 jour/niveau ; voir description",
    "1 round/level or until all beams are exhausted": "1 round/niveau ou jusqu'à épuisement des rayons",
    "Metal equipment of one creature per two levels, no two of which can be more than 9 m apart; or 12,50 kg of metal/level, all of which must be within a 9 m circle":
        "Équipement de métal d'une créature pour deux niveaux, toutes à 9 m les unes des autres au plus ; ou 12,50 kg de métal/niveau, dans un cercle de 9 m",
    "1,50 m -radius circle that teleports those who activate it": "Cercle de 1,50 m de rayon qui téléporte ceux qui l'activent",
}

# Expressions, des plus longues aux plus courtes.
EXPRESSIONS = [
    ("one willing creature", "une créature consentante"), ("One willing psionic creature", "Une créature psionique consentante"),
    ("with 5 or fewer HD", "de 5 DV ou moins"), ("in diameter", "de diamètre"), ("eight", "huit"),
    ("whose longest dimension is", "dont la plus grande dimension mesure"), ("instantaneous", "instantanée"),
    ("HD of subject", "DV du sujet"), ("within a", "dans une"), ("A", "Une"), ("one", "un"), ("area", ""),
    ("no two of which can be more than", "toutes à"), ("no two of which may be more than", "toutes à"),
    ("which cannot be more than", "à"), ("apart when they appear", "les unes des autres à leur arrivée"),
    ("apart", "les unes des autres au plus"),
    ("all of which must be in contact with each other at the time of casting",
     "tous en contact les uns avec les autres lors de l'incantation"),
    ("all within", "tous à"), ("of each other", "les uns des autres"),
    ("You and touched objects or other touched willing creatures",
     "Vous et les objets ou créatures consentantes touchés"),
    ("You and touched objects or other willing creatures", "Vous et les objets ou créatures consentantes touchés"),
    ("Creature or creatures touched (up to one/level)", "Créature(s) touchée(s) (jusqu'à une/niveau)"),
    ("Concentration, up to", "Concentration, jusqu'à"), ("or until discharged", "ou jusqu'à utilisation"),
    ("until discharged", "jusqu'à utilisation"), ("or until expended", "ou jusqu'à épuisement"),
    ("whichever comes first", "selon ce qui survient en premier"), ("or until used", "ou jusqu'à utilisation"),
    ("Permanent until triggered, then", "Permanente jusqu'au déclenchement, puis"),
    ("Until triggered or broken", "Jusqu'au déclenchement ou à la rupture"),
    ("Until landing or", "Jusqu'à l'atterrissage ou"), ("Until expended or", "Jusqu'à épuisement ou"),
    ("or until completed", "ou jusqu'à son terme"), ("or until you return to your body",
                                                      "ou jusqu'au retour dans votre corps"),
    ("One usage per two levels", "Une utilisation pour deux niveaux"),
    ("No more than", "Pas plus de"), ("(destination is reached)", "(arrivée à destination)"),
    ("(apparent time)", "(temps apparent)"), ("per HD of subject", "par DV du sujet"),
    ("Will disbelief (if interacted with)", "Volonté, dévoile (en cas d'interaction)"),
    ("Will negates", "Volonté, annule"), ("Fortitude negates", "Vigueur, annule"), ("Reflex negates", "Réflexes, annule"),
    ("Will half", "Volonté, 1/2 dégâts"), ("Fortitude half", "Vigueur, 1/2 dégâts"), ("Reflex half", "Réflexes, 1/2 dégâts"),
    ("Will partial", "Volonté, partiel"), ("Fortitude partial", "Vigueur, partiel"), ("Reflex partial", "Réflexes, partiel"),
    ("(harmless, object)", "(inoffensif, objet)"), ("(harmless)", "(inoffensif)"), ("harmless", "inoffensif"),
    ("(object; see text)", "(objet ; voir description)"), ("(object)", "(objet)"), ("(blinding only)", "(aveuglement seulement)"),
    ("see text for cause fear", "voir description de Frayeur"), ("see text for enervation", "voir description d'Énergie négative"),
    ("(see text)", "(voir description)"), ("See text", "Voir description"), ("see text", "voir description"),
    ("varies", "variable"),
    ("1 standard action", "1 action simple"), ("1 free action", "1 action libre"), ("1 full round", "1 round complet"),
    ("full rounds", "rounds complets"), ("At least", "Au moins"), ("or longer", "ou plus"),
    ("minute/lb. created", "minute par 500 g créés"), ("One minute", "1 minute"),
    ("Personal or touch", "Personnelle ou contact"), ("Personal and touch", "Personnelle et contact"),
    ("Personal or close", "Personnelle ou courte"), ("Personal", "Personnelle"), ("Touch", "Contact"),
    ("Unlimited", "Illimitée"), ("Up to", "Jusqu'à"), ("up to", "jusqu'à"),
    ("Anywhere within the area to be warded", "N'importe où dans la zone à protéger"),
    ("Instantaneous", "Instantanée"), ("Permanent", "Permanente"), ("Concentration", "Concentration"),
    ("Sixty days", "Soixante jours"), ("Seven days or seven months", "Sept jours ou sept mois"),
    ("One day/level", "1 jour/niveau"), ("day/level", "jour/niveau"), ("1 hour/caster level", "1 heure/niveau de lanceur"),
    ("round/caster level", "round/niveau de lanceur"), ("1 hour plus 12 hours", "1 heure plus 12 heures"),
    ("1 hour or less", "1 heure ou moins"), ("or less", "ou moins"), ("5 rounds", "5 rounds"),
    ("min./level", "min./niveau"), ("1 minute/level", "1 minute/niveau"), ("minute/level", "minute/niveau"),
    ("round /level", "round/niveau"), ("round/level", "round/niveau"), ("hours/level", "heures/niveau"),
    ("hour/level", "heure/niveau"), ("round per three levels", "round par tranche de trois niveaux"),
    ("rounds after creatures leave the smoke cloud", "rounds après la sortie du nuage"),
    ("minutes", "minutes"), ("hours", "heures"), ("hour", "heure"),
    ("(maximum 10 rounds)", "(10 rounds au maximum)"), ("(up to 4 rounds)", "(jusqu'à 4 rounds)"),
    ("round", "round"), ("(D)", "(T)"), ("days", "jours"),
    # cibles, zones et effets
    ("Creature touched", "Créature touchée"), ("Living creature touched", "Créature vivante touchée"),
    ("Living creatures touched", "Créatures vivantes touchées"), ("Dead creature touched", "Créature morte touchée"),
    ("Willing living creature touched", "Créature vivante consentante touchée"),
    ("Willing corporeal creature touched", "Créature corporelle consentante touchée"),
    ("Object touched", "Objet touché"), ("Weapon touched", "Arme touchée"), ("Melee weapon touched", "Arme de corps à corps touchée"),
    ("Armor or shield touched", "Armure ou bouclier touché"), ("Corpse touched", "Cadavre touché"), ("Tree touched", "Arbre touché"),
    ("Wooden quarterstaff touched", "Bâton de bois touché"), ("Flask of water touched", "Flasque d'eau touchée"),
    ("Your touched staff", "Votre bâton touché"), ("Your mount touched", "Votre monture touchée"),
    ("Creature or object touched", "Créature ou objet touché"), ("Creature or item touched", "Créature ou objet touché"),
    ("Living humanoid touched", "Humanoïde vivant touché"), ("Animal or tree touched", "Animal ou arbre touché"),
    ("Creature (Gargantuan or smaller) touched", "Créature (Gigantesque ou plus petite) touchée"),
    ("You or creature touched", "Vous ou créature touchée"), ("fresh berries touched", "baies fraîches touchées"),
    ("Page touched", "Page touchée"), ("Stone or stone object touched", "Pierre ou objet de pierre touché"),
    ("The door, chest, or portal touched", "Porte, coffre ou portail touché"),
    ("Touched nonmagical circle of vine, rope, or thong", "Cercle non magique de liane, de corde ou de lanière touché"),
    ("with a", "d'un"), ("diameter", "diamètre"),
    ("One humanoid creature", "Un humanoïde"), ("humanoid creatures", "humanoïdes"), ("One humanoid", "Un humanoïde"),
    ("One living creature", "Une créature vivante"), ("living creatures", "créatures vivantes"),
    ("One willing living creature", "Une créature vivante consentante"), ("willing creatures", "créatures consentantes"),
    ("One willing creature or object", "Une créature ou un objet consentant"), ("One willing animal", "Un animal consentant"),
    ("willing creature", "créature consentante"),
    ("One undead creature", "Un mort-vivant"), ("undead creatures", "morts-vivants"), ("Several undead creatures", "Plusieurs morts-vivants"),
    ("One extraplanar creature", "Une créature extraplanaire"), ("extraplanar creatures", "créatures extraplanaires"),
    ("One dead creature", "Une créature morte"), ("One corporeal creature", "Une créature corporelle"),
    ("One creature or object", "Une créature ou un objet"), ("One creature, one object, or a", "Une créature, un objet ou un"),
    ("One creature, or one nonmagical object of", "Une créature ou un objet non magique de"),
    ("One or more creatures", "Une ou plusieurs créatures"), ("One or more corpses touched", "Un ou plusieurs cadavres touchés"),
    ("One creature plus one additional creature per four levels", "Une créature plus une par tranche de quatre niveaux"),
    ("One creature per two levels", "Une créature pour deux niveaux"), ("One creature/level", "Une créature/niveau"),
    ("One creature touched/level", "Une créature touchée/niveau"), ("One touched creature/level", "Une créature touchée/niveau"),
    ("One living creature touched per three levels", "Une créature vivante touchée pour trois niveaux"),
    ("One living creature per three levels", "Une créature vivante pour trois niveaux"),
    ("One creature with", "Une créature de"), ("One creature", "Une créature"), ("Any number of creatures", "Nombre illimité de créatures"),
    ("All creatures in a", "Toutes les créatures dans une"), ("Creatures and objects within", "Créatures et objets dans"),
    ("Creatures within a", "Créatures dans une"), ("Creatures in a", "Créatures dans une"),
    ("Several living creatures within a", "Plusieurs créatures vivantes dans une"), ("Several living creatures", "Plusieurs créatures vivantes"),
    ("One or more living creatures within a", "Une ou plusieurs créatures vivantes dans une"),
    ("Living creatures within a", "Créatures vivantes dans une"), ("Living creatures", "Créatures vivantes"),
    ("One living creature/level within a", "Une créature vivante/niveau dans une"),
    ("Nonlawful creatures within a burst that fills a", "Créatures non loyales dans une explosion remplissant un"),
    ("Nonlawful creatures in a", "Créatures non loyales dans une"), ("Nongood creatures in a", "Créatures non bonnes dans une"),
    ("Nonevil creatures in a", "Créatures non mauvaises dans une"), ("Nonchaotic creatures in a", "Créatures non chaotiques dans une"),
    ("All metal objects within a", "Tous les objets de métal dans une"),
    ("All magical effects and magic items within a", "Tous les effets et objets magiques dans une"),
    ("All allies and foes within a", "Tous les alliés et ennemis dans une"), ("All enemies within", "Tous les ennemis à"),
    ("The caster and all allies within a", "Le lanceur et tous ses alliés dans une"), ("centered on the caster", "centrée sur le lanceur"),
    ("Plants in a", "Plantes dans une"), ("One touched object weighing no more than", "Un objet touché pesant au plus"),
    ("One touched object weighing up to", "Un objet touché pesant jusqu'à"), ("One touched object of up to", "Un objet touché de"),
    ("One touched object", "Un objet touché"), ("One object touched of up to", "Un objet touché de"),
    ("One object weighing", "Un objet pesant"), ("One object of up to", "Un objet de"), ("One object or creature per caster level",
                                                                                         "Un objet ou une créature par niveau de lanceur"),
    ("One object or a", "Un objet ou un"), ("One nonmagical, unattended object weighing up to", "Un objet non magique et sans possesseur pesant jusqu'à"),
    ("Object weighing up to", "Objet pesant jusqu'à"), ("or portal that can be opened or closed", "ou portail pouvant s'ouvrir ou se fermer"),
    ("One creature or object/level", "Une créature ou un objet/niveau"), ("One spellcaster, creature, or object; or",
                                                                          "Un lanceur de sorts, une créature ou un objet ; ou une"),
    ("One location", "Un lieu"), ("or one object", "ou un objet"), ("One corpse", "Un cadavre"), ("Corpse", "Cadavre"),
    ("One animal", "Un animal"), ("One Tiny animal", "Un animal de taille TP"), ("One plant", "Une plante"),
    ("One melee weapon", "Une arme de corps à corps"), ("One weapon or fifty projectiles", "Une arme ou cinquante projectiles"),
    ("Weapon touched or fifty projectiles", "Arme touchée ou cinquante projectiles"), ("Fifty projectiles", "Cinquante projectiles"),
    ("One touched nonmagical oak club or quarterstaff", "Un gourdin ou un bâton de chêne non magique touché"),
    ("One touched book or written work", "Un livre ou écrit touché"), ("One scroll or two pages", "Un parchemin ou deux pages"),
    ("One touched piece of rope from", "Un morceau de corde touché de"), ("One touched piece of wood no larger than",
                                                                           "Un morceau de bois touché d'au plus"),
    ("One ropelike object, length", "Un objet semblable à une corde, longueur"), ("One portal", "Un portail"),
    ("One primary target, plus one secondary target/level (each of which must be within",
     "Une cible principale plus une cible secondaire/niveau (chacune à"), ("of the primary target)", "de la cible principale)"),
    ("One petrified creature or a cylinder of stone from", "Une créature pétrifiée ou un cylindre de pierre de"),
    ("in diamètre and", "de diamètre et"), ("long", "de long"), ("One freestanding structure", "Une construction isolée"),
    ("One fire source", "Une source de feu"), ("One elemental or outsider with", "Un élémentaire ou un Extérieur de"),
    ("One door, box, or chest with an area of", "Une porte, une boîte ou un coffre d'une surface de"),
    ("One chest and", "Un coffre et"), ("of goods/caster level", "de biens/niveau de lanceur"),
    ("One Small object per caster level", "Un objet de taille P par niveau de lanceur"),
    ("One Medium or smaller freefalling object or creature/level", "Un objet ou une créature en chute libre de taille M ou moins/niveau"),
    ("One Large plant per three caster levels or all plants within range", "Une grande plante pour trois niveaux ou toutes les plantes à portée"),
    ("or one fire-based magic item", "ou un objet magique lié au feu"),
    ("Metal equipment of one creature per two levels", "Équipement de métal d'une créature pour deux niveaux"),
    ("of metal/level, none of which can be more than", "de métal/niveau, aucun à plus de"),
    ("away from any of the rest", "du reste"), ("of metal/level, all of which must be within a", "de métal/niveau, dans un"),
    ("circle", "cercle"), ("Up to three vermin", "Jusqu'à trois vermines"), ("Up to three undead creatures", "Jusqu'à trois morts-vivants"),
    ("Up to three pebbles touched", "Jusqu'à trois cailloux touchés"), ("Up to three elementals or outsiders", "Jusqu'à trois élémentaires ou Extérieurs"),
    ("Up to three called elementals or outsiders", "Jusqu'à trois élémentaires ou Extérieurs appelés"),
    ("One or two called elementals or outsiders", "Un ou deux élémentaires ou Extérieurs appelés"),
    ("One called elemental or outsider of", "Un élémentaire ou un Extérieur appelé de"), ("totaling no more than", "totalisant au plus"),
    ("Up to one willing creature per level", "Jusqu'à une créature consentante par niveau"),
    ("Up to one touched creature/level", "Jusqu'à une créature touchée/niveau"), ("Up to one creature touched per four levels",
                                                                                   "Jusqu'à une créature touchée pour quatre niveaux"),
    ("Up to one creature per level", "Jusqu'à une créature par niveau"),
    ("Up to one animal (Gargantuan or smaller) per two levels", "Jusqu'à un animal (Gigantesque ou plus petit) pour deux niveaux"),
    ("Up to four touched acorns or up to eight touched holly berries", "Jusqu'à quatre glands ou huit baies de houx touchés"),
    ("Up to four creatures", "Jusqu'à quatre créatures"), ("Up to five creatures", "Jusqu'à cinq créatures"),
    ("of plant creatures", "de créatures végétales"), ("of undead creatures", "de morts-vivants"),
    ("Animals within", "Animaux à"), ("Animals or magical beasts with Intelligence 1 or 2", "Animaux ou créatures magiques d'Intelligence 1 ou 2"),
    ("of contaminated food and water", "de nourriture et d'eau souillées"), ("Small wooden object/level", "objet de bois de taille P/niveau"),
    ("You/one illusory double", "Vous/un double illusoire"),
    ("You plus one willing creature per three levels", "Vous plus une créature consentante pour trois niveaux"),
    ("You plus one additional willing creature touched per two caster levels",
     "Vous plus une créature consentante touchée pour deux niveaux de lanceur"),
    ("You or one willing creature or one object (total weight", "Vous ou une créature consentante ou un objet (poids total"),
    ("You or a creature or object weighing no more than", "Vous ou une créature ou un objet pesant au plus"),
    ("You and one touched creature per three levels", "Vous et une créature touchée pour trois niveaux"),
    ("You and one other touched creature per three levels", "Vous et une autre créature touchée pour trois niveaux"),
    ("You and a touched evil creature from another plane; or you and an enchantment or evil spell on a touched creature or object",
     "Vous et une créature maléfique d'un autre plan touchée ; ou vous et un enchantement ou sort maléfique sur une créature ou un objet touché"),
    ("Creature touched, or up to eight willing creatures joining hands",
     "Créature touchée, ou jusqu'à huit créatures consentantes se tenant la main"),
    ("Creature or object of", "Créature ou objet de"), ("touched", "touché"),
    ("Cone-shaped emanation", "Émanation en forme de cône"), ("Cone-shaped burst", "Explosion en forme de cône"),
    ("line-shaped emanation from you", "émanation en ligne partant de vous"), ("line from you", "ligne partant de vous"),
    ("Line from your hand", "Ligne partant de votre main"),
    ("Line-shaped gust of severe wind emanating out from you to the extreme of the range",
     "Rafale de vent violent en ligne, de vous jusqu'à la limite de portée"),
    ("-radius spherical emanation, centered on you", "émanation sphérique de rayon centrée sur vous"),
    ("emanation from touched creature", "émanation depuis la créature touchée"),
    ("emanation around the creature or object touched", "émanation autour de la créature ou de l'objet touché"),
    ("emanation centered on a creature, object, or point in space", "émanation centrée sur une créature, un objet ou un point"),
    ("emanation centered on a point in space", "émanation centrée sur un point"),
    ("emanating from the touched point", "émanant du point touché"),
    ("centered on you", "centrée sur vous"), ("centered around creatures or objects", "centrée sur des créatures ou objets"),
    ("centered around a creature", "centrée sur une créature"), ("centered on your location", "centrée sur votre position"),
    ("Circle, centered on you, with a radius of", "Cercle centré sur vous, d'un rayon de"),
    ("Cylinder", "Cylindre"), ("high", "de haut"), ("radius", "rayon"), ("deep", "de profondeur"),
    ("Water in a volume of", "Eau dans un volume de"), ("Dirt in an area", "Terre dans une zone de"), ("square and", "de côté et"),
    ("Barred cage", "Cage à barreaux"), ("or windowless cell", "ou cellule sans fenêtre"),
    ("Four", "Quatre"), ("spreads", "étendues"),
    ("Up to two", "Jusqu'à deux"), ("Two", "Deux"), ("cubes/level", "cubes/niveau"), ("cubes per level", "cubes par niveau"),
    ("cube per two levels", "cube pour deux niveaux"), ("cube/level", "cube/niveau"), ("cubes", "cubes"),
    ("One", "Un"), ("square/level", "carré/niveau"), ("square", "carré"), ("spread", "étendue"), ("burst", "explosion"),
    ("emanation", "émanation"), ("sphere", "sphère"), ("line", "ligne"), ("cube", "cube"),
    ("or one solid object or one crystalline creature", "ou un objet solide ou une créature cristalline"),
    ("Ray of negative energy", "Rayon d'énergie négative"), ("One or more rays", "Un ou plusieurs rayons"), ("Ray", "Rayon"),
    ("One symbol", "Un symbole"), ("One summoned creature", "Une créature convoquée"),
    ("One or more summoned creatures", "Une ou plusieurs créatures convoquées"),
    ("Two or more summoned creatures", "Deux créatures convoquées ou plus"), ("hand", "main"), ("Magical sensor", "Organe sensoriel magique"),
    ("Visual figment that cannot extend beyond", "Chimère visuelle ne pouvant dépasser"),
    ("Figment that cannot extend beyond", "Chimère ne pouvant dépasser"), ("four", "quatre"), ("plus", "plus"),
    ("Fog spreads in", "Brouillard s'étendant sur un"), ("Cloud spreads in", "Nuage s'étendant sur un"), ("from you", "autour de vous"),
    ("Unattended, nonmagical object of nonliving plant matter", "Objet non magique et sans possesseur fait de matière végétale morte"),
    ("Ten or more levitating eyes", "Dix yeux flottants ou plus"),
    ("One or more", "Un ou plusieurs"), ("-long vertical lines of lightning", "traits verticaux de foudre"),
    ("Webs in a", "Toiles dans une"), ("Wall whose area is", "Mur d'une surface de"), ("Wall", "Mur"), ("wide", "de large"),
    ("of whirling blades", "de lames tournoyantes"), ("ringed wall", "mur circulaire"), ("long/level", "de long/niveau"),
    ("per two levels", "pour deux niveaux"), ("either form", "dans les deux cas"), ("of thorny brush", "de broussailles épineuses"),
    ("Up to four lights, all within a", "Jusqu'à quatre lumières, toutes dans une zone de"), ("-radius area", "de rayon"),
    ("of water/level", "d'eau/niveau"), ("Three or more shambling mounds", "Trois tertres errants ou plus"),
    ("Sword-like beam", "Rayon en forme d'épée"), ("Stone wall whose area is", "Mur de pierre d'une surface de"),
    ("Iron wall whose area is", "Mur de fer d'une surface de"), ("Phantom watchdog", "Chien de garde fantôme"),
    ("Opaque sheet of flame", "Rideau de flammes opaque"), ("or a ring of fire", "ou un anneau de feu"),
    ("One sword", "Une épée"), ("One swarm of locusts per three levels, each of which must be adjacent to at least one other swarm",
                                "Une nuée de sauterelles pour trois niveaux, chacune adjacente à une autre"),
    ("One swarm of centipedes per two levels", "Une nuée de mille-pattes pour deux niveaux"),
    ("One swarm of bats, rats, or spiders", "Une nuée de chauves-souris, de rats ou d'araignées"),
    ("One summoned handheld musical instrument", "Un instrument de musique portatif convoqué"),
    ("One spectral hand", "Une main spectrale"), ("One shadow duplicate", "Un double d'ombre"),
    ("One quasi-real, horselike creature", "Une créature quasi réelle semblable à un cheval"),
    ("One personal rune or mark, all of which must fit within", "Une rune ou marque personnelle tenant dans"),
    ("One mount", "Une monture"), ("One missile of acid", "Un projectile d'acide"),
    ("One invisible, mindless, shapeless servant", "Un serviteur invisible, sans esprit ni forme"),
    ("One duplicate creature", "Un double de créature"), ("One clone", "Un clone"), ("One arrow of acid", "Une flèche d'acide"),
    ("Magical, heatless flame", "Flamme magique sans chaleur"), ("Magic weapon of force", "Arme magique de force"),
    ("Intelligible sound, usually speech", "Son intelligible, généralement des paroles"), ("Image", "Image"), ("by", "sur"),
    ("Illusory sounds", "Sons illusoires"), ("Ghostly hand", "Main spectrale"),
    ("Food and water to sustain three humans or one horse/level for 24 hours",
     "Nourriture et eau pour trois humains ou un cheval/niveau pendant 24 heures"),
    ("Flame in your palm", "Flamme dans votre paume"), ("Feast for one creature/level", "Festin pour une créature/niveau"),
    ("Extradimensional mansion", "Manoir extradimensionnel"), ("three", "trois"),
    ("Ethereal", "Ouverture éthérée de"), ("opening", ""), ("per three levels", "pour trois niveaux"),
    ("per three additional levels", "pour trois niveaux supplémentaires"),
    ("Cyclone", "Cyclone de"), ("at base", "à la base"), ("at top", "au sommet"), ("and", "et"), ("tall", "de haut"),
    ("Colorful lights with a", "Lumières colorées dans une"), ("Colorful lights in a", "Lumières colorées dans une"),
    ("Burst of light", "Explosion de lumière"),
    ("Anchored plane of ice", "Plan de glace ancré"), ("or hemisphere of ice with a rayon of", "ou hémisphère de glace d'un rayon de"),
    ("An ironwood object weighing", "Un objet en bois de fer pesant"),
    ("circle that teleports those who activate it", "cercle qui téléporte ceux qui l'activent"),
    ("-diameter sphere", "sphère de diamètre"), ("-diameter disk of force", "disque de force de diamètre"),
    ("-radius storm cloud", "nuage d'orage de rayon"), ("-square structure", "construction de côté"),
    ("-diameter/level sphere", "/niveau de diamètre, sphère"), ("storm", "tempête"),
    ("none (object)", "aucun (objet)"), ("no (object)", "non (objet)"), ("then", "puis"), ("Close", "Courte"),
    ("You", "Vous"), ("None", "Aucun"), ("No", "Non"), ("Yes", "Oui"), ("or", "ou"), ("level", "niveau"), ("levels", "niveaux"),
    ("in size", ""), ("each", "chacun"), ("Several", "Plusieurs"), ("of", "de"), ("within", "à"), ("in", "dans"),
    ("weighing", "pesant"), ("creatures", "créatures"), ("creature", "créature"), ("objects", "objets"), ("object", "objet"),
    ("per", "par"), ("to", "à"), ("from", "de"), ("than", "que"), ("the", "la"), ("a", "un"), ("an", "un"), ("with", "avec"),
    ("HD", "DV"), ("hp", "pv"), ("(S)", "(F)"), ("caster", "lanceur"), ("all", "tous"), ("total", "total"), ("size", "taille"),
    ("Small", "P"), ("Medium", "M"), ("Large", "G"), ("Huge", "TG"),
]

_MOTIF = re.compile("|".join(r"(?<![\wÀ-ÿ])" + re.escape(a) + r"(?![\wÀ-ÿ])" if a[0].isalnum() and a[-1].isalnum()
                             else re.escape(a)
                             for a, _ in sorted(EXPRESSIONS, key=lambda e: -len(e[0]))))
_TABLE = dict(EXPRESSIONS)


# Dernières retouches, sur le texte déjà traduit.
RETOUCHES = {
    "108 m de rayon tempête cloud": "Nuage d'orage de 108 m de rayon",
    "3 m de rayon spherical émanation, centrée sur vous": "Émanation sphérique de 3 m de rayon, centrée sur vous",
    "Carré de 6 m structure": "Construction de 6 m de côté",
    "1 week (8 heures/day)": "1 semaine (8 heures par jour)",
    "1 heure/niveau de lanceur ou jusqu'à utilisation, then 1 round/niveau de lanceur ; voir description":
        "1 heure/niveau de lanceur ou jusqu'à utilisation, puis 1 round/niveau de lanceur ; voir description",
    "1,50 km/niveau": "1,5 km/niveau",
    "Un ou plusieurs 9 m de long vertical lines de lightning": "Un ou plusieurs éclairs verticaux de 9 m de long",
    "Une demiplane on la Ouverture éthérée de Plane centrée sur votre position":
        "Un demi-plan sur le plan Éthéré, centré sur votre position",
}


def traduit(texte):
    """Rubrique courte du SRD en français ; None pour une rubrique absente."""
    if texte is None or texte.strip() in ("None", ""):
        return None
    t = convertit_mesures(texte.strip())
    if t in ENTIERS:
        return ENTIERS[t]
    if t in BLOCS:
        return BLOCS[t]
    for a, b in ENTIERS.items():
        t = t.replace(a, b)
    t = re.sub(r"(\d+(?:,\d+)?) m/level", r"\1 m/niveau", t)
    t = re.sub(r"(\d+(?:,\d+)?) m/2 levels", r"\1 m/2 niveaux", t)
    t = _MOTIF.sub(lambda m: _TABLE[m.group(0)], t)
    t = re.sub(r"(\d) rayon (étendue|explosion|émanation)", r"\1 \2", t)
    t = re.sub(r"(\d+(?:,\d+)? m) -?\s*(?:de )?rayon (étendue|explosion|émanation)", r"\2 de \1 de rayon", t)
    t = re.sub(r"(\d+(?:,\d+)? m) -?\s*rayon", r"\1 de rayon", t)
    t = re.sub(r"(\d+(?:,\d+)? m) (cube|ligne|carré|étendue)s", r"\2s de \1", t)
    t = re.sub(r"(\d+(?:,\d+)? m) (cube|ligne|carré|explosion|étendue|émanation)", r"\2 de \1", t)
    t = re.sub(r"(\d+(?:,\d+)? m) de rayon (sphère|cercle)", r"\2 de \1 de rayon", t)
    t = re.sub(r"(\d+(?:,\d+)? m) -?\s*diamètre(/niveau)? (sphère|disk de force)", r"\3 de \1 de diamètre\2", t)
    t = t.replace("disk de force", "disque de force").replace("de rayons;", "de rayon ;")
    t = re.sub(r"\s*;\s*", " ; ", t)
    t = re.sub(r"\s+", " ", t).replace(" ;", " ;").replace("( ", "(").replace(" )", ")").strip()
    t = RETOUCHES.get(t, t)
    return t[0].upper() + t[1:] if t else None


ANGLAIS = re.compile(r"\b(the|then|none|no|Close|lines?|lightning|demiplane|of|and|or|which|creature|touched|level|per|with|within|radius|spread|burst|up|to|"
                     r"ft|lb|sq|cu|see|text|until|Will|Reflex|Fortitude)\b")


def reste_anglais(texte):
    return texte is not None and ANGLAIS.search(texte) is not None
