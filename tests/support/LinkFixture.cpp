#include "LinkFixture.h"

#include "platform/ApplicationFolder.h"

RecordingPaths::RecordingPaths(RobotLink &link)
{
    auto c = std::make_unique<RecordingTransport>();
    auto s = std::make_unique<RecordingTransport>();
    auto w = std::make_unique<RecordingTransport>();
    cloud = c.get();
    socket = s.get();
    webRtc = w.get();
    link.useTransports(std::move(c), std::move(s), std::move(w));
}

QStringList RecordingPaths::sent() const
{
    return cloud->written + socket->written + webRtc->written;
}

void selectRobot(ContactList &list, const QString &conferencingPeer, const QString &cameraMemoryText)
{
    list.entries[0] = {QStringLiteral("Socket"),
                       QStringLiteral("Lab bench"),
                       QStringLiteral("192.168.1.20"),
                       conferencingPeer,
                       QString(),
                       QString(),
                       cameraMemoryText};
    list.count = 1;
    list.lastSelected = 1;
}

LinkFixture::LinkFixture(bool realPaths)
    : robots(applicationFolder()), link(fake.platform(), robots, settings),
      paths(realPaths ? nullptr : std::make_unique<RecordingPaths>(link))
{
    if (paths) {
        cloud = paths->cloud;
        socket = paths->socket;
        webRtc = paths->webRtc;
    }
}
