#pragma once
#include "contacts/ContactList.h"
#include "settings/ControllerSettings.h"

#include <QByteArray>

// The two versions of each file the saver switches between: large enough
// that a write cut short would show.
inline ContactList savedList(int version)
{
    ContactList list;
    list.count = ContactList::Capacity;
    for (int i = 0; i < list.count; ++i)
        list.entries[size_t(i)] = {QStringLiteral("Socket"),
                                   QStringLiteral("Robot %1 v%2").arg(i).arg(version),
                                   QStringLiteral("10.0.0.%1").arg(i + 1),
                                   QStringLiteral("Other"),
                                   QString(80, QChar(u'a' + version)),
                                   QString(80, QChar(u'p' + version)),
                                   QStringLiteral("45:45:45:45:45:45")};
    return list;
}

inline ControllerSettings savedSettings(int version)
{
    ControllerSettings settings;
    settings.Logging = version == 1;
    settings.padSensitivity = version == 1 ? 7 : 2;
    settings.driveTimeOut = version == 1 ? 1500 : 500;
    return settings;
}

inline QByteArray savedConfig(int version)
{
    return QByteArray("username = \"") + QByteArray(4000, char('u' + version)) + "\"\r\n";
}
