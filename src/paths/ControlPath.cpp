#include "paths/ControlPath.h"

#include <algorithm>

QString contactKey(ControlPath path)
{
    switch (path) {
    case ControlPath::DirectSocket: return QStringLiteral("Socket");
    case ControlPath::WebRTC: return QStringLiteral("webRTC");
    case ControlPath::CloudService: return QStringLiteral("QCloud");
    case ControlPath::Auto: break;
    }
    return QStringLiteral("Auto");
}

QString pathDisplayName(int pathAttempt)
{
    switch (pathAttempt) {
    case int(ControlPath::DirectSocket): return QStringLiteral("Direct Socket");
    case int(ControlPath::WebRTC): return QStringLiteral("WebRTC");
    case int(ControlPath::CloudService): return QStringLiteral("QCS");
    default: return {};
    }
}

std::optional<ControlPath> nextAutoPath(int pathAttempt)
{
    const auto tried = std::find(AutoOrder.begin(), AutoOrder.end(), ControlPath(pathAttempt));
    if (tried == AutoOrder.end() || tried + 1 == AutoOrder.end())
        return std::nullopt;
    return *(tried + 1);
}
