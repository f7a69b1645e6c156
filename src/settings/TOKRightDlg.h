#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class QTimer;
class RobotLink;
class SettingsStore;
struct UserEdit;

// The settings dialog "Settings": the robot's users and maximum speed (for an
// administrator), the robot's acceleration, and the controller's own
// options. Opened from the sign-in view it offers only the options that make
// sense without a robot; from the drive view it opens once the robot has
// sent its user list. Options take effect as their control changes and are
// saved whenever the dialog closes; the users and the speed go to the robot
// only on OK.
class TOKRightDlg : public QDialog {
    Q_OBJECT

public:
    TOKRightDlg(RobotLink &link, SettingsStore &store, QWidget *parent = nullptr);

    // How the dialog opens: admin, the signed-in user administers the robot;
    // userLoggedIn, it was opened from the drive view with the user list in.
    bool admin = false;
    bool userLoggedIn = false;
    bool loadingComplete = false; // false while the controls are filled

    // Change marks, all false once the dialog has loaded.
    bool usersChanged = false; // the list or the maximum speed
    bool speedChanged = false;
    bool controllerSettingsChanged = false; // the file must be written
    bool timeoutChanged = false;
    bool accelChanged = false;

    QStringList userEntries; // name ":" password ":" mark, as the list box shows them
    bool userSelected = false;
    int selectedUserIndex = -1;
    QString selectedUserName; // the row's name when it was selected

    QTabWidget *PageControl1;
    QWidget *UserAdmin;
    QWidget *RobotSetting;
    QWidget *ControllerSetting;
    QStatusBar *StatusBar1;
    QTimer *Timer1; // clears the status panel

    // user administration
    QLineEdit *userName;
    QLineEdit *password;
    QCheckBox *isAdminBox;
    QListWidget *ListBox1;
    QPushButton *editUserButton;
    QPushButton *addUserButton;
    QPushButton *Button2; // "Delete User"

    // robot settings
    QSlider *speedTrackbar;
    QLabel *speedVal;
    QSlider *accelBar;
    QLabel *accelVal;

    // controller settings
    QCheckBox *CheckBox1; // always on top
    QCheckBox *CheckBox4; // update check
    QCheckBox *autoCenterCheckBox;
    QWidget *sliderPanels; // the pad sensitivity and drive time-out panels
    QFrame *PadSense;
    QSlider *TrackBar1;
    QFrame *timeoutPanel;
    QSlider *timeoutBar;
    QLabel *Label12; // the robot's configuration page
    QLabel *Label13;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    // Shows the dialog modally; true when it was closed with OK.
    bool callDialog();
    // After OK from the drive view: the users and the maximum speed go to the
    // robot when they changed.
    void sendUserChanges();

    void settingsLoad();
    void listboxMouseDown();
    void addUserClick();
    void editUserClick();
    void Button2Click();
    void speedTrack();
    void Label12Click();
    void alwaysOnTopChange();
    void CheckBox4Click();
    void autoCenterCheckBoxClick();
    void TrackBar1Change();
    void timeoutBarChange();
    void accelBarChange();
    void Timer1Timer();

    void done(int result) override;

signals:
    // An option changed while the dialog was open: the file is to be written
    // and read back.
    void settingsToWrite();
    // "Always on top" changed during a session: the main window follows at once.
    void stayOnTopWanted(bool on);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createUserTab();
    void createRobotTab();
    void createControllerTab();
    void loadUserTab();
    void fillListBox();
    void clearSelection();
    void showStatus(const QString &text);
    void tell(const UserEdit &outcome);
    void dialogClose();

    RobotLink &link;
    SettingsStore &store;
    QString configurationAddress; // "http://" and the robot's address
};
