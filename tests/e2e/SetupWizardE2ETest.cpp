// Adding a robot through the setup wizard of the built controller, with the
// keyboard as an operator would, then signing in to it and driving.
#include "ControllerHome.h"
#include "LocalPorts.h"
#include "SimulatorProcess.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// Places in the main window, in its own pixels at 96 dpi.
const QPoint addButton(63, 248);
const QPoint userNameField(60, 283);
const QPoint passwordField(170, 283);
const QPoint padCentre(115, 82);

QByteArray defaultRobotList()
{
    QFile file(QStringLiteral(DEFAULTS_DIR "/quorvelbot.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SetupWizardE2ETest : public QObject {
    Q_OBJECT
private slots:
    void addingASimulatorAndDrivingIt()
    {
        Desktop desktop;
        QVERIFY(desktop.isUp());
        SimulatorProcess sim;
        const quint16 namePort = freeLocalPort();
        QVERIFY2(sim.start({"--name-server", QString::number(namePort), "--base-name", "quorvelbot-bench"}),
                 qPrintable(sim.log()));
        const QByteArray defaults = defaultRobotList();
        QVERIFY(!defaults.isEmpty());
        ControllerHome home(desktop, defaults);
        QProcessEnvironment env;
        env.insert(QStringLiteral("QUORVELBOT_SERVER"), QStringLiteral("http://127.0.0.1:%1").arg(namePort));
        QProcess controller;
        home.start(controller, env);
        const QString window = desktop.findWindow(QStringLiteral("QuorvelBot"));
        QVERIFY(!window.isEmpty());

        desktop.click(window, addButton.x(), addButton.y());
        const QString wizard = desktop.findWindow(QStringLiteral("QuorvelBot Vindra Setup"));
        QVERIFY(!wizard.isEmpty());
        desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), wizard});
        QTest::qWait(300);
        desktop.key(QStringLiteral("Down")); // Direct Socket
        desktop.key(QStringLiteral("Tab"));
        desktop.key(QStringLiteral("Down")); // Other
        desktop.key(QStringLiteral("Tab"));
        desktop.type(QStringLiteral("Bench"));
        desktop.key(QStringLiteral("Tab"));
        desktop.type(QStringLiteral("quorvelbot-bench"));
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-setup-wizard-step1")), wizard));
        desktop.key(QStringLiteral("Return")); // Next: the summary
        QTest::qWait(300);
        QVERIFY(desktop.screenshot(artefact(QStringLiteral("e2e-setup-wizard-summary")), wizard));
        desktop.key(QStringLiteral("Return")); // OK
        QVERIFY(QTest::qWaitFor(
            [&] {
                QFile list(home.path() + QStringLiteral("/quorvelbot.ini"));
                return list.open(QIODevice::ReadOnly) &&
                       list.readAll().endsWith("Socket,Bench,quorvelbot-bench,Other,,,45:45:45:45:45:45\r\n");
            },
            5000));

        // the new robot is the one selected: sign in to it
        desktop.click(window, userNameField.x(), userNameField.y());
        desktop.type(QStringLiteral("operator"));
        desktop.click(window, passwordField.x(), passwordField.y());
        desktop.type(QStringLiteral("vindra"));
        desktop.key(QStringLiteral("Return"));
        const QString reminder = desktop.findWindow(QStringLiteral("Confirm"));
        QVERIFY(!reminder.isEmpty());
        desktop.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), reminder});
        desktop.key(QStringLiteral("Return"));
        const QString driving = desktop.findWindow(QStringLiteral("QuorvelBot Vindra"), 10000);
        QVERIFY2(!driving.isEmpty(), qPrintable(sim.log()));
        QVERIFY2(sim.waitForLog(QStringLiteral("signed in as operator"), 10000), qPrintable(sim.log()));

        const qsizetype beforeDrive = sim.log().size();
        desktop.pointerTo(driving, padCentre.x(), padCentre.y() + 20);
        desktop.button(true);
        QTest::qWait(100);
        desktop.pointerTo(driving, padCentre.x(), padCentre.y() - 60); // straight ahead
        static const QRegularExpression forward(QStringLiteral("< L1\\d\\dR1\\d\\d"));
        QVERIFY2(QTest::qWaitFor([&] { return sim.log().indexOf(forward, beforeDrive) >= 0; }, 3000),
                 qPrintable(sim.log()));
        desktop.button(false);
        QVERIFY(desktop.closeWindow(driving));
        QVERIFY(controller.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(SetupWizardE2ETest)
#include "SetupWizardE2ETest.moc"
