#pragma once
#include <QObject>
#include <QString>
#include <QTimer>

// The text at the left of the status bar: what the controller is doing, or
// what just happened. A self-clearing text goes after five seconds; the
// window's label follows every change.
class StatusLine : public QObject {
    Q_OBJECT

public:
    explicit StatusLine(QObject *parent = nullptr);

    QString text() const { return shown; }
    // Shows text, cut at 55 characters; with timer the text clears itself.
    void statusBarDisplay(const QString &text, bool timer);
    // Puts text on the line without touching a running clearing timer.
    void setText(const QString &text);
    void statusBarTimerTimer();

    QTimer *const statusBarTimer;

signals:
    void changed(const QString &text);

private:
    QString shown;
};
