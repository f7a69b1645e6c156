#include "link/RobotLink.h"

#include "link/LinkError.h"
#include "link/RobotTransport.h"
#include "link/Stamps.h"
#include "paths/CloudTransport.h"
#include "paths/CompanionLineServer.h"
#include "paths/DirectSocketTransport.h"
#include "paths/NameServer.h"
#include "paths/WebRtcServerTransport.h"
#include "platform/AnsiText.h"
#include "platform/ApplicationFolder.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/SkypeClient.h"
#include "settings/ControllerSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

const QString RobotLink::ControllerVersion = QStringLiteral("3.2");

namespace {

QTimer *linkTimer(QObject *owner, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(interval);
    timer->setTimerType(Qt::PreciseTimer); // the drive tick and the time-outs keep their pace
    return timer;
}

} // namespace

RobotLink::RobotLink(const Platform &platform, RobotList &robots, const ControllerSettings &settings, QObject *parent)
    : QObject(parent), platform(platform), applicationFolder(::applicationFolder()), robots(robots), settings(settings),
      Timer1(linkTimer(this, 250)), Timer3(linkTimer(this, 30000)), commandTimeOutTimer(linkTimer(this, 15000)),
      socketConnectTimer(linkTimer(this, 4000)), IdHTTP1(std::make_unique<NameServer>()),
      webSocketServer(new QWebSocketServer(QStringLiteral("QuorvelBot"), QWebSocketServer::NonSecureMode, this)),
      webRtcServer(new WebRtcServerTransport(*webSocketServer, this)),
      IdTCPServer1(new CompanionLineServer([this](const QString &line) { cloudCompanionLine(line); }, this)),
      logFile(QDir::current().absoluteFilePath(QStringLiteral("log.txt"))),
      cloudSender(std::make_unique<CloudTransport>()),
      socketSender(std::make_unique<DirectSocketTransport>([this] { return webSocketClient; })), cloudTransport(cloudSender.get()),
      socketTransport(socketSender.get()), webRtcTransport(webRtcServer)
{
    connectComponents();
}

RobotLink::~RobotLink() = default;

void RobotLink::connectComponents()
{
    connect(Timer1, &QTimer::timeout, this, &RobotLink::Timer1Timer);
    connect(Timer3, &QTimer::timeout, this, &RobotLink::Timer3Timer);
    connect(commandTimeOutTimer, &QTimer::timeout, this, &RobotLink::commandTimeOutTimerTimer);

    socketConnectTimer->setSingleShot(true);
    connect(socketConnectTimer, &QTimer::timeout, this, [this] {
        if (webSocketClient && webSocketClient->state() != QAbstractSocket::ConnectedState)
            webSocketClient->abort();
    });
    connect(webRtcServer, &WebRtcServerTransport::textReceived, this, &RobotLink::webSocketServerOnMessage);
}

QWebSocket &RobotLink::directSocket()
{
    if (!webSocketClient) {
        webSocketClient = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
        connect(webSocketClient, &QWebSocket::connected, this, &RobotLink::webSocketClientOnConnect);
        connect(webSocketClient, &QWebSocket::textMessageReceived, this, &RobotLink::webSocketClientOnMessage);
        connect(webSocketClient, &QWebSocket::disconnected, this, &RobotLink::webSocketClientOnDisconnect);
        webSocketClient->setMaxAllowedIncomingFrameSize(LargestRobotMessage);
        webSocketClient->setMaxAllowedIncomingMessageSize(LargestRobotMessage);
    }
    return *webSocketClient;
}

int RobotLink::showBox(const BoxRequest &request)
{
    return boxOwner ? boxOwner(request) : int(platform.boxes->show(nullptr, request));
}

void RobotLink::showMessage(const QString &text)
{
    showBox({text, QCoreApplication::applicationName()});
}

void RobotLink::writelogfile(const QString &text)
{
    if (!settings.Logging)
        return;
    // Opened and closed for every line, so the log can be read or removed
    // while the controller runs.
    QFile log(logFile);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        throw LinkError(QStringLiteral("Cannot open file \"%1\". %2").arg(logFile, log.errorString()));
    const QByteArray line = toAnsi(timeOfDay(platform.clock->localMsecs()) + QStringLiteral(" : ") + text) + "\r\n";
    if (log.write(line) != line.size())
        throw LinkError(QStringLiteral("Cannot write file \"%1\". %2").arg(logFile, log.errorString()));
}
