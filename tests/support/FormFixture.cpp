#include "FormFixture.h"

FormFixture::FormFixture(bool realPaths) : form(std::make_unique<TForm2>(fake.platform()))
{
    if (realPaths)
        return;
    auto c = std::make_unique<RecordingTransport>();
    auto s = std::make_unique<RecordingTransport>();
    auto w = std::make_unique<RecordingTransport>();
    cloud = c.get();
    socket = s.get();
    webRtc = w.get();
    form->useTransports(std::move(c), std::move(s), std::move(w));
}

QStringList FormFixture::sent() const
{
    return cloud ? cloud->written + socket->written + webRtc->written : QStringList();
}

void FormFixture::selectRobot(const QString &conferencingPeer, const QString &cameraMemoryText)
{
    form->contactList.entries[0] = {QStringLiteral("Socket"), QStringLiteral("Lab bench"),
                                    QStringLiteral("192.168.1.20"), conferencingPeer, QString(), QString(),
                                    cameraMemoryText};
    form->contactList.count = 1;
    form->contactList.lastSelected = 1;
}
