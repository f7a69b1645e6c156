#include "contacts/SetupSummary.h"

#include <QTest>

Q_DECLARE_METATYPE(SetupPath)
Q_DECLARE_METATYPE(SetupConferencing)

class SetupSummaryTest : public QObject {
    Q_OBJECT
private slots:
    void summary_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<SetupConferencing>("conferencing");
        QTest::addColumn<QStringList>("lines");
        const QStringList byHand{"",
                                 "This application cannot place a call automatically for the third",
                                 "party A/V conferencing application being used. You will have to",
                                 "manually place the call.",
                                 "",
                                 "Refer to the manual for further instructions."};
        QTest::newRow("cloud service, other")
            << SetupPath::CloudService << SetupConferencing::Other
            << QStringList{"Robot Control Path :  QuorvelBot Communications Service",
                           "Audio/Video Conferencing Application : Other", "QuorvelBot Description :  Lab"} +
                   byHand;
        QTest::newRow("direct socket, Skype") << SetupPath::DirectSocket << SetupConferencing::Skype
                                              << QStringList{"Robot Control Path :  Direct Socket",
                                                             "Audio/Video Conferencing Application : Skype",
                                                             "QuorvelBot Description :  Lab",
                                                             "QuorvelBot IP Address :  quorvelbot-lab",
                                                             "QuorvelBot User Device Skype Name :  lab.head",
                                                             ""};
        QTest::newRow("WebRTC, other") << SetupPath::WebRTC << SetupConferencing::Other
                                       << QStringList{"Robot Control Path :  WebRTC",
                                                      "Audio/Video Conferencing Application : Other",
                                                      "QuorvelBot Description :  Lab",
                                                      "QuorvelBot Base Name :  quorvelbot-lab"} +
                                              byHand;
        QTest::newRow("Auto, Skype") << SetupPath::Auto << SetupConferencing::Skype
                                     << QStringList{"Robot Control Path :  Auto",
                                                    "Audio/Video Conferencing Application : Skype",
                                                    "QuorvelBot Description :  Lab",
                                                    "QuorvelBot Base Name :  quorvelbot-lab",
                                                    "QuorvelBot User Device Skype Name :  lab.head",
                                                    ""};
    }
    void summary()
    {
        QFETCH(SetupPath, path);
        QFETCH(SetupConferencing, conferencing);
        QFETCH(QStringList, lines);
        const QString text = setupSummaryText({path, conferencing, "Lab", "quorvelbot-lab", "lab.head"});
        QCOMPARE(text.split(QStringLiteral("\r\n")), lines);
        QVERIFY(!QString(text).remove(QStringLiteral("\r\n")).contains(u'\n'));
    }

    void storedKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("path");
        QTest::newRow("cloud") << "QCloud" << int(SetupPath::CloudService);
        QTest::newRow("socket in other case") << "SOCKET" << int(SetupPath::DirectSocket);
        QTest::newRow("WebRTC") << "webrtc" << int(SetupPath::WebRTC);
        QTest::newRow("auto") << "Auto" << int(SetupPath::Auto);
        QTest::newRow("unknown") << "Serial" << -1;
    }
    void storedKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, path);
        const std::optional<SetupPath> found = setupPathOfKey(key);
        QCOMPARE(found ? int(*found) : -1, path);
        if (found)
            QCOMPARE(setupPathKey(*found).compare(key, Qt::CaseInsensitive), 0);
    }
};

QTEST_APPLESS_MAIN(SetupSummaryTest)
#include "SetupSummaryTest.moc"
