// The login message and the start of a session.
#include "ui/TForm2.h"

#include "link/Numbers.h"
#include "paths/ControlPath.h"
#include "platform/AnsiText.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

namespace {

// The robot compares digests of the 7-bit ASCII bytes of what was typed.
QString md5Hex(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(toAscii7(text), QCryptographicHash::Md5).toHex());
}

} // namespace

QString TForm2::getLoginString(int loginType) const
{
    const bool plain = loginType == 1;
    const QString user = plain ? UserName->text() : md5Hex(UserName->text());
    const QString password = plain ? PassWord->text() : md5Hex(PassWord->text());
    return QStringLiteral("U") + user + u':' + password + u':' + revNo->text() + u':'
           + QString::number(settings.speedToMute * 10) + u':' + QString::number(settings.driveTimeOut);
}

void TForm2::callAnswered()
{
    enableDriveView();
    // bottom of the screen, centred, a little above its lower edge
    const QRect area = screen()->geometry();
    const QRect frame = frameGeometry();
    move(area.x() + roundToEven(area.width() / 2.0) - roundToEven(frame.width() / 2.0),
         area.y() + area.height() - frame.height() - roundToEven(30 * displayScale));
    linkState.inSession = true;
    updateAboutPage();
    commandTimeOutTimer->start();
    sendData(QString::asprintf("XE%.2d0000", settings.accelSetting), 0);
    statusBarDisplay(QStringLiteral("Logged in via ") + pathDisplayName(linkState.pathAttempt), true);
}
