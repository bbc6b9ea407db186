#pragma once
// Outils des essais de fenêtres : boîtes de message et images des fenêtres.
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>

// Ferme, dès qu'elles s'ouvrent, les boîtes de message modales, et retient ce qu'elles disaient.
class CaptureBoites : public QObject
{
public:
    CaptureBoites();
    struct Boite
    {
        QString titre;
        QString texte;
        QMessageBox::Icon icone;
    };
    QList<Boite> boites;

protected:
    void timerEvent(QTimerEvent*) override;
};

// Écrit l'image d'une fenêtre dans le dossier "captures" du dossier de construction des essais.
void enregistreCapture(QWidget* fenetre, const QString& nom);
