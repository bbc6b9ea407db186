#include "CatalogueCapacites.h"

namespace {

using E = EffetCapacite;

constexpr EntreeCatalogue compteur(const char* nom, const char* libelle, int pas)
{
    return {nom, E::Compteur, libelle, pas};
}
constexpr EntreeCatalogue siNiveau1(const char* nom, const char* libelle)
{
    return {nom, E::CompteurSiNiveau1, libelle};
}
constexpr EntreeCatalogue selonLigne(const char* nom, const char* libelle) { return {nom, E::CompteurLigne, libelle}; }
// base + Int((somme des niveaux dans les classes + décalage) / diviseur).
constexpr EntreeCatalogue parClasse(const char* nom, const char* libelle, const char* classes, int base, int decalage,
                                    int diviseur)
{
    return {nom, E::ParClasse, libelle, base, classes, decalage, diviseur};
}
constexpr EntreeCatalogue texte(const char* nom, const char* libelle, const char* ajout)
{
    return {nom, E::Texte, libelle, 0, ajout};
}
constexpr EntreeCatalogue drapeau(const char* nom) { return {nom, E::Drapeau, nom}; }
constexpr EntreeCatalogue immunite(const char* nom, const char* immunite) { return {nom, E::Immunite, immunite}; }
constexpr EntreeCatalogue immuniteChoisie(const char* nom, const char* defaut)
{
    return {nom, E::ImmuniteChoisie, defaut};
}
constexpr EntreeCatalogue noteJS(const char* nom, const char* note) { return {nom, E::NoteJS, note}; }
constexpr EntreeCatalogue noteCA(const char* nom, const char* note) { return {nom, E::NoteCA, note}; }
// "genre|cible|type|valeur" ; la valeur "%v" est celle de la ligne, le genre "%e" la résistance à
// l'énergie choisie sur la ligne.
constexpr EntreeCatalogue bonus(const char* nom, const char* b) { return {nom, E::Bonus, b}; }
constexpr EntreeCatalogue taille(const char* nom) { return {nom, E::Taille, nom}; }

// Libellés imprimés par la fiche (ou morceaux de sa ligne de rage), partagés par plusieurs capacités.
constexpr const char* kRage = "Nombre de rage : ";
constexpr const char* kDureeRage = "Durée de la rage(bonus rage inclut) : ";
constexpr const char* kForceRage = "Effet de la rage : Force : +";
constexpr const char* kVolonteRage = "Effet de la rage : Volonté : +";
constexpr const char* kCARage = "Effet de la rage : CA : -";
constexpr const char* kGuerison = "Guérison accélérée : ";
constexpr const char* kRegeneration = "Régénération : ";
constexpr const char* kFrenesie = "Nombre de frénésie : ";
constexpr const char* kForceFrenesie = "Effet de la frénésie : Force : +";
constexpr const char* kFormeAnimale = "Nombre de forme animale : ";
constexpr const char* kDesFormeAnimale = "Dés de vie de la forme animale : ";
constexpr const char* kFormeElementaire = "Nombre de forme élémentaire : ";
constexpr const char* kTypesForme = "Types de Forme animale : ";
constexpr const char* kRenvoiResistance = "Résistance au renvoi des morts-vivants : ";
constexpr const char* kFortification = "Fortification (chance d'éviter un critique ou une attaque sournoise): ";
constexpr const char* kTeleportation = "Distance de téléportation par les ombres : ";
constexpr const char* kDragons = "Bonus aux dommages contre les dragons : +";
constexpr const char* kBousculade = "Bousculade (défense): +";
constexpr const char* kRenversement = "Renversement (défense): +";
constexpr const char* kCrocEnJambe = "Croc-en-jambe (défense): +";
constexpr const char* kChatimentMal = "Nombre de châtiment du mal : ";
constexpr const char* kBonusChatimentMal = "Bonus châtiment du Mal : +";
constexpr const char* kDiversChatiment = "Divers châtiment du Mal : ";
constexpr const char* kChatimentAnarchie = "Nombre de châtiment de l'anarchie : ";
constexpr const char* kChatimentAberrations = "Nombre de châtiment des aberrations : ";
constexpr const char* kCanalisation = "Nombre de canalisation de sort : ";
constexpr const char* kEchecSorts = "Réduction de l'échec aux sorts : ";
constexpr const char* kPouvoirKi = "Nombre d'utilisation du pouvoir ki : ";
constexpr const char* kTourment = "Nombre d'utilisation du pouvoir de tourment : ";
constexpr const char* kSournoise = "Nombre de dés sournois : +";
constexpr const char* kEscarmouche = "Nombre de dés d'escarmouche : +";
constexpr const char* kChantBarde = "Nombre de chant de barde : ";
constexpr const char* kPrestige = "Prestige(base) : ";
constexpr const char* kCoupEtourdissant = "Nombre de coup étourdissant : ";
constexpr const char* kSavoirBardique = "Savoir bardique : +";
constexpr const char* kDetectionMagie = "Détection de la magie à volonté au niveau : ";
constexpr const char* kNLSNecromancie = "Bonus au NLS des sorts de nécromantie : ";
constexpr const char* kNLSLoi = "Bonus au NLS des sorts du registre de la loi : ";
constexpr const char* kDegatsSorts = "Bonus dégâts aux sorts : +";
constexpr const char* kMoment = "Nombre d'utilisation de moment de clairvoyance : ";

// Éléments des notes des jets de sauvegarde et de la classe d'armure dont la valeur s'additionne :
// la fiche écrit l'élément suivi du total.
constexpr const char* kJSPieges = "Pièges (Réflexe) +";
constexpr const char* kJSPoison = "Poison +";
constexpr const char* kJSIllusion = "Illusion +";
constexpr const char* kJSTerreur = "Terreur +";
constexpr const char* kJSEnchantement = "Enchantement +";
constexpr const char* kJSSort = "Sort divin et pouvoir des extérieurs : ";
constexpr const char* kJSSorts = "Sorts et pouvoirs magiques +";
constexpr const char* kJSMentaux = "Effets mentaux +";
constexpr const char* kJSMort = "Effet de mort +";
constexpr const char* kJSMaladie = "Maladie +";
constexpr const char* kJSParalysie = "Paralysie +";
constexpr const char* kCAPieges = " d'esquive contre les pièges";
constexpr const char* kCAMelee = " d'esquive contre un adversaire en mêlée";

const QVector<EntreeCatalogue> kCatalogue = {
    drapeau("Transformation en tueur des ombres"),
    siNiveau1("Inspiration vaillante", "Bonus inspiration vaillante : +"),
    siNiveau1("Inspiration héroïque", "Nombre de cible pour l'inpiration héroïque : "),
    taille("Infime"),
    taille("Minuscule"),
    taille("Très petite"),
    taille("Petite"),
    taille("Moyenne"),
    taille("Grande"),
    taille("Très grande"),
    taille("Gigantesque"),
    taille("Colossale"),
    noteJS("Vigueur de la non-mort", "+4 jet de Vigueur (sauf quand ils affectent les objets)"),
    // Greffe de mort-vivant : la chair greffée résiste à ce qui tue les vivants.
    compteur("Implant mort-vivant", kJSMort, 2),
    compteur("Implant mort-vivant", kJSMaladie, 2),
    compteur("Implant mort-vivant", kJSParalysie, 2),
    immunite("Solide comme un os", "Coups critiques"),
    compteur("Maîtrise de la non-vie", kRenvoiResistance, 4),
    drapeau("Poussée"),
    bonus("Résistance aux énergies destructives (5)", "Résistance à l'acide||Résistance|5"),
    bonus("Résistance aux énergies destructives (5)", "Résistance au froid||Résistance|5"),
    bonus("Résistance aux énergies destructives (5)", "Résistance à l'électricité||Résistance|5"),
    bonus("Résistance aux énergies destructives (5)", "Résistance au feu||Résistance|5"),
    bonus("Résistance aux énergies destructives (5)", "Résistance au son||Résistance|5"),
    compteur("Esprit inébranlable", kJSEnchantement, 4),
    noteJS("Vœu de chasteté", "+1 sacré contre les charmes et les enchantements"),
    parClasse("Compagnon animal supplémentaire", "Niveau du compagnon animal : ", "Druide", 0, 0, 2),
    compteur("Communication avec les animaux", "Nombre de communication avec les animaux (Mag) : ", 1),
    compteur("Prouesse du virtuose (chant persuasif)", "Nombre de chant du virtuose : ", 1),
    texte("Prouesse du virtuose (chant persuasif)", "Type de chant du virtuose : ", "chant persuasif"),
    drapeau("Maîtrise de terrain"),
    compteur("Prouesses nécromantiques +1", kNLSNecromancie, 1),
    compteur("Puissance des sorts +1", "Puissance des sorts (bonus pour passer la RM) : +", 1),
    compteur("Incantation rapide +1/jour", "Nombre d'incantation rapide : ", 1),
    compteur("Atrocités de Thay", kNLSNecromancie, 1),
    immunite("Perfection élémentaire", "Poisons"),
    immunite("Perfection élémentaire", "Sommeil"),
    immunite("Perfection élémentaire", "Paralysie"),
    immunite("Perfection élémentaire", "Etourdissement"),
    immunite("Perfection élémentaire", "Coups critiques"),
    immunite("Perfection élémentaire", "Attaques sournoises"),
    compteur("Efficacité élémentaire accrue +2", kDegatsSorts, 2),
    immuniteChoisie("Immunité contre une énergie destructive", "Une énergie destructive"),
    compteur("Focalisation élémentaire +1", kDegatsSorts, 1),
    compteur("roulé-boulé", "Nombre de roulé-boulé : ", 1),
    drapeau("Savoir supérieur"),
    parClasse("Savoir divin", kSavoirBardique, "Prêtre", 0, 0, 1),
    compteur("Artisanat runique +1", "Bonus compétence artisanat runique : +", 1),
    compteur("Pouvoir runique +1", "Bonus pouvoir runique : +", 1),
    bonus("Fluidité du mithral", "Bonus Dex max||Aptitude|1"),
    bonus("Superior defence", "Bonus Classe Armure|CA Divers|Aptitude|1"),
    bonus("Lame de foudre", "Bonus Dommage|Electricité|Alteration|+1d6"),
    bonus("Lame sainte", "Bonus Dommage|Sainte|Alteration|+2d6"),
    bonus("Lame de lumière", "Bonus Dommage|Divin|Alteration|+1d6"),
    compteur("Attaque assommante +1d6", "Nombre de dés de l'attaque assommante : +", 1),
    compteur("Ecole de la rue +2", "Bonus école de la rue (renseignement sur criminel) : +", 2),
    compteur("Incantation dissimulée +1 DD", "Lors d'une incantation sournoise : +", 1),
    parClasse("Knight's challenge", "Nombre d'utilisation du pouvoir de knight challenge : ", "Chevalier", 0, 0, 2),
    compteur("Shield block +1", "Bonus shield block : +", 1),
    compteur("Fighting challenge +1",
             "Bonus fighting challenge (bonus de moral aux JS volonté, attaque et dégât contre une cible): +", 1),
    compteur("Châtiment kiai", "Nombre de châtiment kiai : ", 1),
    drapeau("Marque férale"),
    compteur("Sauvagerie", "Nombre de sauvagerie : ", 1),
    noteJS("Résistance à la magie divine 20", "Résistance à la magie 20 contre les sorts divins"),
    noteJS("Résistance à la magie divine 15", "Résistance à la magie 15 contre les sorts divins"),
    compteur("Rage profane", "Nombre de rage profane : ", 1),
    compteur("Puissance de la rage", "Puissance de la rage : +", 2),
    compteur("Contact douloureux +1", "Nombre de contact : ", 1),
    compteur("Aura de terreur +1", "Nombre d'aura de terreur : ", 1),
    compteur("Attaque cruelle +1", "Nombre d'attaque cruelle : ", 1),
    noteJS("Résistance à la magie éveillée", "Résistance à la magie contre les pouvoirs psioniques"),
    compteur("Ame divine", kJSSort, 2),
    selonLigne("Arme distinctive", "Bonus virtuel de l'arme : "),
    selonLigne("Montée de puissance", "Durée de la montée de puissance (+8 en force) : "),
    compteur("Draconic adaptation", "Adaptation draconique : ", 1),
    compteur("La chair de ma chair +1", "Nombre de points de vie du touché de vie : ", 1),
    bonus("Compréhension de la nature", "Bonus Competence|Connaissances (nature)|Aptitude|2"),
    bonus("Compréhension de la nature", "Bonus Competence|Survie|Aptitude|2"),
    compteur("Influence du ki", "Nombre d'utilisation du pouvoir d'influence mentale : ", 1),
    // Bénédictions des sept paradis : résistances et bonus de l'étage atteint.
    bonus("Bénédiction du paradis argenté", "Bonus Jet Sauvegarde|Volonté|Sainte|1"),
    bonus("Connaissance courtoise", "Bonus Competence|Connaissances (noblesse)|Aptitude|2"),
    parClasse("Musique de chantre de guerre", kChantBarde, "Chantre de guerre", 0, 0, 1),
    bonus("Bonus à l'équitation", "Bonus Competence|Equitation|Aptitude|2"),
    bonus("Bonus d'équitation +2", "Bonus Competence|Equitation|Circonstances|2"),
    bonus("Protection contre le son", "Résistance au son||Résistance|10"),
    bonus("Bénédiction du paradis doré", "Bonus Jet Sauvegarde|Vigueur|Sainte|1"),
    bonus("Bénédiction du paradis perlé", "Résistance au froid||Sainte|10"),
    bonus("Bénédiction du paradis cristallin", "Bonus Jet Sauvegarde|Réflexe|Sainte|1"),
    bonus("Bénédiction du paradis scintillant", "Résistance à l'électricité||Sainte|10"),
    immunite("Préservation férale", "Métamorphose"),
    compteur("Guérison morphique", kGuerison, 2),
    bonus("Bénédiction du paradis illuminé", "Résistance au feu||Sainte|10"),
    compteur("Convocation de démons", "Convocation : ", 1),
    drapeau("Télépathie"),
    // Une cible, plus une tous les trois niveaux de barde.
    parClasse("Fascination", "Nombre de cible pour la fascination : ", "Barde", 1, -1, 3),
    compteur("Discrétion sacrée +4", "Bonus discrétion sacrée : +", 4),
    drapeau("Reconnaissance des subterfuges"),
    compteur("Guérison accélérée_1", kGuerison, 1),
    compteur("Guérison accélérée_2", kGuerison, 2),
    compteur("Guérison accélérée_3", kGuerison, 3),
    compteur("Guérison accélérée_5", kGuerison, 5),
    compteur("Protection contre la mort", kRenvoiResistance, 4),
    immunite("Immunités morphiques", "Métamorphose"),
    immunite("Immunités morphiques", "Etourdissement"),
    bonus("Corps morphique", "Bonus Caracteristique|Force|Aptitude|4"),
    bonus("Corps morphique", "Bonus Caracteristique|Constitution|Aptitude|4"),
    immunite("Immunité contre le renvoi", "Renvoi des morts-vivants"),
    drapeau("Danse tournante +1"),
    compteur("Puissance sacrée", "Bonus à tous les DD (compté dans la liste des sorts) : +", 2),
    selonLigne("Guérison accélérée", kGuerison),
    drapeau("Variante prêtre sans renvoi"),
    parClasse("Cercle magique", "Niveau du cercle de protection contre le mal : ", "Paladin", 0, 0, 1),
    compteur("Châtiment du mal (Bien)", kChatimentMal, 1),
    compteur("Châtiment du mal (confirmé)", kBonusChatimentMal, 2),
    compteur("Châtiment du mal (saint)", kDiversChatiment, 1),
    compteur("Châtiment du mal (fiélon)", kDiversChatiment, 1),
    compteur("Châtiment du mal (Multiple)", kChatimentMal, 1),
    selonLigne("Aura impérieuse", "Aura impérieuse (bonus aux tests de réaction contre les dragons : "),
    drapeau("Sens de dragon"),
    compteur("Supplice draconique (+1d6)", kDragons, 1),
    compteur("Supplice draconique (+2d6)", kDragons, 2),
    compteur("Voile rouge", "Voile : ", 1),
    compteur("Puissance magique enchanteresse +2", "Bonus au NLS des sorts d'enchantement  : ", 2),
    compteur("Précision mortelle (+1d8)", "Nombre de dés de précision mortelle : +", 1),
    compteur("Coup irréfutable", "Bonus au NLS pour dissiper les abjurations : +", 2),
    compteur("Protection", "Nombre d'utilisation des protections : ", 1),
    compteur("Abjuration supérieure", "Bonus au DD pour dissiper ses abjurations : +", 2),
    compteur("Croc-en-jambe à distance", "Croc-en-jambe à distance : +", 4),
    compteur("Jotunbrud", kBousculade, 4),
    compteur("Jotunbrud", kRenversement, 4),
    compteur("Jotunbrud", kCrocEnJambe, 4),
    // Stabilité des nains : +4 pour résister à la bousculade et au croc-en-jambe.
    compteur("Stabilité", kBousculade, 4),
    compteur("Stabilité", kCrocEnJambe, 4),
    drapeau("Bousculade"),
    compteur("Science du renversement", kRenversement, 4),
    compteur("Science de la bousculade", kBousculade, 4),
    compteur("Science du croc-en -jambe ", kCrocEnJambe, 4),
    compteur("Attaque de croc-en-jambe", kCrocEnJambe, 2),
    drapeau("Croc-en-jambe"),
    noteJS("Bonus JS genasi", "+1 contre les sorts de l'élément du genasi"),
    bonus("Résistance à une énergie destructive +5", "%e||Résistance|5"),
    bonus("Armure d'inertie", "Bonus Classe Armure|Armure|Aptitude|4"),
    bonus("Armure d'inertie", "Bonus Classe Armure|Force Armure|Aptitude|4"),
    compteur("Rugissement de léonal", "DD rugissement de Léonal : ", 20),
    drapeau("Célérité du lion"),
    compteur("Rapidité aveuglante", "Durée de la célérité féline : ", 10),
    compteur("Courage du lion", kJSTerreur, 4),
    compteur("Châtiment de l'infidèle", "Nombre de châtiment de l'infidèle : ", 1),
    parClasse("Imposition des mains champion", "Imposition des mains (divinité) : ", "", 0, 0, 1),
    compteur("Défence sacrée", kJSSort, 1),
    parClasse("Flèches spéciales", "DD Flèches spéciales (Sommeil et Perte de mémoire) : ", "", 10, 0, 2),
    immunite("Esprit incarné", "Poisons"),
    immunite("Esprit incarné", "Sommeil"),
    immunite("Esprit incarné", "Paralysie"),
    immunite("Esprit incarné", "Etourdissement"),
    compteur("Forme spirituelle +1", "Nombre d'utilisation de forme spirituelle : ", 1),
    compteur("Correction des esprits", "Nombre d'utilisation de la correction des esprit : ", 1),
    drapeau("Maîtrise des éléments"),
    bonus("Réduction des dégâts élu divin", "Résistance aux dégats|Mal|Aptitude|5"),
    selonLigne("Régénération", kRegeneration),
    compteur("Régénération_(5)", kRegeneration, 5),
    compteur("Régénération_3", kRegeneration, 3),
    compteur("Frénésie", kFrenesie, 1),
    compteur("Frénésie", kForceFrenesie, 6),
    compteur("Frénésie_+1", kFrenesie, 1),
    compteur("Inspiration frénétique", "Nombre d'utilisation de l'inspiration frénétique : ", 1),
    compteur("Frénésie aggravée", kForceFrenesie, 4),
    compteur("Bonus JS Volonté sorts", kJSSorts, 2),
    compteur("Volonté de fer (mentaux)", kJSMentaux, 2),
    compteur("Tourment", kTourment, 1),
    compteur("Aura de malchance", "Nombre d'utilisation de l'aura de malchance : ", 1),
    compteur("Tourment +1", kTourment, 1),
    compteur("Résistance profane", kJSSorts, 2),
    compteur("Tourment supérieur", kTourment, 1),
    compteur("Tourment suprême", kTourment, 1),
    bonus("Gymnaste +2", "Bonus Competence|Acrobaties|Aptitude|2"),
    drapeau("Eclipse spectrale (éthéré)"),
    drapeau("Marche éthérée"),
    bonus("Esquive ki", "Bonus Classe Armure|Esquive|Esquive|1"),
    drapeau("Frappe spectrale"),
    drapeau("Eclipse spectrale (invisible)"),
    compteur("Pouvoir ki", kPouvoirKi, 1),
    parClasse("Ascetic stalker", kEscarmouche, "Moine", 0, 0, 4),
    compteur("Frappe éclair +1d6", "Bonus aux dégâts de la frappe éclair : +", 1),
    bonus("Esquive ki supérieure", "Bonus Classe Armure|Esquive|Esquive|2"),
    bonus("Défense d'ombre +1", "Bonus Classe Armure|Esquive|Ombre|1"),
    drapeau("Vision nocturne"),
    compteur("Châtiment de l'anarchie +1", kChatimentAnarchie, 1),
    compteur("Lame de justice", "Nombre de lame de justice : ", 1),
    compteur("Châtiment de l'anarchie", kChatimentAnarchie, 1),
    drapeau("Faveur du dieu manchot"),
    parClasse("Calme de l'ordre", "DD calme de l'ordre : ", "", 10, 0, 2),
    compteur("Incantation axiomatique", kNLSLoi, 1),
    compteur("Savoir bureaucratique", "Bonus aux tests de compétences juridiques : ", 2),
    immunite("Immunité aux fantasmes", "Fantasmes"),
    immunite("Immunité contre le son", "Son"),
    compteur("Domaine de la mort", "Nombre d'utilisation du pouvoir de Mort : ", 1),
    compteur("Résistance au renvoi des morts vivants +4", kRenvoiResistance, 4),
    compteur("Résistance au renvoi des morts vivants +2", kRenvoiResistance, 2),
    compteur("Science de la résistance au renvoi des MV", kRenvoiResistance, 4),
    immunite("Immunité contre le froid", "Froid"),
    immunite("Immunité contre la métamorphose", "Métamorphose"),
    immunite("Immunité effets mentaux", "Effets mentaux"),
    noteCA("Résistance aux attaques à distance", "+1 contre les attaques à distance"),
    compteur("Canalisation des sorts", kCanalisation, 3),
    compteur("Canalisation des sorts+1", kCanalisation, 1),
    compteur("Réduction du risque d'échec des sorts_+10", kEchecSorts, 10),
    compteur("Réduction du risque d'échec des sorts_+5", kEchecSorts, 5),
    bonus("Diadème de topaze", "Bonus Jet Sauvegarde|Volonté|Intuition|1"),
    compteur("Châtiment des aberrations", kChatimentAberrations, 1),
    compteur("Châtiment des aberrations +1", kChatimentAberrations, 1),
    bonus("Insaisissable_topaze", "Bonus Classe Armure|Intuition|Intuition|1"),
    bonus("Perception physique", "Bonus Competence|Détection|Intuition|2"),
    bonus("Perception mentale", "Bonus Competence|Psychologie|Intuition|2"),
    bonus("Perception magique", "Bonus Competence|Art de la magie|Intuition|2"),
    drapeau("Perception télépathique"),
    compteur("Sentir le vide +1", "Nombre d'utilisation de sentir le vide : ", 1),
    selonLigne("Libération du vide", "Libération du vide (3f/j) et durée : "),
    compteur("Moment de clairvoyance", kMoment, 1),
    compteur("Chant de la vitesse (2e)", "Niveau du sort max pour le chant de la vitesse : ", 2),
    bonus("Bonus d'esquive +1", "Bonus Classe Armure|Esquive|Esquive|1"),
    parClasse("Exorcisme", "Bonus au jet d'exorcisme : ", "", 0, 0, 1),
    compteur("Ennemi privilégié +1", "Bonus ennemis privilégiés : ", 1),
    compteur("Rejet du mal +1", "Nombre de rejet du mal : ", 1),
    parClasse("Explosion d'énergie positive", "Explosion énergie positive sur 30 m : ", "", 0, 0, 2),
    compteur("Bonus JP poison 4", kJSPoison, 4),
    compteur("Bonus JP poison 3", kJSPoison, 3),
    immunite("Immunité contre l'électricité", "Electricité"),
    immunite("Immunité pétrification", "Pétrification"),
    compteur("Perfection de l'émeraude", kFortification, 25),
    immunite("Immunité à la surprise", "Pris au dépourvu"),
    compteur("Draconic resolve", kJSTerreur, 4),
    immunite("Métabolisme inexistant", "Poisons"),
    immunite("Métabolisme inexistant", "Maladies"),
    compteur("Défense supérieure", kFortification, 75),
    bonus("Rigueur du métal étoilé_1", "Résistance aux dégats|Adamantium|Aptitude|1"),
    bonus("Rigueur du métal étoilé_4", "Résistance aux dégats|Adamantium|Aptitude|4"),
    bonus("Rigueur du métal étoilé_6", "Résistance aux dégats|Adamantium|Aptitude|6"),
    compteur("Connaissance céleste +1", "Niveau des connaissances céleste : ", 1),
    compteur("Téléportation par les ombres +6", kTeleportation, 6),
    compteur("Téléportation par les ombres +12", kTeleportation, 12),
    compteur("Téléportation par les ombres +24", kTeleportation, 24),
    compteur("Souffle de dragon +2d8", "Nombre de dés de soufle : ", 2),
    compteur("Bonus aux sauvegardes contre le poison +1", kJSPoison, 1),
    compteur("Bonus nain JP poison", kJSPoison, 2),
    compteur("Puissance magique +1", "Niveau de lanceur de sort pour les pouvoir Mag : ", 1),
    immunite("Métabolisme surnaturel", "Poisons"),
    compteur("Bonus gnome aux JP illusions", kJSIllusion, 2),
    compteur("Bonus halfelin de moral", kJSTerreur, 2),
    compteur("Vétéran", kJSTerreur, 2),
    compteur("Bonus nain JP sort", kJSSorts, 2),
    compteur("Bonus nain JP sort 3", kJSSorts, 3),
    compteur("Dévotion épique", kJSSort, 4),
    immunite("Immunité sommeil", "Sommeil"),
    immunite("Immunité à la possession", "Possession"),
    immunite("Immunité charme", "Charme"),
    immunite("Immunité enchantement", "Enchantement"),
    immunite("Immunité contre le venin", "Venin"),
    immunite("Immunité contre le feu", "Feu"),
    immunite("Dénué d’intelligence", "Effets mentaux"),
    immunite("Pureté physique", "Maladies"),
    immunite("Santé divine", "Maladies"),
    immunite("Aura de bravoure", "Terreur"),
    compteur("Métamagie coopérative", "Nombre de métamagie coopérative : ", 1),
    compteur("Métamagie instantanée", "Nombre de métamagie instantanée : ", 1),
    // Rage : utilisations, durée en plus, bonus de Force et de Constitution, de Volonté, malus de CA.
    compteur("Rage +1", kRage, 1),
    compteur("Rage de grand berserker", kForceRage, 2),
    compteur("Rage de grand berserker", kVolonteRage, 1),
    compteur("Rage de maître berserker", kForceRage, 2),
    compteur("Rage de maître berserker", kVolonteRage, 1),
    compteur("Rage téméraire", kForceRage, 2),
    compteur("Rage téméraire", kCARage, 2),
    compteur("Rages supplémentaires", kRage, 2),
    compteur("Forme animale +1", kFormeAnimale, 1),
    compteur("Formes animales supplémentaires", kFormeAnimale, 2),
    texte("Forme animale_Plantes", kTypesForme, "plantes"),
    compteur("Forme animale élémentaire_Tres grand", kFormeElementaire, 1),
    texte("Forme animale élémentaire_Tres grand", kTypesForme, "élémentaires très grands"),
    texte("Forme animale_Grande", kTypesForme, "grandes"),
    texte("Forme animale_Très Grande", kTypesForme, "très grandes"),
    texte("Forme animale exaltée", kTypesForme, "célestes ou fiélonnes"),
    texte("Forme animale d'aberration", kTypesForme, "aberrations"),
    texte("Forme animale de créature magique", kTypesForme, "créatures magiques"),
    texte("Forme de pierre", kTypesForme, "créatures de pierre"),
    texte("Forme animale supérieure_humanoïdes", kTypesForme, "humanoïdes"),
    texte("Forme animale supérieure_géants", kTypesForme, "géants"),
    texte("Forme animale supérieure_humanoïdes monstrueux", kTypesForme, "humanoïdes monstrueux"),
    texte("Forme animale supérieure_fées", kTypesForme, "fées"),
    texte("Forme animale supérieure_vermines", kTypesForme, "vermines"),
    texte("Forme animale supérieure_aberrations", kTypesForme, "aberrations"),
    texte("Forme animale supérieure_plantes", kTypesForme, "plantes"),
    texte("Forme animale supérieure_vases", kTypesForme, "vases"),
    texte("Forme animale supérieure_élémentaires", kTypesForme, "élémentaires"),
    texte("Forme animale supérieure_dragons", kTypesForme, "dragons"),
    compteur("Forme animale extraordinaire", kDesFormeAnimale, 5),
    texte("Forme animale_Min", kTypesForme, "très petites"),
    drapeau("Forme changeante"),
    compteur("Attaque précise +1d6", "Nombre de dés précise : +", 1),
    noteCA("Défence décontractée", "Intelligence à la CA sans armure ni bouclier"),
    noteCA("Style du chantelame", "Bonus d'esquive égal à l'Intelligence avec une épée longue en main"),
    compteur("Châtiment du Mal +1", kChatimentMal, 1),
    compteur("Châtiment", "Nombre de châtiment du bien : ", 1),
    compteur("Rage de berserker", kRage, 1),
    compteur("Châtiment du Mal", kChatimentMal, 1),
    compteur("Châtiment suprême", kBonusChatimentMal, 4),
    drapeau("Traqueur dévot"),
    drapeau("Chevalier ascétique"),
    drapeau("Artiste dévot"),
    compteur("Science de l’ennemi juré_épique", "Bonus ennemi juré : ", 2),
    drapeau("Vision dans le noir 36 m"),
    drapeau("Perception aveugle_9"),
    drapeau("Perception aveugle_18"),
    compteur("Sens des pièges +1", kJSPieges, 1),
    compteur("Sens des pièges +1", kCAPieges, 1),
    compteur("Longue rage ", kDureeRage, 5),
    parClasse("Savoir", kSavoirBardique, "Maître du savoir", 0, 0, 1),
    drapeau("Savoir rare"),
    parClasse("Savoir bardique", kSavoirBardique, "Barde", 0, 0, 1),
    parClasse("Musique de quêteur", "DD des chants de quêteur : ", "Quêteur", 10, 0, 2),
    texte("Chant d'extase (RD 2/-)", "Type de chant de quêteur : ", "RD 2/-"),
    texte("Chant d'extase (JS +2)", "Type de chant de quêteur : ", "JS +2"),
    texte("Chant d'extase (liberté de mouvement)", "Type de chant de quêteur : ", "liberté de mouvement"),
    parClasse("Musique de barde", kChantBarde, "Barde", 0, 0, 1),
    compteur("Musica addititius", kChantBarde, 4),
    parClasse("Artiste", "Bonus lors d'un chant de barde ou de quêteur : ", "", 0, 0, 5),
    parClasse("Empathie sauvage", "Empathie sauvage : +", "Druide|Rôdeur", 0, 0, 1),
    compteur("Escarmouche +1d6", kEscarmouche, 1),
    compteur("Swift hunter", kEscarmouche, 1),
    compteur("Swift hunter", "Bonus à la CA escarmouche : +", 1),
    compteur("Fougue guerrière +1", "Nombre de cri de guerre (pour les bonus voir inspiration vaillante) : ", 1),
    bonus("Ecole renforcée (bien)", "Bonus Don|Ecole renforcée|Bien|1"),
    bonus("Bonus gnome aux DD illusions", "Bonus Don|Ecole renforcée|Illusion|1"),
    compteur("Tatouage focalisateur", "Bonus à tous les DD (compté dans la liste des sorts) : +", 1),
    bonus("Réduction des dégâts", "Résistance aux dégats|-|Aptitude|%v"),
    bonus("Réduction des dégâts fer froid", "Résistance aux dégats|Fer froid|Aptitude|5"),
    compteur("Ombres illusoires", "Nombre d'ombres illusoire : ", 1),
    compteur("Conduit animal", "Nombre de conduit animal : ", 1),
    compteur("Conduit par les plantes", "Nombre de conduit par les plantes : ", 1),
    drapeau("Chute ralentie_+3"),
    drapeau("Chute ralentie_+6"),
    bonus("Souplesse combative", "Bonus Classe Armure|Esquive|Esquive|1"),
    parClasse("Destrier de paladin", "Niveau du destrier du paladin : ", "Paladin", 0, 0, 1),
    parClasse("Compagnon Animal", "Niveau du compagnon animal : ", "Druide", 0, 0, 1),
    parClasse("Coup étourdissant", kCoupEtourdissant, "Moine", 0, 0, 1),
    parClasse("Coup étourdissant", "DD coup étourdissant : ", "Moine", 10, 0, 2),
    compteur("Science du coup étourdissant", kCoupEtourdissant, 2),
    compteur("Science de la métamagie", "Nombre d effet métamagique : ", 1),
    selonLigne("Prestige ", kPrestige),
    compteur("Bonus de prestige +1", kPrestige, 1),
    compteur("Réputation", kPrestige, 2),
    compteur("Attaque sournoise +1d6", kSournoise, 1),
    // Les niveaux de spadassin s'ajoutent aux niveaux de guerrier pour l'esquive du spadassin.
    parClasse("Daring warrior", kCAMelee, "Spadassin|Guerrier", 0, 1, 6),
    // Les niveaux de spadassin donnent des dés d'attaque sournoise, comme ceux de roublard.
    parClasse("Daring outlaw", kSournoise, "Spadassin", 0, 1, 2),
    immunite("Immunité à la peur", "Terreur"),
    drapeau("Attaque spéciale renforcée"),
    compteur("Décharge fantastique +1d6", "Dégât de la décharge fantastique : +", 1),
    parClasse("Détection de la magie à volonté", kDetectionMagie, "", 0, 0, 1),
    compteur("Résistance du fiélon_1", kGuerison, 1),
    compteur("Résistance du fiélon_2", kGuerison, 2),
    compteur("Résistance du fiélon_5", kGuerison, 5),
    parClasse("Aura de terreur", "DD (Volonté) de l'attaque spéciale Aura de terreur (Sur): ", "", 10, 0, 2),
    parClasse("Voyage par le sang", "DD voyage par le sang : ", "", 10, 0, 2),
    selonLigne("Discours galvanisant", "Discours galvanisant : +"),
    selonLigne("Ralliement", "Ralliement : +"),
    selonLigne("Vol de résistance aux énergie destructives", "Vol de résistance : "),
    parClasse("Vol de sort", "Niveau maxi du vol de sort : ", "Voleur de sorts", 0, 0, 2),
    parClasse("Détection de la magie", kDetectionMagie, "", 0, 0, 1),
    drapeau("Vision magique"),
    parClasse("Imposition des mains", "Imposition des mains : ", "Paladin", 0, 0, 1),
    compteur("Corellon's blessing", kJSEnchantement, 2),
    drapeau("Guérison rapide"),
    // Le Charisme aux jets de sauvegarde : la fiche l'ajoute elle-même, comme la grâce divine.
    drapeau("Bénédiction impie"),
    bonus("Bonus aux jets de sauvegarde halfelin", "Bonus Jet Sauvegarde|Réflexe|Racial|1"),
    bonus("Bonus aux jets de sauvegarde halfelin", "Bonus Jet Sauvegarde|Vigueur|Racial|1"),
    bonus("Bonus aux jets de sauvegarde halfelin", "Bonus Jet Sauvegarde|Volonté|Racial|1"),
    immunite("Perfection de l’être", "Effets mentaux"),
    drapeau("Réduction de l'ajustement de niveau_1"),
    // Tares : un malus aux jets compensé par un don.
    bonus("Influençable", "Bonus Jet Sauvegarde|Volonté|Tare|-2"),
    bonus("Mauvais réflexes", "Bonus Jet Sauvegarde|Réflexe|Tare|-2"),
    bonus("Souffreteux", "Bonus Jet Sauvegarde|Vigueur|Tare|-3"),
    // Traits de caractère : un bonus d'un côté, un malus de l'autre.
    bonus("Style", "Bonus Competence|Diplomatie|Trait|1"),
    bonus("Désinvolte", "Bonus Competence|Bluff|Trait|1"),
    bonus("Passionné", "Bonus Competence|Intimidation|Trait|1"),
    bonus("Force d'âme", "Bonus Jet Sauvegarde|Vigueur|Aptitude|2"),
    bonus("Gal-Ralan", "Bonus Jet Sauvegarde|Vigueur|Racial|1"),
    bonus("Bonus halfelin aux JP", "Bonus Jet Sauvegarde|Réflexe|Racial|1"),
    bonus("Bonus halfelin aux JP", "Bonus Jet Sauvegarde|Vigueur|Racial|1"),
    bonus("Bonus halfelin aux JP", "Bonus Jet Sauvegarde|Volonté|Racial|1"),
    bonus("Tueur de mages", "Bonus Jet Sauvegarde|Volonté|Tueur de mages|1"),
    bonus("Volonté de fer", "Bonus Jet Sauvegarde|Volonté|Aptitude|2"),
    bonus("Impétueux", "Bonus Jet Sauvegarde|Volonté|Trait|-1"),
    bonus("Cœur de forge", "Résistance au feu||Racial|5"),
    bonus("Réflexes surhumains ", "Bonus Jet Sauvegarde|Réflexe|Aptitude|2"),
    bonus("Défense à deux armes", "Bonus Classe Armure|Bouclier|Bouclier|1"),
    bonus("Science de la défence à deux armes", "Bonus Classe Armure|Bouclier|Bouclier|2"),
    bonus("Maîtrise de la défence à deux armes", "Bonus Classe Armure|Bouclier|Bouclier|3"),
    bonus("Défense à l'arme double", "Bonus Classe Armure|Bouclier|Bouclier|1"),
    bonus("Optimisation du port des armures lourdes", "Bonus Classe Armure|Armure|Optimisation|1"),
    bonus("Optimisation sup du port des armures lourdes", "Bonus Classe Armure|Armure|Optimisation|2"),
    compteur("Souplesse du serpent ", kCAMelee, 1),
    compteur("Grande souplesse", kCAMelee, 4),
    bonus("Bonus esquive CA +1", "Bonus Classe Armure|Esquive|Esquive|1"),
    drapeau("Bonus à la CA sag"),   // la fiche compte la Sagesse du moine à la CA
    noteCA("Mage ascétique", "Charisme à la CA sans armure ni charge"),
    bonus("Vivacité d'esprit", "Bonus Competence|Psychologie|Aptitude|2"),
    immunite("Démence", "Confusion"),
    immunite("Esprit tordu", "Lecture des pensées"),
    bonus("Peau bestiale", "Bonus Classe Armure|Naturelle|Aptitude|1"),
    drapeau("Sensibilité à la lumière annulée"),
    immunite("Apotheose draconienne", "Paralysie"),
    immunite("Apotheose draconienne", "Sommeil"),
    bonus("Manuel augmentation caracteristique force", "Bonus Caracteristique|Force|Inné|1"),
    bonus("Manuel augmentation caracteristique dexterité", "Bonus Caracteristique|Dextérité|Inné|1"),
    bonus("Manuel augmentation caracteristique constitution", "Bonus Caracteristique|Constitution|Inné|1"),
    bonus("Manuel augmentation caracteristique intelligence", "Bonus Caracteristique|Intelligence|Inné|1"),
    bonus("Manuel augmentation caracteristique sagesse", "Bonus Caracteristique|Sagesse|Inné|1"),
    bonus("Manuel augmentation caracteristique charisme", "Bonus Caracteristique|Charisme|Inné|1"),
    bonus("Force surhumaine", "Bonus Caracteristique|Force|Surhumain|2"),
    bonus("Dexterite surhumaine", "Bonus Caracteristique|Dextérité|Surhumain|2"),
    bonus("Constitution surhumaine", "Bonus Caracteristique|Constitution|Surhumain|2"),
    bonus("Intelligence surhumaine", "Bonus Caracteristique|Intelligence|Surhumain|2"),
    bonus("Sagesse surhumaine", "Bonus Caracteristique|Sagesse|Surhumain|2"),
    bonus("Charisme surhumain", "Bonus Caracteristique|Charisme|Surhumain|2"),
    immuniteChoisie("Energy immunity", "Une énergie destructive"),
    bonus("Griffes affilées", "Bonus Dommage|Griffe|Aptitude|2"),
    bonus("Longue foulée", "Bonus Déplacement|Terre|Aptitude|3"),
    bonus("Peau de bête", "Bonus Classe Armure|Naturelle|Aptitude|2"),
    bonus("Traque sauvage", "Bonus Competence|Survie|Aptitude|4"),
    // Terrains maîtrisés : la vitesse et les compétences les lisent comme des drapeaux.
    drapeau("Aligné"),
    drapeau("Aquatique"),
    drapeau("Collines"),
    drapeau("Déserts"),
    drapeau("Flambant"),
    drapeau("Froid"),
    drapeau("Montagnes"),
    drapeau("Plaines"),
    drapeau("Souterrains"),
};

const QVector<EntreeCatalogue> kDons = {
    // Trait racial : le svirfnebelin esquive toutes les créatures.
    bonus("Esquive svirfnebelin", "Bonus Classe Armure|Esquive|Esquive|4"),
    compteur("Fureur de la tigresse", kRage, 1),
    compteur("Rage de grand berserker", kForceRage, 2),
    compteur("Rage de grand berserker", kVolonteRage, 1),
    compteur("Rage de maître berserker", kForceRage, 2),
    compteur("Rage de maître berserker", kVolonteRage, 1),
    compteur("Rages supplémentaires", kRage, 2),
    compteur("Rage téméraire", kForceRage, 2),
    compteur("Rage téméraire", kCARage, 2),
};

} // namespace

