#pragma once
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "contacts/RobotList.h"
#include "controls/CameraMemory.h"
#include "controls/JoystickTypes.h"
#include "link/RobotLink.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

class Picture;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMouseEvent;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class TJoystickDevice;
class TOKRightDlg1;
class TOKRightDlg;
class TPagesDlg;
class TchangePasswordForm;
class TwifiDialog;
struct BoxRequest;

// The main window: the sign-in view and the drive view, their controls and
// the handlers of those controls. It owns the robot link and the two stores
// (the robot list, the settings), calls the link and follows its signals;
// the handlers' bodies live in the folder of their subsystem (the drive
// controls in controls/, the robot list panel in contacts/, ...).
class TForm2 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm2(const Platform &platform, QWidget *parent = nullptr);
    ~TForm2() override;

    // --- the services of the operating system ---
    const Platform platform;
    // The folder of the program's files ("Settings.ini", "quorvelbot.ini",
    // "Data"), fixed when the window is made.
    const QString applicationFolder;

    // --- the stores and the link ---
    RobotList robots;
    SettingsStore settingsStore;
    ControllerSettings &settings;
    ContactList &contactList;
    RobotLink link;

    // --- the drive controls ---
    std::array<CameraMemory, 3> cameraMemories;
    int memorySlotPressed = 0; // a held memory button whose hold completed: saved on release
    int memoryButtonHeld = 0;  // the memory button held now, 0 for none
    bool padDragging = false;
    QPoint padAnchorPoint; // where the pointer goes on press and returns on release
    double lastJoyX = 0; // the stick's place last acted on
    double lastJoyY = 0;
    bool keyHeld = false;  // a key acted and has not been released yet
    bool driveViewShown = false;
    bool keyPreview = true;    // keys reach the keyboard control whatever has the focus
    double displayScale = 1.0; // pixels per inch / 96, a little more on very dense screens

    // --- components ---
    QTimer *mTimer;                   // camera memory hold
    QTimer *userTimer;                // waits for the user list
    QTimer *LoginTimer;               // the delayed start-up step
    TJoystickDevice *JoystickDevice1 = nullptr; // the game controller, from the first drive view on


    // --- sign-in area ---
    Picture *Image3; // logo
    QLabel *Label1;
    QLabel *revNo; // the controller version sent with the login
    QListWidget *ListBox1;
    QPushButton *addBotName;
    QPushButton *delBot;
    QLineEdit *UserName;
    QLineEdit *PassWord;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *SignIn;
    QPushButton *helpButton;
    QCheckBox *CheckBox1; // "Remember Me"

    // --- drive area ---
    Picture *Image1; // drive pad
    Picture *Image4; // pad marker
    QFrame *shLeft;  // proximity bars over the pad
    QFrame *shRight;
    QFrame *shBottom;
    Picture *Image2; // logo
    QPushButton *adminOptionButton;
    QPushButton *Disconnect;
    QFrame *Panel3; // camera panel
    QSlider *panBar;
    QSlider *tiltBar;
    QPushButton *TiltUp;
    QPushButton *PanLeft;
    QPushButton *Center;
    QPushButton *PanRight;
    QPushButton *TiltDown;
    QPushButton *M1;
    QPushButton *M2;
    QPushButton *M3;

    // --- status bar ---
    QFrame *Panel1 = nullptr;
    QLabel *statusBarLabel;
    Picture *Image5; // joystick indicator
    QFrame *Shape1;
    QFrame *Shape2;
    QFrame *Shape3;
    QFrame *Shape4;
    QFrame *seperator1;
    QFrame *separator2;
    QToolButton *chargingButton;
    QToolButton *laserButton;
    QToolButton *headLightButton;
    QLabel *connectionDelayLabel;
    QFrame *Panel2; // battery indicator
    std::array<Picture *, 7> batt;
    Picture *battCharging;
    Picture *battNotPresent;
    QFrame *wifipanel; // wireless indicator
    std::array<Picture *, 5> wifi;
    Picture *wifiEth;

    // --- popup menus ---
    QMenu *PopupMenu1; // "Options" of the sign-in view
    QMenu *drivePopUp; // "Options" of the drive view

    // --- start-up (ui/Startup.cpp) ---
    // Runs the start-up in order; a value means the process must end now
    // with that exit status (a second controller, a missing file).
    std::optional<int> FormCreate();

    // --- views (ui/Views.cpp) ---
    void enableDriveView();
    void disableDriveView();

    // --- robot list (contacts/ContactsPanel.cpp) ---
    // false when the file is missing; the process must end then
    bool loadQuorvelbot();
    // Writes the list and reads it back; when it cannot be read back the
    // controller must end (mustEnd) and the operation that saved ends too.
    void reloadBotFile(int skipIndex);
    void addBotNameClick();
    // a double-click on a robot: the wizard shows it
    void showBotInfo();

    // --- settings file (settings/SettingsLoading.cpp) ---
    // false when the file is missing; the process must end then
    bool Importsettings();
    void writeBackSetting();

    // --- drive pad and camera (controls/) ---
    // Ends a drag without the operator's release and zeroes the wheel
    // demands; sends nothing (the session or the view is changing).
    void letGoOfPad();
    // A held pad lost the pointer: the release's stops, demands zero.
    void padPointerLost();
    // A box, dialog or menu opens: whatever drives lets go, with stops.
    void windowOpensOverDriving();
    void recallCameraMemory(int slot);
    void FormKeyDown(QChar key);
    void FormKeyUp();

    // --- dialogs, each made when it is first needed: the sign-in view uses none ---
    TPagesDlg &pagesDialog();              // help, about and accessories: dialogs/HelpMenuItems.cpp
    TOKRightDlg1 &addRobotWizard();        // contacts/ContactsPanel.cpp
    TOKRightDlg &settingsDialog();         // settings/SettingsMenu.cpp
    TwifiDialog &networkDialog();          // dialogs/WifiAndPasswordDialogs.cpp, opened by the robot's network report
    TchangePasswordForm &passwordDialog(); // the drive view's "Change Password"

    // --- settings dialog (settings/SettingsMenu.cpp) ---
    void Settings1Click();
    void Settings2Click();
    void userTimerTrigger();
    int userListWaits = 0; // userTimer's ticks without the list

    // A modal box owned by this window; returns the operator's answer.
    int showBox(const BoxRequest &request);
    // A plain box with only the text and OK.
    void showMessage(const QString &text);

