#include "settings/RobotSettingsValues.h"

#include "link/Numbers.h"

#include <algorithm>

int accelerationPosition(int accelSetting)
{
    return std::clamp(accelSetting, 5, 20);
}

QString accelerationCommand(int position)
{
    return QString::asprintf("XE%.2d0000", position);
}

int padSensitivityPosition(int padSensitivity)
{
    return std::clamp(7 - padSensitivity, 0, 7);
}

int padSensitivityValue(int position)
{
    return 7 - position;
}

int driveTimeOutPosition(int driveTimeOut)
{
    return std::clamp(roundToEven(driveTimeOut / 100.0), 5, 10);
}

int driveTimeOutValue(int position)
{
    return position * 100;
}

QString driveTimeOutCommand(int driveTimeOut)
{
    return QStringLiteral("V:driveTimeOut:") + QString::number(driveTimeOut);
}
