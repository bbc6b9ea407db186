#include "Semantique.h"
#include "Erreur.h"

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void depassement()
{
    throw ErreurExecution(NumeroErreur::Depassement, QStringLiteral("Dépassement de capacité"));
}

double arrondiPair(double valeur)
{
    // nearbyint suit le mode d'arrondi courant, qui est au pair par défaut
    return std::nearbyint(valeur);
}

} // namespace

int Int(double valeur)
{
    const double f = std::floor(valeur);
    if (!(f >= std::numeric_limits<int>::min() && f <= std::numeric_limits<int>::max()))
        depassement();
    return int(f);
}

qint16 CInt(double valeur)
{
    const double r = arrondiPair(valeur);
    if (!(r >= -32768.0 && r <= 32767.0))
        depassement();
    return qint16(r);
}

qint32 CLng(double valeur)
{
    const double r = arrondiPair(valeur);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        depassement();
    return qint32(r);
}

double Val(const QString& texte)
{
    // Les blancs sont ignorés partout, comme le faisait Val : "1 2" vaut 12.
    QString s;
    s.reserve(texte.size());
    for (QChar c : texte)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            s.append(c);

    qsizetype i = 0;
    const qsizetype n = s.size();
    QString nombre;
    if (i < n && (s[i] == u'-' || s[i] == u'+'))
        nombre.append(s[i++]);
    bool chiffres = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        nombre.append(s[i++]);
        chiffres = true;
    }
    if (i < n && s[i] == u'.') {
        nombre.append(s[i++]);
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            nombre.append(s[i++]);
            chiffres = true;
        }
    }
    if (!chiffres)
        return 0.0;
    if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        QString exposant = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'-' || s[j] == u'+'))
            exposant.append(s[j++]);
        bool chiffresExposant = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            exposant.append(s[j++]);
            chiffresExposant = true;
        }
        if (chiffresExposant)
            nombre.append(exposant);
    }
    return nombre.toDouble();
}

Entier16::Entier16(int valeur)
{
    if (valeur < -32768 || valeur > 32767)
        depassement();
    m_valeur = qint16(valeur);
}

Entier16& Entier16::operator+=(Entier16 autre)
{
    *this = Entier16(int(m_valeur) + int(autre.m_valeur));
    return *this;
}

Entier16& Entier16::operator-=(Entier16 autre)
{
    *this = Entier16(int(m_valeur) - int(autre.m_valeur));
    return *this;
}

Entier16& Entier16::operator*=(Entier16 autre)
{
    *this = Entier16(int(m_valeur) * int(autre.m_valeur));
    return *this;
}
