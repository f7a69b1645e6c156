// Feeds arbitrary robot messages to the dispatcher, in every state of a
// sign-in, on a link with doubles of the platform and recording paths.
// Every input must end in a handled or an ignored message.
#include "LinkFixture.h"
#include "link/Fields.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QCoreApplication *application;
LinkFixture *fixture;

// The first byte chooses the state the messages meet; whatever the last
// input left behind is cleared first, so every input starts alike.
void prepare(LinkFixture &f, unsigned char state)
{
    f.link.linkState = LinkState();
    f.link.driveViewClosed();
    f.link.commandTimeOutTimer->stop();
    f.link.Timer3->stop();
    f.link.statusLine.statusBarTimer->stop();
    f.fake.journal.clear();
    f.fake.boxes.shown.clear();
    for (RecordingTransport *path : {f.cloud, f.socket, f.webRtc})
        path->written.clear();

    LinkState &s = f.link.linkState;
    s.loginRequested = state & 0x01;
    s.sessionOpen = state & 0x02;
    static const std::optional<ControlPath> paths[] = {std::nullopt, ControlPath::DirectSocket, ControlPath::WebRTC,
                                                       ControlPath::CloudService};
    s.activePath = paths[(state >> 2) & 3];
    s.loginType = (state >> 5) & 1;
    f.selectRobot(state & 0x40 ? QStringLiteral("lab-head") : QStringLiteral("Other"),
                  state & 0x80 ? QStringLiteral("1:2:3") : QStringLiteral("45:45:45:45:45:45"));
    f.link.userName = QStringLiteral("pilot");
    f.fake.skype.calls = {{5, QStringLiteral("lab-head")}};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // the robot list the messages may rewrite lives in a folder of its own
    static QTemporaryDir home;
    qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());
    application = new QCoreApplication(*argc, *argv);
    fixture = new LinkFixture;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    LinkFixture &f = *fixture;
    prepare(f, data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    splitFields(text, u':');
    splitFields(text, u',');
    // Each line is one message, as the cloud companion delivers them.
    for (const QString &message : text.split(u'\n')) {
        try {
            f.link.processIncomingData(message);
        } catch (const LinkError &) {
            // a message with a missing or malformed field ends where it is
        }
    }
    return 0;
}
