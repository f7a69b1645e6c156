#include "contacts/SetupChecks.h"

#include <QTest>

namespace {

ContactList listOf(const QStringList &descriptions)
{
    ContactList list;
    for (const QString &description : descriptions)
        list.entries[list.count++].description = description;
    return list;
}

} // namespace

Q_DECLARE_METATYPE(SetupPath)

class SetupChecksTest : public QObject {
    Q_OBJECT
private slots:
    void address_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wellFormed");
        QTest::newRow("private address") << "192.168.1.20" << true;
        QTest::newRow("largest groups") << "255.255.255.255" << true;
        QTest::newRow("smallest") << "0.0.0.0" << true;
        QTest::newRow("two dots") << "192.168.1" << false;
        QTest::newRow("four dots") << "1.2.3.4.5" << false;
        QTest::newRow("group above 255") << "192.168.1.256" << false;
        QTest::newRow("four digits") << "1.2.3.0001" << false;
        QTest::newRow("dot at the end") << "1.2.3." << false;
        QTest::newRow("two dots together") << "1..2.3" << false;
        QTest::newRow("dot first") << ".1.2.3" << false;
        QTest::newRow("letter") << "10.0.0.a" << false;
        QTest::newRow("blank") << "10.0.0.1 " << false;
        QTest::newRow("longer than 15") << "100.100.100.1000" << false;
        QTest::newRow("empty") << "" << false;
    }
    void address()
    {
        QFETCH(QString, text);
        QFETCH(bool, wellFormed);
        QCOMPARE(IsWrongIP(text), wellFormed);
    }

    void directSocketBaseName_data()
    {
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("problem");
        QTest::newRow("quorvelbot name") << "quorvelbot-lab"
                                         << "";
        QTest::newRow("lindmere in capitals") << "LINDMERE7"
                                              << "";
        QTest::newRow("address") << "10.0.0.30"
                                 << "";
        QTest::newRow("other name") << "robot7"
                                    << "Bot Name wrong. Try again";
        QTest::newRow("prefix cut short") << "quorvel"
                                          << "Bot Name wrong. Try again";
        QTest::newRow("address out of range") << "10.0.0.300"
                                              << "IP information provided is wrong. Try again";
        QTest::newRow("digit first, not an address") << "7quorvelbot"
                                                     << "IP information provided is wrong. Try again";
    }
    void directSocketBaseName()
    {
        QFETCH(QString, baseName);
        QFETCH(QString, problem);
        QCOMPARE(directSocketBaseNameProblem(baseName), problem);
    }

    void firstPage_data()
    {
        QTest::addColumn<SetupPath>("path");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<bool>("touched");
        QTest::addColumn<bool>("addMode");
        QTest::addColumn<int>("robots");
        QTest::addColumn<QString>("problem");
        const QString missing = QStringLiteral("Enter QuorvelBot Description and Base Name");
        const QString duplicate =
            QStringLiteral("A QuorvelBot with entered description already exists.Enter a different description");
        const auto cloud = SetupPath::CloudService;
        const auto socket = SetupPath::DirectSocket;
        QTest::newRow("new cloud robot") << cloud << "Kitchen"
                                         << "QB1234" << true << true << 2 << "";
        QTest::newRow("placeholders untouched") << cloud << "Kitchen"
                                                << "QB1234" << false << true << 2 << missing;
        QTest::newRow("no description") << cloud << ""
                                        << "QB1234" << true << true << 2 << missing;
        QTest::newRow("no base name") << cloud << "Kitchen"
                                      << "" << true << true << 2 << missing;
        QTest::newRow("same description") << cloud << "Lab"
                                          << "QB1234" << true << true << 2 << duplicate;
        QTest::newRow("same description, other case") << cloud << "lab"
                                                      << "QB1234" << true << true << 2 << "";
        QTest::newRow("own description when viewing") << cloud << "Lab"
                                                      << "QB1234" << true << false << 2 << "";
        QTest::newRow("slash in description")
            << cloud << "Lab/2"
            << "QB1234" << true << true << 2
            << "The robot's description \"Lab/2\" contains \"/\", so it cannot name the robot's folder. Enter a "
               "different description";
        QTest::newRow("parent folder")
            << SetupPath::Auto << ".."
            << "QB1234" << true << true << 2
            << "The robot's description \"..\" contains \"..\", so it cannot name the robot's folder. Enter a "
               "different description";
        QTest::newRow("comma in description")
            << socket << "Lab, upstairs"
            << "quorvelbot-lab" << true << true << 2
            << "QuorvelBot Description and Base Name cannot contain \",\" or a line break";
        QTest::newRow("comma in base name")
            << SetupPath::WebRTC << "Kitchen"
            << "QB1,QB2" << true << true << 2
            << "QuorvelBot Description and Base Name cannot contain \",\" or a line break";
        QTest::newRow("direct socket name") << socket << "Kitchen"
                                            << "robot7" << true << true << 2 << "Bot Name wrong. Try again";
        QTest::newRow("WebRTC base name unchecked") << SetupPath::WebRTC << "Kitchen"
                                                    << "robot7" << true << true << 2 << "";
        QTest::newRow("twelfth robot")
            << cloud << "Kitchen"
            << "QB1234" << true << true << 11
            << "The robot list is full: it holds at most 11 robots. Delete one before adding another.";
        QTest::newRow("viewing in a full list") << cloud << "Lab"
                                                << "QB1234" << true << false << 11 << "";
    }
    void firstPage()
    {
        QFETCH(SetupPath, path);
        QFETCH(QString, description);
        QFETCH(QString, baseName);
        QFETCH(bool, touched);
        QFETCH(bool, addMode);
        QFETCH(int, robots);
        QFETCH(QString, problem);
        QStringList descriptions{"Lab", "Hall"};
        for (int i = descriptions.size(); i < robots; ++i)
            descriptions << QStringLiteral("Room %1").arg(i);
        const SetupFirstPage page{path, description, baseName, touched, touched, addMode};
        QCOMPARE(setupFirstPageProblem(page, listOf(descriptions)), problem);
    }

    void headSkypeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        const QString unfit = QStringLiteral("The Skype name cannot contain \",\" or a line break");
        QTest::newRow("chosen") << "lab-head"
                                << "";
        QTest::newRow("none") << ""
                              << "Select head name before continuing";
        QTest::newRow("comma") << "lab,head" << unfit;
        QTest::newRow("line break") << "lab\r\nhead" << unfit;
    }
    void headSkypeName()
    {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QCOMPARE(headSkypeNameProblem(name), problem);
    }
};

QTEST_APPLESS_MAIN(SetupChecksTest)
#include "SetupChecksTest.moc"
