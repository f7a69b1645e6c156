#include "contacts/CloudCredentials.h"

#include <QTest>

Q_DECLARE_METATYPE(CredentialAnswerKind)

class CloudCredentialsTest : public QObject {
    Q_OBJECT
private slots:
    void login_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("two characters each") << "ab"
                                             << "cd" << true;
        QTest::newRow("short user name") << "a"
                                         << "secret" << false;
        QTest::newRow("no password") << "operator"
                                     << "" << false;
    }
    void login()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        QCOMPARE(cloudLoginProblem(userName, password),
                 accepted ? QString() : QStringLiteral("Enter user name and password before continuing"));
    }

    void answer_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<CredentialAnswerKind>("kind");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("valid") << "VALID,app7,key8,secret9" << CredentialAnswerKind::Valid
                               << QStringList{"app7", "key8", "secret9"};
        QTest::newRow("blank separates") << "VALID,app 7,key8" << CredentialAnswerKind::Valid
                                         << QStringList{"app", "7", "key8"};
        QTest::newRow("quoted field") << "VALID,\"app,7\",key8,secret9" << CredentialAnswerKind::Valid
                                      << QStringList{"app,7", "key8", "secret9"};
        QTest::newRow("wrong login") << "INVALID,1000" << CredentialAnswerKind::WrongLogin << QStringList{"1000"};
        QTest::newRow("not configured") << "INVALID,2001" << CredentialAnswerKind::NotConfigured << QStringList{"2001"};
        QTest::newRow("refused without code") << "INVALID" << CredentialAnswerKind::NotConfigured << QStringList{};
        QTest::newRow("first field in other case") << "valid,a,b,c" << CredentialAnswerKind::Unknown << QStringList{};
        QTest::newRow("other message") << "CONNEND" << CredentialAnswerKind::Unknown << QStringList{};
    }
    void answer()
    {
        QFETCH(QString, reply);
        QFETCH(CredentialAnswerKind, kind);
        QFETCH(QStringList, values);
        const CredentialAnswer answer = readCredentialAnswer(reply);
        QCOMPARE(answer.kind, kind);
        QCOMPARE(answer.values, values);
    }

    void messages_data()
    {
        QTest::addColumn<CredentialAnswerKind>("kind");
        QTest::addColumn<QString>("otherPaths");
        QTest::addColumn<QString>("autoPath");
        QTest::newRow("valid") << CredentialAnswerKind::Valid
                               << "You are authorized to use QuorvelBot Communications Services."
                               << "You are authorized to use QuorvelBot Communications Services.";
        QTest::newRow("wrong login") << CredentialAnswerKind::WrongLogin << "Username/Password Error."
                                     << "Username/Password Error.";
        QTest::newRow("not configured")
            << CredentialAnswerKind::NotConfigured
            << "Vindra is not configured for QuorvelBot Communications Service.\r\nPlease contact your IT "
               "Administrator for using this service."
            << "Vindra is not configured for QuorvelBot Communications Service.\r\nNot adding QCS for Auto Path.";
        QTest::newRow("unknown") << CredentialAnswerKind::Unknown << ""
                                 << "";
    }
    void messages()
    {
        QFETCH(CredentialAnswerKind, kind);
        QFETCH(QString, otherPaths);
        QFETCH(QString, autoPath);
        QCOMPARE(credentialAnswerMessage(kind, false), otherPaths);
        QCOMPARE(credentialAnswerMessage(kind, true), autoPath);
    }

    void configFile()
    {
        const QByteArray expected = "#config file for QuorvelBot\r\n"
                                    "app_id = 'a1b2c3d4e5f6'\r\n"
                                    "app_key = 'k-7f3e9a0c5d2b8e1f'\r\n"
                                    "app_secret = 's 9c8b7a6f5e4d3c2b1a0'\r\n";
        const auto file =
            cloudConfigFile(readCredentialAnswer("VALID,a1b2c3d4e5f6,k-7f3e9a0c5d2b8e1f,\"s 9c8b7a6f5e4d3c2b1a0\""));
        QVERIFY(file);
        QCOMPARE(*file, expected);
        QVERIFY(isUsableCloudConfig(file->size()));
    }

    void refusedValues_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::newRow("single quote") << "ab'+__import__('os').system('x')+'";
        QTest::newRow("double quote") << "ab\"cd";
        QTest::newRow("backslash") << "ab\\";
        QTest::newRow("line break") << "ab\ncd";
        QTest::newRow("tab") << "ab\tcd";
        QTest::newRow("delete") << "ab\x7f";
        QTest::newRow("outside ASCII") << QString::fromUtf8("geheim\u00e9");
    }
    void refusedValues()
    {
        QFETCH(QString, secret);
        const CredentialAnswer answer{CredentialAnswerKind::Valid, {"a1b2c3d4e5f6", "k-7f3e9a0c5d2b8e1f", secret}};
        QVERIFY(!cloudConfigFile(answer));
    }

    void tooFewValuesAreRefused() { QVERIFY(!cloudConfigFile(readCredentialAnswer("VALID,app7,key8"))); }

    void shortValuesGiveAnUnusableFile()
    {
        const auto file = cloudConfigFile(readCredentialAnswer("VALID,a,b,c"));
        QVERIFY(file);
        QVERIFY(!isUsableCloudConfig(file->size()));
        QVERIFY(!isUsableCloudConfig(100));
        QVERIFY(isUsableCloudConfig(101));
        QCOMPARE(cloudConfigWriteError(), QStringLiteral("Error in writing back configuration try again."));
    }
};

QTEST_APPLESS_MAIN(CloudCredentialsTest)
#include "CloudCredentialsTest.moc"
