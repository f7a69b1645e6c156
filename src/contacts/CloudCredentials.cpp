#include "contacts/CloudCredentials.h"

#include "link/Fields.h"
#include "platform/AnsiText.h"

#include <algorithm>

namespace {

bool isSafeLiteral(const QString &value)
{
    return std::all_of(value.begin(), value.end(), [](QChar ch) {
        return ch.unicode() >= 0x20 && ch.unicode() <= 0x7E && ch != u'\'' && ch != u'"' && ch != u'\\';
    });
}

} // namespace

QString cloudLoginProblem(const QString &userName, const QString &password)
{
    if (userName.size() < 2 || password.size() < 2)
        return QStringLiteral("Enter user name and password before continuing");
    return {};
}

CredentialAnswer readCredentialAnswer(const QString &reply)
{
    QStringList fields = splitFields(reply, u',').all();
    if (fields.isEmpty())
        return {};
    const QString first = fields.takeFirst();
    if (first == QStringLiteral("VALID"))
        return {CredentialAnswerKind::Valid, fields};
    if (first == QStringLiteral("INVALID")) {
        const bool wrongLogin = !fields.isEmpty() && fields.first() == QStringLiteral("1000");
        return {wrongLogin ? CredentialAnswerKind::WrongLogin : CredentialAnswerKind::NotConfigured, fields};
    }
    return {};
}

QString credentialAnswerMessage(CredentialAnswerKind kind, bool autoPath)
{
    switch (kind) {
    case CredentialAnswerKind::Valid:
        return QStringLiteral("You are authorized to use QuorvelBot Communications Services.");
    case CredentialAnswerKind::WrongLogin: return QStringLiteral("Username/Password Error.");
    case CredentialAnswerKind::NotConfigured:
        return autoPath ? QStringLiteral("Vindra is not configured for QuorvelBot Communications Service.\r\n"
                                         "Not adding QCS for Auto Path.")
                        : QStringLiteral("Vindra is not configured for QuorvelBot Communications Service.\r\n"
                                         "Please contact your IT Administrator for using this service.");
    case CredentialAnswerKind::Unknown: break;
    }
    return {};
}

std::optional<QByteArray> cloudConfigFile(const CredentialAnswer &answer)
{
    if (answer.kind != CredentialAnswerKind::Valid || answer.values.size() < 3)
        return std::nullopt;
    const QStringList values = answer.values.mid(0, 3);
    if (!std::all_of(values.begin(), values.end(), isSafeLiteral))
        return std::nullopt;
    return toAnsi(QStringLiteral("#config file for QuorvelBot\r\n"
                                 "app_id = '%1'\r\n"
                                 "app_key = '%2'\r\n"
                                 "app_secret = '%3'\r\n")
                      .arg(values[0], values[1], values[2]));
}

QString cloudConfigWriteError()
{
    return QStringLiteral("Error in writing back configuration try again.");
}

bool isUsableCloudConfig(qint64 sizeInBytes)
{
    return sizeInBytes > 100;
}
