#include "InstanceUnique.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

InstanceUnique::InstanceUnique(QString nomServeur, QObject* parent)
    : QObject(parent), m_nom(std::move(nomServeur))
{
}

QString InstanceUnique::nomServeurUtilisateur()
{
    QString utilisateur = qEnvironmentVariable("USER");
    if (utilisateur.isEmpty())
        utilisateur = qEnvironmentVariable("LOGNAME");
    if (utilisateur.isEmpty())
        utilisateur = QDir::home().dirName();
    utilisateur.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return QStringLiteral("quorvane-") + utilisateur;
}

bool InstanceUnique::envoie(const QString& message, int delaiMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_nom);
    if (!socket.waitForConnected(delaiMs))
        return false;
    socket.write(message.toUtf8() + '\n');
    socket.flush();
    socket.waitForBytesWritten(delaiMs);
    // L'accusé de réception garantit que le message est arrivé avant que ce programme s'arrête.
    socket.waitForReadyRead(delaiMs);
    socket.disconnectFromServer();
    return true;
}

bool InstanceUnique::ecoute()
{
    m_serveur = new QLocalServer(this);
    m_serveur->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_serveur->listen(m_nom)) {
        // Reste d'un programme arrêté brutalement : personne n'a répondu, la place est libre.
        QLocalServer::removeServer(m_nom);
        if (!m_serveur->listen(m_nom))
            return false;
    }
    connect(m_serveur, &QLocalServer::newConnection, this, &InstanceUnique::nouvelleConnexion);
    return true;
}

void InstanceUnique::nouvelleConnexion()
{
    while (QLocalSocket* socket = m_serveur->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QString message = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write("1");
            socket->flush();
            Q_EMIT messageRecu(message);
        });
    }
}
