// The accessory buttons of the status bar: headlights in four steps, the
// laser pointer and remote charging of the head device. Each shows the state
// the link keeps.
#include "ui/TForm2.h"

#include "ui/ButtonLook.h"

#include <QToolButton>

void TForm2::headLightButtonClick()
{
    if (headLightButton->isEnabled())
        link.headlightStep();
}

void TForm2::LaserButtonClick()
{
    link.laserToggle();
}

void TForm2::CharginButtonClick()
{
    link.chargeToggle();
}

void TForm2::showAccessories()
{
    const LinkState &s = link.linkState;
    static const QColor headlightColours[] = {Qt::black, Qt::white, Qt::blue, Qt::red};
    setButtonLook(headLightButton, headlightColours[s.headlightLevel], s.headlightLevel != 0);
    setButtonLook(laserButton, s.laserOn ? Qt::red : Qt::black, s.laserOn);
    setButtonLook(chargingButton, s.remoteChargingOn ? Qt::red : Qt::black, s.remoteChargingOn);
}
