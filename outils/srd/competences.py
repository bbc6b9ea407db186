"""Compétences : la table Competence, une colonne par classe livrée (1 de classe, 0 hors classe),
depuis les listes de compétences de classe du SRD."""
import os
import re

from classes import CLASSES, TYPES
from tsv_srd import DONNEES, base_srd, cle_tri, ecrit_tsv

FOR, DEX, CON, INT, SAG, CHA = "Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"

# nom, nom SRD, caractéristique, formation nécessaire, malus d'armure, description
COMPETENCES = [
    ("Acrobaties", "Tumble", DEX, True, True, "Rouler, bondir et passer près des adversaires sans provoquer d'attaque d'opportunité."),
    ("Art de la magie", "Spellcraft", INT, True, False, "Identifier un sort lancé ou un effet magique, déchiffrer un parchemin."),
    ("Artisanat 1", "Craft", INT, False, False, "Fabriquer des objets d'un artisanat choisi et en tirer un revenu."),
    ("Artisanat 2", "Craft", INT, False, False, "Fabriquer des objets d'un deuxième artisanat."),
    ("Artisanat 3", "Craft", INT, False, False, "Fabriquer des objets d'un troisième artisanat."),
    ("Bluff", "Bluff", CHA, False, False, "Faire croire un mensonge ou feinter en combat."),
    ("Concentration", "Concentration", CON, False, False, "Garder un sort malgré une blessure, une distraction ou l'incantation sur la défensive."),
    ("Connaissances (architecture)", "Knowledge (architecture and engineering)", INT, True, False, "Bâtiments, ponts, fortifications et leurs faiblesses."),
    ("Connaissances (explo souterre)", "Knowledge (dungeoneering)", INT, True, False, "Cavernes, souterrains, aberrations et vases."),
    ("Connaissances (géographie)", "Knowledge (geography)", INT, True, False, "Terres, peuples, climats et reliefs."),
    ("Connaissances (histoire)", "Knowledge (history)", INT, True, False, "Guerres, fondations, royaumes et personnages du passé."),
    ("Connaissances (local)", "Knowledge (local)", INT, True, False, "Légendes, personnalités, coutumes et lois d'une région ; humanoïdes."),
    ("Connaissances (mystères)", "Knowledge (arcana)", INT, True, False, "Magie, traditions profanes, symboles ; créatures artificielles, dragons, créatures magiques."),
    ("Connaissances (nature)", "Knowledge (nature)", INT, True, False, "Animaux, plantes, saisons et cycles ; fées, géants, vermine."),
    ("Connaissances (noblesse)", "Knowledge (nobility and royalty)", INT, True, False, "Lignées, héraldique, étiquette et personnalités nobles."),
    ("Connaissances (plans)", "Knowledge (the planes)", INT, True, False, "Plans d'existence, magie planaire ; Extérieurs et élémentaires."),
    ("Connaissances (religion)", "Knowledge (religion)", INT, True, False, "Dieux, rites, symboles sacrés ; morts-vivants."),
    ("Contrefaçon", "Forgery", INT, False, False, "Imiter un document ou en repérer un faux."),
    ("Crochetage", "Open Lock", DEX, True, False, "Ouvrir une serrure avec des outils de cambrioleur."),
    ("Décryptage", "Decipher Script", INT, True, False, "Comprendre un texte dans une langue ou une écriture inconnue."),
    ("Déguisement", "Disguise", CHA, False, False, "Prendre une autre apparence."),
    ("Déplacement silencieux", "Move Silently", DEX, False, True, "Se déplacer sans bruit."),
    ("Désamorçage/sabotage", "Disable Device", INT, True, False, "Désamorcer un piège ou saboter un mécanisme."),
    ("Détection", "Spot", SAG, False, False, "Voir ce qui est caché ou discret."),
    ("Diplomatie", "Diplomacy", CHA, False, False, "Améliorer l'attitude d'autrui, négocier."),
    ("Discrétion", "Hide", DEX, False, True, "Se cacher à la vue."),
    ("Dressage", "Handle Animal", CHA, True, False, "Diriger et dresser des animaux."),
    ("Equilibre", "Balance", DEX, False, True, "Garder l'équilibre sur une surface étroite ou glissante."),
    ("Equitation", "Ride", DEX, False, False, "Monter et diriger une monture, même en combat."),
    ("Escalade", "Climb", FOR, False, True, "Grimper à une paroi, une corde ou une pente."),
    ("Escamotage", "Sleight of Hand", DEX, True, True, "Vol à la tire, tours de passe-passe, cacher un petit objet."),
    ("Estimation", "Appraise", INT, False, False, "Évaluer le prix d'un objet."),
    ("Evasion", "Escape Artist", DEX, False, True, "Se libérer de liens, d'une étreinte ou passer par un passage étroit."),
    ("Fouille", "Search", INT, False, False, "Trouver des détails cachés, des pièges et des passages secrets."),
    ("Intimidation", "Intimidate", CHA, False, False, "Effrayer pour obtenir ce que l'on veut ou démoraliser un adversaire."),
    ("Langues", "Speak Language", None, True, False, "Parler et écrire une langue de plus par rang."),
    ("Maîtrise des cordes", "Use Rope", DEX, False, False, "Nœuds, épissures, ligoter quelqu'un."),
    ("Natation", "Swim", FOR, False, True, "Nager et plonger (malus d'armure doublé)."),
    ("Perception auditive", "Listen", SAG, False, False, "Entendre un bruit faible ou une conversation."),
    ("Premiers secours", "Heal", SAG, False, False, "Soigner, stabiliser un mourant, traiter poisons et maladies."),
    ("Profession 1", "Profession", SAG, True, False, "Exercer un métier et en tirer un revenu."),
    ("Profession 2", "Profession", SAG, True, False, "Exercer un deuxième métier."),
    ("Profession 3", "Profession", SAG, True, False, "Exercer un troisième métier."),
    ("Profession 4", "Profession", SAG, True, False, "Exercer un quatrième métier."),
    ("Psychologie", "Sense Motive", SAG, False, False, "Deviner une intention, déceler un bluff."),
    ("Renseignements", "Gather Information", CHA, False, False, "Recueillir rumeurs et informations dans une communauté."),
    ("Représentation (art oratoire)", "Perform", CHA, False, False, "Déclamation, conte, épopée."),
    ("Représentation (chant)", "Perform", CHA, False, False, "Chant, ballade, mélopée."),
    ("Représentation (comédie)", "Perform", CHA, False, False, "Théâtre, mime, bouffonnerie."),
    ("Représentation (danse)", "Perform", CHA, False, False, "Danse de toutes sortes."),
    ("Représentation (instruments)", "Perform", CHA, False, False, "Instruments à cordes, à vent, à clavier ou à percussion."),
    ("Représentation (Les autres)", "Perform", CHA, False, False, "Toute autre forme de spectacle."),
    ("Saut", "Jump", FOR, False, True, "Sauter en longueur ou en hauteur."),
    ("Survie", "Survival", SAG, False, False, "Vivre en pleine nature, s'orienter, suivre une piste."),
    ("Utilisation Objets magiques", "Use Magic Device", CHA, True, False, "Activer un objet magique sans remplir ses conditions."),
]

