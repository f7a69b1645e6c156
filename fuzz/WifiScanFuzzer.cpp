// Decodes arbitrary text as the robot's report of the wireless networks it
// sees, with the first network as the one in use, and tries switching to each
// row. At most eight rows, none holding a "~" or ":" in its name; only a row
// other than the one in use can be switched to.
#include "FuzzInput.h"
#include "dialogs/WifiScan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString report = inputText(data, size);
    const QString current = decodeWifiScan(report, QString()).rows.value(0).name;
    const WifiScan scan = decodeWifiScan(report, current);
    require(scan.rows.size() <= WifiRowCapacity);

    for (int row = -1; row <= scan.rows.size(); ++row) {
        const bool isRow = row >= 0 && row < scan.rows.size();
        const QString problem = wifiChoiceProblem(scan, row, current);
        require(problem.isEmpty() == (isRow && !scan.rows[row].current));
        if (!isRow)
            continue;
        const WifiRow &chosen = scan.rows[row];
        require(!chosen.name.contains(u'~') && !chosen.name.contains(u':'));
        require(chosen.strengthText.isEmpty() || chosen.strengthText.endsWith(QStringLiteral("% ")));
        const std::optional<QString> command = wifiSwitchCommand(chosen.name, scan);
        require(command.has_value() == (chosen.name.size() >= 2));
    }
    return 0;
}
