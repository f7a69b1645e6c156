#include "link/StatusLine.h"

namespace {
constexpr int StatusLineLimit = 55;
constexpr int ClearAfterMs = 5000;
} // namespace

StatusLine::StatusLine(QObject *parent) : QObject(parent), statusBarTimer(new QTimer(this))
{
    statusBarTimer->setInterval(ClearAfterMs);
    statusBarTimer->setTimerType(Qt::PreciseTimer);
    connect(statusBarTimer, &QTimer::timeout, this, &StatusLine::statusBarTimerTimer);
}

void StatusLine::statusBarDisplay(const QString &text, bool timer)
{
    setText(text.size() > StatusLineLimit ? text.left(StatusLineLimit) + QStringLiteral("..") : text);
    if (!timer)
        statusBarTimer->stop();
    else if (!statusBarTimer->isActive())
        statusBarTimer->start(); // an earlier self-clearing text keeps its deadline
}

void StatusLine::setText(const QString &text)
{
    shown = text;
    emit changed(shown);
}

void StatusLine::statusBarTimerTimer()
{
    setText(QString());
    statusBarTimer->stop();
}
