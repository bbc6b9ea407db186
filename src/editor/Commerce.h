#pragma once
// Achat et revente des objets d'un personnage : catalogue, prix neuf, calculs d'argent.
// Les fenêtres ne font que montrer ces valeurs et reporter les saisies.
#include <QString>
#include <QVector>
#include <optional>

class BaseDonnees;

// Un objet du catalogue de la base de personnages, tel que la liste le montre.
struct ArticleCatalogue
{
    QString nom;
    QString groupe;
    QString cout;       // coût total en Po
    QString charge;     // charges d'un objet neuf, "" sans charges
    QString description;
};

// Tout le catalogue, dans l'ordre des noms.
QVector<ArticleCatalogue> articlesCatalogue(BaseDonnees& perso);

// Prix neuf d'un objet porté : 0 hors catalogue ; sinon son coût, au prorata des charges qui
// lui restent quand le catalogue lui en donne.
double prixNeufObjet(BaseDonnees& perso, const QString& nomObjet, const QString& chargesRestantes);

// Somme en Po telle que les champs la montrent : au centième près, sans zéros inutiles.
QString texteArgent(double montant);

// Argent d'un personnage après un crédit, en texte ; rien quand l'argent saisi n'est pas un nombre
// (un champ vide compte pour 0).
std::optional<QString> crediteArgent(const QString& argent, double credit);

// Saisie refusée : message et contrôle à remettre en état.
struct RefusCommerce
{
    QString message;
    QString controle;
};

// Un achat accepté : la quantité prise et l'argent qui reste au personnage.
struct Achat
{
    int quantite = 0;
    double argentRestant = 0;   // peut passer sous zéro : le meneur de jeu fait crédit
    double argent = 0;          // argent avant l'achat
    bool depasse = false;       // l'achat coûte plus que l'argent du personnage
};

// Question posée avant un achat qui coûte plus que l'argent du personnage.
QString questionAchatACredit(const QString& personnage, double argent);

// Contrôle un achat puis le compte. facteur : part du prix payée (1 pour un achat, 0 pour un
// objet ajouté gratuitement). Refusé quand une saisie n'est pas un nombre valable ; un achat plus
// cher que l'argent du personnage est compté (depasse), à confirmer par l'appelant.
std::optional<RefusCommerce> calculeAchat(const QString& quantite, const QString& prixUnitaire,
                                          const QString& argent, double facteur, Achat& achat);

// Revente d'une partie ou de la totalité des objets d'une ligne.
struct Vente
{
    QString nom;
    double prixNeuf = 0;
    int quantiteTenue = 1;
    int quantite = 1;
    double prixUnitaire = 0;
    double prixTotal = 0;
};

// À l'ouverture : tout ce qui est tenu, à la moitié du prix neuf. Une ligne sans nombre compte un objet.
Vente ouvreVente(const QString& nom, double prixNeuf, const QString& quantiteTenue);

// Chaque saisie rend son message quand elle est refusée, la vente restant alors inchangée.
std::optional<QString> changeQuantite(Vente& vente, const QString& texte);
std::optional<QString> changePrixUnitaire(Vente& vente, const QString& texte);
std::optional<QString> changePrixTotal(Vente& vente, const QString& texte);

// Ce que la vente fait à la ligne et à l'argent.
struct IssueVente
{
    bool retireLigne = false;
    int nombreRestant = 0;   // quand la ligne reste
    double credit = 0;       // Po ajoutées à l'argent du personnage
};
IssueVente concluVente(const Vente& vente);
