#include "platform/SafeFile.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The options in file order: Logging, Alwaysontop, speedToMute,
// padSensitivity, pointNDrive, autoAnswer, checkForUpdates, autoCenter,
// driveTimeOut, accelSetting; flags as 0 or 1.
QList<int> values(const ControllerSettings &s)
{
    return {s.Logging,     s.Alwaysontop, s.speedToMute,     s.padSensitivity, s.pointNDrive,
            s.autoAnswer,  s.checkForUpdates, s.autoCenter, s.driveTimeOut,   s.accelSetting};
}

ControllerSettings settingsOf(const QList<int> &v)
{
    ControllerSettings s;
    s.Logging = v[0];
    s.Alwaysontop = v[1];
    s.speedToMute = v[2];
    s.padSensitivity = v[3];
    s.pointNDrive = v[4];
    s.autoAnswer = v[5];
    s.checkForUpdates = v[6];
    s.autoCenter = v[7];
    s.driveTimeOut = v[8];
    s.accelSetting = v[9];
    return s;
}

const QList<int> startValues{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const QList<int> earlier{1, 1, 2, 5, 1, 1, 1, 1, 700, 12};

const QByteArray fullFile = "Logging:TRUE\r\nAlwaysontop:TRUE\r\nspeedToMute:2\r\npadSensitivity:5\r\n"
                            "pointNDrive:TRUE\r\nautoAnswer:TRUE\r\ncheckForUpdates:TRUE\r\nautoCenter:TRUE\r\n"
                            "driveTimeOut:700\r\naccelSetting:12\r\n";

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void writtenBackAndReadAgain_data();
    void writtenBackAndReadAgain();
};

void SettingsFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("previous");
    QTest::addColumn<QString>("previousLoggingText");
    QTest::addColumn<QList<int>>("options");
    QTest::addColumn<QString>("loggingText");
    QTest::addColumn<QList<int>>("badLines");

    QTest::newRow("a blank first line is not counted")
        << QByteArray("\r\nLogging:TRUE\r\nno colon\r\n") << startValues << ""
        << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "TRUE" << QList<int>{2};
    QTest::newRow("lines of one character are not counted")
        << QByteArray("x\r\n#\r\nbad\r\n:\r\nalso bad\n") << startValues << "" << startValues << "" << QList<int>{1, 2};
    QTest::newRow("a \"#\" line is a comment even with a colon")
        << QByteArray("#Logging:TRUE\r\nspeedToMute:3\r\n") << startValues << ""
        << QList<int>{0, 0, 3, 0, 0, 0, 0, 0, 0, 0} << "3" << QList<int>();
    QTest::newRow("with a leading blank it is an entry of an unknown key")
        << QByteArray(" #Logging:TRUE\r\n") << startValues << "" << startValues << "TRUE" << QList<int>();
    QTest::newRow("padSensitivity:3:4 keeps the previous value")
        << QByteArray("padSensitivity:3:4\r\n") << earlier << "" << earlier << "3:4" << QList<int>();
    QTest::newRow("only TRUE exactly is true")
        << QByteArray("Alwaysontop:true\r\nautoCenter:TRUE \r\ncheckForUpdates:TRUE\r\n") << earlier << ""
        << QList<int>{1, 0, 2, 5, 1, 1, 1, 0, 700, 12} << "true" << QList<int>();
    QTest::newRow("keys are compared case-sensitively")
        << QByteArray("logging:TRUE\r\nACCELSETTING:9\r\n") << startValues << "" << startValues << "TRUE"
        << QList<int>();
    QTest::newRow("the later of two lines wins")
        << QByteArray("accelSetting:10\r\naccelSetting:15\r\n") << startValues << ""
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 15} << "10" << QList<int>();
    QTest::newRow("values are not trimmed")
        << QByteArray("driveTimeOut: 800\r\nspeedToMute:+3\r\n") << earlier << ""
        << QList<int>{1, 1, 3, 5, 1, 1, 1, 1, 700, 12} << " 800" << QList<int>();
    QTest::newRow("each number at the low end of its range")
        << QByteArray("speedToMute:0\r\npadSensitivity:0\r\ndriveTimeOut:0\r\naccelSetting:0\r\n") << earlier << ""
        << QList<int>{1, 1, 0, 0, 1, 1, 1, 1, 0, 0} << "0" << QList<int>();
    QTest::newRow("each number at the high end of its range")
        << QByteArray("speedToMute:100\r\npadSensitivity:7\r\ndriveTimeOut:1000\r\naccelSetting:20\r\n") << startValues
        << "" << QList<int>{0, 0, 100, 7, 0, 0, 0, 0, 1000, 20} << "100" << QList<int>();
    QTest::newRow("a number above its range keeps the previous value")
        << QByteArray("speedToMute:101\r\npadSensitivity:8\r\ndriveTimeOut:1001\r\naccelSetting:21\r\n") << earlier
        << "" << earlier << "101" << QList<int>();
    QTest::newRow("a number below its range keeps the previous value")
        << QByteArray("speedToMute:-1\r\npadSensitivity:-1\r\ndriveTimeOut:-100\r\naccelSetting:-5\r\n") << earlier
        << "" << earlier << "-1" << QList<int>();
    QTest::newRow("a speed to mute whose tenfold overflows")
        << QByteArray("speedToMute:214748365\r\ndriveTimeOut:2147483648\r\n") << earlier << "" << earlier << "214748365"
        << QList<int>();
    QTest::newRow("a file without entries keeps what was read before")
        << QByteArray("# nothing but a comment\r\n") << earlier << "TRUE" << earlier << "TRUE" << QList<int>();
    QTest::newRow("every key, and an eleventh entry still counts")
        << QByteArray(fullFile + "accelSetting:20\r\n") << startValues << ""
        << QList<int>{1, 1, 2, 5, 1, 1, 1, 1, 700, 20} << "TRUE" << QList<int>();
}

