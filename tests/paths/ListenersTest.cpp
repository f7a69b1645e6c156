// The controller listens for its companions on this machine only: every
// socket it listens on is bound to the loopback address.
#include "LinkFixture.h"
#include "paths/CompanionLineServer.h"
#include "paths/WebRtcServerTransport.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

namespace {

// The sockets this process holds open, by inode.
QSet<QString> ownSocketInodes()
{
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target.contains(QLatin1String("socket:[")))
            inodes.insert(target.section(u'[', 1).section(u']', 0, 0));
    }
    return inodes;
}

// "address:port" (hexadecimal, as the kernel writes it) of each TCP socket
// of this process that listens.
QStringList ownListeners()
{
    const QSet<QString> own = ownSocketInodes();
    QStringList listeners;
    for (const char *table : {"/proc/self/net/tcp", "/proc/self/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        file.readLine(); // the heading
        while (!file.atEnd()) {
            const QStringList fields = QString::fromLatin1(file.readLine()).simplified().split(u' ');
            // local address, remote address, state ("0A" listens), ..., inode
            if (fields.size() > 9 && fields[3] == QLatin1String("0A") && own.contains(fields[9]))
                listeners << fields[1];
        }
    }
    return listeners;
}

bool isLoopback(const QString &listener)
{
    const QString address = listener.section(u':', 0, 0);
    // 127.0.0.0/8 is written little-endian: the last byte first; ::1 in full
    return (address.size() == 8 && address.endsWith(QLatin1String("7F"))) ||
           address == QLatin1String("00000000000000000000000001000000");
}

} // namespace

class ListenersTest : public QObject {
    Q_OBJECT
private slots:
    void onlyLoopback()
    {
        LinkFixture f(true);
        f.selectRobot();
        f.fake.shell.interpreter.clear(); // the cloud attempt stops once its server listens
        f.link.loginUsingQCS(QStringLiteral("Lab bench"));
        f.link.loginUsingWebRTC(QStringLiteral("Lab bench"));
        QVERIFY(f.link.IdTCPServer1->isListening());

        const QStringList listeners = ownListeners();
        const auto port = [](quint16 number) {
            return QStringLiteral(":%1").arg(number, 4, 16, QLatin1Char('0')).toUpper();
        };
        QVERIFY2(listeners.filter(port(CompanionLineServer::Port)).size() == 1, qPrintable(listeners.join(u' ')));
        QVERIFY2(listeners.filter(port(WebRtcServerTransport::CompanionPort)).size() == 1,
                 qPrintable(listeners.join(u' ')));
        for (const QString &listener : listeners)
            QVERIFY2(isLoopback(listener), qPrintable(listener));
    }
};

QTEST_GUILESS_MAIN(ListenersTest)
#include "ListenersTest.moc"
