// Loads arbitrary text as the robot's user list and sends the list back as
// the settings dialog does. Every entry a loaded list holds reaches the robot
// as that same entry: the message, loaded again, gives the same list.
#include "FuzzInput.h"
#include "settings/UserList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const UserListLoad load = loadUserList(inputText(data, size));
    require(load.entries.size() <= UserListCapacity);
    require(!load.refused || load.entries.isEmpty());
    for (const QString &entry : load.entries) {
        require(!entry.isEmpty());
        userListLine(splitUserEntry(entry));
    }
    if (load.refused)
        return 0; // nothing is sent back

    const QString message = userListMessage(QStringLiteral("70"), load.entries);
    require(userListAddress(message) == u"70");
    const UserListLoad reload = loadUserList(message);
    require(reload.problem.isEmpty());
    require(reload.entries == load.entries);
    return 0;
}
