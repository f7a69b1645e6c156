#include "contacts/SetupChoices.h"

#include <array>

namespace {

constexpr std::array Paths{SetupPath::CloudService, SetupPath::DirectSocket, SetupPath::WebRTC, SetupPath::Auto};

} // namespace

QString setupPathItemText(SetupPath path)
{
    switch (path) {
    case SetupPath::CloudService: return QStringLiteral("QuorvelBot Communications Service");
    case SetupPath::DirectSocket: return QStringLiteral("Direct Socket");
    case SetupPath::WebRTC: return QStringLiteral("WebRTC");
    case SetupPath::Auto: return QStringLiteral("Auto");
    }
    return {};
}

QString setupPathKey(SetupPath path)
{
    switch (path) {
    case SetupPath::CloudService: return QStringLiteral("QCloud");
    case SetupPath::DirectSocket: return QStringLiteral("Socket");
    case SetupPath::WebRTC: return QStringLiteral("webRTC");
    case SetupPath::Auto: return QStringLiteral("Auto");
    }
    return {};
}

std::optional<SetupPath> setupPathOfKey(const QString &key)
{
    for (const SetupPath path : Paths) {
        if (key.compare(setupPathKey(path), Qt::CaseInsensitive) == 0)
            return path;
    }
    return std::nullopt;
}

QString setupConferencingItemText(SetupConferencing conferencing)
{
    return conferencing == SetupConferencing::Skype ? QStringLiteral("Skype") : QStringLiteral("Other");
}
