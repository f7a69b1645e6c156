#pragma once
#include <QString>
#include <QStringList>

// The fields of a robot message split at a separator. Asking for a field
// beyond the last raises a LinkError, which ends the handling of the message.
class Fields {
public:
    explicit Fields(QStringList fields) : list(std::move(fields)) {}
    int count() const { return int(list.size()); }
    const QString &at(int index) const;
    const QStringList &all() const { return list; }

private:
    QStringList list;
};

// Splits text into fields:
// - leading blanks and control characters (codes 1 to 32) are skipped;
// - a field that starts with a double quote runs to the matching closing
//   quote (or the end), a doubled quote standing for one;
// - any other field runs up to the next separator, blank or control character;
// - after a field, blanks and control characters are skipped, and a
//   separator is consumed with the blanks after it; a separator that is the
//   very last character adds one empty field.
// So "a::b" gives a, "", b; "a b:c" gives a, b, c; "a:" gives a, "".
Fields splitFields(const QString &text, QChar separator);

// The characters after the first ":" of a message, or the whole message when
// it has none.
QString textAfterColon(const QString &message);
