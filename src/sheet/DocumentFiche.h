#pragma once
// Mise en page d'une feuille HTML en document : PDF A4 par l'imprimante PDF de Qt, OpenDocument
// (.odt) par son écrivain de documents. Demande une application graphique (les polices), même
// sans écran.
#include <QString>

class QIODevice;
class QTextDocument;

// Le document lu depuis la page ; les images dont seule la largeur est donnée reçoivent la
// hauteur qui garde leurs proportions (l'OpenDocument reprendrait sinon leur hauteur d'origine).
void ChargeDocument(QTextDocument& document, const QString& html);

// Écrit la page en PDF A4 (titre du document : titre) ; faux quand l'écriture échoue.
bool EcritPdf(const QString& html, const QString& titre, QIODevice& sortie);

// Écrit la page en OpenDocument texte ; faux quand l'écriture échoue.
bool EcritOdt(const QString& html, QIODevice& sortie);
