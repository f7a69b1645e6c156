#include "controls/CameraCommands.h"

#include "link/Numbers.h"

#include <QStringList>
#include <algorithm>

namespace {

QString cameraCommand(const char *key, int value)
{
    return QLatin1String(key) + QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0')) + QLatin1String("00");
}

} // namespace

int clampCameraPosition(int position)
{
    return std::clamp(position, 0, 90);
}

QString panCommand(int panPosition)
{
    return cameraCommand("MKP", 180 - 2 * clampCameraPosition(panPosition));
}

QString tiltCommand(int tiltPosition)
{
    const int p = clampCameraPosition(tiltPosition);
    const int value = p <= 45 ? p + 45 : 90 + roundToEven((p - 45) * 4 / 3.0);
    return cameraCommand("MKT", value);
}

QString cameraMemoryText(const std::array<CameraMemory, 3> &memories)
{
    QStringList numbers;
    for (const CameraMemory &memory : memories)
        numbers << QString::number(memory.tilt) << QString::number(memory.pan);
    return numbers.join(u':');
}
