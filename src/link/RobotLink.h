#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "controls/CameraMemory.h"
#include "link/LinkState.h"
#include "link/ReportDecoding.h"
#include "link/StatusLine.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

class CloudTransport;
class CompanionLineServer;
class DirectSocketTransport;
class NameServer;
class QTimer;
class QWebSocket;
class QWebSocketServer;
class RobotList;
class RobotTransport;
class SkypeClient;
class WebRtcServerTransport;
struct BoxRequest;
struct ControllerSettings;
enum class MessageKind;

// The live connection to the robot, without a widget: the three control
// paths and the two companion servers, the send path, the dispatcher of
// everything the robot says, the link's health, the sign-in with its
// watchdog and the "Auto" order, the start and end of a session and the
// conferencing call. The window and the dialogs follow its signals and call
// its routines; it asks for boxes through boxOwner.
class RobotLink : public QObject {
    Q_OBJECT

public:
    // The controller version sent with every login.
    static const QString ControllerVersion;

    RobotLink(const Platform &platform, RobotList &robots, const ControllerSettings &settings,
              QObject *parent = nullptr);
    ~RobotLink() override;

    const Platform platform;
    // The folder of the program's files ("Settings.ini", "quorvelbot.ini",
    // "Data"), fixed when the link is made.
    const QString applicationFolder;
    RobotList &robots;
    const ControllerSettings &settings;

    LinkState linkState;
    StatusLine statusLine;
    // The credentials the logins of this sign-in send, as typed.
    QString userName;
    QString password;
    // What the drive controls ask of the wheels, sent by the drive tick:
    // whole numbers -99..99, positive forward.
    float leftWheelDemand = 0;
    float rightWheelDemand = 0;

    QTimer *Timer1;              // 250 ms link tick, runs with the drive view
    QTimer *Timer3;              // sign-in watchdog
    QTimer *commandTimeOutTimer; // 15 s of silence ends the session
    QTimer *socketConnectTimer;  // gives up a WebSocket connection not made in time

    std::unique_ptr<NameServer> IdHTTP1;
    // The direct socket to the robot, made at the first direct-socket
    // sign-in: making one loads the TLS library, which costs the start time.
    QWebSocket &directSocket();
    QWebSocketServer *webSocketServer;
    WebRtcServerTransport *webRtcServer; // the WebRTC companion's connections
    CompanionLineServer *IdTCPServer1;   // the cloud companion's lines

    // Shows a box and returns the operator's answer; the window puts itself
    // in as the boxes' owner. Without one the boxes have none.
    std::function<int(const BoxRequest &)> boxOwner;
    int showBox(const BoxRequest &request);
    // A plain box with only the text and OK.
    void showMessage(const QString &text);

    // --- send path (link/SendPath.cpp) ---
    void sendData(const QString &text, int checkCall);
    void sendViaQuorvelCloud(const QString &text);
    void sendViaSocketConn(const QString &text);
    void sendViaWebRTC(const QString &text);
    // Three stops, as the drive controls send them when they let go.
    void sendStops(const QString &failureText);
    // Puts other transports in place of the real ones (tests, tools).
    void useTransports(std::unique_ptr<RobotTransport> cloud, std::unique_ptr<RobotTransport> socket,
                       std::unique_ptr<RobotTransport> webRtc);

    // --- dispatcher (link/Dispatcher.cpp) ---
    void processIncomingData(const QString &text);

    // --- status line and log (link/RobotLink.cpp) ---
    void statusBarDisplay(const QString &text, bool timer) { statusLine.statusBarDisplay(text, timer); }
    void writelogfile(const QString &text);
    QString logFilePath() const { return logFile; }

    // --- link health (link/LinkHealth.cpp) ---
    void Timer1Timer();
    void commandTimeOutTimerTimer();
    void driveTick();

