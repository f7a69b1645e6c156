#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Whether the versions published on the maker's web server are newer than
// the controller's and the robot application's, and what the operator is
// told about it.

// A published version is newer when the local one compares lower as text:
// character by character ignoring case, a prefix lower than the longer text.
// So 3.3 is newer than 3.2, 3.10 is not, and "3.2 " is.
bool isNewerVersion(const QString &localVersion, const QString &publishedVersion);

// The version a downloaded file publishes: its first line, up to the first CR
// or LF, untrimmed.
QString publishedVersion(const QByteArray &fileBody);

// The robot application's version as the check compares it: characters 7 to
// 9 of the robot's model text.
QString robotApplicationVersion(const QString &robotModel);

// The start-up check's warning (captioned "Updates"), or empty when the
// controller is up to date.
QString controllerUpdateNotice(const QString &controllerVersion, const QString &publishedControllerVersion);

struct ManualUpdateCheck {
    QString controllerVersion;
    std::optional<QString> publishedController; // none: its download failed
    bool inSession = false;                     // only then is the robot's version known and fetched
    QString robotVersion;
    std::optional<QString> publishedRobot; // none: not fetched, or its download failed
};

// The report of the About page's check, lines joined by CR LF: the
// controller's line (none when its download failed), then the robot's line,
// or outside a session the request to log in. Empty when nothing is to be
// shown.
QString manualUpdateReport(const ManualUpdateCheck &check);
