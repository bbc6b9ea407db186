#pragma once
// Magasin de réglages propre à l'utilisateur : il ne garde que l'astuce du jour au démarrage.

// Section "Options", clé "Show Tips at Startup" : 1 pour montrer (valeur par défaut).
bool AfficheAstucesAuDemarrage();
void EcritAfficheAstuces(bool afficher);
