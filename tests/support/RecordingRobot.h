#pragma once
#include <QObject>
#include <QStringList>
#include <QWebSocketServer>

class QWebSocket;

// A robot on 127.0.0.1:9000 that keeps every text frame it receives and can
// answer.
class RecordingRobot : public QObject {
    Q_OBJECT
public:
    explicit RecordingRobot(quint16 port = 9000);
    bool isListening() const { return server.isListening(); }
    // The commands received, with the timestamp prefix of each frame cut off.
    QStringList commands() const;
    QStringList frames;
    // Echoes every ping as the robot does, keeping the link from going quiet.
    bool echoPings = false;
    void send(const QString &text);
    bool waitForCommand(const QString &command, int milliseconds = 5000);

signals:
    // A frame arrived; command is its text without the timestamp prefix.
    void commandReceived(const QString &command);

private:
    QWebSocketServer server;
    QWebSocket *client = nullptr;
};
