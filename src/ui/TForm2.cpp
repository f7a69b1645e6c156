#include "ui/TForm2.h"

#include "link/LinkError.h"
#include "link/RobotTransport.h"
#include "paths/CloudTransport.h"
#include "paths/DirectSocketTransport.h"
#include "paths/WebRtcServerTransport.h"
#include "platform/MessageBoxes.h"
#include "platform/SkypeClient.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

QTimer *windowTimer(QObject *owner, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(interval);
    timer->setTimerType(Qt::PreciseTimer); // the drive tick and the time-outs keep their pace
    return timer;
}

} // namespace

TForm2::TForm2(const Platform &platform, QWidget *parent)
    : QMainWindow(parent),
      platform(platform),
      Timer1(windowTimer(this, 250)),
      Timer3(windowTimer(this, 30000)),
      commandTimeOutTimer(windowTimer(this, 15000)),
      statusBarTimer(windowTimer(this, 5000)),
      mTimer(windowTimer(this, 2500)),
      userTimer(windowTimer(this, 500)),
      LoginTimer(windowTimer(this, 500)),
      webSocketClient(new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this)),
      webSocketServer(new QWebSocketServer(QStringLiteral("QuorvelBot"), QWebSocketServer::NonSecureMode, this)),
      logFile(QDir::current().absoluteFilePath(QStringLiteral("log.txt")))
{
    createControls();
    connect(statusBarTimer, &QTimer::timeout, this, &TForm2::statusBarTimerTimer);

    cloudTransport = std::make_unique<CloudTransport>();
    socketTransport = std::make_unique<DirectSocketTransport>(*webSocketClient);
    webRtcTransport = std::make_unique<WebRtcServerTransport>(*webSocketServer);
}

TForm2::~TForm2() = default;

void TForm2::createControls()
{
    setWindowTitle(QStringLiteral("QuorvelBot Vindra"));
    auto *client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(625, 381);

    auto *versionCaption = new QLabel(QStringLiteral("Version:"), client);
    versionCaption->setGeometry(15, 111, 44, 14);
    revNo = new QLabel(QStringLiteral("3.2"), client);
    revNo->setGeometry(59, 111, 18, 14);

    UserName = new QLineEdit(QStringLiteral("Username"), client);
    UserName->setGeometry(10, 271, 105, 24);
    PassWord = new QLineEdit(QStringLiteral("********"), client);
    PassWord->setEchoMode(QLineEdit::Password);
    PassWord->setGeometry(120, 271, 105, 24);
    SignIn = new QPushButton(QStringLiteral("Sign In"), client);
    SignIn->setToolTip(QStringLiteral("Press to sign in"));
    SignIn->setGeometry(8, 315, 107, 27);
    CheckBox1 = new QCheckBox(QStringLiteral("Remember Me"), client);
    CheckBox1->setGeometry(72, 347, 97, 16);

    Panel1 = new QFrame(client);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setGeometry(-2, 167, 625, 29);
    statusBarLabel = new QLabel(Panel1);
    statusBarLabel->setGeometry(3, 6, 330, 14);
    connectionDelayLabel = new QLabel(QStringLiteral("00.000s"), Panel1);
    connectionDelayLabel->setToolTip(QStringLiteral("Roundtrip Connection Delay"));
    connectionDelayLabel->setGeometry(455, 4, 44, 14);
    Panel2 = new QFrame(Panel1);
    Panel2->setGeometry(514, 2, 55, 19);
    wifipanel = new QFrame(Panel1);
    wifipanel->setGeometry(576, 2, 31, 21);
}

int TForm2::showBox(const BoxRequest &request)
{
    return int(platform.boxes->show(this, request));
}

void TForm2::showMessage(const QString &text)
{
    showBox({text, QApplication::applicationName()});
}

void TForm2::stayOnTop(bool on)
{
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible)
        show();
}

void TForm2::centreOnScreen()
{
    const QRect area = screen()->geometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

RobotContact &TForm2::selectedContact()
{
    const int index = contactList.lastSelected - 1;
    if (index < 0 || index >= ContactList::Capacity)
        throw LinkError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return contactList.entries[size_t(index)];
}
