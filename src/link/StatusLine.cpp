// The status line at the left of the status bar, and the log file.
#include "ui/TForm2.h"

#include "link/LinkError.h"
#include "link/Stamps.h"
#include "platform/AnsiText.h"
#include "platform/Clock.h"

#include <QFile>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int StatusLineLimit = 55;
}

void TForm2::statusBarDisplay(const QString &text, bool timer)
{
    statusBarLabel->setText(text.size() > StatusLineLimit ? text.left(StatusLineLimit) + QStringLiteral("..") : text);
    if (!timer)
        statusBarTimer->stop();
    else if (!statusBarTimer->isActive())
        statusBarTimer->start(); // an earlier self-clearing text keeps its deadline
}

void TForm2::statusBarTimerTimer()
{
    statusBarLabel->clear();
    statusBarTimer->stop();
}

void TForm2::writelogfile(const QString &text)
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
