"""Sorts épiques du SRD (et le sort épique de la créature « worm that walks ») pour la table Sort.

Leurs noms français officiels ne sont pas vérifiés : ils gardent leur nom anglais et figurent dans
data/NOMS-A-REVOIR-SORTS-OBJETS.tsv. Les explications sont les nôtres ; le DD d'Art de la magie va dans
DDdeDifficultee et le coût de mise au point dans PourDevellopper.
"""
import re

from traduction_sorts import traduit

SOURCE = "Manuel des niveaux épiques"
REFERENCES = ("SRD 3.5 EpicSpells", "SRD 3.5 EpicMonsters(G-W)")
# Le Genesis épique est le sort divin Genèse, déjà livré.
DEJA_LIVRES = {"Genesis"}

# Rubriques que la traduction automatique ne rend pas.
RUBRIQUES = {
    ("Contingent Resurrection", "duration"): "Latente jusqu'au déclenchement, puis instantanée",
    ("Damnation", "duration"): "Instantanée (20 heures pour la coercition)",
    ("Eternal Freedom", "target"): "Créature ou objet touché de 1 000 kg au plus",
    ("Momento Mori", "casting_time"): "1 action libre (sort à incantation rapide)",
    ("Safe Time", "duration"): "Latente jusqu'au déclenchement, puis 1 round hors du temps",
    ("Seed: Transport", "duration"): "Instantanée, ou 5 rounds pour un voyage dans le temps",
    ("Seed: Ward", "target"): "Créature ou objet touché de 1 000 kg au plus ; ou émanation sphérique de 3 m de "
                              "rayon centrée sur vous",
    ("Seed: Ward", "effect"): None,
    ("Demise Unseen", "saving_throw"): "Vigueur, annule",
    ("Animus Blast", "area"): "Explosion en hémisphère de 6 m de rayon",
    ("Animus Blizzard", "area"): "Explosion en hémisphère de 6 m de rayon",
    ("Create Living Vault (Ritual)", "effect"): "Une chambre forte vivante de 15 m sur 15 m sur 3 m",
    ("Crown of Vermin", "effect"): "Aura de mille vermines autour de vous, dans une étendue de 3 m de rayon",
    ("Dragon Knight (Ritual)", "effect"): "Un dragon rouge adulte convoqué",
    ("Dragon Strike (Ritual)", "effect"): "Dix dragons rouges adultes convoqués",
    ("Dreamscape", "target"): "Vous et d'autres créatures consentantes touchées, 500 kg au plus",
    ("Eclipse", "area"): "7,5 km de rayon, centrée sur vous",
    ("Eidolon", "effect"): "Un double du lanceur",
    ("Epic Repulsion", "target"): "Objet ou créature touché",
    ("Epic Spell Reflection", "target"): "Objet ou créature touché",
    ("Greater Ruin", "target"): "Une créature, ou un cube de 3 m de matière inerte au plus",
    ("Ruin", "target"): "Une créature, ou un cube de 3 m de matière inerte au plus",
    ("Seed: Destroy", "target"): "Une créature, ou un cube de 3 m de matière inerte au plus",
    ("Vengeful Gaze of God", "target"): "Une créature, ou un cube de 3 m de matière inerte au plus, en ligne de mire",
    ("Kinetic Control", "range"): "Personnelle ; contact",
    ("Let Go of Me", "target"): "Une créature ou une force qui vous agrippe",
    ("Living Lightning", "area"): "Éclair de 1,50 m de large sur 90 m de long, ou de 3 m de large sur 45 m de long",
    ("Mass Frog", "area"): "Hémisphère de 12 m de rayon",
    ("Verdigris", "area"): "Hémisphère de 30 m de rayon",
    ("Verdigris Tsunami", "area"): "Hémisphère de 300 m de rayon",
    ("Pestilence", "area"): "Hémisphère de 300 m de rayon",
    ("Mummy Dust", "effect"): "Deux momies de 18 DV",
    ("Nailed to the Sky", "target"): "Créature ou objet de 500 kg au plus",
    ("Origin of Species: Achaierai", "effect"): "Une créature façonnée de taille M au plus (0,54 m³)",
    ("Rain of Fire", "area"): "Émanation de 3 km de rayon",
    ("Raise Island", "area"): "Île en hémisphère de 30 m de rayon",
    ("Seed: Animate", "target"): "Un objet ou 0,54 m³ de matière",
    ("Seed: Conceal", "target"): "Vous, ou une créature ou un objet de 1 000 kg au plus",
    ("Seed: Conjure", "effect"): "Objet non magique et sans possesseur, de matière inerte, jusqu'à 0,54 m³",
    ("Seed: Delude", "effect"): "Chimère visuelle qui peut s'étendre jusqu'à vingt cubes de 9 m (F)",
    ("Seed: Dispel", "target"): "Une créature, un objet ou un sort",
    ("Seed: Energy", "range"): "90 m, ou créature ou objet touché de 1 000 kg au plus",
    ("Seed: Energy", "area"): "Éclair de 1,50 m de large sur 90 m de long ; ou émanation de 3 m de rayon ; ou mur "
                              "d'un carré de 60 m au plus ; ou sphère ou hémisphère de 6 m de rayon au plus",
    ("Seed: Transform", "target"): "Une créature ou un objet inanimé non magique",
    ("Seed: Transport", "target"): "Vous et les objets ou créatures consentantes touchés, 500 kg au plus",
    ("Soul Dominion", "target"): "Une autre créature vivante",
    ("Soul Scry", "target"): "Une autre créature vivante",
    ("Summon Behemoth", "effect"): "Une créature convoquée",
    ("Seed: Fortify", "duration"): "20 heures ; permanente pour un ajustement d'âge",
    ("Seed: Slay", "saving_throw"): "Vigueur, partiel ou 1/2 dégâts (voir description)",
}

