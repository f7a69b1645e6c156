#include "dialogs/AboutText.h"

#include <QTest>

class AboutTextTest : public QObject {
    Q_OBJECT
private slots:
    void body_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("table-top, board 255") << "T102053.8"
                                              << "255"
                                              << QStringList{"Device Holder: Samsung Galaxy Tab",
                                                             "Serial Number: lindmerevindra05",
                                                             "Robot Application Version: 3.8",
                                                             "Firmware Version: T1",
                                                             "Hardware Version: 02",
                                                             "Hardware Serial Number: 05"};
        QTest::newRow("serial code ff") << "M3x4ff3.9"
                                        << "QB-77"
                                        << QStringList{"Device Holder: Samsung Galaxy Tab",
                                                       "Robot Application Version: 3.9", "Firmware Version: 3",
                                                       "Hardware Version: 4", "Hardware Serial Number: QB-77"};
        QTest::newRow("serial code AA") << "M3x4AA3.9"
                                        << "0"
                                        << QStringList{"Device Holder: Samsung Galaxy Tab",
                                                       "Serial Number: quorvelbotvindraQV1234",
                                                       "Robot Application Version: 3.9",
                                                       "Firmware Version: 3",
                                                       "Hardware Version: 4",
                                                       "Hardware Serial Number: AA"};
        QTest::newRow("other serial code, no board serial") << "M3x4173.9"
                                                            << ""
                                                            << QStringList{"Device Holder: Samsung Galaxy Tab",
                                                                           "Serial Number: quorvelbotvindra17",
                                                                           "Robot Application Version: 3.9",
                                                                           "Firmware Version: 3",
                                                                           "Hardware Version: 4",
                                                                           "Hardware Serial Number: 17"};
        QTest::newRow("model too short") << "M3x"
                                         << ""
                                         << QStringList{"Device Holder: Samsung Galaxy Tab",
                                                        "Serial Number: quorvelbotvindra",
                                                        "Robot Application Version: ",
                                                        "Firmware Version: 3",
                                                        "Hardware Version: ",
                                                        "Hardware Serial Number: "};
    }
    void body()
    {
        QFETCH(QString, model);
        QFETCH(QString, board);
        QFETCH(QStringList, lines);
        const RobotIdentity robot{model, QStringLiteral("Samsung Galaxy Tab"), board, QStringLiteral("QV1234")};
        QCOMPARE(aboutRobotBody(robot).split(QStringLiteral("\r\n")), lines);
    }

    void heading() { QCOMPARE(aboutRobotHeading("Lab bench"), QStringLiteral("\"Lab bench\" Configuration")); }
};

QTEST_APPLESS_MAIN(AboutTextTest)
#include "AboutTextTest.moc"
