#include "contacts/ContactFile.h"

#include "link/LinkError.h"
#include "link/Numbers.h"
#include "platform/AnsiText.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace {

// The number of a "#" line: the text after its first ":", or the whole line.
// A robot number starts at 1, so a missing, non-decimal or lower number gives
// none and the line changes nothing: an earlier "#" line, or the default 1,
// stays in force.
std::optional<int> selectionNumber(const QString &line)
{
    const qsizetype colon = line.indexOf(u':');
    try {
        const int number = readDecimal(colon < 0 ? line : line.mid(colon + 1));
        if (number >= 1)
            return number;
    } catch (const LinkError &) {
    }
    return std::nullopt;
}

// Fields 1 to 6 each take the text before the next ","; where no "," is left
// the field is empty and the rest unchanged. Field 7 is what follows the next
// "," of the rest, or all of it. So a short line leaves middle fields empty
// and puts its tail into the camera memory text.
RobotContact cutEntry(QString rest)
{
    QString fields[6];
    for (QString &field : fields) {
        const qsizetype comma = rest.indexOf(u',');
        if (comma >= 0) {
            field = rest.left(comma);
            rest = rest.mid(comma + 1);
        }
    }
    const qsizetype comma = rest.indexOf(u',');
    const QString memories = comma < 0 ? rest : rest.mid(comma + 1);
    return RobotContact{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], memories};
}

QString entryLine(const RobotContact &c, bool withCredentials)
{
    return QStringList{c.controlPathKey,
                       c.description,
                       c.baseName,
                       c.conferencingPeer,
                       withCredentials ? c.savedUserName : QString(),
                       withCredentials ? c.savedPassword : QString(),
                       c.cameraMemoryText}
        .join(u',');
}

} // namespace

ContactFileContents readContactFile(const QByteArray &bytes)
{
    ContactFileContents contents;
    ContactList &list = contents.list;
    int lineNumber = 0;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : fromAnsi(bytes).split(lineEnd)) {
        if (line.isEmpty())
            continue;
        ++lineNumber;
        if (line.startsWith(u'#')) {
            if (const auto number = selectionNumber(line))
                list.lastSelected = *number;
        } else if (!line.contains(u',')) {
            contents.badLines.append(lineNumber);
        } else if (list.count < ContactList::Capacity) {
            list.entries[list.count++] = cutEntry(line);
        }
        // Entries beyond the eleventh of a hand-edited file are dropped
        // without a message; the next save leaves them out of the file.
    }
    if (list.lastSelected > list.count)
        list.lastSelected = 1;
    return contents;
}

QString contactListText(const RobotContact &contact)
{
    const QString shown = contact.conferencingPeer == u"PolyCom" ? QStringLiteral("Other") : contact.conferencingPeer;
    return contact.description + QStringLiteral(" (") + shown + u')';
}

ContactFileImage writeContactFile(const ContactList &list, int skipIndex)
{
    const int entries = qBound(0, list.count, ContactList::Capacity);
    // A number below 1 never comes from the file; it is mended like one
    // beyond the list, so the written file always loads as it was meant.
    const int lastSelected = list.lastSelected > entries || list.lastSelected < 1 ? 1 : list.lastSelected;

    ContactFileImage image;
    image.bytes = toAnsi(QStringLiteral("#LastSelected:%1\r\n").arg(lastSelected));
    for (int j = 0; j < entries; ++j) {
        if (j == skipIndex)
            continue;
        const bool withCredentials = skipIndex != -1 || list.rememberMe || j + 1 != lastSelected;
        image.bytes += toAnsi(entryLine(list.entries[j], withCredentials) + QStringLiteral("\r\n"));
        ++image.count;
    }
    return image;
}
