#pragma once
// Un seul programme à la fois par utilisateur : le second lancement passe son argument au premier.
#include <QObject>
#include <QString>

class QLocalServer;

class InstanceUnique : public QObject
{
    Q_OBJECT

public:
    explicit InstanceUnique(QString nomServeur, QObject* parent = nullptr);

    // Nom propre à l'utilisateur courant.
    static QString nomServeurUtilisateur();

    // Vrai quand une première instance écoute et a reçu le message (éventuellement vide).
    bool envoie(const QString& message, int delaiMs = 3000);
    // Devient la première instance ; faux si le serveur ne peut écouter.
    bool ecoute();

Q_SIGNALS:
    void messageRecu(const QString& message);

private:
    void nouvelleConnexion();

    QString m_nom;
    QLocalServer* m_serveur = nullptr;
};
