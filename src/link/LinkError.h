#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

// An error of the controller's own, carrying the text an operator or the log
// may be shown. Handlers that expect a failure catch it; the rest let it end
// the handler where it is.
class LinkError : public std::exception {
public:
    explicit LinkError(const QString &message) : text(message), utf8(message.toUtf8()) {}
    const QString &message() const { return text; }
    const char *what() const noexcept override { return utf8.constData(); }

private:
    QString text;
    QByteArray utf8;
};

// The message text of whatever was raised, for the boxes and log lines that
// quote it.
QString errorText(const std::exception &error);