EXPLICATIONS = {
    "Gathering of Maggots":
        "Des vers convergent vers le cadavre touché et le dévorent en une semaine ; la créature revient alors "
        "sous la forme d'un amas de vers animé qui garde son esprit (type aberration).",
    "Animus Blast":
        "Un souffle de froid inflige 10d6 points de dégâts aux ennemis à portée ; jusqu'à vingt victimes tuées se "
        "relèvent aussitôt en squelettes de taille M au service du lanceur, dans la limite des morts-vivants "
        "qu'il contrôle.",
    "Animus Blizzard":
        "Comme Animus Blast, mais 30d6 points de dégâts de froid ; jusqu'à cinq victimes tuées se relèvent en "
        "nécrophages au service du lanceur.",
    "Contingent Resurrection":
        "Sort latent : si le sujet est tué, il revient à la vie une minute plus tard avec tous ses points de vie, "
        "sous un rai de lumière. Tant qu'il n'a pas servi, il occupe chaque jour un emplacement de sort épique.",
    "Create Living Vault (Ritual)":
        "Rituel qui crée une créature artificielle gigantesque, une chambre forte vivante liée au lanceur : elle "
        "grandit en 4d4 jours, se cache sur ordre et ne laisse entrer que lui. Coût : 20 000 PX par lanceur.",
    "Crown of Vermin":
        "Mille araignées, scorpions et scarabées venimeux forment une aura de 3 m autour du lanceur et le "
        "suivent ; chacun mord une fois (1 point de dégâts) qui entre dans la zone, puis meurt. Un jet de "
        "Réflexes réussi limite l'assaut à 10d10 morsures ; 1 000 points de dégâts en tout ; réduction des "
        "dégâts 1/épique.",
    "Damnation":
        "Par une attaque de contact, la cible doit réussir un jet de Volonté (DD majoré de 15) ou être envoyée "
        "dans un plan d'enfer peuplé de fiélons, qu'elle ne cherche pas à quitter pendant 20 heures.",
    "Demise Unseen":
        "La cible, si elle rate un jet de Vigueur, meurt et se relève aussitôt en goule au service du lanceur, "
        "une illusion cachant le changement à tous les sens ; ses compagnons ne s'en aperçoivent qu'en "
        "interagissant avec elle (jet de Volonté).",
    "Dire Winter":
        "La cible émet un froid intense sur 300 m de rayon pendant 20 heures : 2d6 points de dégâts de froid par "
        "round aux créatures sans protection, neige et vent en blizzard. Coût : 10 000 PX.",
    "Dragon Knight (Ritual)":
        "Rituel à trois lanceurs (deux fournissent un emplacement du niveau 8) qui convoque un dragon rouge adulte, "
        "aux ordres du lanceur.",
    "Dragon Strike (Ritual)":
        "Rituel à douze lanceurs (onze fournissent un emplacement du niveau 9) qui convoque dix dragons rouges "
        "adultes ; 2 000 PX par lanceur.",
    "Dreamscape":
        "Le lanceur et ceux qui le touchent entrent physiquement dans le monde des rêves ; chaque minute de voyage "
        "les déplace de 7,5 km dans le monde éveillé, sans qu'ils sachent exactement où ils ressortent.",
    "Eclipse":
        "Un disque créé à 150 km d'altitude cache le soleil sur 7,5 km de rayon autour du lanceur, jusqu'à "
        "l'éclipse totale ; elle le suit jusqu'à 8 heures. Coût : 4 000 PX.",
    "Eidolon":
        "Crée un double du lanceur tel qu'il était au niveau 21 ; le lanceur subit un niveau négatif tant que le "
        "double existe, et chaque niveau négatif qu'il s'inflige en plus donne un niveau au double.",
    "Enslave (Ritual)":
        "Rituel à cinq lanceurs qui fait d'une créature vivante un esclave permanent, relié au lanceur par "
        "télépathie ; un ordre contraire à sa nature lui accorde un jet de sauvegarde à -10. 2 000 PX par lanceur.",
    "Epic Counterspell":
        "Action préparée contre un adversaire : quand il lance un sort, test de dissipation d20+40 contre "
        "DD 11 + son niveau de lanceur ; en cas de réussite, le sort est contré.",
    "Epic Mage Armor":
        "Champ de force invisible qui donne un bonus d'armure de +20 à la CA, sans malus d'armure, sans échec des "
        "sorts profanes ni réduction de vitesse ; les créatures intangibles ne l'ignorent pas.",
    "Epic Repulsion":
        "Protection permanente contre un type de créature, qui ne peut ni attaquer ni toucher la créature ou "
        "l'objet protégé ; elle cesse si le protégé attaque ces créatures ou s'en approche à 1,50 m.",
    "Epic Spell Reflection":
        "Rituel à sept lanceurs qui renvoie de façon permanente à leur lanceur les sorts des niveaux 1 à 9 qui "
        "ciblent le sujet (pas les sorts de zone). 9 500 PX par lanceur.",
    "Eternal Freedom":
        "Rituel à onze lanceurs qui immunise pour toujours le sujet contre l'enchevêtrement, l'immobilisation, "
        "l'emprisonnement, la paralysie, la pétrification, le sommeil, la lenteur, l'étourdissement, le temps "
        "figé et la toile d'araignée. Coût : 10 000 PX.",
    "Greater Spell Resistance":
        "Rituel à trois lanceurs : la créature touchée gagne une résistance à la magie de 35, qui ne se cumule "
        "pas avec celle qu'elle a déjà.",
    "Greater Ruin":
        "Inflige 35d6 points de dégâts à une cible en vue ; réduite à -10 points de vie (0 pour une créature "
        "artificielle, un objet ou un mort-vivant), elle tombe en poussière. Coût : 2 000 PX.",
    "Hellball":
        "Explosion de 12 m de rayon : 10d6 points de dégâts d'acide, 10d6 de feu, 10d6 d'électricité et 10d6 de "
        "son à tout ce qui s'y trouve (Réflexes, 1/2 dégâts) ; le lanceur subit 10d6 points de dégâts et "
        "perd 200 PX.",
    "Kinetic Control":
        "Le lanceur absorbe 20 points de chaque attaque contondante, perforante ou tranchante, 150 au plus à la "
        "fois, et les renvoie en dégâts contondants par une attaque de contact ; à 150 points ou à la fin du "
        "sort, ce qui reste lui revient.",
    "Let Go of Me":
        "Sort à incantation rapide, sans composante verbale ni gestuelle : 20d6 points de dégâts sans type à "
        "toute créature qui agrippe le lanceur ; une force magique qui le retient est détruite.",
    "Living Lightning":
        "Un sort doté d'une conscience, qui se lance de lui-même : un éclair inflige 10d6 points de dégâts "
        "d'électricité à chaque créature de la zone. Il partage les caractéristiques mentales du lanceur.",
    "Lord of Nightmares":
        "Pendant 20 rounds, une larve des rêves prend la place physique du lanceur avec son équipement et agit "
        "librement ; le lanceur ne peut ni mettre fin au sort ni communiquer. Le lanceur subit 12d6 points de "
        "dégâts et perd 1 000 PX.",
    "Mass Frog":
        "Toutes les créatures de taille M ou moins de la zone deviennent des grenouilles (statistiques du "
        "crapaud), en gardant leur esprit, leurs points de vie et leurs aptitudes extraordinaires et magiques.",
    "Momento Mori":
        "Par la seule pensée, le lanceur tue une créature vivante de 160 DV au plus ; un jet de Vigueur réussi "
        "(DD 30 + modificateur de caractéristique) réduit l'effet à 3d6+20 points de dégâts.",
    "Mummy Dust":
        "De la poussière de momie (10 000 po) fait surgir deux momies de taille G à 18 DV, aux ordres du lanceur "
        "dans la limite des morts-vivants qu'il contrôle. Coût : 2 000 PX.",
    "Nailed to the Sky":
        "La cible est projetée si haut et si vite qu'elle tourne pour toujours autour du monde ; sans vol magique "
        "ni autre moyen de propulsion, elle y reste jusqu'à ce qu'on vienne la chercher.",
    "Origin of Species: Achaierai":
        "Crée une nouvelle créature, un achaierai de taille M qui atteint la taille G en 1d4 jours, sans trésor ni "
        "culture propre. Coût : 10 000 PX.",
    "Peripety":
        "Les cinq prochaines attaques à distance visant le lanceur, qu'il choisit avant les dégâts, reviennent "
        "sur l'attaquant avec le même jet d'attaque.",
    "Pestilence":
        "Une vague de maladie infecte tout être vivant, plantes comprises, sur 300 m de rayon (putréfaction "
        "visqueuse) : chaque jet de Vigueur raté coûte 1d4 points de Constitution, dont 1 devient une perte "
        "permanente. Rituel à trois lanceurs ; coût : 10 000 PX.",
    "Rain of Fire":
        "Un orage fait pleuvoir du feu sur 3 km de rayon autour du lanceur : 1 point de dégâts de feu par round "
        "à qui n'est pas abrité (Réflexes, annule, à chaque round) ; la végétation finit calcinée.",
    "Raise Island":
        "Rituel qui fait surgir de la mer, là où elle a moins de 300 m de fond, une île stable et stérile d'environ "
        "60 m de diamètre. Coût : 2 000 PX.",
    "Ruin":
        "Inflige 20d6 points de dégâts à une cible en vue ; réduite à -10 points de vie (0 pour une créature "
        "artificielle, un objet ou un mort-vivant), elle tombe en poussière. Coût : 2 000 PX.",
    "Safe Time":
        "Sort latent : quand le sujet devrait subir un effet instantané de 50 points de dégâts ou plus, il est "
        "écarté du flux du temps pendant 1 round et l'effet le manque.",
    "Soul Dominion":
        "Le lanceur prend le contrôle du corps d'une créature qu'il connaît, avec tous ses sens ; un jet de "
        "Volonté réussi empêche le lien, et la cible sent un bref picotement.",
    "Soul Scry":
        "Le lanceur partage par les cinq sens tout ce que vit une créature qu'il connaît ; un jet de Volonté "
        "réussi empêche le lien, et la cible ne sent jamais la tentative.",
    "Spell Worm":
        "Si le sujet rate son jet de Volonté, il doit chaque round, par une action simple, abandonner son sort "
        "(ou son emplacement) du plus haut niveau, en descendant niveau par niveau.",
    "Summon Behemoth":
        "Convoque un béhémoth qui combat aussitôt les ennemis du lanceur et disparaît à la fin du sort.",
    "Superb Dispelling":
        "Comme Dissipation suprême, mais le bonus du test de dissipation monte jusqu'à +40 ; le lanceur subit "
        "10d6 points de dégâts.",
    "Time Duplicate":
        "Sort à incantation rapide : le lanceur fait venir son double d'un round dans le futur sur une case "
        "voisine, avec toutes ses ressources ; les deux agissent ce round, puis le lanceur manque le round "
        "suivant.",
    "Vengeful Gaze of God":
        "La cible subit 305d6 points de dégâts (Vigueur, 1/2 dégâts) et tombe en poussière à -10 points de vie ; "
        "le lanceur subit lui-même 200d6 points de dégâts.",
    "Verdigris":
        "Une vague d'herbes, de buissons et d'arbres recouvre 30 m de rayon : 10d6 points de dégâts aux créatures "
        "et aux bâtiments (Réflexes pour les éviter) ; la végétation disparaît au bout de 24 heures.",
    "Verdigris Tsunami":
        "Comme Verdigris, sur 300 m de rayon et à 450 m de portée, avec 40d6 points de dégâts ; la végétation "
        "reste en place.",
    "Seed: Afflict":
        "Germe de sort épique : malus de moral de -2 aux jets d'attaque, aux tests et aux jets de sauvegarde de la "
        "cible ; chaque point de malus en plus, ou sur une autre valeur, augmente le DD de 2.",
    "Seed: Animate":
        "Germe de sort épique : anime un objet non magique ou 0,5 m³ de matière brute, qui attaque qui le lanceur "
        "désigne ; chaque 0,3 m³ en plus augmente le DD.",
    "Seed: Animate Dead":
        "Germe de sort épique : transforme des cadavres ou des ossements en morts-vivants obéissants, jusqu'à 20 DV ; "
        "chaque DV en plus augmente le DD.",
    "Seed: Armor":
        "Germe de sort épique : bonus de +4 à la CA, d'armure ou d'armure naturelle au choix, sans malus ni échec "
        "des sorts ; chaque point en plus augmente le DD de 2.",
    "Seed: Banish":
        "Germe de sort épique : renvoie jusqu'à 14 DV de créatures extraplanaires hors du plan du lanceur ; chaque "
        "2 DV en plus augmente le DD de 1.",
    "Seed: Compel":
        "Germe de sort épique : la cible suit une ligne de conduite qui semble raisonnable ; une conduite "
        "déraisonnable augmente le DD de 10.",
    "Seed: Conceal":
        "Germe de sort épique : rend invisible une créature ou un objet touché, même à la vision dans le noir ; "
        "le sort prend fin si le sujet attaque.",
    "Seed: Conjure":
        "Germe de sort épique : crée un objet non magique de matière inerte, jusqu'à 0,5 m³, du végétal à "
        "l'adamantium ; il dure 24 heures.",
    "Seed: Contact":
        "Germe de sort épique : lien télépathique avec une créature connue du lanceur, pour converser ; chaque "
        "créature en plus augmente le DD de 1.",
    "Seed: Delude":
        "Germe de sort épique : illusion visuelle d'un objet, d'une créature ou d'une force, que le lanceur "
        "déplace par concentration ; chaque sens en plus augmente le DD de 2.",
    "Seed: Destroy":
        "Germe de sort épique : 20d6 points de dégâts sans type ; réduite à -10 points de vie, la cible tombe en "
        "poussière. Chaque 1d6 en plus augmente le DD de 2.",
    "Seed: Dispel":
        "Germe de sort épique : dissipe les sorts actifs sur une créature, un objet ou une zone, même ceux que "
        "Dissipation de la magie n'atteint pas, et les effets surnaturels.",
    "Seed: Energy":
        "Germe de sort épique : acide, froid, électricité, feu ou son au choix ; un éclair inflige 10d6 points de "
        "dégâts (Réflexes, 1/2 dégâts), chaque 1d6 en plus augmentant le DD de 2.",
    "Seed: Foresee":
        "Germe de sort épique : présage sur les 30 prochaines minutes (90 % de réussite) ou réponses à des "
        "questions précises posées pendant la concentration.",
    "Seed: Fortify":
        "Germe de sort épique : bonus d'altération de +1 à une caractéristique, à un jet de sauvegarde, à la "
        "résistance à la magie ou à l'armure naturelle, ou résistance 1 à une énergie ; chaque point en plus "
        "augmente le DD de 2.",
    "Seed: Heal":
        "Germe de sort épique : guérit maladies, cécité, surdité, blessures et affaiblissements temporaires de "
        "caractéristique, neutralise les poisons et les troubles mentaux.",
    "Seed: Life":
        "Germe de sort épique : rend la vie et toute sa vigueur à une créature morte depuis deux cents ans au plus, "
        "pourvu qu'il reste un fragment de son corps.",
    "Seed: Reflect":
        "Germe de sort épique : renvoie sur son auteur une attaque visant le lanceur, d'un seul genre (sorts, "
        "attaques à distance ou au corps à corps).",
    "Seed: Reveal":
        "Germe de sort épique : capteur invisible qui permet de voir ou d'entendre un lieu connu, à n'importe "
        "quelle distance ; le plomb et les protections magiques l'arrêtent.",
    "Seed: Slay":
        "Germe de sort épique : tue une créature vivante de 80 DV au plus ; un jet de Vigueur réussi réduit "
        "l'effet à 3d6+20 points de dégâts.",
    "Seed: Summon":
        "Germe de sort épique : convoque un Extérieur de FP 2 au plus, qui combat pour le lanceur ; chaque point de "
        "FP en plus augmente le DD.",
    "Seed: Transform":
        "Germe de sort épique : change le sujet en une autre créature ou un objet, de taille TP à une catégorie "
        "au-dessus de la sienne.",
    "Seed: Transport":
        "Germe de sort épique : emmène aussitôt le lanceur, avec 500 kg d'objets et de créatures consentantes, où "
        "il veut, par le plan Astral ; changer de plan augmente le DD de 4.",
    "Seed: Ward":
        "Germe de sort épique : protège une créature de deux des trois genres de dégâts physiques, d'une énergie "
        "ou de la magie, ou interdit une zone à un type de créature.",
}


