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

constexpr qsizetype FieldCount = 7;

// The fields in order, as many as the line has: a short line leaves the rest
// empty, and a long line keeps everything from its seventh "," on for the
// next write. So no save moves a field of a hand-edited line or loses one.
RobotContact cutEntry(const QString &line)
{
    QStringList fields = line.split(u',');
    const QString extra = fields.size() > FieldCount ? u',' + fields.mid(FieldCount).join(u',') : QString();
    fields.resize(FieldCount);
    return RobotContact{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], extra};
}

bool fitsField(const QString &text)
{
    static const QRegularExpression unstorable(QStringLiteral("[,\r\n]"));
    return !text.contains(unstorable) && fromAnsi(toAnsi(text)) == text;
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
               .join(u',') +
           c.extraFields;
}

} // namespace

ContactFileContents readContactFile(const QByteArray &bytes)
{
    ContactFileContents contents;
    ContactList &list = contents.list;
    int lineNumber = 0;
    for (const QString &line : textFileLines(bytes)) {
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
        const RobotContact &entry = list.entries[j];
        const bool remembered = skipIndex != -1 || list.rememberMe || j + 1 != lastSelected;
        image.bytes += toAnsi(entryLine(entry, remembered && credentialsFit(entry)) + QStringLiteral("\r\n"));
        ++image.count;
    }
    return image;
}

bool credentialsFit(const RobotContact &contact)
{
    return fitsField(contact.savedUserName) && fitsField(contact.savedPassword);
}
