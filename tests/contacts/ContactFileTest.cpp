#include "contacts/ContactFile.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray lab = "Socket,Lab bench,192.168.1.20,lab-head,ann,secret,45:45:45:45:45:45";
const QString labFields = "Socket|Lab bench|192.168.1.20|lab-head|ann|secret|45:45:45:45:45:45";
const QByteArray hall = "Auto,Hall,hallrobot,PolyCom,,,45:45:45:45:45:45";
const QString hallFields = "Auto|Hall|hallrobot|PolyCom|||45:45:45:45:45:45";
const QByteArray office = "QCloud,Office,QB-1234,Other,bob,pw2,10:20:30:40:50:60";

QByteArray lines(const QList<QByteArray> &list)
{
    QByteArray bytes;
    for (const QByteArray &line : list)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray robotLine(int number)
{
    return "Socket,Robot " + QByteArray::number(number) + ",10.0.0." + QByteArray::number(number) +
           ",Other,,,45:45:45:45:45:45";
}

// The fields of every entry in use, joined by "|" so that empty fields show,
// then what a longer line held beyond them.
QStringList entryFields(const ContactList &list)
{
    QStringList result;
    for (int i = 0; i < list.count; ++i) {
        const RobotContact &c = list.entries[i];
        result.append(QStringList{c.controlPathKey, c.description, c.baseName, c.conferencingPeer, c.savedUserName,
                                  c.savedPassword, c.cameraMemoryText}
                          .join(u'|') +
                      c.extraFields);
    }
    return result;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ContactFileTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void capacity_data();
    void capacity();
    void listText_data();
    void listText();
    void saving_data();
    void saving();
    void savedFileLoadsBackUnchanged();
    void handEditedLinesLoadBackUnchanged_data();
    void handEditedLinesLoadBackUnchanged();
    void credentialsThatDoNotFit_data();
    void credentialsThatDoNotFit();
};

void ContactFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("lastSelected");
    QTest::addColumn<QList<int>>("badLines");

    QTest::newRow("an empty file is an empty list") << QByteArray() << QStringList() << 1 << QList<int>();
    QTest::newRow("selection within the list")
        << lines({"#LastSelected:2", lab, hall}) << QStringList{labFields, hallFields} << 2 << QList<int>();
    QTest::newRow("selection beyond the list selects the first")
        << lines({"#LastSelected:3", lab, hall}) << QStringList{labFields, hallFields} << 1 << QList<int>();
    QTest::newRow("the last selection line wins")
        << lines({"#LastSelected:1", lab, "#LastSelected:2", hall}) << QStringList{labFields, hallFields} << 2
        << QList<int>();
    QTest::newRow("a selection line without a number changes nothing")
        << lines({"#LastSelected:2", lab, hall, "#LastSelected", "#LastSelected:", "#LastSelected:2x"})
        << QStringList{labFields, hallFields} << 2 << QList<int>();
    QTest::newRow("a selection below 1 changes nothing")
        << lines({"#LastSelected:2", "#LastSelected:0", "#LastSelected:-4", lab, hall})
        << QStringList{labFields, hallFields} << 2 << QList<int>();
    QTest::newRow("a \"#\" line with commas is no entry")
        << lines({"#LastSelected:1", "#Socket,Lab,10.0.0.9,Other,,,", lab}) << QStringList{labFields} << 1
        << QList<int>();
    QTest::newRow("empty lines are not counted")
        << QByteArray("\r\n#LastSelected:1\r\n\r\nno comma here\r\n\r\n\r\n" + lab + "\r\nnor here\r\n\r\n")
        << QStringList{labFields} << 1 << QList<int>{2, 4};
    QTest::newRow("lines may end in LF alone, the last in nothing")
        << QByteArray("#LastSelected:2\n" + lab + "\nbad\n" + hall) << QStringList{labFields, hallFields} << 2
        << QList<int>{3};
    QTest::newRow("a short line leaves the fields it lacks empty")
        << lines({"Socket,Lab", "Socket,Simulator,sim", "webRTC,Den,den,Other,x"})
        << QStringList{"Socket|Lab|||||", "Socket|Simulator|sim||||", "webRTC|Den|den|Other|x||"} << 1 << QList<int>();
    QTest::newRow("a long line keeps its seven fields and the rest")
        << lines({"Socket,Lab,10.0.0.9,Other,ann,pw,1:2:3:4:5:6,extra", "Auto,Hall,h,Other,,,,,x,"})
        << QStringList{"Socket|Lab|10.0.0.9|Other|ann|pw|1:2:3:4:5:6,extra", "Auto|Hall|h|Other|||,,x,"} << 1
        << QList<int>();
    QTest::newRow("fields are Latin-1 and kept verbatim")
        << lines({"Socket, Salle \xE9t\xE9 ,h,Other,,,"})
        << QStringList{QString::fromLatin1("Socket| Salle \xE9t\xE9 |h|Other|||")} << 1 << QList<int>();
}

