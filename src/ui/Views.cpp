// The switch between the narrow sign-in view and the wide drive view. Both
// are one form: the sign-in view shows its left strip, and the drive view
// widens the window over the controls placed further right.
#include "ui/TForm2.h"

#include "controls/DriveMixing.h"
#include "controls/JoystickDevice.h"
#include "ui/Picture.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int TableTopShift = 230;

void setLeft(QWidget *w, int left)
{
    w->move(left, w->y());
}

} // namespace

void TForm2::enableDriveView()
{
    if (driveViewShown)
        return;
    const LinkState &s = link.linkState;
    const auto scaled = [this](int v) { return ::scaled(v, displayScale); };

    const bool tableTop = s.robotModel.startsWith(u'T');
    letGoOfPad(); // a session starts with the wheels still
    setOuterSize(scaled(tableTop ? 390 : 620), scaled(230));
    Panel1->setGeometry(Panel1->x(), scaled(172), scaled(622), Panel1->height());
    fitStatusBar();
    Image3->move(Image3->x(), int(10 * displayScale));
    Image1->setMinimumSize(scaled(220), scaled(160));
    Image1->resize(Image1->size().expandedTo(Image1->minimumSize()));
    Image1->setEnabled(true);

    link.statusLine.setText(QStringLiteral("Ready"));
    for (QWidget *w : std::initializer_list<QWidget *>{ListBox1, UserName, PassWord, Image3, SignIn, addBotName, delBot,
                                                       helpButton})
        w->hide();
    UserName->setEnabled(false);
    PassWord->setEnabled(false);
    Image3->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Image1, connectionDelayLabel, shBottom, shLeft, shRight, Panel3})
        w->show();

    keyPreview = true;

    if (tableTop) {
        Image1->hide();
        setWindowTitle(QStringLiteral("QuorvelBot Lindmere Vindra"));
    } else {
        setWindowTitle(QStringLiteral("QuorvelBot Vindra"));
    }
    placeRightHandGroup(tableTop);
    chargingButton->setVisible(!tableTop);
    Shape3->setVisible(!tableTop);
    // A controller plugged in since the last session is picked up now; the
    // indicator follows the joystick only when the view opens. The joystick
    // subsystem starts with the first session: the sign-in view never uses it.
    if (!JoystickDevice1)
        createJoystick();
    JoystickDevice1->setActive(true);
    Image5->setVisible(!tableTop && JoystickDevice1->Active());

    for (QWidget *w : std::initializer_list<QWidget *>{adminOptionButton, connectionDelayLabel, tiltBar, Panel2,
                                                       wifipanel, separator2, seperator1, Shape1, Image2})
        w->show();

    link.driveViewOpened(); // the tick runs, the headlights start at off
    Image4->move(scaled(105), scaled(75));
    driveViewShown = true;

    for (QWidget *w : std::initializer_list<QWidget *>{panBar, PanLeft, PanRight})
        w->setEnabled(s.panPresent);
    headLightButton->setEnabled(s.headlightsPresent);
    headLightButton->setVisible(s.headlightsPresent);

    // battery and wireless reappear with the robot's next reports
    Panel2->hide();
    wifipanel->hide();
}

void TForm2::disableDriveView()
{
    if (!driveViewShown)
        return;
    const auto cut = [this](int v) { return int(v * displayScale); };

    setWindowTitle(QStringLiteral("QuorvelBot"));

    Image4->hide();
    ListBox1->show();
    setOuterSize(cut(240), cut(430));
    Panel1->setGeometry(Panel1->x(), cut(375), cut(430), Panel1->height());
    fitStatusBar();

    for (QWidget *w : std::initializer_list<QWidget *>{UserName, PassWord, Image3}) {
        w->setEnabled(true);
        w->show();
    }
    SignIn->setText(QStringLiteral("Sign In"));
    SignIn->show();

    Image1->hide();
    Image1->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{connectionDelayLabel, shBottom, shLeft, shRight})
        w->hide();

    letGoOfPad();
    // a memory button held as the view closes neither saves nor recalls
    mTimer->stop();
    memoryButtonHeld = memorySlotPressed = 0;
    keyPreview = false;

    for (QWidget *w : std::initializer_list<QWidget *>{addBotName, delBot, helpButton})
        w->show();
    panBar->setValue(45);
    tiltBar->setValue(45);
    tiltBar->hide();

    wifipanel->hide();
    // the tick stops, the accessories go off, the cloud and socket paths close
    link.driveViewClosed();

    laserButton->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Panel2, Panel3, wifipanel, separator2, seperator1, Shape1, Image2})
        w->hide();
    driveViewShown = false;

    placeSignInPositions();
    adminOptionButton->hide();
}

void TForm2::placeRightHandGroup(bool tableTop)
{
    const int shift = tableTop ? TableTopShift : 0;
    const std::initializer_list<std::pair<QWidget *, int>> normal{
        {Image2, 445},        {adminOptionButton, 452},
        {Disconnect, 533},    {chargingButton, savedChargingLeft},
        {laserButton, savedLaserLeft}, {headLightButton, savedHeadLightLeft},
        {connectionDelayLabel, 455},   {Panel2, 514},
        {separator2, 572},    {seperator1, 507},
        {Shape1, 444},        {Shape2, 412},
        {Shape3, 385},        {Shape4, 358},
        {wifipanel, 576},     {Panel3, 235},
    };
    for (const auto &[control, left] : normal)
        setLeft(control, left - shift);
}

void TForm2::placeSignInPositions()
{
    // beyond the sign-in view's right edge; the drive view sets them again
    const std::initializer_list<std::pair<QWidget *, int>> signIn{
        {Image2, 445},          {adminOptionButton, 452}, {Disconnect, 533}, {chargingButton, 387},
        {laserButton, 417},     {connectionDelayLabel, 455}, {Panel2, 514},  {separator2, 572},
        {seperator1, 507},      {Shape1, 444},            {Shape2, 412},     {Shape3, 382},
        {wifipanel, 576},       {Panel3, 235},
    };
    for (const auto &[control, left] : signIn)
        setLeft(control, left);
}
