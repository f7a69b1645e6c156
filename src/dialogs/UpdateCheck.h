#pragma once
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class RobotLink;
struct ManualUpdateCheck;

// Asks the maker's web server whether a newer controller or robot
// application is published, and tells the operator. The one-line version
// files are fetched in the background into memory: the window keeps working
// and painting while a download waits, and no download waits longer than the
// answer limit.
class UpdateCheck : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultAnswerLimitMs = 10000;
    // A version file is one short line; a longer answer is not one.
    static constexpr qint64 LargestFileBytes = 64 * 1024;
    static const QString ControllerFile;
    static const QString RobotFile;

    explicit UpdateCheck(RobotLink &link, int answerLimitMs = DefaultAnswerLimitMs, QObject *parent = nullptr);

    // The body of a downloaded file, or none when the download failed.
    using Downloaded = std::function<void(const std::optional<QByteArray> &body)>;
    // GETs the file at path on the maker's web server, following redirects.
    // done runs later with the body, or with none for any failure: no
    // connection, an HTTP error status, no complete answer within the answer
    // limit, or a body too large for a version file.
    void GetInetFileIndy(const QString &path, Downloaded done);

    // The start-up check of the controller's version: a box when the server
    // cannot be reached or a newer controller is published. then runs once the
    // check is over, its box closed.
    void checkforUpdates(std::function<void()> then = {});
    // The About page's check: the controller's version, and during a session
    // the robot application's, in one report. A second request while a check
    // runs is not taken.
    void checkOnDemand();
    bool isChecking() const { return checksRunning > 0; }
    int answerLimitMs() const { return answerLimit; }

signals:
    // A check began or ended.
    void checkingChanged(bool checking);

private:
    void begin();
    void end();
    void showConnectionError();
    void report(const ManualUpdateCheck &check);

    RobotLink &link;
    int answerLimit;
    int checksRunning = 0;
    std::unique_ptr<QNetworkAccessManager> http; // made with the first download
};