signals:
    // The controller cannot go on; the process ends with exitStatus.
    void mustEnd(int exitStatus);

public slots:
    void SignInClick();
    void DisconnectClick();
    void PadMouseDown(QMouseEvent *event);
    void PadMouseMove(QMouseEvent *event);
    void PadMouseUp(QMouseEvent *event);
    void panBarChange();
    void tiltBarChange();
    void PanLeftClick();
    void PanRightClick();
    void TiltUpClick();
    void TiltDownClick();
    void CenterClick();
    void mTimerTimer();
    void JoyStickMove(TJoystickDevice *Sender, const TJoyRelPos &JoyPos, TJoyButtons Buttons);
    void JoyStickButtonDown(TJoystickDevice *Sender, TJoyButtons Buttons);
    void headLightButtonClick();
    void LaserButtonClick();
    void CharginButtonClick();
    void LoginTimerTimer();
    void delBotClick();
    void CheckBox1Click();
    void UserNameClick();
    void PassWordClick();
    // the help dialog's openers (dialogs/HelpMenuItems.cpp)
    void helpButtonClick();
    void About1Click();
    void About2Click();
    void Help1Click();
    void About3Click();
    void ChangePassword1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // the dialogs, null until first needed (see their accessors); the
    // wizard ends before the link it uses
    TPagesDlg *PagesDlg = nullptr;
    bool aSessionHasEnded = false; // the help dialog's About page shows it when made later
    TOKRightDlg *adminSetting = nullptr;
    TwifiDialog *wifiDialog = nullptr;
    TchangePasswordForm *changePasswordForm = nullptr;
    std::unique_ptr<TOKRightDlg1> setupWizard;

    // the form (ui/Form.cpp)
    void createControls();
    void createSignInArea(QWidget *client);
    void createDriveArea(QWidget *client);
    void createCameraPanel();
    void createStatusBar(QWidget *client);
    void createMenus();
    void setOuterSize(int width, int height);
    void keepOuterSize();
    void fitStatusBar();
    void centreOnScreen();
    void stayOnTop(bool on);
    void bringToFront();
    // false: the window closes later, once what it waits for is over
    bool FormClose();

    void connectComponents();
    void createJoystick();               // controls/JoystickDrive.cpp
    void connectHelpItems();             // dialogs/HelpMenuItems.cpp
    void connectSettingsItems();         // settings/SettingsMenu.cpp
    void connectNetworkAndPasswordItems(); // dialogs/WifiAndPasswordDialogs.cpp
    // contacts/ContactsPanel.cpp
    void connectRobotListButtons();
    // the wizard wrote the list: it is read back with the robot at row chosen
    void robotListSaved(int row);
    // Reads the list back after a save; when it cannot, the controller must
    // end (mustEnd) and so must the operation that saved.
    void readBotFileBack();

    // views (ui/Views.cpp)
    void placeRightHandGroup(bool tableTop);
    void placeSignInPositions();

    // following the link (ui/LinkFollowing.cpp)
    void followLink();
    void sessionStarting();
    void sessionEnded();
    void loginAccepted(const std::array<CameraMemory, 3> &memories);
    void passwordUpdated();
    void showAccessories();
    void showLinkSilence(qint64 seconds);
    void showLinkAnswering();
    void showProximity();
    void showProximityBar(QFrame *bar, int sensor, int left);
    void emptyBattery();
    void showBatteryPictures(int level, bool charging, bool absent);
    void showBattery(const BatteryReport &report);
    void showWireless(const WirelessReport &report, int picture);

    // controls (controls/)
    void setCamera(int tilt, int pan);
    void memoryButtonDown(int slot);
    void memoryButtonUp(int slot);
    // press and release of a memory button, by any mouse button
    bool memoryButtonEvent(QObject *watched, QEvent *event);

    static constexpr int StatusBarHeight = 29; // as designed
    // the status bar buttons' places as the form has them, for the views
    int savedChargingLeft = 361;
    int savedLaserLeft = 388;
    int savedHeadLightLeft = 417;
    QSize requestedOuterSize;
    QSize sizedForFrame; // the frame the fixed size was worked out for
};
