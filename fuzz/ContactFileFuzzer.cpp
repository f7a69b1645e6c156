// Reads arbitrary bytes as the robot list "quorvelbot.ini" and writes the
// list back. The list read, written and read again, is the list written:
// fields the reader gave come back unchanged, and credentials of any text
// come back only where they fit the file, else empty. Writing what was read
// back gives the same bytes again.
//
// The first byte chooses how the list is saved: bit 0 "Remember Me", bits 1
// to 4 the entry left out (0 none). The rest is the file, optionally followed
// by NUL, a user name, NUL and a password (UTF-8) given to every entry.
#include "FuzzInput.h"
#include "contacts/ContactFile.h"

#include <QList>

namespace {

bool sameEntry(const RobotContact &a, const RobotContact &b)
{
    return a.controlPathKey == b.controlPathKey && a.description == b.description && a.baseName == b.baseName &&
           a.conferencingPeer == b.conferencingPeer && a.savedUserName == b.savedUserName &&
           a.savedPassword == b.savedPassword && a.cameraMemoryText == b.cameraMemoryText &&
           a.extraFields == b.extraFields;
}

bool sameList(const ContactList &a, const ContactList &b)
{
    if (a.count != b.count || a.lastSelected != b.lastSelected)
        return false;
    for (int i = 0; i < a.count; ++i)
        if (!sameEntry(a.entries[i], b.entries[i]))
            return false;
    return true;
}

// What the file written from list should read back as: the entry skipped
// left out, credentials kept where remembered and fitting, the selection
// mended where it no longer points into the list.
ContactList expectedReadBack(const ContactList &list, int skipIndex)
{
    const int selected = list.lastSelected < 1 || list.lastSelected > list.count ? 1 : list.lastSelected;
    ContactList expected;
    for (int j = 0; j < list.count; ++j) {
        if (j == skipIndex)
            continue;
        RobotContact entry = list.entries[j];
        const bool remembered = skipIndex != -1 || list.rememberMe || j + 1 != selected;
        if (!remembered || !credentialsFit(entry))
            entry.savedUserName = entry.savedPassword = QString();
        expected.entries[expected.count++] = entry;
    }
    expected.lastSelected = selected > expected.count ? 1 : selected;
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const unsigned char options = data[0];
    const QList<QByteArray> parts = inputBytes(data + 1, size - 1).split('\0');

    ContactList list = readContactFile(parts[0]).list;
    list.rememberMe = options & 0x01;
    const int skipIndex = int((options >> 1) & 0x0F) - 1;
    if (parts.size() > 1) {
        for (int j = 0; j < list.count; ++j) {
            list.entries[j].savedUserName = QString::fromUtf8(parts[1]);
            list.entries[j].savedPassword = QString::fromUtf8(parts.value(2));
        }
    }

    const ContactFileImage image = writeContactFile(list, skipIndex);
    const ContactFileContents reread = readContactFile(image.bytes);
    require(reread.badLines.isEmpty());
    require(reread.list.count == image.count);
    require(sameList(reread.list, expectedReadBack(list, skipIndex)));

    ContactList again = reread.list;
    again.rememberMe = true;
    const QByteArray rewritten = writeContactFile(again, -1).bytes;
    again = readContactFile(rewritten).list;
    again.rememberMe = true;
    require(writeContactFile(again, -1).bytes == rewritten);
    return 0;
}
