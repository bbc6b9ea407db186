#include "GestionErreurs.h"

#include <QDateTime>
#include <cstdio>

QString MessageErreur(int numero, const QString& description)
{
    return QStringLiteral("L'erreur suivante s'est produite : ") + description + QStringLiteral("\n\n")
           + QStringLiteral(" numéro d'erreur (") + QString::number(numero) + QStringLiteral(" )");
}

bool GestionErreurs::ouvreJournal(const QString& chemin)
{
    if (m_journal.isOpen())
        m_journal.close();
    m_journal.setFileName(chemin);
    return m_journal.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void GestionErreurs::signale(int numero, const QString& description, const QString& procedure, const QString& module,
                             const QString& detail)
{
    const QString message = MessageErreur(numero, description);
    if (m_afficheur)
        m_afficheur(message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
    journalise(numero, description, procedure, module, detail);
}

void GestionErreurs::journalise(int numero, const QString& description, const QString& procedure, const QString& module,
                                const QString& detail)
{
    // Une ligne par erreur : les retours à la ligne de la description n'en font pas plusieurs.
    QString erreur = detail.isEmpty() ? description : description + QStringLiteral(" [") + detail + u']';
    erreur.replace(u'\n', u' ').remove(u'\r');
    const QString ligne = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + u' '
                          + QString::number(numero) + u' ' + erreur + QStringLiteral(" Procedure : ") + procedure
                          + QStringLiteral("  Module : ") + module + u'\n';
    if (m_journal.isOpen()) {
        m_journal.write(ligne.toUtf8());
        m_journal.flush();
    }
}
