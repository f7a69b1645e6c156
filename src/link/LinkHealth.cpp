// Watching the link while the drive view is open: a ping every 5 seconds
// whose echo gives the round-trip delay, and the end of the session after
// 15 seconds without any message from the robot.
#include "ui/TForm2.h"

#include "link/Fields.h"
#include "link/Numbers.h"
#include "link/Stamps.h"
#include "platform/Clock.h"

#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QTimer>

namespace {
constexpr int PingEverySeconds = 5;
}

void TForm2::Timer1Timer()
{
    const qint64 now = platform.clock->localMsecs();
    // Only the seconds within the minute of the span count, so a tick held
    // up for a minute or more waits until that field reaches 5 again.
    if (secondsFieldOf(now - linkState.lastPingTime) >= PingEverySeconds) {
        linkState.FStartTime = now;
        linkState.lastPingStamp = millisecondStamp(now);
        sendData(QStringLiteral("PING:") + linkState.lastPingStamp, 0);
        linkState.lastPingTime = now;
        if (linkState.unansweredPings++ == 0)
            linkState.firstUnansweredPingTime = now;
    }
    if (linkState.unansweredPings > 1)
        showLinkSilence(now);
    driveTick();
}

void TForm2::showLinkSilence(qint64 now)
{
    // A ping went out while the one before was still unanswered: the label
    // counts the silence in red until the robot answers again.
    const QString seconds = QString::number((now - linkState.firstUnansweredPingTime) / 1000);
    connectionDelayLabel->setText(seconds + QStringLiteral(" s"));
    connectionDelayLabel->setToolTip(QStringLiteral("No answer from the robot for ") + seconds + QStringLiteral(" s"));
    QPalette palette = connectionDelayLabel->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    connectionDelayLabel->setPalette(palette);
}

void TForm2::showLinkAnswering()
{
    linkState.unansweredPings = 0;
    connectionDelayLabel->setToolTip(QStringLiteral("Roundtrip Connection Delay"));
    connectionDelayLabel->setPalette(QPalette());
}

void TForm2::pingEcho(const QString &text)
{
    const Fields fields = splitFields(text, u':');
    const qint64 now = platform.clock->localMsecs();
    if (fields.count() == 1) {
        showLinkAnswering();
        connectionDelayLabel->setText(secondsInMinute(now - linkState.FStartTime) + u's');
    } else if (fields.at(1) == linkState.lastPingStamp) {
        const double delay = double(millisecondStamp(now).toLongLong() - readLongDecimal(fields.at(1))) / 1000.0;
        showLinkAnswering();
        connectionDelayLabel->setText(QLocale().toString(delay, 'g', 15) + QStringLiteral(" s"));
    }
    // the echo of an older ping says nothing about the link now
}

void TForm2::commandTimeOutTimerTimer()
{
    commandTimeOutTimer->stop();
    DisconnectClick();
    // the operator learns why the session ended ("Ready" alone says nothing)
    statusBarDisplay(QStringLiteral("Connection to the robot lost"), false);
}
