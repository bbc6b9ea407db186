#include "Bonus.h"

#include <algorithm>

void AjouteBonus(ListeBonus& liste, const QString& source, const QString& genre, const QString& cible,
                 const QString& type, const QString& valeur)
{
    TypeBonus b;
    b.Source = source;
    b.Genre = genre;
    b.Cible = cible;
    b.Type = type;
    b.Valeur = valeur;
    liste.append(b);
}

QString SommeDeBonus::texte() const
{
    if (!contientDes())
        return QString::number(int(nombre));
    if (nombre == 0)
        return des;
    return (nombre > 0 ? QStringLiteral("+%1 ") : QStringLiteral("%1 ")).arg(int(nombre)) + des;
}

namespace {

bool estDes(const QString& valeur)
{
    return valeur.contains(u'd', Qt::CaseInsensitive);
}

// Deux nombres se comparent en nombres ; dès qu'il y a des dés, leurs deux premiers caractères
// se comparent en texte ("+1d6" avant "+2d6").
int compareValeurs(const QString& a, const QString& b)
{
    if (estDes(a) || estDes(b))
        return QString::compare(a.left(2), b.left(2), Qt::CaseInsensitive);
    const double x = Val(a), y = Val(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

bool memeGroupe(const TypeBonus& a, const TypeBonus& b)
{
    return QString::compare(a.Cible, b.Cible, Qt::CaseInsensitive) == 0
        && QString::compare(a.Type, b.Type, Qt::CaseInsensitive) == 0;
}

} // namespace

SommeDeBonus SommeBonus(const ListeBonus& liste, const QString& genre, const QString& cible)
{
    QVector<const TypeBonus*> travail;
    for (const TypeBonus& b : liste)
        if (b.Genre == genre && (cible.isEmpty() || b.Cible == cible))
            travail.append(&b);

    std::stable_sort(travail.begin(), travail.end(), [](const TypeBonus* a, const TypeBonus* b) {
        if (int c = QString::compare(a->Cible, b->Cible, Qt::CaseInsensitive))
            return c < 0;
        if (int c = QString::compare(a->Type, b->Type, Qt::CaseInsensitive))
            return c < 0;
        return compareValeurs(a->Valeur, b->Valeur) < 0;
    });

    SommeDeBonus somme;
    QStringList groupesDes;
    for (qsizetype i = 0; i < travail.size(); ++i) {
        // Le dernier d'un groupe trié est son plus grand bonus.
        if (i + 1 < travail.size() && memeGroupe(*travail.at(i), *travail.at(i + 1)))
            continue;
        const TypeBonus& retenu = *travail.at(i);
        if (estDes(retenu.Valeur))
            groupesDes.append(retenu.Valeur + u'(' + retenu.Type + u')');
        else
            somme.nombre += Entier16(CInt(Val(retenu.Valeur)));
    }
    somme.des = groupesDes.join(u' ');
    return somme;
}