const QVector<EntreeCatalogue>& CatalogueCapacites()
{
    return kCatalogue;
}

const QVector<EntreeCatalogue>& DonsCapacites()
{
    return kDons;
}

QStringList NomsCatalogueCapacites()
{
    QStringList noms;
    for (const EntreeCatalogue& e : kCatalogue)
        if (noms.isEmpty() || noms.last() != QString::fromUtf8(e.nom))
            noms.append(QString::fromUtf8(e.nom));
    return noms;
}

const QStringList& ImmunitesMortVivant()
{
    static const QStringList immunites{
        QStringLiteral("Poisons"), QStringLiteral("Sommeil"), QStringLiteral("Paralysie"),
        QStringLiteral("Etourdissement"), QStringLiteral("Maladies"), QStringLiteral("Effets de mort"),
        QStringLiteral("Dégâts non-létaux"), QStringLiteral("Diminutions permanentes de caractéristique"),
        QStringLiteral("Absorption d'énergie"), QStringLiteral("Fatigue"), QStringLiteral("Epuisement"),
        QStringLiteral("Effets nécessitant un jet de Vigueur (sauf quand ils affectent également les objets)"),
        QStringLiteral("La mort par dégâts excessifs"), QStringLiteral("Effets mentaux"),
        QStringLiteral("Coups critiques")};
    return immunites;
}
