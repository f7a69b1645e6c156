#include "SimCommandLine.h"

#include <QTest>

class SimCommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void defaults()
    {
        SimCommandLine line;
        QVERIFY(line.read({QStringLiteral("quorvelbot-sim")}));
        const SimSettings &s = line.settings();
        QVERIFY(!s.headless);
        QCOMPARE(s.listenAddress, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(s.nameServerPort, quint16(0));
        QCOMPARE(s.baseName, QStringLiteral("simbot"));
        QCOMPARE(loginFormOfVersion(s.version), LoginForm::Digest);
        QCOMPARE(s.users.size(), 1);
        QCOMPARE(s.users[0].name + u':' + s.users[0].password, QStringLiteral("operator:vindra"));
        QVERIFY(s.users[0].admin);
        QCOMPARE(s.facts.model, QStringLiteral("M3-2AA3.71"));
        QCOMPARE(s.facts.accessories, 0x78u);
        QVERIFY(s.facts.laserFitted);
    }

    void options()
    {
        SimCommandLine line;
        QVERIFY2(line.read({"quorvelbot-sim", "--headless", "--listen", "0.0.0.0", "--name-server", "8080",
                            "--base-name", "lab-robot", "--version", "3.7", "--user", "alice:secret:1", "--user",
                            "bob:pass", "--max-speed", "60", "--model", "T2", "--head-type", "galaxy3", "--no-laser",
                            "--control-port", "9100", "--generation", "2"}),
                 qPrintable(line.message()));
        const SimSettings &s = line.settings();
        QVERIFY(s.headless);
        QCOMPARE(s.listenAddress, QHostAddress(QHostAddress::AnyIPv4));
        QCOMPARE(s.nameServerPort, quint16(8080));
        QCOMPARE(s.controlPort, quint16(9100));
        QCOMPARE(s.baseName, QStringLiteral("lab-robot"));
        QCOMPARE(loginFormOfVersion(s.version), LoginForm::Plain);
        QCOMPARE(s.users.size(), 2);
        QVERIFY(s.users[0].admin);
        QVERIFY(!s.users[1].admin);
        QCOMPARE(s.maxSpeed, 60);
        QCOMPARE(s.facts.model, QStringLiteral("T2"));
        QCOMPARE(s.facts.accessories, RobotFacts::panMount); // a table-top model's own
        QCOMPARE(s.facts.headType, QStringLiteral("galaxy3"));
        QCOMPARE(s.facts.generation, QStringLiteral("2"));
        QVERIFY(!s.facts.laserFitted);
    }

    void accessoriesOverrideTheModels()
    {
        SimCommandLine line;
        QVERIFY(line.read({"quorvelbot-sim", "--model", "T2", "--accessories", "7c"}));
        QCOMPARE(line.settings().facts.accessories, 0x7Cu);
    }

    void versions_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("form");
        QTest::newRow("3.7 in clear") << "3.7" << int(LoginForm::Plain);
        QTest::newRow("3.5 in clear") << "3.5" << int(LoginForm::Plain);
        QTest::newRow("3.71 digests") << "3.71" << int(LoginForm::Digest);
        QTest::newRow("4 digests") << "4" << int(LoginForm::Digest);
    }
    void versions()
    {
        QFETCH(QString, version);
        QFETCH(int, form);
        QCOMPARE(loginFormOfVersion(version), LoginForm(form));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("listen on a name") << QStringList{"--listen", "localhost"};
        QTest::newRow("name server port 0") << QStringList{"--name-server", "0"};
        QTest::newRow("name server port too large") << QStringList{"--name-server", "70000"};
        QTest::newRow("version with a comma") << QStringList{"--version", "3,7"};
        QTest::newRow("user without password") << QStringList{"--user", "alice"};
        QTest::newRow("password too short") << QStringList{"--user", "alice:abc"};
        QTest::newRow("password with a blank") << QStringList{"--user", "alice:se cret"};
        QTest::newRow("bad admin mark") << QStringList{"--user", "alice:secret:yes"};
        QTest::newRow("user twice") << QStringList{"--user", "alice:secret", "--user", "alice:other1"};
        QTest::newRow("speed below 40") << QStringList{"--max-speed", "30"};
        QTest::newRow("model with a colon") << QStringList{"--model", "M:3"};
        QTest::newRow("accessories not hex") << QStringList{"--accessories", "zz"};
        QTest::newRow("accessories too wide") << QStringList{"--accessories", "1FF"};
        QTest::newRow("unknown option") << QStringList{"--fly"};
        QTest::newRow("stray argument") << QStringList{"simbot"};
        QTest::newRow("empty base name") << QStringList{"--base-name", " "};
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        SimCommandLine line;
        QVERIFY(!line.read(QStringList{"quorvelbot-sim"} + arguments));
        QVERIFY(!line.message().isEmpty());
        QVERIFY(!line.helpAsked());
    }

    void help()
    {
        SimCommandLine line;
        QVERIFY(!line.read({"quorvelbot-sim", "--help"}));
        QVERIFY(line.helpAsked());
        QVERIFY(line.message().contains(QStringLiteral("--name-server")));
    }
};

QTEST_GUILESS_MAIN(SimCommandLineTest)
#include "SimCommandLineTest.moc"