void SettingsFileTest::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, previous);
    QFETCH(QString, previousLoggingText);
    QFETCH(QList<int>, options);
    QFETCH(QString, loggingText);
    QFETCH(QList<int>, badLines);

    const SettingsFileContents contents = readSettingsFile(file, settingsOf(previous), previousLoggingText);

    QCOMPARE(values(contents.settings), options);
    QCOMPARE(contents.loggingText, loggingText);
    QCOMPARE(contents.badLines, badLines);
}

void SettingsFileTest::writing_data()
{
    QTest::addColumn<QList<int>>("options");
    QTest::addColumn<QString>("loggingText");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("start values")
        << startValues << ""
        << QByteArray("Logging:\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:0\r\npointNDrive:FALSE\r\n"
                      "autoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\nautoCenter:FALSE\r\ndriveTimeOut:0\r\n"
                      "accelSetting:0\r\n");
    QTest::newRow("every option set") << earlier << "TRUE" << fullFile;
    QTest::newRow("the Logging line carries the text, not the option")
        << startValues << "yes please"
        << QByteArray("Logging:yes please\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:0\r\n"
                      "pointNDrive:FALSE\r\nautoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\nautoCenter:FALSE\r\n"
                      "driveTimeOut:0\r\naccelSetting:0\r\n");
}

void SettingsFileTest::writing()
{
    QFETCH(QList<int>, options);
    QFETCH(QString, loggingText);
    QFETCH(QByteArray, file);

    QCOMPARE(writeSettingsFile(settingsOf(options), loggingText), file);
}

void SettingsFileTest::writtenBackAndReadAgain_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("loggingAfter");

    QTest::newRow("a file beginning with autoCenter:TRUE")
        << QByteArray("autoCenter:TRUE\r\n")
        << QByteArray("Logging:TRUE\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:0\r\n"
                      "pointNDrive:FALSE\r\nautoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\nautoCenter:TRUE\r\n"
                      "driveTimeOut:0\r\naccelSetting:0\r\n")
        << true;
    QTest::newRow("comments and unknown keys are lost")
        << QByteArray("# my options\r\nLogging:FALSE\r\nColour:blue\r\n#speedToMute:9\r\nspeedToMute:4\r\n")
        << QByteArray("Logging:FALSE\r\nAlwaysontop:FALSE\r\nspeedToMute:4\r\npadSensitivity:0\r\n"
                      "pointNDrive:FALSE\r\nautoAnswer:FALSE\r\ncheckForUpdates:FALSE\r\nautoCenter:FALSE\r\n"
                      "driveTimeOut:0\r\naccelSetting:0\r\n")
        << false;
    QTest::newRow("a file the controller wrote is written the same")
        << fullFile << fullFile << true;
}

void SettingsFileTest::writtenBackAndReadAgain()
{
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, written);
    QFETCH(bool, loggingAfter);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("Settings.ini");
    writeFileReplacing(path, original, false);
    const SettingsFileContents read = readSettingsFile(contentsOf(path), ControllerSettings(), QString());

    writeFileReplacing(path, writeSettingsFile(read.settings, read.loggingText), false);
    const SettingsFileContents reread = readSettingsFile(contentsOf(path), read.settings, read.loggingText);

    QCOMPARE(contentsOf(path), written);
    QCOMPARE(reread.settings.Logging, loggingAfter);
    QCOMPARE(reread.loggingText, read.loggingText);
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
