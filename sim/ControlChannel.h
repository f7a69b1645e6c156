#pragma once
#include <QFile>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;
class QTcpServer;
class QTextStream;

// Where scripting commands come from: lines on standard input, answered on
// standard output, and lines on TCP connections to a local control port,
// answered on the same connection.
class ControlChannel : public QObject {
    Q_OBJECT
public:
    using Executor = std::function<QString(const QString &line)>;
    static constexpr qsizetype longestLine = 4096;

    explicit ControlChannel(Executor execute, QObject *parent = nullptr);

    void readStandardInput(QTextStream &replies);
    // Binds the loopback address only; port 0 takes any free one.
    bool listen(quint16 port);
    quint16 port() const;
    QString errorString() const;

private:
    void readStandardInputLine(QTextStream &replies);
    void accept();
    QString run(const QByteArray &line) const;

    Executor execute;
    QFile standardInput;
    QSocketNotifier *inputNotifier = nullptr;
    QTcpServer *server;
};
