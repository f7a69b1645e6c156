// Driving with a game controller: the stick is a second hand on the drive
// pad (its place becomes the two wheel demands the drive tick sends), and
// the buttons aim the camera and switch the accessories.
#include "ui/TForm2.h"

#include "controls/JoystickDevice.h"
#include "controls/JoystickDriving.h"
#include "controls/PadMarker.h"
#include "ui/Picture.h"

#include <QApplication>
#include <QPushButton>

void TForm2::createJoystick()
{
    JoystickDevice1 = new TJoystickDevice(platform, this);
    connect(JoystickDevice1, &TJoystickDevice::OnMove, this, &TForm2::JoyStickMove);
    connect(JoystickDevice1, &TJoystickDevice::OnButtonDown, this, &TForm2::JoyStickButtonDown);
    connect(JoystickDevice1, &TJoystickDevice::OnLost, this, [this] { Image5->hide(); });
    connect(JoystickDevice1, &TJoystickDevice::OnLog, &link, &RobotLink::writelogfile);
    JoystickDevice1->setAdvanced(true);
}

void TForm2::JoyStickMove(TJoystickDevice *, const TJoyRelPos &JoyPos, TJoyButtons)
{
    // a box, dialog or menu over the window has the operator's attention
    if (!link.linkState.sessionOpen || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    const StickDrive drive = stickDrive(JoyPos.X, JoyPos.Y, lastJoyX, lastJoyY, settings.padSensitivity);
    if (!drive.acted)
        return; // the same place again
    lastJoyX = JoyPos.X;
    lastJoyY = JoyPos.Y;
    Image4->move(joystickMarkerPosition(drive.padPoint, displayScale));
    Image4->show();
    Image4->raise();
    // The demands are taken before the stops go out, so a stop that fails
    // cannot leave the demands of a stick that has come back to rest.
    link.leftWheelDemand = drive.demands.left;
    link.rightWheelDemand = drive.demands.right;
    if (drive.stops) {
        link.sendData(StopCommand, 0);
        link.sendData(StopCommand, 0);
    }
}

void TForm2::JoyStickButtonDown(TJoystickDevice *, TJoyButtons Buttons)
{
    for (const JoystickAction action : joystickButtonActions(Buttons)) {
        switch (action) {
        case JoystickAction::TiltDown: TiltDownClick(); break;
        case JoystickAction::PanRight: PanRightClick(); break;
        case JoystickAction::PanLeft: PanLeftClick(); break;
        case JoystickAction::TiltUp: TiltUpClick(); break;
        case JoystickAction::ToggleLaser: link.laserToggle(); break;
        case JoystickAction::CentreCamera: CenterClick(); break;
        case JoystickAction::HeadlightStep: headLightButtonClick(); break;
        case JoystickAction::SignIn:
            // as the Sign In button itself: never a second attempt on top of
            // a running one or of a session
            if (SignIn->isEnabled() && !SignIn->isHidden())
                SignInClick();
            break;
        }
    }
}