void ContactFileTest::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    QFETCH(int, lastSelected);
    QFETCH(QList<int>, badLines);

    const ContactFileContents contents = readContactFile(file);

    QCOMPARE(entryFields(contents.list), entries);
    QCOMPARE(contents.list.lastSelected, lastSelected);
    QCOMPARE(contents.badLines, badLines);
}

void ContactFileTest::capacity_data()
{
    QTest::addColumn<int>("linesInFile");
    QTest::addColumn<int>("count");

    QTest::newRow("eleven entries fill the list") << 11 << 11;
    QTest::newRow("a twelfth entry is dropped") << 12 << 11;
}

void ContactFileTest::capacity()
{
    QFETCH(int, linesInFile);
    QFETCH(int, count);
    QList<QByteArray> file{"#LastSelected:11"};
    for (int i = 1; i <= linesInFile; ++i)
        file.append(robotLine(i));

    const ContactFileContents contents = readContactFile(lines(file));

    QCOMPARE(contents.list.count, count);
    QCOMPARE(contents.list.entries[10].description, QStringLiteral("Robot 11"));
    QCOMPARE(contents.list.lastSelected, 11);
    QVERIFY(contents.badLines.isEmpty());
}

void ContactFileTest::listText_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("text");

    QTest::newRow("a Skype name is shown") << "lab-head" << "Lab bench (lab-head)";
    QTest::newRow("Other") << "Other" << "Lab bench (Other)";
    QTest::newRow("PolyCom is shown as Other") << "PolyCom" << "Lab bench (Other)";
    QTest::newRow("only PolyCom spelt exactly") << "polycom" << "Lab bench (polycom)";
}

void ContactFileTest::listText()
{
    QFETCH(QString, peer);
    QFETCH(QString, text);
    RobotContact contact;
    contact.description = QStringLiteral("Lab bench");
    contact.conferencingPeer = peer;

    QCOMPARE(contactListText(contact), text);
}

void ContactFileTest::saving_data()
{
    QTest::addColumn<QByteArray>("loaded");
    QTest::addColumn<int>("lastSelected");
    QTest::addColumn<bool>("rememberMe");
    QTest::addColumn<int>("skipIndex");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<int>("count");

    const QByteArray labBlank = "Socket,Lab bench,192.168.1.20,lab-head,,,45:45:45:45:45:45";
    const QByteArray officeBlank = "QCloud,Office,QB-1234,Other,,,10:20:30:40:50:60";
    const QByteArray three = lines({"#LastSelected:1", lab, hall, office});

    QTest::newRow("Remember Me on keeps every credential")
        << three << 3 << true << -1 << lines({"#LastSelected:3", lab, hall, office}) << 3;
    QTest::newRow("Remember Me off blanks the selected entry only")
        << three << 3 << false << -1 << lines({"#LastSelected:3", lab, hall, officeBlank}) << 3;
    QTest::newRow("Remember Me off, first entry selected")
        << three << 1 << false << -1 << lines({"#LastSelected:1", labBlank, hall, office}) << 3;
    QTest::newRow("deleting keeps the credentials of the rest")
        << three << 1 << false << 1 << lines({"#LastSelected:1", lab, office}) << 2;
    QTest::newRow("deleting before the selection leaves its number")
        << three << 3 << true << 0 << lines({"#LastSelected:3", hall, office}) << 2;
    QTest::newRow("deleting the only entry leaves the header")
        << lines({"#LastSelected:1", lab}) << 1 << true << 0 << lines({"#LastSelected:1"}) << 0;
    QTest::newRow("a selection beyond the list is written as 1")
        << three << 7 << false << -1 << lines({"#LastSelected:1", labBlank, hall, office}) << 3;
    QTest::newRow("an empty list is just the header")
        << QByteArray() << 1 << false << -1 << lines({"#LastSelected:1"}) << 0;
    QTest::newRow("a long line loses its credentials but not its extra fields")
        << lines({"Socket,Lab,h,Other,ann,pw,1:2:3:4:5:6,x,y"}) << 1 << false << -1
        << lines({"#LastSelected:1", "Socket,Lab,h,Other,,,1:2:3:4:5:6,x,y"}) << 1;
    QTest::newRow("a skipIndex beyond the list writes every entry")
        << three << 2 << false << 5 << lines({"#LastSelected:2", lab, hall, office}) << 3;
}

void ContactFileTest::saving()
{
    QFETCH(QByteArray, loaded);
    QFETCH(int, lastSelected);
    QFETCH(bool, rememberMe);
    QFETCH(int, skipIndex);
    QFETCH(QByteArray, saved);
    QFETCH(int, count);
    ContactList list = readContactFile(loaded).list;
    list.lastSelected = lastSelected;
    list.rememberMe = rememberMe;

    const ContactFileImage image = writeContactFile(list, skipIndex);

    QCOMPARE(image.bytes, saved);
    QCOMPARE(image.count, count);
}

