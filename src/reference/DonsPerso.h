#pragma once
// Dons personnels : ceux que l'utilisateur ajoute, gardés dans la table Donsperso de la base de
// personnages ouverte ; la surcouche des règles les fait voir parmi les dons (CopieDonsPerso).
#include <QString>
#include <QStringList>
#include <optional>

class BaseDonnees;

struct DonPerso
{
    QString nom;
    QString version = QStringLiteral("3.5");   // tel que tapé
    QString genre;
    QString livre;
    QString page;
    QString resume;
    QString explication;
    QString caracteristique;
    bool prive = false, liearme = false, multiple = false, epique = false, pouvoir = false, tare = false, trait = false;
};

// Champ fautif d'un don personnel refusé, et le message qui le dit.
enum class ChampDonPerso { Nom, Genre, Source };
struct RefusDonPerso
{
    ChampDonPerso champ;
    QString message;
};

QStringList NomsDonsPerso(BaseDonnees& perso);
// Un don absent rend un don vide à son nom.
DonPerso LitDonPerso(BaseDonnees& perso, const QString& nom);
// Listes de choix (un premier élément vide), tirées des règles.
QStringList GenresDons(BaseDonnees& programme);
QStringList LivresDons(BaseDonnees& programme);
QStringList CaracteristiquesDons(BaseDonnees& programme);

// Les trois contrôles, dans l'ordre ; le premier qui échoue.
std::optional<RefusDonPerso> ControleDonPerso(const DonPerso& don);
// Vrai quand les règles livrées ont déjà un don de ce nom.
bool DonDesRegles(BaseDonnees& programme, const QString& nom);
// Source enregistrée : le livre, suivi de " p" et de la page quand elle est donnée.
QString SourceDonPerso(const QString& livre, const QString& page);
// Ajoute ou modifie le don (par son nom), en une transaction.
void EnregistreDonPerso(BaseDonnees& perso, const DonPerso& don);
