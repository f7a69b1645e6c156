// The window following the robot link: the status line, the session's start
// and end, and the indicators of what the robot reports.
#include "ui/TForm2.h"

#include "controls/JoystickDevice.h"
#include "link/Numbers.h"
#include "platform/MessageBoxes.h"
#include "ui/Picture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QToolButton>

void TForm2::followLink()
{
    link.boxOwner = [this](const BoxRequest &request) { return showBox(request); };
    connect(&link.statusLine, &StatusLine::changed, statusBarLabel, &QLabel::setText);
    connect(&link, &RobotLink::signInReady, this, [this] {
        SignIn->setText(QStringLiteral("Sign In"));
        SignIn->setEnabled(true);
    });
    connect(&link, &RobotLink::loginAccepted, this, &TForm2::loginAccepted);
    connect(&link, &RobotLink::sessionStarting, this, &TForm2::sessionStarting);
    connect(&link, &RobotLink::sessionEnded, this, &TForm2::sessionEnded);
    connect(&link, &RobotLink::wheelsReleased, this, &TForm2::letGoOfPad);
    connect(&link, &RobotLink::drivePointerLost, this, &TForm2::padPointerLost);
    connect(&link, &RobotLink::cameraCentreWanted, this, [this] {
        if (panBar->value() != 45)
            panBar->setValue(45);
    });
    connect(&link, &RobotLink::frontWanted, this, &TForm2::bringToFront);
    connect(&link, &RobotLink::accessoriesChanged, this, &TForm2::showAccessories);
    connect(&link, &RobotLink::laserPresenceChanged, laserButton, &QWidget::setEnabled);
    connect(&link, &RobotLink::linkSilent, this, &TForm2::showLinkSilence);
    connect(&link, &RobotLink::linkAnswering, this, &TForm2::showLinkAnswering);
    connect(&link, &RobotLink::delayMeasured, connectionDelayLabel, &QLabel::setText);
    connect(&link, &RobotLink::proximityReported, this, &TForm2::showProximity);
    connect(&link, &RobotLink::batteryReported, this, &TForm2::showBattery);
    connect(&link, &RobotLink::batteryReportUnreadable, this, &TForm2::emptyBattery);
    connect(&link, &RobotLink::wirelessReported, this, &TForm2::showWireless);
    connect(&link, &RobotLink::passwordUpdated, this, &TForm2::passwordUpdated);
}

void TForm2::DisconnectClick()
{
    link.endSession();
}

void TForm2::loginAccepted(const std::array<CameraMemory, 3> &memories)
{
    cameraMemories = memories;
    if (settings.Alwaysontop)
        stayOnTop(true);
    // battery and wireless appear with the robot's first reports
    wifipanel->hide();
    Panel2->hide();
}

void TForm2::sessionStarting()
{
    enableDriveView();
    // bottom of the screen, centred, a little above its lower edge
    const QRect area = screen()->geometry();
    const QRect frame = frameGeometry();
    move(area.x() + roundToEven(area.width() / 2.0) - roundToEven(frame.width() / 2.0),
         area.y() + area.height() - frame.height() - roundToEven(30 * displayScale));
}

void TForm2::sessionEnded()
{
    aSessionHasEnded = true;
    disableDriveView();
    // centred as the sign-in view it now is, not as the drive view it was
    centreOnScreen();
}

void TForm2::passwordUpdated()
{
    // the old password must not stay in the robot list
    contactList.rememberMe = false;
    PassWord->clear();
    reloadBotFile(-1); // a list that cannot be read back ends the controller
    contactList.rememberMe = CheckBox1->isChecked();
}

void TForm2::showLinkSilence(qint64 seconds)
{
    // A ping went out while the one before was still unanswered: the label
    // counts the silence in red until the robot answers again.
    const QString text = QString::number(seconds);
    connectionDelayLabel->setText(text + QStringLiteral(" s"));
    connectionDelayLabel->setToolTip(QStringLiteral("No answer from the robot for ") + text + QStringLiteral(" s"));
    QPalette palette = connectionDelayLabel->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    connectionDelayLabel->setPalette(palette);
}

void TForm2::showLinkAnswering()
{
    connectionDelayLabel->setToolTip(QStringLiteral("Roundtrip Connection Delay"));
    connectionDelayLabel->setPalette(QPalette());
}

void TForm2::showProximity()
{
    // the left bar shows the fourth reading, the right bar the second
    showProximityBar(shLeft, 3, 5);
    showProximityBar(shRight, 1, 115);
}

void TForm2::showProximityBar(QFrame *bar, int sensor, int left)
{
    int &reading = link.linkState.sensorReadings[size_t(sensor)];
    const QColor was = bar->palette().color(QPalette::Window);
    const ProximityBar shown = proximityBar(reading, was == QColor(Qt::red) ? BarColour::Red : BarColour::White);
    reading = shown.reading;
    if (reading >= 0) {
        const QColor colour = shown.colour == BarColour::Red ? Qt::red : Qt::white;
        if (colour != was) {
            QPalette palette = bar->palette();
            palette.setColor(QPalette::Window, colour);
            bar->setPalette(palette);
        }
        if (bar->x() != left)
            bar->move(left, bar->y());
    }
    if (bar->height() != shown.height)
        bar->resize(bar->width(), shown.height);
}

// The indicators are set to what a report shows, each control touched only
// when it changes: a robot reports many times a second, and a control hidden
// and shown again costs a round trip to the window system.

void TForm2::emptyBattery()
{
    Panel2->show();
    showBatteryPictures(-1, false, false);
}

void TForm2::showBatteryPictures(int level, bool charging, bool absent)
{
    for (int picture = 0; picture < int(batt.size()); ++picture)
        batt[size_t(picture)]->setVisible(picture == level);
    battCharging->setVisible(charging);
    battNotPresent->setVisible(absent);
}

void TForm2::showBattery(const BatteryReport &report)
{
    Panel2->setVisible(report.kind != BatteryKind::Unknown);
    showBatteryPictures(report.levelPicture, report.chargingOverlay, report.kind == BatteryKind::Absent);
    switch (report.kind) {
    case BatteryKind::OnBattery: chargingButton->setEnabled(true); break;
    case BatteryKind::Charging:
    case BatteryKind::Full:
        showAccessories(); // remote charging went off
        chargingButton->setEnabled(false);
        break;
    case BatteryKind::Absent: chargingButton->setEnabled(false); break;
    case BatteryKind::Unknown: break;
    }
    if (!report.tooltip.isEmpty() && report.tooltip != Panel2->toolTip())
        Panel2->setToolTip(report.tooltip);
}

void TForm2::showWireless(const WirelessReport &report, int picture)
{
    wifipanel->show();
    for (int shown = 0; shown < int(wifi.size()); ++shown)
        wifi[size_t(shown)]->setVisible(shown == picture);
    wifiEth->setVisible(report.ethernet);
    if (report.tooltip != wifipanel->toolTip())
        wifipanel->setToolTip(report.tooltip);
}