# Détails de la description : action nécessaire, nouvelles tentatives, cas particuliers (par nom SRD).
DETAILS = {
    "Appraise": ("Une minute par objet.", "Non pour le même objet, réussite ou non.",
                 "Un nain gagne +2 pour les objets de pierre ou de métal."),
    "Balance": ("Aucune : le test accompagne un déplacement.", "Sans objet : chaque situation demande son propre test.",
                "On peut avancer à vitesse normale en acceptant un malus de -5."),
    "Bluff": ("Au moins un round (action complexe) en conversation ; une feinte en combat est une action simple.",
              "Oui en combat ; hors combat, un second mensonge sur le même sujet est plus difficile.",
              "Un rôdeur ajoute son bonus d'ennemi juré ; le don Persuasion donne +2."),
    "Climb": ("Fait partie du déplacement : un quart de la vitesse en action de mouvement.",
              "Sans objet ; un échec de 5 ou plus fait tomber.", "On peut hisser ou descendre quelqu'un à la corde, jusqu'au double de sa charge maximale."),
    "Concentration": ("Aucune : le test se fait pendant l'action qu'on protège.", "Oui, mais un sort perdu l'est pour de bon.",
                      "Incanter sur la défensive demande un test de DD 15 + niveau du sort."),
    "Craft": ("Le travail se compte en semaines ou en jours.", "Oui ; un échec de 5 ou plus gâche la moitié des matériaux.",
              "Un nain gagne +2 pour la pierre et le métal, un gnome +2 en alchimie."),
    "Decipher Script": ("Une minute par page au moins.", "Non pour le même texte.",
                        "Le MJ fait le test en secret ; après un échec, un test de Sagesse DD 5 évite de tirer du texte une idée fausse."),
    "Diplomacy": ("Une minute au moins pour changer une attitude ; une action complexe en urgence, avec -10.",
                  "Déconseillé : une nouvelle tentative réussit rarement.",
                  "Un demi-elfe gagne +2 ; une négociation oppose deux tests de Diplomatie."),
    "Disable Device": ("Un round pour un mécanisme simple, jusqu'à 2d4 rounds pour un piège complexe.",
                       "Oui après un échec de 4 ou moins ; un échec de 5 ou plus déclenche le piège.", "Un roublard qui dépasse le DD de 10 peut étudier le piège et le franchir sans le désamorcer."),
    "Disguise": ("1d3 × 10 minutes pour se grimer.", "Oui, mais un observateur méfiant reste méfiant.",
                 "Changer d'apparence par la magie donne +10."),
    "Escape Artist": ("Une minute pour des liens ; action simple contre une lutte ; action complexe contre un filet.",
                      "Souvent, tant que personne ne s'y oppose activement ; on peut alors faire 20.", "Un passage étroit demande au moins la place de la tête."),
    "Forgery": ("Une minute pour un document court, 1d4 minutes par page sinon.", "Non pour le même faux.",
                "Le don Fourbe donne +2."),
    "Gather Information": ("Une soirée (1d4+1 heures) et quelques pièces d'or.", "Oui, mais chaque soirée coûte du temps et de l'argent.",
                           "Une question sensible peut éveiller la méfiance des autorités."),
    "Handle Animal": ("Action de mouvement pour diriger, action complexe pour pousser ; des semaines pour dresser.", "Oui pour diriger ; le dressage reprend après un échec.",
                      "Un druide ou un rôdeur dirige son compagnon par une action libre ; une créature non animale d'Intelligence 1 ou 2 augmente le DD de 5."),
    "Heal": ("Une action simple pour stabiliser ; huit heures pour des soins à long terme.", "Variable : on ne retente qu'avec une nouvelle blessure ou un nouveau jour.",
             "Une trousse de soins donne +2."),
    "Hide": ("Aucune : le test accompagne le déplacement.", "Oui, si l'on n'a pas été repéré.",
             "Invisible : +40 immobile, +20 en mouvement ; le modificateur de taille s'ajoute."),
    "Intimidate": ("Une action simple pour démoraliser ; un round d'échange pour influencer.", "Oui, mais la cible devient plus difficile à influencer.",
                   "Une créature plus grande gagne +4 par catégorie de taille d'écart."),
    "Jump": ("Fait partie du déplacement.", "Sans objet : le saut est réussi ou manqué.",
             "Sans élan, le DD double ; le don Course donne +4 après un élan."),
    "Knowledge": ("Aucune en général ; on sait ou on ne sait pas.", "Non : on ne retente pas sans apprendre quelque chose de neuf.",
                  "Sans formation, seules les questions faciles (DD 10 au plus) sont possibles."),
    "Listen": ("Aucune pour réagir ; une action de mouvement pour écouter activement.", "Oui, en écoutant de nouveau.",
               "Un dormeur subit -10 ; une porte impose +5 au DD."),
    "Move Silently": ("Aucune : le test accompagne le déplacement.", "Oui, tant qu'on n'a pas été entendu.",
                      "Se déplacer à plus de la moitié de sa vitesse impose -5."),
    "Open Lock": ("Une action complexe.", "Oui.", "Sans outils de cambrioleur, le test subit -2."),
    "Perform": ("Variable, de quelques minutes à une soirée.", "Oui, mais un public déçu se montre moins généreux.",
                "Les musiques de barde exigent des rangs : 3 pour les premières, 6, 9, 12… pour les plus puissantes."),
    "Profession": ("Le travail se compte en semaines.", "Variable ; un échec coûte le revenu de la semaine.",
                   "Sans rang, un manœuvre gagne en moyenne une pièce d'argent par jour."),
    "Ride": ("Une action libre ou de mouvement selon la manœuvre.", "Oui pour la plupart des manœuvres.",
             "Monter à cru impose -5 ; une selle militaire donne +2 pour rester en selle."),
    "Search": ("Une action complexe par case de 1,50 m de côté.", "Oui, en fouillant de nouveau.",
               "Seul un roublard trouve un piège de DD supérieur à 20."),
    "Sense Motive": ("Une minute pour un pressentiment ; aucune pour contrer un bluff.", "Non pour le même bluff.",
                     "Un test de DD 25 révèle une créature sous l'effet d'un enchantement."),
    "Sleight of Hand": ("Une action simple, ou libre avec un malus de -20.", "Oui, mais une victime alertée devient méfiante.",
                        "Cacher un objet sur soi s'oppose à la Détection ou à la Fouille d'un garde."),
    "Speak Language": ("Aucune.", "Sans objet.", "Chaque rang donne une langue parlée et écrite."),
    "Spellcraft": ("Aucune pour identifier un sort en cours d'incantation ; plus longue pour les autres usages.",
                   "Non pour le même sort.", "Un spécialiste gagne +2 pour les sorts de son école."),
    "Spot": ("Aucune pour réagir ; une action de mouvement pour observer activement.", "Oui, en regardant de nouveau.",
             "-1 par tranche de 3 m de distance ; -5 si l'on est distrait."),
    "Survival": ("Variable : une journée pour se nourrir, un test par kilomètre et demi pour suivre une piste.", "Variable selon l'usage.",
                 "Seul qui possède le don Pistage peut suivre une piste de DD supérieur à 10."),
    "Swim": ("Une action de mouvement pour nager au quart de sa vitesse.", "Oui ; un échec de 5 ou plus fait couler.",
             "Le malus d'armure compte double."),
    "Tumble": ("Aucune : le test accompagne le déplacement.", "En général non.",
               "Avec 5 rangs : +3 d'esquive en combat sur la défensive, +6 en défense totale."),
    "Use Magic Device": ("Aucune en plus : le test accompagne l'action qu'exige l'objet.", "Oui ; un 1 naturel bloque l'objet pour 24 heures.",
                         "Impossible de faire 10 ou d'être aidé ; on peut imiter une race, un alignement ou une caractéristique."),
    "Use Rope": ("Action complexe pour un nœud ; une minute pour ligoter ; cinq minutes pour une épissure.", "Oui.",
                 "Une corde en soie d'araignée donne +2, une corde animée +2 de plus."),
}

