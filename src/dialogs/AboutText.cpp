#include "dialogs/AboutText.h"

#include <QStringList>

QString aboutRobotBody(const RobotIdentity &robot)
{
    const QString &model = robot.robotModel;
    const bool tableTop = model.startsWith(u'T');
    const QString serialCode = model.mid(4, 2);
    const QString firmware = tableTop ? model.mid(0, 2) : model.mid(1, 1);
    const QString hardware = tableTop ? model.mid(2, 2) : model.mid(3, 1);

    QStringList lines{QStringLiteral("Device Holder: ") + robot.headType};
    if (tableTop)
        lines << QStringLiteral("Serial Number: lindmerevindra") + serialCode;
    else if (serialCode == QStringLiteral("AA"))
        lines << QStringLiteral("Serial Number: quorvelbotvindra") + robot.robotSerialNumber;
    else if (serialCode != QStringLiteral("ff"))
        lines << QStringLiteral("Serial Number: quorvelbotvindra") + serialCode;
    lines << QStringLiteral("Robot Application Version: ") + model.mid(6)
          << QStringLiteral("Firmware Version: ") + firmware << QStringLiteral("Hardware Version: ") + hardware;
    const QString &board = robot.boardSerialNumber;
    const bool boardKnown = !board.isEmpty() && board != QStringLiteral("255") && board != QStringLiteral("0");
    lines << QStringLiteral("Hardware Serial Number: ") + (boardKnown ? board : serialCode);
    return lines.join(QStringLiteral("\r\n"));
}

QString aboutRobotHeading(const QString &description)
{
    return u'"' + description + QStringLiteral("\" Configuration");
}
