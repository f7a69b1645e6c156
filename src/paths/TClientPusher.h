#pragma once
#include <QRunnable>
#include <QString>

// Carries one framed message to the cloud companion: connects to port 8817 of
// iptosend, writes the text as one CR LF line of 7-bit ASCII, disconnects and
// ends. Every failure ends it silently; the message is then lost.
class TClientPusher : public QRunnable {
public:
    static constexpr quint16 CompanionPort = 8817;

    TClientPusher(QString msgtosend, QString iptosend);
    void run() override;

    const QString msgtosend;
    const QString iptosend;
};