# Texte du test : contre quoi on lance le dé, DD usuels ou test opposé (par nom SRD).
TESTS = {
    "Appraise": "DD 12 pour un objet courant ; un échec donne une estimation entre 50 % et 150 % du vrai prix. "
                "Un objet rare ou exotique demande DD 15, 20 ou plus, et un échec ne permet aucune estimation.",
    "Balance": "DD selon la largeur de l'appui : 10 de 18 à 30 cm, 15 de 5 à 15 cm, 20 sous 5 cm ; "
               "+2 ou +5 s'il est encombré ou glissant, +2 s'il est en pente. "
               "Un sol inégal ou incliné ne demande un test (DD 10) que pour courir ou charger.",
    "Bluff": "Opposé au test de Psychologie de la cible, qui gagne de -5 à +20 selon que le mensonge est crédible ou non. "
             "Pour une feinte, la cible ajoute son bonus de base à l'attaque ; un message caché demande DD 15 (simple) ou 20 (complexe).",
    "Climb": "DD 0 pour une pente trop raide pour y marcher, 5 pour une corde à nœuds, 10 pour un mur à corniches, "
             "15 pour un arbre ou une corde sans nœuds, 20 pour un mur de donjon, 25 pour un mur de briques ou un surplomb avec prises. "
             "Une surface parfaitement lisse ne s'escalade pas ; -10 au DD entre deux parois opposées, -5 dans un angle, +5 si c'est glissant.",
    "Concentration": "DD 10 + dégâts subis pendant l'action, 10 + moitié des dégâts continus, DD de sauvegarde d'un sort qui distrait ; "
                     "10, 15 ou 20 selon la violence du mouvement (monture, bateau, séisme), 15 si l'on est enchevêtré, 20 en lutte. "
                     "Pour un sort, on ajoute son niveau au DD.",
    "Craft": "DD 5 pour un objet très simple, 10 pour un objet courant, 15 pour un objet de qualité, 20 pour un objet complexe "
             "ou la partie de maître d'une arme ou d'une armure ; 12 à 18 pour une arme, 10 + bonus d'armure pour une armure. "
             "Chaque semaine, le résultat multiplié par le DD donne l'avancement en pièces d'argent.",
    "Decipher Script": "DD 20 pour un message simple, 25 pour un texte ordinaire, 30 ou plus pour une écriture complexe, exotique ou très ancienne. "
                       "Après un échec, un test de Sagesse DD 5 évite d'en tirer une fausse conclusion.",
    "Diplomacy": "DD selon l'attitude de départ et celle visée : rendre amical un indifférent demande 15, un inamical 25, un hostile 35 ; "
                 "rendre serviable un amical demande 20, un indifférent 30. "
                 "Dans une négociation, les tests de Diplomatie des deux parties s'opposent.",
    "Disable Device": "DD 10 pour un mécanisme simple (bloquer une serrure), 15 pour un mécanisme délicat (saboter une roue), "
                      "20 pour désamorcer un piège, 25 pour un piège complexe ; +5 pour ne laisser aucune trace. "
                      "Le test se fait en secret.",
    "Disguise": "Opposé au test de Détection de ceux qui vous observent : +5 si l'on ne change que des détails, "
                "-2 pour un autre sexe ou une autre race, -2 par catégorie d'âge d'écart. "
                "Qui connaît la personne imitée gagne de +4 à +10 à sa Détection.",
    "Escape Artist": "Contre des liens, opposé au test de Maîtrise des cordes de qui les a noués, avec +10 pour lui ; "
                     "contre une lutte, opposé à son test de lutte. "
                     "DD 20 pour un filet ou un sort d'enchevêtrement, 23 pour un sort de collet, 30 pour des menottes ou un passage étroit, 35 pour des menottes de maître.",
    "Forgery": "Opposé au test de Contrefaçon de qui examine le document, de -2 à +2 selon qu'il en connaît le type et l'écriture, "
               "-2 s'il ne fait que le parcourir. "
               "Le faussaire gagne +8 pour un document sans écriture personnelle, +4 pour une signature copiée sur un modèle.",
    "Gather Information": "DD 10 pour apprendre les principales nouvelles d'une ville ; 15 à 25, voire plus, "
                          "pour une rumeur précise, un objet ou un plan. Plus le résultat est haut, meilleure est l'information.",
    "Handle Animal": "DD 10 pour faire exécuter un tour connu, 25 pour pousser l'animal à un tour qu'il ignore ; le DD augmente de 2 s'il est blessé. "
                     "DD 15 ou 20 pour apprendre un tour ou dresser à un usage (garde, combat, monte…), 15 + DV pour élever un animal sauvage.",
    "Heal": "DD 15 pour stabiliser un mourant, donner des soins de longue durée ou soigner la blessure d'une chausse-trappe. "
            "Contre un poison ou une maladie, le DD est celui de leur jet de sauvegarde, et le patient garde le meilleur des deux résultats.",
    "Hide": "Opposé au test de Détection de qui pourrait vous voir. "
            "-5 au-delà de la moitié de sa vitesse, -20 en attaquant, en courant ou en chargeant, -10 pour se cacher à la faveur d'une diversion ; "
            "de +16 (taille Infime) à -16 (taille Colossale) selon la taille.",
    "Intimidate": "Opposé à un test de niveau de la cible : 1d20 + niveau ou DV + bonus de Sagesse + bonus de sauvegarde contre la terreur. "
                  "Réussi en combat, il rend l'adversaire secoué pour 1 round ; sinon la cible se montre amicale tant qu'elle est intimidée.",
    "Jump": "En longueur, DD 5 par tranche de 1,50 m ; en hauteur, DD 4 par tranche de 30 cm ; ces DD supposent 6 m d'élan. "
            "DD 10 pour monter sur un obstacle à hauteur de taille, 15 pour sauter volontairement d'une hauteur. "
            "Chaque tranche de 3 m de vitesse sous 9 m donne -6, au-dessus +4.",
    "Knowledge": "DD 10 pour une question très facile, 15 pour une question élémentaire, 20 à 30 pour une question ardue. "
                 "Identifier un monstre et ses pouvoirs demande DD 10 + ses DV ; chaque tranche de 5 points au-delà apporte une information de plus.",
    "Listen": "Contre un DD selon le bruit (-10 une bataille, 0 une conversation, 15 des chuchotements, 19 un chat à l'affût, 30 une chouette en vol) "
              "ou opposé au Déplacement silencieux de qui veut passer inaperçu. "
              "+1 au DD par tranche de 3 m, +5 à travers une porte, +15 à travers un mur de pierre.",
    "Move Silently": "Opposé au test de Perception auditive de qui pourrait vous entendre. "
                     "-5 au-delà de la moitié de sa vitesse, -20 en courant ou en chargeant ; "
                     "-2 sur un sol bruyant (éboulis, broussailles), -5 sur un sol très bruyant (neige profonde).",
    "Open Lock": "DD 20 pour une serrure très simple, 25 pour une serrure moyenne, 30 pour une bonne serrure, 40 pour une serrure remarquable.",
    "Perform": "DD 10 pour une prestation ordinaire, 15 plaisante, 20 belle, 25 mémorable, 30 extraordinaire. "
               "Dans une ville prospère, une journée rapporte 1d10 pc, 1d10 pa, 3d10 pa, 1d6 po ou 3d6 po selon ce niveau ; "
               "un instrument de maître donne +2.",
    "Profession": "Aucun DD pour l'exercice courant du métier : une semaine de travail rapporte environ la moitié du résultat en pièces d'or.",
    "Ride": "Seller, monter et descendre ne demandent aucun test. DD 5 pour guider aux genoux ou rester en selle, "
            "10 pour combattre avec un cheval de guerre, 15 pour se couvrir derrière sa monture, amortir une chute, sauter un obstacle ou éperonner, "
            "20 pour maîtriser en combat une monture non dressée ou monter et descendre en vitesse.",
    "Search": "DD 10 pour trouver un objet dans un coffre encombré, 20 pour une porte secrète ordinaire ou un piège simple, "
              "30 pour une porte secrète bien cachée ; 21 et plus pour un piège difficile, 25 + niveau du sort pour un piège magique. "
              "Il faut être à 3 m au plus de ce qu'on fouille.",
    "Sense Motive": "Opposé au test de Bluff de qui ment ou transmet un message caché. "
                    "DD 20 pour un pressentiment, 25 pour déceler un enchantement (15 si la personne est dominée).",
    "Sleight of Hand": "DD 10 pour subtiliser ou faire disparaître une pièce, 20 pour dérober un petit objet sur quelqu'un. "
                       "Sous surveillance, le test est opposé à la Détection des témoins ; pour un objet caché sur soi, "
                       "à leur Détection ou à la Fouille de qui vous palpe (+4 pour lui).",
    "Speak Language": "Aucun test : chaque rang donne une langue. Lire une écriture inconnue relève du Décryptage.",
    "Spellcraft": "DD 15 + niveau du sort pour identifier un sort qu'on voit lancer ou apprendre un sort d'un grimoire, "
                  "20 + niveau pour identifier un sort actif ou déchiffrer un parchemin sans lecture de la magie, "
                  "25 + niveau pour reconnaître un sort subi après son jet de sauvegarde. "
                  "DD 25 pour identifier une potion, 30 ou plus pour un effet magique singulier.",
    "Spot": "Opposé au test de Discrétion de qui se cache ou de Déguisement de qui se grime ; -1 par tranche de 3 m, -5 si l'on est distrait. "
            "Au-delà de 20, on devine une créature invisible proche ; lire sur les lèvres demande DD 15, à 9 m au plus.",
    "Survival": "DD 10 pour vivre de chasse et de cueillette, 15 pour se protéger du mauvais temps, ne pas se perdre, "
                "éviter un danger naturel ou prévoir le temps du lendemain. Suivre une piste a son propre DD (voir le don Pistage).",
    "Swim": "DD 10 en eau calme, 15 en eau agitée, 20 en eau déchaînée (où l'on ne peut pas faire 10). "
            "Chaque heure de nage demande un test DD 20 sous peine de 1d6 points de dégâts non-létaux.",
    "Tumble": "DD 15 pour passer à demi-vitesse près d'un adversaire sans provoquer d'attaque d'opportunité ou pour compter une chute 3 m plus courte, "
              "25 pour traverser la case d'un ennemi ; +2 par adversaire supplémentaire. "
              "+2 ou +5 sur un sol encombré ou glissant ; -10 au test pour avancer à pleine vitesse.",
    "Use Magic Device": "DD 20 pour une baguette ou pour imiter une aptitude de classe, 20 + niveau de lanceur pour un parchemin, "
                        "25 pour activer un objet à l'aveugle ou imiter une race, 25 + niveau du sort pour déchiffrer un sort écrit, "
                        "30 pour imiter un alignement. Pour imiter une caractéristique, sa valeur est le résultat moins 15.",
    "Use Rope": "DD 10 pour un nœud solide ou pour fixer un grappin (+2 par tranche de 3 m de lancer, 20 au plus) ; "
                "15 pour un nœud spécial, s'encorder d'une main ou faire une épissure. "
                "Pour ligoter quelqu'un, le test, à +10, s'oppose à son Evasion.",
}

