// The switch between the narrow sign-in view and the wide drive view.
#include "ui/TForm2.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void TForm2::enableDriveView()
{
    if (driveViewShown)
        return;
    LinkState &s = linkState;
    Timer3->stop();
    statusBarLabel->setText(QStringLiteral("Ready"));
    Timer1->start();
    setWindowTitle(s.robotModel.startsWith(u'T') ? QStringLiteral("QuorvelBot Lindmere Vindra")
                                                 : QStringLiteral("QuorvelBot Vindra"));
    s.sensorReadings.fill(0);
    s.sessionOpen = true;
    driveViewShown = true;
    s.headlightLevel = 0;
    // battery and wireless reappear with the robot's next reports
    Panel2->hide();
    wifipanel->hide();
}

void TForm2::disableDriveView()
{
    if (!driveViewShown)
        return;
    LinkState &s = linkState;
    setWindowTitle(QStringLiteral("QuorvelBot"));
    s.pathCloud = s.pathSocket = false;
    s.multiRadioPresent = false;
    s.wifiRadioCount = 0;
    s.batteryPercent = s.batteryState = -1;
    SignIn->setText(QStringLiteral("Sign In"));
    Timer1->stop();
    Timer3->stop();
    s.sessionOpen = false;
    s.FStartTime = 0;
    wifipanel->hide();
    // the robot's accessories go off with the drive view
    if (s.laserOn) {
        s.laserOn = false;
        sendData(QStringLiteral("XL023456"), 0);
    }
    if (s.remoteChargingOn) {
        s.remoteChargingOn = false;
        sendData(QStringLiteral("XQ023456"), 0);
    }
    Panel2->hide();
    driveViewShown = false;
    s.boardSerialNumber.clear();
}
