#pragma once
// Outils des essais de fenêtres : boîtes de message et images des fenêtres.
#include <QApplication>
#include <QList>
#include <QTest>
#include <QTimer>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

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

// Répond à la prochaine fenêtre modale du type donné, dès qu'elle s'ouvre.
template<class Dialogue, class Reponse>
void repondA(Reponse reponse)
{
    auto* minuterie = new QTimer(qApp);
    QObject::connect(minuterie, &QTimer::timeout, minuterie, [minuterie, reponse] {
        if (auto* d = qobject_cast<Dialogue*>(QApplication::activeModalWidget())) {
            minuterie->stop();
            minuterie->deleteLater();
            reponse(d);
        }
    });
    minuterie->start(10);
}

// Hors écran, la fenêtre ne redevient pas active d'elle-même quand un dialogue se ferme ;
// ses raccourcis n'agissent qu'une fois qu'elle l'est.
void reactive(QWidget* f);
