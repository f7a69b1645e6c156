// The controller's pure functions on the hot paths: every message the robot
// sends is split and classified, every drive tick mixes and frames, every
// start reads the two files.
#include "contacts/ContactFile.h"
#include "controls/DriveMixing.h"
#include "link/Fields.h"
#include "link/Framing.h"
#include "link/MessageKind.h"
#include "settings/SettingsFile.h"

#include <benchmark/benchmark.h>

namespace {

const QStringList RobotMessages{
    QStringLiteral("WOfficeLAN:60"),      QStringLiteral("bd12,3.5,45"),       QStringLiteral("S:12:34:56:78"),
    QStringLiteral("PING:1418647387045"), QStringLiteral("AUTH:1:80:x:M3:7F"), QStringLiteral("robotSerialNumber:R1"),
};

void splitFieldsOfAReport(benchmark::State &state)
{
    const QString report = QStringLiteral("AUTH:1:80:TRUE:M3:7F:2");
    for (auto _ : state)
        benchmark::DoNotOptimize(splitFields(report, u':'));
}
BENCHMARK(splitFieldsOfAReport);

void classifyMessages(benchmark::State &state)
{
    for (auto _ : state)
        for (const QString &message : RobotMessages)
            benchmark::DoNotOptimize(classifyMessage(message));
    state.SetItemsProcessed(state.iterations() * RobotMessages.size());
}
BENCHMARK(classifyMessages);

void mixThePad(benchmark::State &state)
{
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(padToWheels(x, 160 - x % 160, 1.0, 3));
        x = (x + 7) % 220;
    }
}
BENCHMARK(mixThePad);

void frameForTheSocket(benchmark::State &state)
{
    const QString command = QStringLiteral("L050R050");
    qint64 now = 1418647387045;
    for (auto _ : state)
        benchmark::DoNotOptimize(socketFrame(now++, command));
}
BENCHMARK(frameForTheSocket);

void readAFullRobotList(benchmark::State &state)
{
    QByteArray file = "#LastSelected:3\r\n";
    for (int i = 0; i < ContactList::Capacity; ++i)
        file += "Socket,Robot " + QByteArray::number(i) + ",10.0.0." + QByteArray::number(i + 1)
                + ",Other,pilot,secret,45:45:45:45:45:45\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(readContactFile(file));
}
BENCHMARK(readAFullRobotList);

void readTheSettings(benchmark::State &state)
{
    const QByteArray file = "Logging:FALSE\r\nAlwaysontop:FALSE\r\nspeedToMute:0\r\npadSensitivity:3\r\n"
                            "pointNDrive:FALSE\r\nautoAnswer:FALSE\r\ncheckForUpdates:TRUE\r\nautoCenter:FALSE\r\n"
                            "driveTimeOut:500\r\naccelSetting:10\r\n";
    const ControllerSettings previous;
    for (auto _ : state)
        benchmark::DoNotOptimize(readSettingsFile(file, previous, QString()));
}
BENCHMARK(readTheSettings);

} // namespace

BENCHMARK_MAIN();
