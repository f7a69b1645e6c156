#include "dialogs/WifiScan.h"

#include "link/LinkError.h"
#include "link/Numbers.h"

#include <QStringList>

namespace {

QString strengthOf(const QString &qualityText)
{
    try {
        return QString::number(roundToEven(readDecimal(qualityText) / 0.7)) + QStringLiteral("% ");
    } catch (const LinkError &) {
        return {};
    }
}

} // namespace

WifiScan decodeWifiScan(const QString &networkScanText, const QString &currentNetwork)
{
    WifiScan scan;
    const QStringList elements = networkScanText.split(u':');
    for (qsizetype n = 1; n < elements.size() && scan.rows.size() < WifiRowCapacity; ++n) {
        const qsizetype comma = elements[n].indexOf(u',');
        WifiRow row;
        row.name = elements[n].left(comma < 0 ? elements[n].size() : comma).replace(u'~', u' ');
        row.qualityText = comma < 0 ? QString() : elements[n].mid(comma + 1);
        row.strengthText = strengthOf(row.qualityText);
        row.current = row.name.trimmed() == currentNetwork.trimmed();
        scan.lastQualityText = row.qualityText;
        scan.rows.append(row);
    }
    return scan;
}

QString wifiChoiceProblem(const WifiScan &scan, int chosenRow, const QString &currentNetwork)
{
    if (chosenRow < 0 || chosenRow >= scan.rows.size())
        return QStringLiteral("Select an Wireless Network to switch to or press Cancel");
    if (scan.rows[chosenRow].name.trimmed() == currentNetwork.trimmed())
        return QStringLiteral("Wireless Network you selected is the Network being used\r\n"
                              "Select a different Network or press Cancel to exit");
    return {};
}

std::optional<QString> wifiSwitchCommand(const QString &requestedNetwork, const WifiScan &scan)
{
    if (requestedNetwork.size() < 2)
        return std::nullopt;
    return QStringLiteral("Y,") + requestedNetwork + u',' + scan.lastQualityText;
}
