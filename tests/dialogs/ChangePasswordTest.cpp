// "Change Password" from the drive view's menu: the dialog's checks in their
// order, the command the window sends, and what closes it without one.
#include "SignedInWindow.h"
#include "dialogs/TchangePasswordForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString TooShort = QStringLiteral("Password needs to be atleast 4 characters long.");

struct Typed {
    QString current;
    QString next;
    QString confirmation;
};

void typeInto(TchangePasswordForm *dialog, const Typed &typed)
{
    QTest::keyClicks(dialog->oldPassword, typed.current);
    QTest::keyClicks(dialog->newPassword, typed.next);
    QTest::keyClicks(dialog->confirmPassword, typed.confirmation);
}

const Typed Valid{QStringLiteral("old1"), QStringLiteral("new2"), QStringLiteral("new2")};

// Opens the dialog from the drive view's menu and, once it shows, types and
// presses Ok; a dialog still open after that (a refusal) is cancelled, a box
// having been shown. Returns whether Ok closed it.
bool changePassword(SignedInWindow &w, const Typed &typed)
{
    bool closedByOk = false;
    QTimer::singleShot(0, [&] {
        TchangePasswordForm *dialog = &w.form().passwordDialog();
        QVERIFY(dialog->isVisible());
        typeInto(dialog, typed);
        QTest::mouseClick(dialog->oKBtn, Qt::LeftButton);
        closedByOk = !dialog->isVisible();
        if (!closedByOk)
            QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    });
    for (QAction *item : w.form().drivePopUp->actions())
        if (item->text() == QLatin1String("Change Password"))
            item->trigger();
    return closedByOk;
}

// A drive view signed in as "pilot".
struct AsPilot : SignedInWindow {
    AsPilot() { form().UserName->setText(QStringLiteral("pilot")); }
};

} // namespace

class ChangePasswordTest : public QObject {
    Q_OBJECT
private slots:
    void theDialog()
    {
        AsPilot w;
        TchangePasswordForm *dialog = &w.form().passwordDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change Password"));
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        for (QLineEdit *field : {dialog->oldPassword, dialog->newPassword, dialog->confirmPassword}) {
            QCOMPARE(field->echoMode(), QLineEdit::Password);
            QCOMPARE(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field), int('*'));
        }
        QCOMPARE(dialog->oKBtn->text(), QStringLiteral("Ok"));
        QCOMPARE(dialog->cancelButton->text(), QStringLiteral("Cancel"));
    }

    void okChecksThenSends_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("accepted") << "old1"
                                  << "new2"
                                  << "new2" << QStringList{} << QStringList{"P:pilot:old1:new2"};
        QTest::newRow("an empty current password") << ""
                                                   << "new2"
                                                   << "new2" << QStringList{} << QStringList{"P:pilot::new2"};
        QTest::newRow("three characters, confirmed") << "old1"
                                                     << "abc"
                                                     << "abc" << QStringList{"Error|" + TooShort} << QStringList{};
        QTest::newRow("short before mismatch") << "old1"
                                               << "abc"
                                               << "xyz" << QStringList{"Error|" + TooShort} << QStringList{};
        QTest::newRow("mismatch") << "old1"
                                  << "new2"
                                  << "New2" << QStringList{"Error|Password Mismatch."} << QStringList{};
        QTest::newRow("mismatch before same") << "same"
                                              << "same"
                                              << "other" << QStringList{"Error|Password Mismatch."} << QStringList{};
        QTest::newRow("same as current") << "same"
                                         << "same"
                                         << "same" << QStringList{"Error|New and old passwords are same."}
                                         << QStringList{};
        // the robot would split the command at the colon and set another password
        QTest::newRow("a colon in the new password")
            << "old1"
            << "ne:w2"
            << "ne:w2" << QStringList{"Error|Password cannot contain blanks, double quotes, \":\" or \"%\"."}
            << QStringList{};
    }
    void okChecksThenSends()
    {
        AsPilot w;
        QFETCH(QString, current);
        QFETCH(QString, next);
        QFETCH(QString, confirmation);
        QFETCH(QStringList, sent);
        QCOMPARE(changePassword(w, {current, next, confirmation}), !sent.isEmpty());
        QTEST(w.boxesShown(), "boxes");
        QCOMPARE(w.take(), sent);
        QVERIFY(!w.form().passwordDialog().isVisible());
    }

    void cancelSendsNothing()
    {
        AsPilot w;
        QTimer::singleShot(0, [&] {
            TchangePasswordForm *dialog = &w.form().passwordDialog();
            typeInto(dialog, Valid);
            QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        });
        w.form().ChangePassword1Click();
        QCOMPARE(w.form().passwordDialog().passWord, QStringLiteral(":"));
        QVERIFY(w.take().isEmpty());
    }

    void eachOpeningStartsBlank()
    {
        AsPilot w;
        changePassword(w, {"old1", "abc", "abc"}); // refused, then cancelled
        QStringList fields;
        QTimer::singleShot(0, [&] {
            TchangePasswordForm *dialog = &w.form().passwordDialog();
            fields << dialog->oldPassword->text() << dialog->newPassword->text() << dialog->confirmPassword->text();
            dialog->reject();
        });
        w.form().ChangePassword1Click();
        QCOMPARE(fields, (QStringList{"", "", ""}));
    }

    void theEndOfTheSessionClosesItUnsent()
    {
        AsPilot w;
        QTimer::singleShot(0, [&] {
            typeInto(&w.form().passwordDialog(), Valid);
            w.robotSays(QStringLiteral("Z"));
        });
        w.form().ChangePassword1Click();
        QVERIFY(!w.form().passwordDialog().isVisible());
        QVERIFY(w.take().filter(QStringLiteral("P:")).isEmpty());
    }

    void aFailedSendIsLogged()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        AsPilot w;
        w.form().settings.Logging = true;
        w.f.webRtc->failing = true;
        QVERIFY(changePassword(w, Valid));
        QFile log(w.link().logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains(" : Password sending error\r\n"));
    }
};

QTEST_MAIN(ChangePasswordTest)
#include "ChangePasswordTest.moc"
