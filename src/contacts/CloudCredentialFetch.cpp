// The wizard's Validate button: the cloud companion, started in its setup
// mode for the robot's base name, asks the cloud service for the robot's
// credentials with the operator's user name and password; its answer comes
// back through the dispatcher, and the credentials go into the robot's
// "Data/<description>/config.py", which the companion reads in a session.
#include "contacts/TOKRightDlg1.h"

#include "contacts/CloudCredentials.h"
#include "contacts/RobotFolder.h"
#include "link/RobotLink.h"
#include "paths/CompanionLineServer.h"
#include "platform/MessageBoxes.h"
#include "platform/Pause.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int StopperPauseMs = 1000;
constexpr int CompanionStartPauseMs = 1500;
// about five seconds of 100 ms polls
constexpr int MostEmptyPolls = 50;

const QString CannotContact = QStringLiteral("Cannot contact QuorvelBot Vindra for authentication.");

BoxRequest informationBox(const QString &text, BoxButtons buttons = BoxButtons::Ok)
{
    return {text, QCoreApplication::applicationName(), BoxIcon::Information, buttons};
}

} // namespace

void TOKRightDlg1::valButtonClick()
{
    if (const QString problem = cloudLoginProblem(uNameEdit->text(), passEdit->text()); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    validityTimer->stop();
    if (!link.IdTCPServer1->isListening() && !link.IdTCPServer1->listen()) {
        showMessage(QStringLiteral("Could not open necessary port for communication"));
        return;
    }
    link.statusBarDisplay(QStringLiteral("Waiting for QCS Module to start..."), false);
    const QString request = QStringLiteral("GETKEY,") + uNameEdit->text() + u',' + passEdit->text();
    if (!startSetupCompanion()) {
        link.statusBarDisplay(QString(), false);
        return;
    }
    link.sendViaQuorvelCloud(request);
    link.linkState.adminChannelReply.clear();
    answerPolls = 0;
    validityTimer->start();
}

bool TOKRightDlg1::startSetupCompanion()
{
    Shell &shell = *link.platform.shell;
    QString &python = link.linkState.pythonPath;
    if (python.isEmpty())
        python = shell.pythonInterpreter();
    if (python.isEmpty()) {
        showMessage(QStringLiteral("No Python interpreter was found, so QCS cannot be used.\r\n"
                                   "Install Python 3 and validate again"));
        return false;
    }
    // our own setup companion, and whichever companion still holds port 8817
    endSetupCompanion();
    shell.open(RobotLink::companionStopper(), {});
    link.platform.pause->pauseRepainting(StopperPauseMs);

    const QDir data(QDir(link.applicationFolder).filePath(QStringLiteral("Data")));
    const QString companion = data.filePath(QStringLiteral("qcloud.py"));
    if (QFileInfo(companion).isFile())
        setupCompanion =
            shell.open(python, {companion, QStringLiteral("admin"), botSkypeNameEdit->text()}, data.path());
    if (!setupCompanion.isValid()) {
        showMessage(QStringLiteral("Could not start the QCS companion \"%1\" with \"%2\"")
                        .arg(QDir::toNativeSeparators(companion), python));
        return false;
    }
    link.platform.pause->pauseRepainting(CompanionStartPauseMs);
    // the windows kept working meanwhile: a wizard closed by now asks nothing
    if (!isVisible()) {
        endSetupCompanion();
        return false;
    }
    return true;
}

void TOKRightDlg1::endSetupCompanion()
{
    if (setupCompanion.isValid())
        link.platform.shell->end(setupCompanion);
    setupCompanion = {};
}

void TOKRightDlg1::validityTimerTimer()
{
    validityTimer->stop();
    const QString reply = link.linkState.adminChannelReply;
    if (reply.isEmpty()) {
        if (answerPolls < MostEmptyPolls) {
            ++answerPolls;
            validityTimer->start();
        } else {
            giveUpWaiting();
        }
        return;
    }
    link.commandTimeOutTimer->stop();
    takeCredentialAnswer(reply);
}

void TOKRightDlg1::giveUpWaiting()
{
    link.commandTimeOutTimer->stop();
    endSetupCompanion();
    if (!autoPathChosen()) {
        showBox(informationBox(CannotContact));
    } else {
        const QString question = CannotContact + QStringLiteral("\r\nIf you think this is in error, click `No` to "
                                                                "retry, otherwise press `Yes` to not include QCS in "
                                                                "auto path");
        if (showBox(informationBox(question, BoxButtons::YesNo)) == BoxAnswer::Yes) {
            cloudLeftOut = true;
            nextFromCredentials();
        }
    }
    link.statusBarDisplay(QString(), false);
}

void TOKRightDlg1::takeCredentialAnswer(const QString &reply)
{
    const CredentialAnswer answer = readCredentialAnswer(reply);
    if (answer.kind == CredentialAnswerKind::Unknown)
        return; // Validate may be pressed again
    endSetupCompanion();
    if (answer.kind == CredentialAnswerKind::Valid) {
        // values that would change the program config.py is are refused
        const std::optional<QByteArray> contents = cloudConfigFile(answer);
        if (contents)
            showBox(informationBox(credentialAnswerMessage(answer.kind, autoPathChosen())));
        if (contents && writeCloudConfig(*contents)) {
            nextBtn->setEnabled(true);
            credentialsValidated = true;
        } else {
            showBox(errorBox(cloudConfigWriteError()));
        }
        link.statusBarDisplay(QString(), false);
        return;
    }
    showBox(errorBox(credentialAnswerMessage(answer.kind, autoPathChosen())));
    credentialsValidated = false;
    if (answer.kind == CredentialAnswerKind::NotConfigured && autoPathChosen()) {
        cloudLeftOut = true;
        nextFromCredentials();
    }
    link.statusBarDisplay(QString(), false);
}

bool TOKRightDlg1::writeCloudConfig(const QByteArray &contents)
{
    const QString description = botNameEdit->text();
    // a file that would not count is not written at all
    if (!isUsableCloudConfig(contents.size()) || !robotFolderNameFault(description).isEmpty())
        return false;
    const QString folder = QDir(link.applicationFolder).filePath(QStringLiteral("Data/") + description);
    const QString config = QDir(folder).filePath(QStringLiteral("config.py"));
    try {
        if (!QDir().mkpath(folder))
            return false;
        // the file holds a secret: written whole, for its owner alone
        writeFileReplacing(config, contents, true);
    } catch (const std::exception &) {
        return false;
    }
    const QFileInfo written(config);
    return written.isFile() && isUsableCloudConfig(written.size());
}