# Synergies sans condition : compétence -> compétences sources (5 rangs donnent +2)
SYNERGIES = {
    "Acrobaties": ["Saut"],
    "Art de la magie": ["Connaissances (mystères)"],
    "Connaissances (nature)": ["Survie"],
    "Diplomatie": ["Bluff", "Connaissances (noblesse)", "Psychologie"],
    "Equilibre": ["Acrobaties"],
    "Equitation": ["Dressage"],
    "Escamotage": ["Bluff"],
    "Intimidation": ["Bluff"],
    "Renseignements": ["Connaissances (local)"],
    "Saut": ["Acrobaties"],
}

# Dons qui ajoutent à une compétence : "don,bonus;"
DONS = {
    "Acrobaties": [("Acrobate", 2)], "Saut": [("Acrobate", 2)],
    "Equilibre": [("Agile", 2)], "Evasion": [("Agile", 2)],
    "Perception auditive": [("Vigilance", 2)], "Détection": [("Vigilance", 2)],
    "Dressage": [("Affinité avec les animaux", 2)], "Equitation": [("Affinité avec les animaux", 2)],
    "Escalade": [("Athlétisme", 2)], "Natation": [("Athlétisme", 2)],
    "Contrefaçon": [("Fourbe", 2)], "Déguisement": [("Fourbe", 2)],
    "Escamotage": [("Doigts de fée", 2)], "Maîtrise des cordes": [("Doigts de fée", 2)],
    "Estimation": [("Méticuleux", 2)], "Décryptage": [("Méticuleux", 2)],
    "Renseignements": [("Investigateur", 2)], "Fouille": [("Investigateur", 2)],
    "Art de la magie": [("Affinité magique", 2)], "Utilisation Objets magiques": [("Affinité magique", 2)],
    "Diplomatie": [("Négociateur", 2)], "Psychologie": [("Négociateur", 2)],
    "Désamorçage/sabotage": [("Doigts agiles", 2)], "Crochetage": [("Doigts agiles", 2)],
    "Bluff": [("Persuasion", 2)], "Intimidation": [("Persuasion", 2)],
    "Premiers secours": [("Autonome", 2)], "Survie": [("Autonome", 2)],
    "Discrétion": [("Discret", 2)], "Déplacement silencieux": [("Discret", 2)],
}
for _c in COMPETENCES:
    DONS.setdefault(_c[0], []).append(("Talent", 3))

