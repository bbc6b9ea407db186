#pragma once
// Gestionnaire commun des erreurs d'exécution : message critique et journal "errvb.log".
#include "Erreur.h"

#include <QFile>
#include <QString>
#include <exception>
#include <functional>

inline constexpr const char* kNomJournal = "errvb.log";
// Erreur qui n'est pas une erreur d'exécution du programme (bibliothèque, mémoire...).
inline constexpr int kErreurInterne = 51;

// "L'erreur suivante s'est produite : " ... " numéro d'erreur (n )".
QString MessageErreur(int numero, const QString& description);

class GestionErreurs
{
public:
    // Non nul : les erreurs ne sont pas interceptées (réglage MODE/DEBUG).
    int modeDebug = 0;

    // Ouvre le journal en ajout pour toute la durée du programme ; faux s'il ne peut l'être.
    bool ouvreJournal(const QString& chemin);
    QString cheminJournal() const { return m_journal.fileName(); }

    // Les fenêtres montrent le message critique par cette fonction ; sans elle, il va sur stderr.
    void afficheAvec(std::function<void(const QString&)> afficheur) { m_afficheur = std::move(afficheur); }

    // Montre le message puis ajoute une ligne au journal.
    // Ajoute une ligne au journal sans rien montrer (l'appelant a déjà dit l'essentiel).
    void journalise(int numero, const QString& description, const QString& procedure, const QString& module,
                    const QString& detail = {});

    // Le détail technique éventuel ne va qu'au journal.
    void signale(int numero, const QString& description, const QString& procedure, const QString& module,
                 const QString& detail = {});

    // Exécute une procédure d'événement en interceptant ses erreurs, sauf en mode débogage.
    template<class F>
    void protege(const char* procedure, const char* module, F&& f)
    {
        if (modeDebug != 0) {
            f();
            return;
        }
        try {
            f();
        } catch (const ErreurExecution& e) {
            signale(e.numero(), e.description(), QString::fromUtf8(procedure), QString::fromUtf8(module), e.detail());
        } catch (const std::exception& e) {
            signale(kErreurInterne, QString::fromUtf8(e.what()), QString::fromUtf8(procedure), QString::fromUtf8(module));
        }
    }

private:
    QFile m_journal;
    std::function<void(const QString&)> m_afficheur;
};
