// The accessory buttons of the status bar: headlights in four steps, the
// laser pointer, and remote charging of the head device. The robot does not
// confirm them; the new state is taken as soon as the command has left.
#include "ui/TForm2.h"

#include "ui/ButtonLook.h"

#include <QToolButton>

namespace {
constexpr int LowestChargingPercent = 25;
}

void TForm2::headLightButtonClick()
{
    if (!headLightButton->isEnabled())
        return;
    LinkState &s = linkState;
    s.headlightLevel = (s.headlightLevel + 1) % 4;
    struct Step {
        const char *command;
        const char *status;
        bool clears;
        QColor colour;
    };
    static const Step steps[] = {
        {"XH000000", "Headlights Off", true, Qt::black},
        {"XH025000", "Headlights On - Low", false, Qt::white},
        {"XH050000", "Headlights On - Med", false, Qt::blue},
        {"XH075000", "Headlights On - Hi", false, Qt::red},
    };
    const Step &step = steps[s.headlightLevel];
    sendData(QString::fromLatin1(step.command), 0);
    statusBarDisplay(QString::fromLatin1(step.status), step.clears);
    setButtonLook(headLightButton, step.colour, s.headlightLevel != 0);
}

void TForm2::LaserButtonClick()
{
    laserToggle();
}

void TForm2::laserToggle()
{
    LinkState &s = linkState;
    if (!s.laserPresent)
        return;
    try {
        if (s.laserOn) {
            sendData(QStringLiteral("XL023456"), 0);
            s.laserOn = false;
            statusBarDisplay(QStringLiteral("Laser Off"), true);
            setButtonLook(laserButton, Qt::black, false);
        } else {
            sendData(QStringLiteral("XL123456"), 0);
            s.laserOn = true;
            statusBarDisplay(QStringLiteral("Laser On"), false);
            setButtonLook(laserButton, Qt::red, true);
        }
    } catch (const std::exception &) {
        statusBarDisplay(QStringLiteral("Laser Switching failure"), true);
    }
}

void TForm2::CharginButtonClick()
{
    chargeToggle();
}

void TForm2::chargeToggle()
{
    LinkState &s = linkState;
    try {
        if (s.batteryPercent < LowestChargingPercent) {
            statusBarDisplay(QStringLiteral("Remote Tablet charging disabled. Low battery on QuorvelBot"), true);
            if (!s.remoteChargingOn)
                return; // never switched on with a low or unknown battery
        }
        if (s.remoteChargingOn) {
            sendData(QStringLiteral("XQ023456"), 0);
            s.remoteChargingOn = false;
            statusBarDisplay(QStringLiteral("Remote Tablet charging Off"), true);
            setButtonLook(chargingButton, Qt::black, false);
        } else {
            sendData(QStringLiteral("XQ123456"), 0);
            s.remoteChargingOn = true;
            statusBarDisplay(QStringLiteral("Remote Tablet charging ON"), true);
            setButtonLook(chargingButton, Qt::red, true);
        }
    } catch (const std::exception &) {
        statusBarDisplay(QStringLiteral("Remote Tablet Charing failure"), true);
    }
}
