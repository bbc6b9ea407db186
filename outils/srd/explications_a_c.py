"""Explications des sorts dont le nom commence par a à c (voir explications.py)."""

EXPLICATIONS = {
    "Abri": "Le lanceur s'entoure d'une demi-sphère de force opaque et immobile où tiennent avec lui jusqu'à neuf "
            "créatures de taille M, qui entrent et sortent librement. L'abri garde une température douce, protège "
            "de la pluie, de la poussière et de tout vent inférieur à l'ouragan. Le sort prend fin dès que le "
            "lanceur en sort.",
    "Absorption d'énergie": "Un rayon d'énergie négative (attaque de contact à distance) inflige 2d4 niveaux "
                            "négatifs sans jet de sauvegarde. Au bout de 24 heures, la victime fait un jet de "
                            "Vigueur par niveau négatif : réussi, il disparaît ; raté, il devient une perte de "
                            "niveau définitive. Un mort-vivant touché gagne 2d4×5 points de vie temporaires pour "
                            "1 heure.",
    "Affûtage": "Double la zone de critique d'une arme tranchante ou perforante (20 devient 19-20, 19-20 devient "
                "17-20) ou de cinquante projectiles, qui perdent l'effet après un tir. Ne se cumule pas avec "
                "Science du critique ni avec une autre hausse de la zone de critique ; sans effet sur les armes "
                "naturelles.",
    "Agrandissement": "Un humanoïde passe à la catégorie de taille supérieure : +2 de taille en Force, -2 en "
                      "Dextérité, -1 aux jets d'attaque et à la CA ; à la taille G, il occupe 3 m et a une "
                      "allonge de 3 m. Son équipement grandit avec lui et ses armes infligent les dégâts de la "
                      "taille supérieure. Vigueur pour annuler si la cible refuse ; annule Rapetissement.",
    "Agrandissement de groupe": "Agrandissement appliqué à un humanoïde par niveau de lanceur, tous à 9 m les uns "
                                "des autres au plus : chacun passe à la taille supérieure (+2 en Force, -2 en "
                                "Dextérité, -1 à l'attaque et à la CA). Vigueur pour annuler si la cible refuse.",
    "Aide": "La créature touchée gagne +1 de moral aux jets d'attaque et aux jets de sauvegarde contre la "
            "terreur, ainsi que 1d8 points de vie temporaires +1 par niveau de lanceur (+10 au plus). Le sort "
            "dure 1 minute par niveau ; les points de vie temporaires sont perdus les premiers.",
    "Alarme": "Une zone de 6 m de rayon prévient le lanceur dès qu'une créature de taille TP ou plus y entre ou "
              "la touche, sauf si elle prononce le mot de passe. L'alarme est au choix mentale (le lanceur la "
              "perçoit jusqu'à 1,5 km et elle le réveille) ou sonore (une clochette audible à 18 m).",
    "Aliénation mentale": "La cible sombre dans une confusion permanente, comme sous l'effet du sort Confusion, "
                          "mais sans fin. Volonté pour annuler. Délivrance des malédictions ne la guérit pas : il "
                          "faut Restauration suprême, Guérison, Souhait limité, Miracle ou Souhait.",
    "Alignement indétectable": "Cache l'alignement d'une créature ou d'un objet à toutes les divinations pendant "
                               "24 heures. Volonté pour annuler si la cible refuse.",
    "Allié d'outreplan": "Comme Allié d'outreplan mineur, mais la divinité envoie une créature de 12 DV au plus, "
                         "ou deux créatures de même espèce totalisant au plus 12 DV. Elles négocient ensemble un "
                         "service et leur paiement.",
    "Allié d'outreplan majeur": "Comme Allié d'outreplan mineur, mais la divinité envoie une créature de 18 DV au "
                                "plus, ou jusqu'à trois créatures de même espèce totalisant au plus 18 DV. Elles "
                                "négocient ensemble un service et leur paiement.",
    "Allié d'outreplan mineur": "Le prêtre prie sa divinité de lui envoyer un élémentaire ou un Extérieur de 6 DV "
                                "au plus, choisi par elle. Il doit pouvoir lui parler pour négocier une tâche et "
                                "un paiement (or, objets magiques, service) à la mesure de la tâche ; la créature "
                                "repart ensuite.",
    "Analyse d'enchantement": "Chaque round, par une action libre, le lanceur examine une créature ou un objet "
                              "qu'il voit (un par niveau au total) et en apprend tous les sorts actifs et "
                              "pouvoirs magiques : effets, niveau de lanceur, mode d'activation, charges "
                              "restantes. Le porteur d'un objet peut faire un jet de Volonté pour le protéger ; "
                              "sans effet sur les artefacts.",
    "Anathème": "Une créature vivante est prise d'une peur terrible et devient secouée (-2 aux jets d'attaque, de "
                "sauvegarde, de compétence et de caractéristique) pendant 1 minute par niveau. Volonté pour "
                "annuler.",
    "Ancre dimensionnelle": "Un rayon vert (attaque de contact à distance) empêche la cible de tout déplacement "
                            "extradimensionnel : clignotement, porte dimensionnelle, téléportation, changement de "
                            "plan, projection astrale, etc. N'empêche pas une créature convoquée de disparaître à "
                            "la fin de son sort.",
    "Animation d'objets": "Anime un objet non magique de taille P par niveau de lanceur (un M compte pour deux, "
                          "un G pour quatre, un TG pour huit), qui attaque aussitôt les cibles désignées. Changer "
                          "de cible est une action de mouvement ; les objets portés par une créature ne peuvent "
                          "pas être animés.",
    "Animation des morts": "Transforme des cadavres en squelettes ou en zombis obéissants, jusqu'à 2 DV par "
                           "niveau de lanceur par incantation. Le lanceur contrôle au total au plus 4 DV de "
                           "morts-vivants par niveau ; au-delà, les plus anciens échappent à son contrôle. "
                           "Composante : un onyx de 25 po par DV créé.",
    "Animation des plantes": "Anime une plante de taille G (ou équivalent) pour trois niveaux de lanceur ; elle "
                             "combat comme un objet animé de sa taille pendant 1 round par niveau. Autre usage : "
                             "toutes les plantes à portée s'agitent et enchevêtrent les créatures, comme "
                             "Enchevêtrement, pendant 1 heure par niveau.",
    "Animation suspendue": "Par une attaque de contact au corps à corps, la cible est figée hors du temps : elle "
                           "ne vieillit plus et rien ne peut l'atteindre. Vigueur pour annuler. L'état dure "
                           "jusqu'à ce qu'on dissipe la magie (Dissipation de la magie, Libération).",
    "Annihilation de mort-vivant": "Détruit 1d4 DV de morts-vivants par niveau de lanceur (20d4 au plus) dans une "
                                   "explosion de 12 m de rayon, les plus faibles d'abord ; seules les créatures "
                                   "de moins de 9 DV sont touchées. Volonté pour annuler.",
    "Annulation d'enchantement": "Libère jusqu'à une créature par niveau des enchantements, métamorphoses et "
                                 "malédictions, même instantanés. Pour chaque effet, test de niveau de lanceur "
                                 "(1d20 + niveau, +15 au plus) contre DD 11 + niveau du lanceur de l'effet (DD 25 "
                                 "pour un objet maudit, qui reste maudit). Un effet non dissipable ne cède que "
                                 "s'il est de niveau 5 ou moins.",
    "Antidétection": "La créature ou l'objet touché (et son équipement) échappe aux divinations et aux boules de "
                     "cristal. Le devin doit réussir un test de niveau de lanceur contre DD 11 + niveau du "
                     "lanceur, ou 15 + niveau si le lanceur s'est protégé lui-même.",
    "Apaisement des animaux": "Calme des animaux ordinaires (Intelligence 1 ou 2) de même espèce, à 9 m les uns "
                              "des autres, totalisant 2d4 + niveau de lanceur DV : ils restent sur place sans "
                              "attaquer ni fuir. Seuls les animaux sanguinaires ou dressés au combat ont droit à "
                              "un jet de Volonté ; toute menace rompt le charme.",
    "Apaisement des émotions": "Les créatures d'une étendue de 6 m de rayon ne peuvent plus agir violemment "
                               "(elles se défendent). Les bonus de moral, la rage, l'inspiration du barde, la "
                               "terreur et la confusion sont suspendus tant que dure la concentration. Volonté "
                               "pour annuler ; toute agression rompt l'effet.",
    "Appel de la foudre": "Un round sur deux au moins, par une action simple, le druide fait tomber un éclair "
                          "vertical de 9 m qui inflige 3d6 points de dégâts d'électricité (Réflexes, moitié). Un "
                          "éclair par niveau de lanceur, 10 au plus ; par temps d'orage, 3d10 par éclair.",
    "Appel de la tempête": "Comme Appel de la foudre, mais chaque éclair inflige 5d6 points de dégâts "
                           "d'électricité (5d10 par temps d'orage), jusqu'à 15 éclairs. Réflexes pour la moitié.",
    "Araignée cérébrale": "Le lanceur écoute les pensées de huit créatures au plus : leurs réflexions, ce "
                          "qu'elles savent d'un sujet ou l'étude détaillée de l'une d'elles. Une fois par round, "
                          "il peut à la place implanter une suggestion chez l'une d'elles (nouveau jet de "
                          "Volonté). Volonté pour annuler.",
    "Arme alignée": "Rend une arme (ou cinquante projectiles) bonne, mauvaise, loyale ou chaotique, au choix, "
                    "pour passer la réduction des dégâts correspondante. Sans effet sur une arme déjà alignée ou "
                    "sur une arme naturelle.",
    "Arme corrompue": "L'arme touchée compte comme une arme +1 et mauvaise pour passer la réduction des dégâts "
                      "des créatures bonnes et frapper les créatures bonnes intangibles. Toute menace de critique "
                      "contre une créature bonne devient automatiquement un coup critique.",
    "Arme destructrice": "Une arme de corps à corps devient mortelle pour les morts-vivants : chaque mort-vivant "
                         "touché dont les DV ne dépassent pas le niveau du lanceur doit réussir un jet de Volonté "
                         "ou être détruit. La résistance à la magie ne protège pas de cette destruction.",
    "Arme magique": "L'arme touchée gagne +1 d'altération aux jets d'attaque et de dégâts (non cumulable avec le "
                    "+1 d'une arme de maître). Sans effet sur les armes naturelles, mais les coups à mains nues "
                    "d'un moine en profitent.",
    "Arme magique suprême": "Comme Arme magique, mais le bonus d'altération est de +1 par tranche de quatre "
                            "niveaux de lanceur (+5 au plus) et dure 1 heure par niveau. Peut viser cinquante "
                            "projectiles réunis, qui perdent l'effet une fois tirés.",
    "Arme spirituelle": "Une arme de force, à l'image de l'arme de la divinité, attaque la cible désignée avec le "
                        "bonus de base à l'attaque du prêtre + son modificateur de Sagesse. Elle inflige 1d8 "
                        "points de dégâts +1 par tranche de trois niveaux (+5 au plus) et touche les créatures "
                        "intangibles. Changer de cible est une action de mouvement.",
    "Armure de ténèbres": "Un voile d'ombre donne +3 de parade à la CA, +1 par tranche de quatre niveaux (+8 au "
                          "plus), la vision dans le noir à 18 m et +2 aux jets de sauvegarde contre les effets "
                          "sacrés, bons ou de lumière. Un mort-vivant gagne aussi +4 de résistance au renvoi.",
    "Arrêt du temps": "Le lanceur agit seul pendant 1d4+1 rounds de temps apparent. Il ne peut ni viser ni "
                      "blesser les autres créatures, ni toucher leurs objets, mais peut se préparer, convoquer ou "
                      "fuir ; ses sorts de zone qui durent au-delà agiront ensuite normalement.",
    "Aspersion acide": "Une bille d'acide exige une attaque de contact à distance et inflige 1d3 points de dégâts "
                       "d'acide. Pas de jet de sauvegarde ; la résistance à la magie ne s'applique pas.",
    "Assassin imaginaire": "La cible voit la créature la plus terrifiante qu'elle puisse imaginer. Un jet de "
                           "Volonté réussi dévoile l'illusion ; sinon, un jet de Vigueur raté la fait mourir de "
                           "peur, et même réussi elle subit 3d6 points de dégâts.",
    "Assistance divine": "La créature touchée gagne +1 d'aptitude à un seul jet d'attaque, de sauvegarde ou de "
                         "compétence, qu'elle choisit avant de lancer le dé, dans la minute qui suit. Le bonus "
                         "est perdu s'il n'a pas servi au bout d'une minute.",
    "Attirance": "Un lieu (jusqu'à un cube de 3 m par niveau) ou un objet attire irrésistiblement un type précis "
                 "de créatures intelligentes ou un alignement précis. Un jet de Volonté réussi libère la "
                 "créature, mais elle doit en refaire un 1d6×10 minutes plus tard. Contre et dissipe Aversion.",
    "Augure": "Le prêtre demande si une action précise aura de bonnes ou de mauvaises suites dans la demi-heure "
              "qui vient : réponse « bonheur », « malheur », « bonheur et malheur » ou « rien ». Les chances de "
              "réponse valable sont de 70 % +1 % par niveau de lanceur (90 % au plus), tirées en secret ; un "
              "échec donne « rien ». Composante : encens et bâtonnets précieux (25 po).",
    "Aura magique": "Modifie l'aura d'un objet (2,50 kg par niveau au plus) pour qu'il paraisse non magique, ou "
                    "doté d'une magie choisie par le lanceur. Qui l'identifie fait un jet de Volonté pour voir la "
                    "vraie aura ; sans effet sur un artefact.",
    "Aura maudite": "Une créature par niveau gagne +4 de parade à la CA et +4 de résistance aux jets de "
                    "sauvegarde, une résistance à la magie de 25 contre les sorts bons et ceux des créatures "
                    "bonnes, et la protection contre la possession. Une créature bonne qui la frappe au corps à "
                    "corps subit 1d6 points d'affaiblissement temporaire de Force (Vigueur pour annuler).",
    "Aura sacrée": "Une créature par niveau gagne +4 de parade à la CA et +4 de résistance aux jets de "
                   "sauvegarde, une résistance à la magie de 25 contre les sorts mauvais et ceux des créatures "
                   "mauvaises, et la protection contre la possession. Une créature mauvaise qui la frappe au "
                   "corps à corps devient aveugle (Vigueur pour annuler).",
    "Aversion": "Un lieu (jusqu'à un cube de 3 m par niveau) ou un objet repousse un type précis de créatures "
                "intelligentes ou un alignement précis : elles le fuient et n'y reviennent pas. Volonté partiel : "
                "la créature peut rester, mais perd 4 points de Dextérité tant qu'elle y est. Contre et dissipe "
                "Attirance.",
    "Bagou": "Le lanceur gagne +30 aux tests de Bluff pour faire croire ce qu'il dit (pas pour feinter ni pour "
             "les messages cachés). Toute magie qui détecte le mensonge ou force à dire la vérité doit réussir un "
             "test de niveau de lanceur contre DD 15 + niveau du lanceur.",
    "Baie nourricière": "Rend magiques 2d4 baies fraîchement cueillies pour 1 jour par niveau. Chacune nourrit "
                        "comme un repas une créature de taille M et rend 1 point de vie, 8 points au plus par "
                        "période de 24 heures.",
    "Baiser de la goule": "Par une attaque de contact au corps à corps, le lanceur paralyse un humanoïde vivant "
                          "pendant 1d6+2 rounds (Vigueur pour annuler). La victime dégage une puanteur qui rend "
                          "fiévreuses les créatures vivantes à 3 m (Vigueur pour annuler).",
    "Baiser du vampire": "Une attaque de contact au corps à corps inflige 1d6 points de dégâts par tranche de "
                         "deux niveaux de lanceur (10d6 au plus). Le lanceur gagne autant de points de vie "
                         "temporaires (au plus les points de vie de la cible +10), qui disparaissent au bout "
                         "d'une heure.",
    "Bannissement": "Renvoie dans leur plan d'origine des créatures extraplanaires, jusqu'à 2 DV par niveau de "
                    "lanceur. Volonté pour annuler ; chaque objet ou substance que la cible abhorre, présenté "
                    "pendant l'incantation, ajoute +2 au DD et +1 au test pour vaincre sa résistance à la magie.",
    "Barrière de lames": "Un mur de lames de force tournoyantes (6 m de long par niveau, ou un cercle) inflige "
                         "1d6 points de dégâts par niveau de lanceur (15d6 au plus) à qui le traverse, Réflexes "
                         "pour la moitié. Une créature prise dans le mur à son apparition peut l'éviter d'un jet "
                         "de Réflexes réussi ; le mur donne un abri (+4 à la CA) contre les attaques qui le "
                         "traversent.",
    "Bâton à sort": "Le druide enferme dans un bâton de bois un sort qu'il sait lancer ; il pourra le lancer plus "
                    "tard comme s'il l'avait préparé, sans qu'il compte dans ses sorts du jour. Un seul sort par "
                    "bâton et un seul bâton à sort à la fois.",
    "Bâton sylvanien": "Le druide plante son bâton spécialement préparé, qui devient un sylvanien de taille TG à "
                       "ses ordres pendant 1 heure par niveau. Réduit à 0 point de vie, il tombe en poussière et "
                       "le bâton est détruit ; sinon il redevient bâton, réutilisable.",
    "Bénédiction d'arme": "L'arme touchée compte comme une arme +1 et bonne pour passer la réduction des dégâts "
                          "des créatures mauvaises et frapper les créatures mauvaises intangibles. Toute menace "
                          "de critique contre une créature mauvaise devient automatiquement un coup critique.",
    "Bénédiction de l'eau": "Change une flasque d'eau en eau bénite. Composante : 2,50 kg de poudre d'argent (25 "
                            "po).",
    "Berceuse": "Les créatures d'une explosion de 3 m de rayon qui ratent un jet de Volonté deviennent "
                "somnolentes : -5 aux tests de Détection et de Perception auditive et -2 aux jets de Volonté "
                "contre le sommeil, tant que le barde se concentre puis jusqu'à 1 round par niveau. Elle n'endort "
                "personne à elle seule, mais prépare bien le terrain pour un sort de sommeil.",
    "Blasphème": "Chaque créature non mauvaise à 12 m subit un effet selon ses DV : égal au niveau du lanceur, "
                 "hébétée 1 round ; jusqu'au niveau -1, aussi affaiblie (-2d6 en Force pour 2d4 rounds) ; "
                 "jusqu'au niveau -5, aussi paralysée 1d10 minutes ; jusqu'au niveau -10, tuée. Pas de jet de "
                 "sauvegarde ; sur son plan, le lanceur renvoie en plus les Extérieurs non mauvais (Volonté à -4 "
                 "pour résister).",
    "Blessure critique": "Une attaque de contact inflige 4d8 points de dégâts +1 par niveau de lanceur (+20 au "
                         "plus) ; Volonté pour la moitié. Soigne les morts-vivants.",
    "Blessure critique de groupe": "Une créature par niveau, à 9 m les unes des autres, subit 4d8 points de "
                                   "dégâts +1 par niveau de lanceur (+40 au plus) ; Volonté pour la moitié. "
                                   "Soigne les morts-vivants touchés.",
    "Blessure grave": "Une attaque de contact inflige 3d8 points de dégâts +1 par niveau de lanceur (+15 au plus) "
                      "; Volonté pour la moitié. Soigne les morts-vivants.",
    "Blessure grave de groupe": "Une créature par niveau, à 9 m les unes des autres, subit 3d8 points de dégâts "
                                "+1 par niveau de lanceur (+35 au plus) ; Volonté pour la moitié. Soigne les "
                                "morts-vivants touchés.",
    "Blessure légère de groupe": "Une créature par niveau, à 9 m les unes des autres, subit 1d8 points de dégâts "
                                 "+1 par niveau de lanceur (+25 au plus) ; Volonté pour la moitié. Soigne les "
                                 "morts-vivants touchés ; un prêtre qui lance spontanément les blessures peut "
                                 "aussi lancer ce sort ainsi.",
    "Blessure modérée": "Une attaque de contact inflige 2d8 points de dégâts +1 par niveau de lanceur (+10 au "
                        "plus) ; Volonté pour la moitié. Soigne les morts-vivants.",
    "Blessure modérée de groupe": "Une créature par niveau, à 9 m les unes des autres, subit 2d8 points de dégâts "
                                  "+1 par niveau de lanceur (+30 au plus) ; Volonté pour la moitié. Soigne les "
                                  "morts-vivants touchés.",
    "Blessure superficielle": "Une attaque de contact inflige 1 point de dégâts ; un jet de Volonté réussi "
                              "l'annule. Soigne 1 point de vie à un mort-vivant.",
    "Bois de fer": "Crée un objet en bois de fer (2,50 kg par niveau au plus) aussi solide, lourd et résistant au "
                   "feu que l'acier, pour 1 jour par niveau ; le druide peut s'en servir comme d'un objet en "
                   "acier. En n'en créant que la moitié, il peut lui donner +1 d'altération. Les sorts visant le "
                   "métal ne l'affectent pas.",
    "Bouche magique": "Une bouche apparaît sur un objet ou une créature et prononce un message de 25 mots au plus "
                      "quand la condition fixée par le lanceur se réalise. Elle ne peut ni lancer de sort ni "
                      "activer d'objet magique ; le sort s'achève une fois le message délivré.",
    "Bouclier de feu": "Des flammes enveloppent le lanceur : chaque créature qui le frappe au corps à corps (sans "
                       "allonge) subit 1d6 points de dégâts +1 par niveau (+15 au plus). Version chaude : dégâts "
                       "de feu, et le lanceur ne subit que la moitié des dégâts de froid (rien s'il réussit son "
                       "jet de Réflexes) ; version froide : l'inverse.",
    "Bouclier de la Loi": "Une créature par niveau gagne +4 de parade à la CA et +4 de résistance aux jets de "
                          "sauvegarde, une résistance à la magie de 25 contre les sorts chaotiques et ceux des "
                          "créatures chaotiques, et la protection contre la possession. Une créature chaotique "
                          "qui la frappe au corps à corps est ralentie (Volonté pour annuler).",
    "Bouclier entropique": "Un champ chatoyant impose 20 % de risque d'échec à toute attaque à distance qui vise "
                           "le lanceur avec un jet d'attaque (flèches, rayons...). Les effets qui agissent à "
                           "distance sans jet d'attaque ne sont pas gênés.",
    "Boule de feu à retardement": "Comme Boule de feu, mais 1d6 points de dégâts de feu par niveau de lanceur "
                                  "(20d6 au plus), Réflexes pour la moitié. La bille peut exploser aussitôt ou "
                                  "jusqu'à 5 rounds plus tard ; qui la ramasse peut la lancer (facteur de portée "
                                  "3 m).",
    "Bourrasque": "Un vent violent souffle en ligne depuis le lanceur pendant 1 round. Les créatures TP ou plus "
                  "petites sont renversées et roulées (ou emportées en vol) avec des dégâts non létaux, les P "
                  "sont jetées à terre, les M ne peuvent avancer ; les G et plus ne sont pas gênées. Éteint les "
                  "flammes nues et disperse les brumes. Vigueur pour annuler.",
    "Brouillard dense": "Un brouillard de 6 m de rayon bloque la vue comme Nappe de brouillard et est si épais "
                        "qu'on y avance à 1,50 m par round avec -2 aux jets d'attaque et de dégâts au corps à "
                        "corps ; les attaques à distance y sont impossibles (sauf rayons). Seul un vent très fort "
                        "le disperse.",
    "Brume acide": "Un brouillard de 6 m de rayon, épais comme Brouillard dense, inflige chaque round 2d6 points "
                   "de dégâts d'acide à chaque créature et objet qu'il contient. On y avance à 1,50 m par round "
                   "avec -2 aux jets d'attaque et de dégâts au corps à corps, et la vue y est bouchée comme dans "
                   "un brouillard.",
    "Brume de dissimulation": "Une brume de 6 m de rayon entoure le lanceur : à 1,50 m une créature a un "
                              "camouflage (20 % d'échec), au-delà un camouflage total (50 %). Un vent modéré la "
                              "disperse en 4 rounds, un vent fort en 1 round ; le feu la brûle.",
    "Brume mentale": "Les créatures dans ce brouillard de 6 m de rayon qui ratent un jet de Volonté subissent -10 "
                     "aux tests de Sagesse et aux jets de Volonté, tant qu'elles y restent puis pendant 2d6 "
                     "rounds. Le brouillard dure 30 minutes ; il ne gêne pas la vue.",
    "Brume mortelle": "Un nuage toxique de 6 m de rayon s'éloigne du lanceur de 3 m par round. Il tue sans jet de "
                      "sauvegarde les créatures de 3 DV ou moins ; celles de 4 à 6 DV meurent sauf jet de Vigueur "
                      "réussi (et perdent alors 1d4 points de Constitution par round) ; les autres perdent 1d4 "
                      "points de Constitution par round (Vigueur pour la moitié).",
    "Cacophonie": "Un fracas assourdissant inflige 1d8 points de dégâts de son à chaque créature d'une étendue de "
                  "3 m de rayon ; un jet de Vigueur raté la laisse en plus étourdie 1 round. Les créatures "
                  "sourdes ne sont pas étourdies.",
    "Cage de force": "Une prison de force invisible emprisonne les créatures de la zone : soit un cube de 6 m "
                     "fait de barreaux (espacés de 1,25 cm, qui laissent passer sorts et souffles), soit un cube "
                     "de 3 m aux murs pleins. Seules la téléportation ou Désintégration en sortent ; Dissipation "
                     "de la magie est sans effet. Composante : poudre de rubis (1 500 po).",
    "Capture d'âme": "L'âme d'une créature morte depuis au plus 1 round par niveau est emprisonnée dans un saphir "
                     "noir (1 000 po par DV de la créature). Aucun sort de rappel à la vie, ni Miracle ni "
                     "Souhait, ne peut la ramener tant que la gemme n'est pas brisée ou le sort dissipé. Volonté "
                     "pour annuler.",
    "Cauchemar": "Une vision horrible envoyée à une créature nommée, à n'importe quelle distance, l'empêche de se "
                 "reposer : 1d10 points de dégâts, elle est fatiguée et ne peut récupérer ses sorts profanes "
                 "pendant 24 heures. Son jet de Volonté est modifié selon ce que le lanceur sait d'elle (+10 s'il "
                 "ne la connaît pas à -5 s'il la connaît bien) et les liens qu'il possède (portrait, mèche de "
                 "cheveux...).",
    "Cécité/surdité": "Une créature vivante devient aveugle ou sourde, au choix du lanceur, de façon permanente. "
                      "Vigueur pour annuler.",
    "Cercle de mort": "Tue 1d4 DV de créatures vivantes par niveau de lanceur (20d4 au plus) dans une explosion "
                      "de 12 m de rayon, les plus faibles et les plus proches d'abord ; les créatures de 9 DV ou "
                      "plus ne sont pas touchées. Vigueur pour annuler. Composante : perle noire pilée (500 po).",
    "Cercle de téléportation": "Un cercle de 1,50 m de rayon téléporte (comme Téléportation suprême) toute "
                               "créature qui s'y place vers une destination fixée une fois pour toutes, connue du "
                               "lanceur et sur le même plan. Presque invisible ; peut être rendu permanent. "
                               "Composante : poudre d'ambre (1 000 po).",
    "Cercle magique contre la Loi": "Comme Cercle magique contre le Mal, mais contre la Loi : les créatures dans "
                                    "l'émanation de 3 m bénéficient de Protection contre la Loi, et la version "
                                    "tournée vers l'intérieur emprisonne une créature appelée non chaotique. "
                                    "Comme lui, il dure 10 minutes par niveau et se déplace avec la créature "
                                    "touchée.",
    "Cercle magique contre le Bien": "Comme Cercle magique contre le Mal, mais contre le Bien : les créatures "
                                     "dans l'émanation de 3 m bénéficient de Protection contre le Bien, et la "
                                     "version tournée vers l'intérieur emprisonne une créature appelée non "
                                     "mauvaise. Comme lui, il dure 10 minutes par niveau et se déplace avec la "
                                     "créature touchée.",
    "Cercle magique contre le Chaos": "Comme Cercle magique contre le Mal, mais contre le Chaos : les créatures "
                                      "dans l'émanation de 3 m bénéficient de Protection contre le Chaos, et la "
                                      "version tournée vers l'intérieur emprisonne une créature appelée non "
                                      "loyale. Comme lui, il dure 10 minutes par niveau et se déplace avec la "
                                      "créature touchée.",
    "Cercle magique contre le Mal": "Toutes les créatures à 3 m de la créature touchée bénéficient de Protection "
                                    "contre le Mal (+2 de parade à la CA et +2 de résistance aux jets de "
                                    "sauvegarde contre les créatures mauvaises, protection contre la domination), "
                                    "et les créatures convoquées non bonnes ne peuvent y entrer. Tourné vers "
                                    "l'intérieur, le cercle emprisonne une créature appelée non bonne (Contrat).",
    "Champ de force": "Un champ invisible centré sur le lanceur (jusqu'à 3 m de rayon par niveau) empêche les "
                      "créatures qui ratent leur jet de Volonté de s'approcher de lui. Elles peuvent toujours "
                      "l'attaquer à distance, lancer des sorts, et le frapper s'il vient à elles.",
    "Changement de forme": "Comme Métamorphose, mais le lanceur peut prendre la forme de n'importe quelle "
                           "créature non unique, de taille I à C, de DV au plus égaux à son niveau (25 au plus), "
                           "même intangible ou gazeuse. Il gagne ses pouvoirs extraordinaires et surnaturels et "
                           "peut changer de forme une fois par round par une action libre.",
    "Changement de plan": "Le lanceur transporte une créature touchée (Volonté pour annuler), ou jusqu'à huit "
                          "créatures consentantes qui se tiennent la main, vers un autre plan. Elles arrivent à "
                          "5d% × 1,5 km du lieu visé ; le retour demande un autre moyen. Focaliseur : une fourche "
                          "de métal accordée au plan visé.",
    "Chant de discorde": "Les créatures d'une étendue de 6 m de rayon qui ratent un jet de Volonté ont chaque "
                         "round 50 % de chances d'attaquer la créature la plus proche avec leurs meilleurs "
                         "moyens, au lieu d'agir normalement. Elles épargnent les créatures inconscientes.",
    "Charme-animal": "Comme Charme-personne, mais vise un animal : il considère le lanceur comme un ami pendant 1 "
                     "heure par niveau. Volonté pour annuler.",
    "Charme-monstre": "Comme Charme-personne, mais vise n'importe quelle créature vivante, sans limite de type ni "
                      "de taille, pendant 1 jour par niveau. Volonté pour annuler, +5 si on la menace.",
    "Charme-monstre de groupe": "Comme Charme-monstre, mais charme des créatures totalisant au plus deux fois le "
                                "niveau du lanceur en DV (au moins une créature quels que soient ses DV). Volonté "
                                "pour annuler.",
    "Châtiment sacré": "Chaque créature mauvaise d'une explosion de 6 m de rayon subit 1d8 points de dégâts par "
                       "tranche de deux niveaux (5d8 au plus ; 1d6 par niveau, 10d6 au plus, pour un Extérieur "
                       "mauvais) et est aveuglée 1 round ; Volonté pour la moitié et pas de cécité. Les créatures "
                       "neutres subissent la moitié des dégâts (le quart si elles réussissent) ; les bonnes rien.",
    "Chêne animé": "Un chêne sain de taille TG près de la demeure du druide ou de ce qu'il protège devient un "
                   "gardien : à la phrase de déclenchement choisie, il s'anime et combat comme un sylvanien. Un "
                   "seul arbre à la fois ; dure 1 jour par niveau.",
    "Chien de garde": "Un chien fantôme, visible du seul lanceur, garde un lieu : il aboie dès qu'une créature de "
                      "taille P ou plus approche à 9 m et mord ceux qui arrivent à 1,50 m (+10 à l'attaque, 2d6+3 "
                      "points de dégâts perforants, une fois par round). Il voit l'invisible et l'éthéré ; il "
                      "dure 1 heure par niveau, puis 1 round par niveau une fois qu'il a commencé à aboyer.",
    "Clairaudience/clairvoyance": "Un organe sensoriel invisible placé en un lieu connu permet d'y entendre ou "
                                  "d'y voir (au choix) sans ligne de vue, pendant 1 minute par niveau. Les sens "
                                  "magiques du lanceur ne passent pas par lui.",
    "Clignotement": "Le lanceur passe sans cesse du plan Matériel au plan Éthéré : les attaques contre lui ont 50 "
                    "% de chances d'échouer (20 % si l'attaquant voit l'invisible ou frappe l'éthéré), et les "
                    "siennes 20 %. Ses sorts ont aussi 20 % de chances de rater ; il traverse les objets solides "
                    "et subit la moitié des dégâts des attaques de zone qui n'atteignent pas l'éthéré.",
    "Clone": "Fait pousser en 2d4 mois une copie inerte d'une créature à partir d'un morceau de sa chair. Si "
             "l'original meurt, son âme rejoint le clone, qui perd un niveau (ou 2 points de Constitution au "
             "niveau 1). Sans effet en cas de mort naturelle. Composantes : 1 000 po de matériel, plus un "
             "laboratoire.",
    "Coffre secret": "Le lanceur cache dans le plan Éthéré, jusqu'à soixante jours, un coffre de grande valeur (5 "
                     "000 po au moins) contenant jusqu'à 0,03 m³ par niveau, et le rappelle par une action simple "
                     "grâce à sa réplique miniature (50 po). 75 % d'échec si une créature vivante y est enfermée.",
    "Collet": "Une boucle de corde ou de liane devient un piège magique (Fouille DD 23 pour la trouver) qui se "
              "resserre sur le membre de la créature qui y pose le pied. Attachée à un arbre, elle la soulève en "
              "infligeant 1d6 points de dégâts ; la victime s'en libère par un test d'Évasion ou de Force DD 23.",
    "Colonne de feu": "Une colonne de feu divin (3 m de rayon, 12 m de haut) inflige 1d6 points de dégâts par "
                      "niveau de lanceur (15d6 au plus), Réflexes pour la moitié. La moitié des dégâts est du "
                      "feu, l'autre est de l'énergie divine à laquelle la résistance au feu ne s'applique pas.",
    "Communication à distance": "Le lanceur envoie un message de 25 mots au plus à une créature qu'il connaît, où "
                                "qu'elle soit ; elle peut répondre aussitôt de même. 5 % de chances d'échec si "
                                "elle est sur un autre plan.",
    "Communication avec les animaux": "Le lanceur comprend les animaux et peut leur parler, pendant 1 minute par "
                                      "niveau. Ils ne deviennent pas plus amicaux pour autant.",
    "Communication avec les morts": "Un cadavre répond à une question par tranche de deux niveaux de lanceur, "
                                    "avec ce qu'il savait de son vivant, souvent de façon brève ou énigmatique. "
                                    "S'il était d'un autre alignement que le lanceur, il a droit à un jet de "
                                    "Volonté ; un même corps ne peut être interrogé qu'une fois par semaine.",
    "Communication avec les plantes": "Le lanceur comprend les plantes et les créatures végétales et peut leur "
                                      "poser des questions, pendant 1 minute par niveau. Les plantes ordinaires "
                                      "ne perçoivent que leur voisinage immédiat.",
    "Communion": "Le prêtre pose à sa divinité une question par niveau de lanceur, auxquelles elle répond par "
                 "oui, non ou « incertain » (parfois cinq mots au plus). Coût : 100 PX.",
    "Communion avec la nature": "Le lanceur apprend aussitôt jusqu'à trois faits sur la nature environnante "
                                "(terrain, plantes, minéraux, eaux, habitants, animaux, créatures "
                                "surnaturelles...), dans un rayon de 1,5 km par niveau en plein air, 30 m par "
                                "niveau sous terre. Sans effet dans les villes et les donjons.",
    "Compréhension des langages": "Le lanceur comprend les paroles et lit les écrits dans une langue inconnue, en "
                                  "touchant la créature ou le texte (une page par minute) ; il ne peut ni la "
                                  "parler ni l'écrire. Ne lit pas l'écriture magique et ne déchiffre pas les "
                                  "codes.",
    "Confusion": "Les créatures d'une explosion de 4,50 m de rayon qui ratent un jet de Volonté sont confuses : "
                 "chaque round, 1d% décide de leur action (01-10 attaquer le lanceur, 11-20 agir normalement, "
                 "21-50 babiller, 51-70 fuir le lanceur, 71-100 attaquer la créature la plus proche). Une "
                 "créature confuse attaquée riposte contre son agresseur.",
    "Confusion mineure": "Une créature vivante qui rate un jet de Volonté est confuse pendant 1 round : 1d% "
                         "décide de son action (attaquer le lanceur, agir normalement, babiller, fuir ou attaquer "
                         "la créature la plus proche). Une créature confuse attaquée riposte contre son "
                         "agresseur.",
    "Consécration": "Une émanation de 6 m de rayon donne +3 sacré aux tests de renvoi des morts-vivants ; les "
                    "morts-vivants qui y entrent subissent -1 aux jets d'attaque, de dégâts et de sauvegarde, et "
                    "on ne peut y créer ni y convoquer de mort-vivant. Doublé (+6, -2) près d'un autel de la "
                    "divinité du prêtre. Contre Profanation ; composante : eau bénite et 2,50 kg de poudre "
                    "d'argent (25 po).",
    "Contact avec les plans": "L'esprit du lanceur consulte des puissances d'un autre plan, qui répondent d'un "
                              "mot (oui, non, peut-être, jamais...) à une question par round de concentration, "
                              "une question par tranche de deux niveaux. Plus le plan est lointain, plus les "
                              "réponses sont justes, mais un test d'Intelligence raté (DD 7 à 16 selon le plan) "
                              "fait tomber Intelligence et Charisme à 8 pour une à cinq semaines, sans sorts "
                              "profanes.",
    "Contact de la folie": "Par une attaque de contact, le lanceur hébète une créature vivante pendant 1 round "
                           "par niveau : elle ne peut agir, mais n'est pas sans défense. Volonté pour annuler.",
    "Contact glacial": "La main du lanceur inflige, par attaque de contact au corps à corps, 1d6 points de dégâts "
                       "et 1 point d'affaiblissement temporaire de Force (Vigueur pour éviter la perte de Force) "
                       "; un contact par niveau de lanceur. Un mort-vivant touché ne subit rien mais fuit, "
                       "paniqué, 1d4 rounds +1 par niveau (Volonté pour annuler).",
    "Contagion": "La créature touchée contracte aussitôt, sans incubation, une maladie choisie par le lanceur "
                 "parmi sept (de 1d3 à 1d8 points d'affaiblissement temporaire d'une caractéristique par jour, DD "
                 "12 à 16). Vigueur pour annuler ; les jets suivants se font contre le DD propre à la maladie.",
    "Contrat": "Comme Contrat mineur, mais le lanceur attire une créature de 12 DV au plus, ou jusqu'à trois "
               "créatures de même espèce totalisant au plus 12 DV. Chacune fait son jet de Volonté, tente de "
               "s'échapper et doit être convaincue séparément.",
    "Contrat majeur": "Comme Contrat mineur, mais le lanceur attire une créature de 18 DV au plus, ou jusqu'à "
                      "trois créatures de même espèce totalisant au plus 18 DV. Chacune fait son jet de Volonté, "
                      "tente de s'échapper et doit être convaincue séparément.",
    "Contrat mineur": "Attire un élémentaire ou un Extérieur de 6 DV au plus dans un Cercle magique tourné vers "
                      "l'intérieur (Volonté pour annuler). La créature prisonnière doit accepter un service en "
                      "échange de sa liberté : test de Charisme opposé, modifié par l'offre du lanceur. Elle "
                      "tente de s'échapper (résistance à la magie, téléportation, test de Charisme) chaque jour.",
    "Contrôle de l'eau": "Abaisse le niveau de l'eau de 60 cm par niveau de lanceur (crée un tourbillon en haute "
                         "mer), ou le monte d'autant en une colonne ; dans un volume de 3 m × 3 m × 60 cm par "
                         "niveau. Contre un élémentaire de l'eau, la baisse agit comme Lenteur (Volonté pour "
                         "annuler).",
    "Contrôle des morts-vivants": "Le lanceur commande à voix haute jusqu'à 2 DV de morts-vivants par niveau, "
                                  "pendant 1 minute par niveau ; ils le comprennent et ne l'attaquent pas. "
                                  "Volonté pour annuler ; les morts-vivants intelligents s'en souviennent.",
    "Contrôle des plantes": "Le lanceur commande à voix haute jusqu'à 2 DV de créatures végétales par niveau, "
                            "pendant 1 minute par niveau ; elles ne l'attaquent pas et ignorent les ordres "
                            "suicidaires. Volonté pour annuler.",
    "Contrôle des vents": "Le lanceur modifie la direction (vent descendant, ascendant, rotatif, soufflant) et la "
                          "force du vent dans un cylindre de 12 m de rayon par niveau ; la force change d'un cran "
                          "par tranche de trois niveaux. Il peut garder un œil calme au centre. Vigueur pour "
                          "annuler contre les créatures de l'air.",
    "Contrôle du climat": "En 10 minutes d'incantation puis 10 minutes d'attente, le lanceur impose dans un rayon "
                          "de 3 km un temps possible pour la saison (orage, blizzard, canicule, brouillard...), "
                          "pour 4d12 heures. Pour un druide, le rayon passe à 4,5 km et la durée est doublée.",
    "Contrôle mineur des morts-vivants": "Un mort-vivant intelligent devient amical envers le lanceur (Volonté "
                                         "pour annuler) ; pour obtenir plus, test de Charisme opposé. Un "
                                         "mort-vivant sans intelligence n'a pas de jet et obéit à des ordres "
                                         "simples. Dure 1 jour par niveau.",
    "Convocation d'alliés naturels I": "Appelle une créature naturelle de la liste de niveau 1 (aigle, loup, rat "
                                       "sanguinaire...), qui agit dès le tour du lanceur et combat pendant 1 "
                                       "round par niveau. Elle ne peut ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels II": "Appelle une créature naturelle de la liste de niveau 2, ou 1d3 créatures "
                                        "de même espèce de la liste de niveau 1, pour 1 round par niveau. Les "
                                        "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne "
                                        "peuvent ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels III": "Appelle une créature naturelle de la liste de niveau 3, 1d3 de la liste "
                                         "de niveau 2, ou 1d4+1 de la liste de niveau 1 (de même espèce), pour 1 "
                                         "round par niveau. Les créatures agissent dès le tour du lanceur, "
                                         "attaquent ses ennemis et ne peuvent ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels IV": "Appelle une créature naturelle de la liste de niveau 4, 1d3 de la liste "
                                        "de niveau 3, ou 1d4+1 d'une liste inférieure (de même espèce), pour 1 "
                                        "round par niveau. Les créatures agissent dès le tour du lanceur, "
                                        "attaquent ses ennemis et ne peuvent ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels V": "Appelle une créature naturelle de la liste de niveau 5, 1d3 de la liste "
                                       "de niveau 4, ou 1d4+1 d'une liste inférieure (de même espèce), pour 1 "
                                       "round par niveau. Les créatures agissent dès le tour du lanceur, "
                                       "attaquent ses ennemis et ne peuvent ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels VI": "Appelle une créature naturelle de la liste de niveau 6, 1d3 de la liste "
                                        "de niveau 5, ou 1d4+1 d'une liste inférieure (de même espèce), pour 1 "
                                        "round par niveau. Les créatures agissent dès le tour du lanceur, "
                                        "attaquent ses ennemis et ne peuvent ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels VII": "Appelle une créature naturelle de la liste de niveau 7, 1d3 de la liste "
                                         "de niveau 6, ou 1d4+1 d'une liste inférieure (de même espèce), pour 1 "
                                         "round par niveau. Les créatures agissent dès le tour du lanceur, "
                                         "attaquent ses ennemis et ne peuvent ni convoquer ni se téléporter.",
    "Convocation d'alliés naturels VIII": "Appelle une créature naturelle de la liste de niveau 8, 1d3 de la "
                                          "liste de niveau 7, ou 1d4+1 d'une liste inférieure (de même espèce), "
                                          "pour 1 round par niveau. Les créatures agissent dès le tour du "
                                          "lanceur, attaquent ses ennemis et ne peuvent ni convoquer ni se "
                                          "téléporter.",
    "Convocation d'alliés naturels IX": "Appelle une créature naturelle de la liste de niveau 9, 1d3 de la liste "
                                        "de niveau 8, ou 1d4+1 d'une liste inférieure (de même espèce), pour 1 "
                                        "round par niveau. Les créatures agissent dès le tour du lanceur, "
                                        "attaquent ses ennemis et ne peuvent ni convoquer ni se téléporter.",
    "Convocation d'instrument": "Un instrument de musique portatif au choix apparaît dans les mains du barde ou à "
                                "ses pieds ; lui seul peut en jouer, pendant 1 minute par niveau. L'instrument "
                                "doit pouvoir se tenir à deux mains ; il disparaît à la fin du sort.",
    "Convocation d'ombres": "Imite un sort d'invocation (convocation ou création) d'ensorceleur ou de magicien de "
                            "niveau 3 au plus. Qui interagit avec l'effet a droit à un jet de Volonté : s'il le "
                            "réussit, l'effet n'a sur lui qu'un cinquième de sa force (dégâts au cinquième, 20 % "
                            "de chances pour les autres effets) ; les créatures d'ombre n'ont qu'un cinquième de "
                            "leurs points de vie.",
    "Convocation d'ombres suprême": "Comme Convocation d'ombres, mais imite un sort d'invocation (convocation ou "
                                    "création) de niveau 6 au plus, à trois cinquièmes (60 %) de sa force contre "
                                    "ceux qui réussissent leur jet de Volonté. Les créatures d'ombre ont trois "
                                    "cinquièmes de leurs points de vie contre ceux qui ne croient pas à "
                                    "l'illusion.",
    "Convocation de monstres I": "Appelle une créature de la liste de niveau 1 (créature céleste ou fiélonne), "
                                 "qui agit dès le tour du lanceur et combat pendant 1 round par niveau. Elle ne "
                                 "peut ni convoquer ni se téléporter ; le sort prend l'alignement de la créature "
                                 "appelée.",
    "Convocation de monstres II": "Appelle une créature de la liste de niveau 2, ou 1d3 créatures de même espèce "
                                  "de la liste de niveau 1, pour 1 round par niveau. Les créatures agissent dès "
                                  "le tour du lanceur, attaquent ses ennemis et ne peuvent ni convoquer ni se "
                                  "téléporter ; le sort prend l'alignement ou l'élément de la créature appelée.",
    "Convocation de monstres III": "Appelle une créature de la liste de niveau 3, 1d3 de la liste de niveau 2, ou "
                                   "1d4+1 de la liste de niveau 1 (de même espèce), pour 1 round par niveau. Les "
                                   "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne "
                                   "peuvent ni convoquer ni se téléporter ; le sort prend l'alignement ou "
                                   "l'élément de la créature appelée.",
    "Convocation de monstres IV": "Appelle une créature de la liste de niveau 4, 1d3 de la liste de niveau 3, ou "
                                  "1d4+1 d'une liste inférieure (de même espèce), pour 1 round par niveau. Les "
                                  "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne peuvent "
                                  "ni convoquer ni se téléporter ; le sort prend l'alignement ou l'élément de la "
                                  "créature appelée.",
    "Convocation de monstres V": "Appelle une créature de la liste de niveau 5, 1d3 de la liste de niveau 4, ou "
                                 "1d4+1 d'une liste inférieure (de même espèce), pour 1 round par niveau. Les "
                                 "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne peuvent "
                                 "ni convoquer ni se téléporter ; le sort prend l'alignement ou l'élément de la "
                                 "créature appelée.",
    "Convocation de monstres VI": "Appelle une créature de la liste de niveau 6, 1d3 de la liste de niveau 5, ou "
                                  "1d4+1 d'une liste inférieure (de même espèce), pour 1 round par niveau. Les "
                                  "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne peuvent "
                                  "ni convoquer ni se téléporter ; le sort prend l'alignement ou l'élément de la "
                                  "créature appelée.",
    "Convocation de monstres VII": "Appelle une créature de la liste de niveau 7, 1d3 de la liste de niveau 6, ou "
                                   "1d4+1 d'une liste inférieure (de même espèce), pour 1 round par niveau. Les "
                                   "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne "
                                   "peuvent ni convoquer ni se téléporter ; le sort prend l'alignement ou "
                                   "l'élément de la créature appelée.",
    "Convocation de monstres VIII": "Appelle une créature de la liste de niveau 8, 1d3 de la liste de niveau 7, "
                                    "ou 1d4+1 d'une liste inférieure (de même espèce), pour 1 round par niveau. "
                                    "Les créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne "
                                    "peuvent ni convoquer ni se téléporter ; le sort prend l'alignement ou "
                                    "l'élément de la créature appelée.",
    "Convocation de monstres IX": "Appelle une créature de la liste de niveau 9, 1d3 de la liste de niveau 8, ou "
                                  "1d4+1 d'une liste inférieure (de même espèce), pour 1 round par niveau. Les "
                                  "créatures agissent dès le tour du lanceur, attaquent ses ennemis et ne peuvent "
                                  "ni convoquer ni se téléporter ; le sort prend l'alignement ou l'élément de la "
                                  "créature appelée.",
    "Coquille antiplantes": "Une barrière invisible et mobile de 3 m de rayon protège ceux qu'elle contient des "
                            "attaques des créatures végétales et des plantes animées. La pousser contre elles la "
                            "fait céder.",
    "Coquille antivie": "Un champ mobile de 3 m de rayon empêche d'entrer la plupart des créatures vivantes "
                        "(animaux, humanoïdes, géants, dragons, fées, vermine, plantes...), mais pas les "
                        "artificiels, élémentaires, Extérieurs ni morts-vivants. Usage défensif seulement : le "
                        "pousser contre elles le fait céder.",
    "Corde animée": "Une corde (15 m + 1,50 m par niveau) obéit à un ordre par round (s'enrouler, se nouer, "
                    "entraver...). Lancée près d'une créature (attaque de contact à distance), elle l'enchevêtre "
                    "; pour se libérer, test d'Évasion DD 20 ou briser la corde (Force DD 23) ; une créature "
                    "ligotée doit réussir un test de Concentration DD 15 pour lancer un sort.",
    "Corde enchantée": "Une corde de 1,50 à 9 m se dresse et mène à un espace extradimensionnel où tiennent huit "
                       "créatures, à l'abri des sorts et des regards ; on peut y remonter la corde. Dure 1 heure "
                       "par niveau.",
    "Corps de fer": "Le corps du lanceur devient de fer : réduction des dégâts 15/adamantium, immunité aux "
                    "critiques, au poison, aux maladies, à l'électricité, à la cécité et à l'étourdissement, "
                    "moitié des dégâts d'acide et de feu. Il gagne +6 en Force, -6 en Dextérité, sa vitesse est "
                    "divisée par deux, il a 50 % d'échec des sorts profanes et -8 aux tests comme en harnois ; "
                    "ses coups à mains nues font 1d6 (1d4 en taille P).",
    "Couleurs dansantes": "Un cône de couleurs de 4,50 m frappe les créatures selon leurs DV : 2 DV ou moins, "
                          "inconscientes, aveuglées et étourdies 2d4 rounds, puis aveuglées et étourdies 1d4 "
                          "rounds, puis étourdies 1 round ; 3 ou 4 DV, aveuglées et étourdies 1d4 rounds puis "
                          "étourdies 1 round ; 5 DV ou plus, étourdies 1 round. Volonté pour annuler ; sans effet "
                          "sur les créatures aveugles.",
    "Coup au but": "La prochaine attaque du lanceur, faite avant la fin du round suivant, gagne +20 d'intuition "
                   "et ignore le risque d'échec dû au camouflage. Le sort dure jusqu'à cette attaque ; il doit "
                   "être lancé le round qui la précède.",
    "Couronne de gloire": "Le lanceur gagne +4 d'altération en Charisme. Les créatures de moins de 8 DV à 36 m "
                          "cessent ce qu'elles font pour l'écouter ; pour agir contre lui elles doivent réussir "
                          "un jet de Volonté, sinon elles restent fascinées tant qu'elles sont dans la zone.",
    "Courroux de l'ordre": "Une grille d'énergie loyale (cube de 9 m) inflige aux créatures chaotiques 1d8 points "
                           "de dégâts par tranche de deux niveaux (5d8 au plus ; 1d6 par niveau, 10d6 au plus, "
                           "contre un Extérieur chaotique) et les hébète 1 round ; Volonté pour la moitié et pas "
                           "d'hébétement. Les créatures neutres subissent la moitié (le quart si elles "
                           "réussissent) ; les loyales rien.",
    "Coursier fantôme": "Un cheval quasi réel de taille G porte le lanceur (ou la personne choisie) pendant 1 "
                        "heure par niveau : CA 18, 7 points de vie +1 par niveau, vitesse de 6 m par niveau (72 m "
                        "au plus). Il ne combat pas ; à partir du niveau 8 il traverse les marais et le sable, "
                        "puis marche sur l'eau (10), dans l'air comme sur le sol (12) et vole (14).",
    "Création d'eau": "Crée jusqu'à 8 litres d'eau potable par niveau de lanceur, dans un récipient ou en averse. "
                      "On ne peut pas la créer à l'intérieur d'une créature.",
    "Création de mort-vivant": "De nuit, transforme un cadavre en goule (niveau 11 ou moins), blême (12 à 14), "
                               "momie (15 à 17) ou mohrg (18 et plus). Le mort-vivant n'est pas contrôlé d'office "
                               "; qui sait intimider les morts-vivants peut tenter de le prendre en main. "
                               "Composante : un onyx noir de 50 po par DV.",
    "Création de mort-vivant dominant": "Comme Création de mort-vivant, mais crée une ombre (niveau 15 ou moins), "
                                        "un âme-en-peine (16 et 17), un spectre (18 et 19) ou un dévoreur (20 et "
                                        "plus). Il faut lancer le sort de nuit ; le mort-vivant n'est pas "
                                        "contrôlé d'office. Composante : un onyx noir de 50 po par DV.",
    "Création de nourriture et d'eau": "Crée chaque jour de quoi nourrir et abreuver trois humains ou un cheval "
                                       "par niveau de lanceur. La nourriture, fade mais nourrissante, se gâte en "
                                       "24 heures ; l'eau ne se gâte pas.",
    "Création majeure": "Comme Création mineure, mais l'objet (0,03 m³ par niveau) peut aussi être minéral. Sa "
                        "durée dépend de la matière : végétale 2 heures par niveau, pierre ou métal commun 1 "
                        "heure par niveau, métal précieux 20 minutes par niveau, gemme 10 minutes par niveau, "
                        "adamantium ou mithral 1 round par niveau.",
    "Création mineure": "Crée un objet non magique en matière végétale morte (bois, corde, tissu...) d'au plus "
                        "0,03 m³ par niveau, pour 1 heure par niveau. Un objet complexe demande un test "
                        "d'Artisanat ; il ne peut servir de composante matérielle.",
    "Création véritable": "Crée, définitivement, un objet non magique en n'importe quelle matière non vivante, "
                          "d'au plus 0,03 m³ par niveau ; la dissipation ne l'affecte pas et il peut servir de "
                          "composante. Un objet complexe demande un test d'Artisanat.",
    "Cri": "Un cône de 9 m assourdit les créatures pendant 2d6 rounds et leur inflige 5d6 points de dégâts de son "
           "; Vigueur pour la moitié et pas de surdité. Les objets fragiles et créatures cristallines subissent "
           "1d6 par niveau (15d6 au plus). Ne traverse pas un Silence.",
    "Cri de démence": "La créature touchée court en hurlant comme folle pendant 1d4+1 rounds, sans jet de "
                      "sauvegarde : -4 à la CA, pas de bouclier, et elle rate tout jet de Réflexes sauf sur un 20 "
                      "naturel. La cible ne peut rien faire d'autre que courir en tous sens ; la résistance à la "
                      "magie s'applique.",
    "Cri suprême": "Un cône de 18 m inflige 10d6 points de dégâts de son, étourdit 1 round et assourdit 4d6 "
                   "rounds ; Vigueur pour la moitié des dégâts et de la surdité, sans étourdissement. Les objets "
                   "fragiles et créatures cristallines subissent 1d6 par niveau (20d6 au plus).",
    "Croissance animale": "Un animal pour deux niveaux grandit d'une catégorie de taille : +8 en Force, +4 en "
                          "Constitution, -2 en Dextérité, +2 d'armure naturelle, réduction des dégâts 10/magie et "
                          "+4 de résistance aux jets de sauvegarde. Vigueur pour annuler s'il refuse.",
    "Croissance d'épines": "La végétation d'une zone (carré de 6 m de côté par niveau) se couvre d'épines "
                           "invisibles : 1d4 points de dégâts perforants par tranche de 1,50 m parcourue, et un "
                           "jet de Réflexes raté réduit la vitesse de moitié pour 24 heures. Repérer le piège : "
                           "Fouille ou Survie DD 28.",
    "Croissance végétale": "Version luxuriance : la végétation à longue portée devient un fourré que l'on ne "
                           "traverse qu'à 1,50 m par round (3 m pour les créatures G ou plus), sur 30 m de rayon "
                           "au plus. Version fertilité : les cultures sur 750 m de rayon rendent un tiers de plus "
                           "pendant un an.",
    "Cyclone": "Un cyclone de 9 m de haut se déplace de 18 m par round, dirigé par le lanceur par une action "
               "simple. Une créature de taille G ou plus petite qu'il touche subit 3d6 points de dégâts (Réflexes "
               "pour annuler) ; une créature de taille M ou plus petite qui rate un second jet de Réflexes est "
               "emportée et subit 1d8 points de dégâts par round.",
}