# Le SRD écrit "Handle Animals" une fois.
SYNONYMES = {"Handle Animals": "Handle Animal"}


def competences_de_classe(texte):
    """Liste SRD -> noms SRD de base (Knowledge (x), Craft, Perform...)."""
    noms = set()
    for partie in re.split(r",\s*(?![^()]*\))", texte):
        partie = SYNONYMES.get(partie.strip().rstrip("."), partie.strip().rstrip("."))
        if partie.startswith("Knowledge (all"):
            noms.update(c[1] for c in COMPETENCES if c[1].startswith("Knowledge"))
        elif partie.startswith("Craft"):
            noms.add("Craft")
        elif partie.startswith("Speak Language"):
            noms.add("Speak Language")
        else:
            noms.add(partie)
    return noms


def main():
    srd = base_srd()
    anglais = {c[1] for c in COMPETENCES}
    colonnes = {}
    for nom, (srd_nom, *_reste) in CLASSES.items():
        texte = srd.execute("select class_skills from class where name=?", (srd_nom,)).fetchone()[0]
        if srd_nom == "Expert":  # l'expert choisit dix compétences : toutes lui sont offertes
            colonnes[nom] = anglais
            continue
        noms = competences_de_classe(texte)
        inconnus = noms - anglais
        assert not inconnus, (nom, inconnus)
        colonnes[nom] = noms

    ordre = sorted(COMPETENCES, key=lambda c: cle_tri(c[0]))
    lignes = []
    for numero, (nom, srd_nom, carac, formation, armure, description) in enumerate(COMPETENCES, 1):
        sources = SYNERGIES.get(nom, [])
        cle = "Knowledge" if srd_nom.startswith("Knowledge") else srd_nom
        action, nouvelles, special = DETAILS[cle]
        ligne = {"Nom": nom, "n°": numero, "carac1": carac, "innee": "N" if formation else "O",
                 "PenaliteArmure": armure, "synergie_comp": "".join(s + ";" for s in sources) or None,
                 "synergie_don": "".join("%s,%d;" % d for d in DONS.get(nom, [])) or None,
                 "indexalpha": ordre.index(next(c for c in COMPETENCES if c[0] == nom)),
                 "Source": "Manuel des joueurs", "Multiple": False, "liearme": False,
                 "Description": description, "Test": TESTS[cle], "Action": action, "Nouvelles": nouvelles, "Spécial": special,
                 "synergie": ("5 rangs dans " + ", ".join(sources) + " donnent +2.") if sources else None,
                 "restrictions": "Formation nécessaire : inutilisable sans rang." if formation else None,
                 "testinne": "Non." if formation else "Oui."}
        for classe in list(CLASSES) + list(TYPES):
            ligne[classe] = 1 if srd_nom in colonnes.get(classe, ()) else 0
        lignes.append(ligne)
    assert len(lignes) <= 61
    lignes.sort(key=lambda l: cle_tri(l["Nom"]))
    ecrit_tsv(os.path.join(DONNEES, "Competence.tsv"),
              ["Nom", "n°", "carac1", "innee", "PenaliteArmure", "synergie_comp", "synergie_don", "indexalpha",
               "Source", "Multiple", "liearme", "Description", "Test", "Action", "Nouvelles", "Spécial", "synergie", "restrictions", "testinne"]
              + list(CLASSES) + list(TYPES), lignes)


if __name__ == "__main__":
    main()
