#include "contacts/RobotList.h"

#include "contacts/ContactFile.h"
#include "link/LinkError.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>

const QString RobotList::FileName = QStringLiteral("quorvelbot.ini");

RobotContact &RobotList::selectedContact()
{
    const int index = contactList.lastSelected - 1;
    if (index < 0 || index >= ContactList::Capacity)
        throw LinkError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return contactList.entries[size_t(index)];
}

bool RobotList::load(QList<int> &badLines)
{
    contactList.count = 0;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const ContactFileContents contents = readContactFile(file.readAll());
    badLines = contents.badLines;
    const bool rememberMe = contactList.rememberMe;
    contactList = contents.list;
    contactList.rememberMe = rememberMe;
    return true;
}

void RobotList::save(int skipIndex) const
{
    writeFileReplacing(QDir(folder).filePath(FileName), writeContactFile(contactList, skipIndex).bytes, true);
}