// What the controller writes, on disk and read again, is the list it wrote:
// PolyCom stays PolyCom, Latin-1 stays single bytes, eleven entries fit.
void ContactFileTest::savedFileLoadsBackUnchanged()
{
    QList<QByteArray> file{"#LastSelected:4", hall, "Socket,Salle \xE9t\xE9,h,Other,\xE9l\xE8ve,pw,1:2:3:4:5:6"};
    for (int i = 3; i <= ContactList::Capacity; ++i)
        file.append(robotLine(i));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("quorvelbot.ini"));
    ContactList list = readContactFile(lines(file)).list;
    list.rememberMe = true;

    writeFileReplacing(path, writeContactFile(list, -1).bytes, true);

    QCOMPARE(contentsOf(path), lines(file));
    const ContactFileContents reloaded = readContactFile(contentsOf(path));
    QCOMPARE(entryFields(reloaded.list), entryFields(list));
    QCOMPARE(reloaded.list.entries[0].conferencingPeer, QStringLiteral("PolyCom"));
    QCOMPARE(reloaded.list.lastSelected, 4);
}

// A line of fewer or more than seven fields, written and read again, gives
// the robot as it was first read; seven fields and more come back byte for
// byte, fewer as seven.
void ContactFileTest::handEditedLinesLoadBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("one comma") << QByteArray("Socket,Lab") << QByteArray("Socket,Lab,,,,,");
    QTest::newRow("three fields") << QByteArray("Socket,Simulator,sim") << QByteArray("Socket,Simulator,sim,,,,");
    QTest::newRow("six fields") << QByteArray("Auto,Hall,h,Other,ann,pw") << QByteArray("Auto,Hall,h,Other,ann,pw,");
    QTest::newRow("eight fields") << QByteArray(lab + ",extra") << QByteArray(lab + ",extra");
    QTest::newRow("many fields, some empty") << QByteArray(lab + ",,a,,b,") << QByteArray(lab + ",,a,,b,");
    QTest::newRow("only commas") << QByteArray(",,,,,,,,,") << QByteArray(",,,,,,,,,");
}

void ContactFileTest::handEditedLinesLoadBackUnchanged()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, written);
    ContactList list = readContactFile(lines({"#LastSelected:1", line})).list;
    QByteArray bytes;

    for (int save = 0; save < 3; ++save) { // a field lost or moved at every save shows by the third
        list.rememberMe = true;
        bytes = writeContactFile(list, -1).bytes;
        const ContactList reloaded = readContactFile(bytes).list;
        QCOMPARE(entryFields(reloaded), entryFields(list));
        list = reloaded;
    }
    QCOMPARE(bytes, lines({"#LastSelected:1", written}));
}

// A user name or password that would read back otherwise is never written;
// the other robots keep theirs.
void ContactFileTest::credentialsThatDoNotFit_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("fits");

    QTest::newRow("plain") << "pilot" << "secret" << true;
    QTest::newRow("blanks and punctuation") << " pi:lot " << "s3cr;t! " << true;
    QTest::newRow("Latin-1") << QString::fromLatin1("\xE9l\xE8ve") << QString::fromLatin1("\xFC\xDF") << true;
    QTest::newRow("none") << "" << "" << true;
    QTest::newRow("a comma in the password") << "pilot" << "se,cret" << false;
    QTest::newRow("a comma alone") << "pilot" << "," << false;
    QTest::newRow("a comma in the user name") << "pi,lot" << "secret" << false;
    QTest::newRow("a line feed") << "pilot" << "se\ncret" << false;
    QTest::newRow("a carriage return") << "pilot\r" << "secret" << false;
    QTest::newRow("beyond the code page") << "pilot" << QStringLiteral("pa\u20ACss") << false;
}

void ContactFileTest::credentialsThatDoNotFit()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, fits);
    for (const bool rememberMe : {true, false}) {
        ContactList list = readContactFile(lines({"#LastSelected:2", hall, lab})).list;
        list.rememberMe = rememberMe;
        list.entries[0].savedUserName = list.entries[1].savedUserName = user;
        list.entries[0].savedPassword = list.entries[1].savedPassword = password;

        const ContactList written = readContactFile(writeContactFile(list, -1).bytes).list;

        QCOMPARE(credentialsFit(list.entries[1]), fits);
        QCOMPARE(written.entries[0].savedUserName, fits ? user : QString());
        QCOMPARE(written.entries[0].savedPassword, fits ? password : QString());
        QCOMPARE(written.entries[1].savedPassword, fits && rememberMe ? password : QString());
        QCOMPARE(entryFields(written).size(), 2);
    }
}

QTEST_GUILESS_MAIN(ContactFileTest)
#include "ContactFileTest.moc"
