#include "dialogs/PasswordChange.h"

#include <QTest>

class PasswordChangeTest : public QObject {
    Q_OBJECT
private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("problem");
        const QString tooShort = QStringLiteral("Password needs to be atleast 4 characters long.");
        const QString unsafe = QStringLiteral("Password cannot contain blanks, double quotes, \":\" or \"%\".");
        QTest::newRow("accepted") << "old1"
                                  << "new2"
                                  << "new2"
                                  << "";
        QTest::newRow("empty current accepted") << ""
                                                << "new2"
                                                << "new2"
                                                << "";
        QTest::newRow("three characters, confirmed") << "old1"
                                                     << "abc"
                                                     << "abc" << tooShort;
        QTest::newRow("short before mismatch") << "old1"
                                               << "abc"
                                               << "xyz" << tooShort;
        QTest::newRow("mismatch") << "old1"
                                  << "new2"
                                  << "New2"
                                  << "Password Mismatch.";
        QTest::newRow("same as current") << "same"
                                         << "same"
                                         << "same"
                                         << "New and old passwords are same.";
        QTest::newRow("mismatch before same") << "same"
                                              << "same"
                                              << "other"
                                              << "Password Mismatch.";
        QTest::newRow("colon") << "old1"
                               << "ne:w2"
                               << "ne:w2" << unsafe;
        QTest::newRow("percent") << "old1"
                                 << "ne%w2"
                                 << "ne%w2" << unsafe;
        QTest::newRow("blank") << "old1"
                               << "ne w2"
                               << "ne w2" << unsafe;
        QTest::newRow("double quote") << "old1"
                                      << "ne\"w2"
                                      << "ne\"w2" << unsafe;
        QTest::newRow("colon in current accepted") << "ol:d"
                                                   << "new2"
                                                   << "new2"
                                                   << "";
    }
    void checks()
    {
        QFETCH(QString, current);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        QFETCH(QString, problem);
        QCOMPARE(passwordChangeProblem(current, newPassword, confirmation), problem);
    }

    void command_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("command");
        QTest::newRow("three colons") << "old1"
                                      << "P:alice:old1:new2";
        QTest::newRow("empty current") << ""
                                       << "P:alice::new2";
    }
    void command()
    {
        QFETCH(QString, current);
        QFETCH(QString, command);
        const std::optional<QString> sent =
            passwordChangeCommand(QStringLiteral("alice"), passwordChangeResult(current, QStringLiteral("new2")));
        QCOMPARE(sent.value_or(QString()), command);
    }

    void cancelSendsNothing() { QVERIFY(!passwordChangeCommand(QStringLiteral("alice"), NoPasswordChange)); }
};

QTEST_APPLESS_MAIN(PasswordChangeTest)
#include "PasswordChangeTest.moc"
