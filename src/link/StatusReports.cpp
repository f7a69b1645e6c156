// What the robot reports about itself and its state while a session runs.
#include "ui/TForm2.h"

#include "link/Fields.h"
#include "link/HeadDevices.h"
#include "link/MessageKind.h"
#include "link/Numbers.h"

void TForm2::robotFact(MessageKind kind, const QString &text)
{
    const QString value = textAfterColon(text);
    switch (kind) {
    case MessageKind::BoardSerialNumber:
        linkState.boardSerialNumber = value;
        updateAboutPage();
        break;
    case MessageKind::RobotSerialNumber:
        linkState.robotSerialNumber = value;
        updateAboutPage();
        break;
    case MessageKind::WifiRadioCount:
        linkState.wifiRadioCount = readDecimal(value);
        break;
    case MessageKind::HeadType:
        linkState.headType = headDisplayName(value);
        updateAboutPage();
        break;
    default:
        break;
    }
}

void TForm2::wifiSwitchAcknowledged()
{
    statusBarDisplay(QStringLiteral("QuorvelBot now connected to ") + linkState.requestedNetwork, true);
    linkState.wifiSwitchPending = false;
}

void TForm2::driveAlert(const QString &text)
{
    const QString code = text.mid(1, 2);
    if (code == QLatin1String("D0"))
        statusBarDisplay(QStringLiteral("Destination Reached"), true);
    else if (code == QLatin1String("D1"))
        statusBarDisplay(QStringLiteral("Obstacle Detected"), true);
    else if (code == QLatin1String("D2"))
        statusBarDisplay(QStringLiteral("Over current condition!!!"), true);
    else if (code == QLatin1String("D3"))
        statusBarDisplay(QStringLiteral("Tip limit alert"), true);
}
