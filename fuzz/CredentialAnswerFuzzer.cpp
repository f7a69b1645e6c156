// Reads arbitrary text as the cloud companion's answer to the setup wizard's
// credential request and writes config.py from it. Exactly a valid answer
// with three values Python can hold gives a file: four CR LF lines whose
// single-quoted literals read back as the answer's values.
#include "FuzzInput.h"
#include "contacts/CloudCredentials.h"

#include <QList>

namespace {

// The value of a line "<key> = '<value>'" as Python reads it: a literal
// without quotes, backslashes or anything but printable ASCII inside.
std::optional<QString> literalValue(const QByteArray &line, const QByteArray &key)
{
    const QByteArray head = key + " = '";
    if (!line.startsWith(head) || !line.endsWith('\'') || line.size() < head.size() + 1)
        return std::nullopt;
    const QByteArray inside = line.mid(head.size(), line.size() - head.size() - 1);
    for (const char c : inside) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (code < 0x20 || code > 0x7E || c == '\'' || c == '"' || c == '\\')
            return std::nullopt;
    }
    return QString::fromLatin1(inside);
}

bool isLiteral(const QString &value)
{
    return literalValue("v = '" + value.toUtf8() + '\'', "v") == value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CredentialAnswer answer = readCredentialAnswer(inputText(data, size));
    require(credentialAnswerMessage(answer.kind, false).isEmpty() == (answer.kind == CredentialAnswerKind::Unknown));
    const std::optional<QByteArray> file = cloudConfigFile(answer);
    const bool writable = answer.kind == CredentialAnswerKind::Valid && answer.values.size() >= 3 &&
                          isLiteral(answer.values[0]) && isLiteral(answer.values[1]) && isLiteral(answer.values[2]);
    require(file.has_value() == writable);
    if (!file)
        return 0;
    const QList<QByteArray> lines = file->split('\n');
    require(lines.size() == 5 && lines[4].isEmpty());
    for (int i = 0; i < 4; ++i)
        require(lines[i].endsWith('\r'));
    require(lines[0] == "#config file for QuorvelBot\r");
    const QList<QByteArray> keys{"app_id", "app_key", "app_secret"};
    for (int i = 0; i < 3; ++i)
        require(literalValue(lines[i + 1].chopped(1), keys[i]) == answer.values[i]);
    return 0;
}
