#pragma once
#include "RobotProtocol.h"
#include "SimRobot.h"

#include <QList>
#include <QPair>
#include <QStringList>

// A simulated robot and its protocol, recording every text it sends.
struct RobotFixture {
    explicit RobotFixture(const RobotFacts &facts = RobotFacts(), LoginForm form = LoginForm::Plain,
                          const QVector<UserAccount> &users = defaultUsers());

    // operator/vindra, an administrator, and guest/visitor.
    static QVector<UserAccount> defaultUsers();
    // The command behind the direct socket's time stamp.
    static QString framed(const QString &command);

    void receive(const QString &command, int connection = 1);
    // Opens the connection if need be and signs in; forgets what was sent.
    void signIn(const QString &user = QStringLiteral("operator"), const QString &password = QStringLiteral("vindra"),
                int connection = 1);
    QStringList sentTo(int connection = 1) const;
    // What was sent to the connection since the last take; forgets all sent.
    QStringList takeSent(int connection = 1);

    SimRobot robot;
    RobotProtocol protocol;
    QList<QPair<int, QString>> sent;
};
