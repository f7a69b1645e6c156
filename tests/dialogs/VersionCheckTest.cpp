#include "dialogs/VersionCheck.h"

#include "UpdateTexts.h"

#include <QTest>

using namespace updateTexts;

class VersionCheckTest : public QObject {
    Q_OBJECT
private slots:
    void newer_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("published");
        QTest::addColumn<bool>("newer");
        QTest::newRow("3.3 over 3.2") << "3.2"
                                      << "3.3" << true;
        QTest::newRow("same") << "3.2"
                              << "3.2" << false;
        QTest::newRow("3.10 is text, not newer") << "3.2"
                                                 << "3.10" << false;
        QTest::newRow("trailing blank") << "3.2"
                                        << "3.2 " << true;
        QTest::newRow("older published") << "3.2"
                                         << "3.1" << false;
        QTest::newRow("letter case ignored") << "3.2b"
                                             << "3.2B" << false;
        QTest::newRow("nothing published") << "3.2"
                                           << "" << false;
    }
    void newer()
    {
        QFETCH(QString, local);
        QFETCH(QString, published);
        QFETCH(bool, newer);
        QCOMPARE(isNewerVersion(local, published), newer);
        QCOMPARE(controllerUpdateNotice(local, published), newer ? ControllerNewer : QString());
    }

    void firstLine_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("version");
        QTest::newRow("CR LF") << QByteArray("3.3\r\nnotes") << "3.3";
        QTest::newRow("LF") << QByteArray("3.3\n") << "3.3";
        QTest::newRow("blank kept") << QByteArray("3.2 \r\n") << "3.2 ";
        QTest::newRow("no line end") << QByteArray("3.4") << "3.4";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void firstLine()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, version);
        QCOMPARE(publishedVersion(body), version);
    }

    void robotVersion() { QCOMPARE(robotApplicationVersion("M3x4AA3.8.1"), QStringLiteral("3.8")); }

    void report_data()
    {
        QTest::addColumn<QString>("publishedController"); // "-": the download failed
        QTest::addColumn<bool>("inSession");
        QTest::addColumn<QString>("publishedRobot");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("outside a session") << "3.2" << false << "-" << QStringList{ControllerLatest, LogIn};
        QTest::newRow("both newer") << "3.3" << true << "3.9" << QStringList{ControllerNewer, RobotNewer};
        QTest::newRow("both latest") << "3.2" << true << "3.8" << QStringList{ControllerLatest, RobotLatest};
        QTest::newRow("controller download failed") << "-" << true << "3.8" << QStringList{"", RobotLatest};
        QTest::newRow("robot download failed") << "3.3" << true << "-" << QStringList{ControllerNewer};
        QTest::newRow("both failed") << "-" << true << "-" << QStringList{""};
    }
    void report()
    {
        QFETCH(QString, publishedController);
        QFETCH(bool, inSession);
        QFETCH(QString, publishedRobot);
        QFETCH(QStringList, lines);
        const auto published = [](const QString &v) { return v == u'-' ? std::nullopt : std::optional(v); };
        const ManualUpdateCheck check{"3.2", published(publishedController), inSession, "3.8",
                                      published(publishedRobot)};
        QCOMPARE(manualUpdateReport(check).split(QStringLiteral("\r\n")), lines);
    }
};

QTEST_APPLESS_MAIN(VersionCheckTest)
#include "VersionCheckTest.moc"