def pour_developper(texte):
    """'450,000 gp; 9 days; 18,000 XP. Seeds…' -> '450 000 po, 9 jours, 18 000 PX' (PX : 1/25 du prix)."""
    if not texte or texte == "None":
        return None
    m = re.match(r"^([\d,]+) gp; (\d+) days?", texte)
    if not m:
        return None
    po = int(m.group(1).replace(",", ""))
    separe = lambda n: "{:,}".format(n).replace(",", " ")
    return "%s po, %s jours, %s PX" % (separe(po), m.group(2), separe(po // 25))


def sorts_epiques(base, ecole, composantes):
    """Lignes de la table Sort pour les sorts épiques, et les noms anglais gardés."""
    lignes = []
    requete = "select * from spell where reference in (%s) order by id" % ", ".join("?" * len(REFERENCES))
    for r in base.execute(requete, REFERENCES):
        nom = r["name"]
        if nom in DEJA_LIVRES:
            continue
        if nom not in EXPLICATIONS:
            raise SystemExit("Sort épique sans explication : " + nom)
        rubriques = {}
        for champ in ("casting_time", "range", "target", "effect", "area", "duration", "saving_throw",
                      "spell_resistance"):
            rubriques[champ] = RUBRIQUES[(nom, champ)] if (nom, champ) in RUBRIQUES else traduit(r[champ])
        dd = r["spellcraft_dc"].replace("(see text)", "(voir description)")
        lignes.append({
            "Nom": nom, "Ecole": ecole(r), "Classe/Niveau": "Sort épique (Art de la magie DD %s)" % dd.split()[0],
            "composantes": "Aucune" if r["components"] == "None" else
            re.sub(r"\s+,", ",", composantes(r["components"])).replace("Ritual", "rituel"),
            "Temps d’incantation": rubriques["casting_time"], "Portée": rubriques["range"],
            "Cible": rubriques["target"], "effet": rubriques["effect"], "Zone d'effet": rubriques["area"],
            "durée": rubriques["duration"], "Jet de sauvegarde": rubriques["saving_throw"] or "Aucun",
            "Résistance à la magie": rubriques["spell_resistance"] or "Non",
            "Explication": EXPLICATIONS[nom], "DDdeDifficultee": dd,
            "PourDevellopper": pour_developper(r["to_develop"]), "Source": SOURCE, "version": 3.5,
        })
    return lignes
