#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The cloud-service credentials of a robot: the companion's answer to the
// wizard's request, and the file "Data/<description>/config.py" the companion
// later reads them from.

// Before a request: user name and password of at least two characters each.
QString cloudLoginProblem(const QString &userName, const QString &password);

enum class CredentialAnswerKind {
    Valid,         // "VALID" and the three values
    WrongLogin,    // "INVALID" with the code 1000
    NotConfigured, // "INVALID" with any other code, or none
    Unknown,       // any other first field: the answer is ignored
};

struct CredentialAnswer {
    CredentialAnswerKind kind = CredentialAnswerKind::Unknown;
    QStringList values; // the fields after the first: app_id, app_key, app_secret when valid
};

// The fields of the answer at "," (a blank also separates, a double-quoted
// field may hold either).
CredentialAnswer readCredentialAnswer(const QString &reply);

// The box the answer gives; autoPath: the robot's control path is Auto, where
// a robot without the service is added without it. Unknown gives none.
QString credentialAnswerMessage(CredentialAnswerKind kind, bool autoPath);

// The four CR LF lines of config.py for a valid answer. The values become
// Python string literals, so an answer with fewer than three values or with a
// value holding anything but printable ASCII other than quotes and the
// backslash is refused: none, and the wizard writes nothing.
std::optional<QByteArray> cloudConfigFile(const CredentialAnswer &answer);

// The box when config.py is refused, could not be written or is too short.
QString cloudConfigWriteError();

// A config.py counts only when it is larger than 100 bytes.
bool isUsableCloudConfig(qint64 sizeInBytes);
