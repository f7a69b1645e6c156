// The window following what the link tells: the drive view opens with the
// robot's camera memories and, when asked, on top; a refusal gives the Sign
// In button back; the end of a session brings the sign-in view back; a
// changed password leaves the field and the robot list.
#include "FormFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A sign-in over the direct socket, waiting for the login answer.
void signingIn(FormFixture &f, const QString &peer = QStringLiteral("Other"),
               const QString &memories = QStringLiteral("45:45:45:45:45:45"))
{
    f.selectRobot(peer, memories);
    f.form->link.linkState.activePath = ControlPath::DirectSocket;
    f.form->link.linkState.loginRequested = true;
    f.form->SignIn->setEnabled(false);
    f.form->link.Timer3->start(6000);
}

// An application folder of the window's own with the robot list given, for
// as long as it lives.
struct ListFolder {
    QTemporaryDir dir;
    explicit ListFolder(const QByteArray &list)
    {
        QFile file(dir.filePath(QStringLiteral("quorvelbot.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(list);
        qputenv("QUORVELBOT_HOME", dir.path().toLocal8Bit());
        QDir::setCurrent(dir.path());
    }
    ~ListFolder() { qunsetenv("QUORVELBOT_HOME"); }
    QByteArray list() const
    {
        QFile file(dir.filePath(QStringLiteral("quorvelbot.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

const QByteArray rememberedList = "#LastSelected:1\r\n"
                                  "Socket,Lab bench,192.168.1.20,Other,pilot,secret,45:45:45:45:45:45\r\n";

} // namespace

class LinkFollowingTest : public QObject {
    Q_OBJECT
private slots:
    void statusLabelFollowsTheLine()
    {
        FormFixture f;
        f.form->link.statusBarDisplay("Ready", false);
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Ready"));
        f.form->link.statusLine.statusBarTimerTimer();
        QCOMPARE(f.form->statusBarLabel->text(), QString());
    }

    void loginAnswerOpensTheDriveView()
    {
        FormFixture f;
        signingIn(f);
        f.form->link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QVERIFY(f.form->driveViewShown);
        QVERIFY(f.form->link.Timer1->isActive());
        QVERIFY(!f.form->link.Timer3->isActive());
        QCOMPARE(f.form->windowTitle(), QStringLiteral("QuorvelBot Vindra"));
    }

    void loginAnswerLoadsCameraMemories()
    {
        FormFixture f;
        signingIn(f, QStringLiteral("Other"), QStringLiteral("10:20:30:40:50:60"));
        f.form->link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QCOMPARE(f.form->cameraMemories[0].tilt, 10);
        QCOMPARE(f.form->cameraMemories[0].pan, 20);
        QCOMPARE(f.form->cameraMemories[1].tilt, 30);
        QCOMPARE(f.form->cameraMemories[1].pan, 40);
        QCOMPARE(f.form->cameraMemories[2].tilt, 50);
        QCOMPARE(f.form->cameraMemories[2].pan, 60);
    }

    void loginAnswerKeepsTheWindowOnTopWhenAsked_data()
    {
        QTest::addColumn<bool>("alwaysOnTop");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void loginAnswerKeepsTheWindowOnTopWhenAsked()
    {
        FormFixture f;
        signingIn(f);
        QFETCH(bool, alwaysOnTop);
        f.form->settings.Alwaysontop = alwaysOnTop;
        f.form->link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        QCOMPARE(f.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), alwaysOnTop);
    }

    void passwordAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("passwordField");
        QTest::addColumn<QByteArray>("list");
        const QByteArray forgotten = "#LastSelected:1\r\n"
                                     "Socket,Lab bench,192.168.1.20,Other,,,45:45:45:45:45:45\r\n";
        QTest::newRow("updated") << "PASS1"
                                 << "Password updated"
                                 << "" << forgotten;
        QTest::newRow("refused") << "PASS0"
                                 << "Current password incorrect. Password not updated."
                                 << "secret" << rememberedList;
        QTest::newRow("alone") << "PASS"
                               << ""
                               << "secret" << rememberedList;
        QTest::newRow("other verdict") << "PASS7"
                                       << ""
                                       << "secret" << rememberedList;
    }

    void passwordAnswers()
    {
        ListFolder home(rememberedList);
        FormFixture f;
        f.form->loadQuorvelbot(); // fills in the remembered credentials and checks Remember Me
        QCOMPARE(f.form->PassWord->text(), QStringLiteral("secret"));
        QVERIFY(f.form->contactList.rememberMe);
        QFETCH(QString, answer);
        f.form->link.processIncomingData(answer);
        QTEST(f.form->statusBarLabel->text(), "status");
        QTEST(f.form->PassWord->text(), "passwordField");
        QVERIFY(f.form->contactList.rememberMe);
        QTEST(home.list(), "list"); // the old password is not kept after a change
    }

    void refusalGivesTheSignInBack()
    {
        FormFixture f;
        signingIn(f);
        f.form->SignIn->setText(QStringLiteral("Signing in"));
        f.form->link.processIncomingData(QStringLiteral("UPERROR"));
        QVERIFY(f.form->SignIn->isEnabled());
        QCOMPARE(f.form->SignIn->text(), QStringLiteral("Sign In"));
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Username/Password Error"));
    }

    void robotEndsTheSession()
    {
        FormFixture f;
        signingIn(f);
        f.form->link.processIncomingData(QStringLiteral("AUTH:1:80:x:M3"));
        f.form->link.processIncomingData(QStringLiteral("Z"));
        QVERIFY(!f.form->driveViewShown);
        QVERIFY(f.form->SignIn->isEnabled());
        QCOMPARE(f.form->statusBarLabel->text(), QStringLiteral("Ready"));
        QCOMPARE(f.form->windowTitle(), QStringLiteral("QuorvelBot"));
    }
};

QTEST_MAIN(LinkFollowingTest)
#include "LinkFollowingTest.moc"