    // --- sign-in and session (paths/) ---
    // Signs in to the robot chosen in the list with the credentials given.
    void signIn(const QString &userName, const QString &password);
    void Timer3Timer();
    QString getLoginString(int loginType) const;
    void callAnswered();
    void restart();
    // The orderly end of a running session, as the Disconnect button asks.
    void endSession();
    void loginUsingDirectSocket(const QString &botName);
    void loginUsingWebRTC(const QString &botName);
    void loginUsingQCS(const QString &botName);
    int ExecandReturn(const QString &commandLine);
    // the program that ends the cloud companion holding port 8817
    static QString companionStopper();
    // The drive view opened or closed: what the link keeps for a view.
    void driveViewOpened();
    void driveViewClosed();
    // The window is closing: false while it must wait for the name server
    // (asked to give up, it ends the handler that waits); otherwise the
    // session's path is told goodbye and true.
    bool closing();

    // --- accessories (link/Accessories.cpp) ---
    void headlightStep();
    void laserToggle();
    void chargeToggle();
    // Laser, head charging and headlights off, each said to the robot.
    void switchAccessoriesOff();

    void webSocketClientOnConnect();
    void webSocketClientOnMessage(const QString &text);
    void webSocketClientOnDisconnect();
    void webSocketServerOnMessage(const QString &text);

signals:
    // The Sign In button may be offered again.
    void signInReady();
    // The login was accepted with the robot's camera memories.
    void loginAccepted(const std::array<CameraMemory, 3> &memories);
    // The drive view opens (callAnswered) and closes (the end of a session).
    void sessionStarting();
    void sessionEnded();
    // Whatever ends or restarts a session lets go of the drive controls
    // (wheelsReleased sends nothing; drivePointerLost lets a held drag end
    // as its release does, with stops).
    void wheelsReleased();
    void drivePointerLost();
    // A drive command that centres the camera is leaving.
    void cameraCentreWanted();
    // The window comes to the front over a companion's window.
    void frontWanted();
    // The accessories' on/off states changed.
    void accessoriesChanged();
    void laserPresenceChanged(bool present);
    // The pings go unanswered for this long; the robot answers again (or a
    // session starts with no ping outstanding); an echo gave the delay.
    void linkSilent(qint64 seconds);
    void linkAnswering();
    void delayMeasured(const QString &text);
    void proximityReported();
    // A battery report was read; one that stops part way leaves its
    // indicator shown and empty.
    void batteryReported(const BatteryReport &report);
    void batteryReportUnreadable();
    // A wireless report was read, with the strength picture it shows
    // (NoWirelessPicture on a cable or when the strength does not read).
    void wirelessReported(const WirelessReport &report, int picture);
    // The robot told more about itself (serial numbers, head device).
    void robotFactsChanged();
    // The robot took a new password; the old one must leave the list.
    void passwordUpdated();
    // The robot listed the wireless networks it sees (networkScanText).
    void networksReported();

private:
    void connectComponents();

    // sign-in (paths/)
    void signInSteps(const QString &userName, const QString &password);
    void avReminder();
    void endWebRtcCompanion();
    void cloudCompanionLine(const QString &line);

    // dispatcher steps (link/Dispatcher.cpp)
    void loginResendStep();
    void loginAnswer(const QString &text);
    void checkOrPlaceCall();
    void passwordAnswer(const QString &text);

    // the conferencing call (paths/ConferencingCall.cpp)
    SkypeClient &conferencingClient();
    void clientShortcut(int key);
    void placeCall(const QString &peer);
    void hangUpCall();

    // robot facts and reports (link/StatusReports.cpp)
    void robotFact(MessageKind kind, const QString &text);
    void pingEcho(const QString &text);
    void proximityReport(const QString &text);
    void batteryReport(const QString &text);
    void wirelessReport(const QString &text);
    void networkScan(const QString &text);
    void laserPresentReport(const QString &text);
    void wifiSwitchAcknowledged();
    void driveAlert(const QString &text);
    void showLinkAnswering();

    QString logFile;
    StartedProgram webRtcCompanion;
    std::unique_ptr<CloudTransport> cloudSender;
    QWebSocket *webSocketClient = nullptr; // see directSocket()
    std::unique_ptr<DirectSocketTransport> socketSender;
    // the path each command leaves by: the real ones, or stand-ins
    RobotTransport *cloudTransport;
    RobotTransport *socketTransport;
    RobotTransport *webRtcTransport;
    std::vector<std::unique_ptr<RobotTransport>> standIns;
    std::unique_ptr<SkypeClient> skypeSession;
};
