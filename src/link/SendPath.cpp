// The one exit for commands to the robot: picks the session's path and frames
// the text for it.
#include "link/RobotLink.h"

#include "controls/DriveMixing.h"
#include "link/Framing.h"
#include "link/LinkError.h"
#include "link/RobotTransport.h"
#include "platform/Clock.h"

void RobotLink::sendData(const QString &text, int checkCall)
{
    Q_UNUSED(checkCall) // administrative commands pass 1; the path treats them alike
    if (linkState.pathCloud())
        sendViaQuorvelCloud(text);
    else if (linkState.pathSocket())
        sendViaSocketConn(text);
    else if (linkState.pathWebRtc())
        sendViaWebRTC(text);
    // with no path a command is dropped without notice
}

void RobotLink::sendViaQuorvelCloud(const QString &text)
{
    // A cloud send never troubles its caller: a companion that is not there
    // simply loses the message.
    try {
        cloudTransport->writeText(cloudFrame(linkState.cloudSessionId, text));
    } catch (...) {
    }
}

void RobotLink::sendViaSocketConn(const QString &text)
{
    try {
        const QString framed = socketFrame(platform.clock->localMsecs(), text);
        if (socketTransport->isReady())
            socketTransport->writeText(framed);
    } catch (const std::exception &error) {
        writelogfile(errorText(error));
    }
}

void RobotLink::sendViaWebRTC(const QString &text)
{
    // Errors reach the caller, which shows or logs its own failure text.
    if (webRtcTransport->isReady())
        webRtcTransport->writeText(text);
}

void RobotLink::sendStops(const QString &failureText)
{
    try {
        for (int i = 0; i < 3; ++i)
            sendData(StopCommand, 0);
    } catch (const std::exception &) {
        writelogfile(failureText);
    }
}

void RobotLink::useTransports(std::unique_ptr<RobotTransport> cloud, std::unique_ptr<RobotTransport> socket,
                           std::unique_ptr<RobotTransport> webRtc)
{
    cloudTransport = cloud.get();
    socketTransport = socket.get();
    webRtcTransport = webRtc.get();
    standIns.clear();
    standIns.push_back(std::move(cloud));
    standIns.push_back(std::move(socket));
    standIns.push_back(std::move(webRtc));
}
