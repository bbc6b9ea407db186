#pragma once
// Import refusé : le message dit à l'utilisateur ce qui manque ; le détail technique va au journal.
#include "shell/Erreur.h"

inline constexpr int kErreurImport = 3051;   // numéro classique d'un fichier qui ne s'ouvre pas

class RefusImport : public ErreurExecution
{
public:
    explicit RefusImport(QString message, QString detail = {})
        : ErreurExecution(kErreurImport, std::move(message), std::move(detail)) {}
};
