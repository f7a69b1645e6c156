// The audio/video call with the robot's head device, placed and ended by
// driving the conferencing client's window with its own shortcuts.
#include "link/RobotLink.h"

#include "link/LinkError.h"
#include "platform/KeyStrokes.h"
#include "platform/Pause.h"
#include "platform/SkypeClient.h"

namespace {
constexpr int KeyGroupPauseMs = 100;
}

SkypeClient &RobotLink::conferencingClient()
{
    if (!skypeSession)
        throw LinkError(QStringLiteral("The conferencing client could not be reached"));
    return *skypeSession;
}

void RobotLink::clientShortcut(int key)
{
    // Alt+A, then the key; each group of strokes after a short pause
    const auto group = [this](std::initializer_list<std::pair<int, bool>> keys) {
        platform.pause->pause(KeyGroupPauseMs);
        for (const auto &[code, down] : keys)
            platform.keys->key(code, down);
    };
    group({{KeyStrokes::Alt, true}});
    group({{KeyStrokes::KeyA, true}, {KeyStrokes::KeyA, false}});
    group({{key, true}, {key, false}});
    group({{KeyStrokes::Alt, false}});
}

void RobotLink::placeCall(const QString &peer)
{
    SkypeClient &client = conferencingClient();
    client.focus();
    client.openMessageDialog(peer, QString());
    client.focus();
    clientShortcut(KeyStrokes::KeyV); // video call
    clientShortcut(KeyStrokes::KeyC);
}

void RobotLink::hangUpCall()
{
    conferencingClient().focus();
    clientShortcut(KeyStrokes::KeyN);
}
