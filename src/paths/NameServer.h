#pragma once
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <memory>

// An address on the maker's web server: the base address that
// QUORVELBOT_SERVER names (http://www.quorvelbot.com when it is unset)
// followed by path, which starts with "/".
QUrl makerServerUrl(const QString &path);

// True when a name-server reply names the robot's address or version: it is
// not "ERROR" in any letter case and has at least two characters.
bool isUsableNameServerReply(const QString &reply);

// The maker's name server, which turns a robot's base name into its address
// and tells the version of the robot's software. One object serves every
// query of the window, so cookies the server sets are sent back later.
//
// A query waits for the answer: network traffic, timers and requests to close
// a window go on meanwhile, the operator's clicks and keys are not taken. It
// raises a LinkError with the error's text when the request fails, the server
// answers with an HTTP error status, or no answer came within the answer limit.
class NameServer {
public:
    static constexpr int DefaultAnswerLimitMs = 10000;

    // Raised by a query that was abandoned. It is no LinkError, so no handler
    // takes it for a failure to report: the one that asked ends where it is.
    struct Abandoned {};

    explicit NameServer(int answerLimitMs = DefaultAnswerLimitMs) : answerLimit(answerLimitMs) {}
    int answerLimitMs() const { return answerLimit; }

    bool isWaiting() const { return pending != nullptr; }
    // Ends the waiting query at once with Abandoned; does nothing when none waits.
    void abandon();

    // "getIP=" + baseName: the reply text, trimmed.
    QString askAddress(const QString &baseName);
    // "getRobVer=" + baseName: the reply text, trimmed.
    QString askVersion(const QString &baseName);

private:
    QString ask(const QByteArray &field, const QString &baseName);

    int answerLimit;
    std::unique_ptr<QNetworkAccessManager> http; // made with the first query: the sign-in view needs none
    QNetworkReply *pending = nullptr;
    bool abandoned = false;
};
