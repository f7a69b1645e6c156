#include "paths/ControlPath.h"

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
