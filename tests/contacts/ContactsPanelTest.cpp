#include "FormFixture.h"
#include "RefusedOpens.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A window that has loaded a robot list from a fresh application folder.
struct Panel {
    QTemporaryDir dir;
    std::unique_ptr<FormFixture> f;

    explicit Panel(const QByteArray &contacts)
    {
        qputenv("QUORVELBOT_HOME", dir.path().toLocal8Bit());
        QDir::setCurrent(dir.path());
        QFile file(dir.filePath("quorvelbot.ini"));
        if (file.open(QIODevice::WriteOnly))
            file.write(contacts);
        file.close();
        f = std::make_unique<FormFixture>();
        f->form->loadQuorvelbot();
    }
    QByteArray file() const
    {
        QFile file(dir.filePath("quorvelbot.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TForm2 &form() { return *f->form; }
};

const QByteArray threeRobots = "#LastSelected:1\r\n"
                               "QCloud,Lab bench,lab-robot,Other,ann,pw1,45:45:45:45:45:45\r\n"
                               "Auto,Hall,hallrobot,PolyCom,bob,pw2,45:45:45:45:45:45\r\n"
                               "QCloud,../outside,x,Other,,,45:45:45:45:45:45\r\n";

} // namespace

class ContactsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void savingWithRememberMeOff()
    {
        Panel p(threeRobots);
        QVERIFY(p.form().CheckBox1->isChecked()); // the first robot remembered its credentials
        p.form().CheckBox1->setChecked(false);
        p.form().UserName->setText(QStringLiteral("carol"));
        p.form().contactList.entries[0].savedUserName = QStringLiteral("carol");
        p.form().contactList.entries[0].savedPassword = QStringLiteral("pw3");
        p.form().reloadBotFile(-1);
        QCOMPARE(p.file(), QByteArray("#LastSelected:1\r\n"
                                      "QCloud,Lab bench,lab-robot,Other,,,45:45:45:45:45:45\r\n"
                                      "Auto,Hall,hallrobot,PolyCom,bob,pw2,45:45:45:45:45:45\r\n"
                                      "QCloud,../outside,x,Other,,,45:45:45:45:45:45\r\n"));
        QCOMPARE(p.form().UserName->text(), QStringLiteral("carol")); // what was typed stays shown
        QCOMPARE(QFile::permissions(p.dir.filePath("quorvelbot.ini")),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    }

    void cameraMemoriesAreStoredWithTheRobot()
    {
        Panel p(threeRobots);
        p.form().contactList.lastSelected = 2;
        p.form().memorySlotPressed = 1;
        p.form().cameraMemories = {{{10, 20}, {30, 40}, {50, 60}}};
        p.form().reloadBotFile(-1);
        QVERIFY(p.file().contains("Auto,Hall,hallrobot,PolyCom,bob,pw2,10:20:30:40:50:60\r\n"));
    }

    void deleting_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("folderLeft");
        QTest::addColumn<int>("messages");
        QTest::newRow("cloud robot takes its folder") << 0 << false << 0;
        QTest::newRow("auto robot leaves it") << 1 << true << 0;
        QTest::newRow("a name outside Data removes nothing") << 2 << true << 1;
    }
    void deleting()
    {
        Panel p(threeRobots);
        QDir data(p.dir.filePath("Data"));
        QVERIFY(data.mkpath("Lab bench") && data.mkpath("Hall"));
        QVERIFY(QDir(p.dir.path()).mkpath("outside"));
        QFile(data.filePath("Lab bench/config.py")).open(QIODevice::WriteOnly);
        const QString folder[] = {data.filePath("Lab bench"), data.filePath("Hall"), p.dir.filePath("outside")};

        QFETCH(int, row);
        p.form().ListBox1->setCurrentRow(row);
        p.form().delBotClick();
        QTEST(QDir(folder[row]).exists(), "folderLeft");
        QTEST(int(p.f->fake.boxes.shown.size()), "messages");
        QCOMPARE(p.form().contactList.count, 2);
        QCOMPARE(p.form().ListBox1->count(), 2);
        QCOMPARE(p.file().count("\r\n"), 3);
    }

    void deletingTheOnlyRobot()
    {
        Panel p("#LastSelected:1\r\nSocket,Lab bench,192.168.1.20,Other,,,45:45:45:45:45:45\r\n");
        p.form().delBotClick();
        QCOMPARE(p.file(), QByteArray("#LastSelected:1\r\n"));
        QCOMPARE(p.form().ListBox1->count(), 0);
        p.form().delBotClick(); // nothing selected: nothing happens
        QCOMPARE(p.file(), QByteArray("#LastSelected:1\r\n"));
    }

    void passwordChangeForgetsTheOldPassword()
    {
        Panel p(threeRobots);
        p.form().link.processIncomingData(QStringLiteral("PASS1"));
        QVERIFY(p.file().contains("QCloud,Lab bench,lab-robot,Other,,,45:45:45:45:45:45\r\n"));
        QVERIFY(p.form().contactList.rememberMe); // back to the box's state
    }

    // Every save reads the list back; when that fails, the controller ends
    // as at a start without the list, and the operation that saved stops.
    void unreadableListAfterASaveEndsTheController_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("saving") << "save";
        QTest::newRow("deleting") << "delete";
        QTest::newRow("a password change") << "PASS1";
    }
    void unreadableListAfterASaveEndsTheController()
    {
        Panel p(threeRobots);
        QSignalSpy ends(&p.form(), &TForm2::mustEnd);
        QFETCH(QString, operation);
        {
            RefusedOpens refused(p.dir.filePath("quorvelbot.ini"));
            if (!refused.available())
                QSKIP("the system does not let this process refuse file opens");
            p.form().ListBox1->setCurrentRow(1);
            if (operation == u"save")
                QVERIFY_THROWS_EXCEPTION(LinkError, p.form().reloadBotFile(-1));
            else if (operation == u"delete")
                QVERIFY_THROWS_EXCEPTION(LinkError, p.form().delBotClick());
            else
                QVERIFY_THROWS_EXCEPTION(LinkError, p.form().link.processIncomingData(operation));
        }
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.first().first().toInt(), 1);
        QCOMPARE(p.f->fake.boxes.shown.size(), 1);
        QCOMPARE(p.f->fake.boxes.shown.first().text,
                 QStringLiteral("quorvelbot.ini file not found\r\nCheck to see Settings.ini exists and try again"));
        QVERIFY(p.file().startsWith("#LastSelected:")); // the save itself was made
    }

    // Sign-in uses the selected robot, so typing in the list must not choose
    // another one by its first letters.
    void typingInTheListKeepsTheSelection_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("the first letter of another robot") << "h";
        QTest::newRow("in upper case") << "H";
        QTest::newRow("its first letters") << "Ha";
        QTest::newRow("the first character of a third") << ".";
    }
    void typingInTheListKeepsTheSelection()
    {
        Panel p(threeRobots);
        QListWidget *list = p.form().ListBox1;
        list->setFocus();
        QCOMPARE(list->currentRow(), 0);
        QFETCH(QString, typed);
        QTest::keyClicks(list, typed);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(0)});
    }

    void placeholdersClearOnClick()
    {
        Panel p("#LastSelected:1\r\n");
        QTest::mouseClick(p.form().UserName, Qt::LeftButton);
        QCOMPARE(p.form().UserName->text(), QString());
        p.form().PassWord->setText(QStringLiteral("secret"));
        QTest::mouseClick(p.form().PassWord, Qt::LeftButton);
        QCOMPARE(p.form().PassWord->text(), QStringLiteral("secret"));
        p.form().PassWord->setText(QStringLiteral("********"));
        QTest::mouseClick(p.form().PassWord, Qt::LeftButton);
        QCOMPARE(p.form().PassWord->text(), QString());
    }

    void enterSignsInLikeTheButton_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("robot list") << "ListBox1";
        QTest::newRow("user name") << "UserName";
        QTest::newRow("password") << "PassWord";
    }
    void enterSignsInLikeTheButton()
    {
        Panel p(threeRobots);
        QFETCH(QString, field);
        QWidget *target = p.form().findChild<QWidget *>(field);
        QSignalSpy clicks(p.form().SignIn, &QPushButton::clicked);
        QTest::keyClick(target, Qt::Key_A);
        QCOMPARE(clicks.count(), 0);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
        p.form().SignIn->setEnabled(false); // an attempt is running
        QTest::keyClick(target, Qt::Key_Enter);
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(ContactsPanelTest)
#include "ContactsPanelTest.moc"
