#pragma once
// Arithmétique des fiches : arrondis et entiers 16 bits contrôlés.
#include <QString>
#include <QtGlobal>

// Partie entière vers moins l'infini : Int(-2.5) = -3.
int Int(double valeur);

// Conversion en entier 16 bits, arrondi au pair le plus proche ; hors bornes : erreur 6.
qint16 CInt(double valeur);

// Conversion en entier 32 bits, même arrondi ; hors bornes : erreur 6.
qint32 CLng(double valeur);

// Nombre en tête d'un texte, blancs ignorés ; 0 s'il n'y en a pas (Val("12 ans") = 12).
double Val(const QString& texte);

// Entier signé 16 bits dont tout dépassement lève une erreur d'exécution au lieu de boucler.
class Entier16
{
public:
    constexpr Entier16() = default;
    Entier16(int valeur);  // contrôle la borne

    qint16 valeur() const { return m_valeur; }
    operator int() const { return m_valeur; }

    Entier16& operator+=(Entier16 autre);
    Entier16& operator-=(Entier16 autre);
    Entier16& operator*=(Entier16 autre);

    friend Entier16 operator+(Entier16 a, Entier16 b) { return a += b; }
    friend Entier16 operator-(Entier16 a, Entier16 b) { return a -= b; }
    friend Entier16 operator*(Entier16 a, Entier16 b) { return a *= b; }
    Entier16 operator-() const { return Entier16(-int(m_valeur)); }

private:
    qint16 m_valeur = 0;
};
