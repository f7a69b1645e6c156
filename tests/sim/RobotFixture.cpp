#include "RobotFixture.h"

#include "link/Framing.h"

RobotFixture::RobotFixture(const RobotFacts &facts, LoginForm form, const QVector<UserAccount> &users)
    : robot(facts), protocol(robot, UserAccounts(users), ProtocolSettings{form, 100})
{
    QObject::connect(&protocol, &RobotProtocol::textOut,
                     [this](int connection, const QString &text) { sent.append({connection, text}); });
}

QVector<UserAccount> RobotFixture::defaultUsers()
{
    return {{QStringLiteral("operator"), QStringLiteral("vindra"), true},
            {QStringLiteral("guest"), QStringLiteral("visitor"), false}};
}

QString RobotFixture::framed(const QString &command) { return socketFrame(1393675200045, command); }

void RobotFixture::receive(const QString &command, int connection)
{
    protocol.frameReceived(connection, framed(command));
}

void RobotFixture::signIn(const QString &user, const QString &password, int connection)
{
    protocol.connectionOpened(connection, QStringLiteral("127.0.0.1"));
    receive(QStringLiteral("U%1:%2:3.2:0:500").arg(user, password), connection);
    sent.clear();
}

QStringList RobotFixture::sentTo(int connection) const
{
    QStringList texts;
    for (const auto &[to, text] : sent)
        if (to == connection)
            texts << text;
    return texts;
}

QStringList RobotFixture::takeSent(int connection)
{
    const QStringList texts = sentTo(connection);
    sent.clear();
    return texts;
}
