#pragma once
#include "SimRobot.h"
#include "UserAccounts.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QVector>

// How the simulator was asked to run.
struct SimSettings {
    bool headless = false;
    QHostAddress listenAddress = QHostAddress(QHostAddress::LocalHost);
    quint16 nameServerPort = 0; // 0: no name server
    quint16 controlPort = 0;    // 0: no control port
    QString baseName = QStringLiteral("simbot");
    QString version = QStringLiteral("3.71");
    QVector<UserAccount> users{{QStringLiteral("operator"), QStringLiteral("vindra"), true}};
    int maxSpeed = 100;
    RobotFacts facts;
};

// Reads the simulator's command line (the program name first).
class SimCommandLine {
public:
    // False when the arguments are wrong or help was asked for; message()
    // then says what to show.
    bool read(const QStringList &arguments);
    const SimSettings &settings() const { return result; }
    const QString &message() const { return text; }
    bool helpAsked() const { return help; }

private:
    SimSettings result;
    QString text;
    bool help = false;
};
