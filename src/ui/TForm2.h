#pragma once
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "contacts/ContactList.h"
#include "controls/CameraMemory.h"
#include "link/LinkState.h"
#include "platform/Platform.h"
#include "settings/ControllerSettings.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWebSocket;
class QWebSocketServer;
class RobotTransport;
class SkypeClient;
struct BoxRequest;
enum class MessageKind;

// The main window. It owns the state every part of the controller shares and
// carries the routines and handlers by name; their bodies live in the folder
// of their subsystem (the send path and dispatcher in link/, the paths and the
// session in paths/, ...).
class TForm2 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm2(const Platform &platform, QWidget *parent = nullptr);
    ~TForm2() override;

    // --- the services of the operating system ---
    const Platform platform;

    // --- shared state ---
    LinkState linkState;
    ControllerSettings settings;
    ContactList contactList;
    std::array<CameraMemory, 3> cameraMemories;
    int memorySlotPressed = 0;
    bool driveViewShown = false;
    double displayScale = 1.0; // pixels per inch / 96, a little more on very dense screens

    // --- components ---
    QTimer *Timer1;              // 250 ms link tick, runs with the drive view
    QTimer *Timer3;              // sign-in watchdog
    QTimer *commandTimeOutTimer; // 15 s of silence ends the session
    QTimer *statusBarTimer;      // clears a self-clearing status text
    QTimer *mTimer;              // camera memory hold
    QTimer *userTimer;           // waits for the user list
    QTimer *LoginTimer;          // the delayed start-up step

    QWebSocket *webSocketClient;
    QWebSocketServer *webSocketServer;

    // --- controls ---
    QLabel *revNo;
    QLineEdit *UserName;
    QLineEdit *PassWord;
    QPushButton *SignIn;
    QCheckBox *CheckBox1;
    QFrame *Panel1; // status bar
    QLabel *statusBarLabel;
    QLabel *connectionDelayLabel;
    QFrame *Panel2;    // battery indicator
    QFrame *wifipanel; // wireless indicator

    // --- send path (link/SendPath.cpp) ---
    void sendData(const QString &text, int checkCall);
    void sendViaQuorvelCloud(const QString &text);
    void sendViaSocketConn(const QString &text);
    void sendViaWebRTC(const QString &text);
    // Puts other transports in place of the real ones (tests, tools).
    void useTransports(std::unique_ptr<RobotTransport> cloud, std::unique_ptr<RobotTransport> socket,
                       std::unique_ptr<RobotTransport> webRtc);

    // --- dispatcher (link/Dispatcher.cpp) ---
    void processIncomingData(const QString &text);

    // --- status line and log (link/StatusLine.cpp) ---
    void statusBarDisplay(const QString &text, bool timer);
    void writelogfile(const QString &text);
    QString logFilePath() const { return logFile; }

    // --- sign-in and session (paths/) ---
    QString getLoginString(int loginType) const;
    void callAnswered();
    void restart();

    // --- views (ui/Views.cpp) ---
    void enableDriveView();
    void disableDriveView();

    // --- contacts (contacts/) ---
    RobotContact &selectedContact();
    void reloadBotFile(int skipIndex);

    // --- dialogs ---
    void updateAboutPage();

    // A modal box owned by this window; returns the operator's answer.
    int showBox(const BoxRequest &request);
    // A plain box with only the text and OK.
    void showMessage(const QString &text);

public slots:
    void statusBarTimerTimer();
    void DisconnectClick();

private:
    // dispatcher steps (link/Dispatcher.cpp)
    void loginResendStep();
    void loginAnswer(const QString &text);
    void checkOrPlaceCall();
    void placeCall(const QString &peer);
    void passwordAnswer(const QString &text);

    // robot facts and reports (link/StatusReports.cpp)
    void robotFact(MessageKind kind, const QString &text);
    void wifiSwitchAcknowledged();
    void driveAlert(const QString &text);
    void stayOnTop(bool on);
    void createControls();
    void centreOnScreen();

    QString logFile;
    std::unique_ptr<RobotTransport> cloudTransport;
    std::unique_ptr<RobotTransport> socketTransport;
    std::unique_ptr<RobotTransport> webRtcTransport;
    std::unique_ptr<SkypeClient> skypeSession;
};
