// Feeds arbitrary robot messages to the dispatcher, in every state of a
// sign-in, on a window with doubles of the platform and recording paths.
// Every input must end in a handled or an ignored message.
#include "FormFixture.h"
#include "link/Fields.h"

#include <QApplication>
#include <QLineEdit>

namespace {

QApplication *application;

// The first byte chooses the state the messages meet.
void prepare(FormFixture &f, unsigned char state)
{
    LinkState &s = f.form->linkState;
    s.loginRequested = state & 0x01;
    s.sessionOpen = state & 0x02;
    s.pathSocket = state & 0x04;
    s.pathWebRtc = state & 0x08;
    s.pathCloud = state & 0x10;
    s.loginType = (state >> 5) & 1;
    f.selectRobot(state & 0x40 ? QStringLiteral("lab-head") : QStringLiteral("Other"),
                  state & 0x80 ? QStringLiteral("1:2:3") : QStringLiteral("45:45:45:45:45:45"));
    f.form->UserName->setText(QStringLiteral("pilot"));
    f.fake.skype.calls = {{5, QStringLiteral("lab-head")}};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    FormFixture f;
    prepare(f, data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    splitFields(text, u':');
    splitFields(text, u',');
    // Each line is one message, as the cloud companion delivers them.
    for (const QString &message : text.split(u'\n')) {
        try {
            f.form->processIncomingData(message);
        } catch (const LinkError &) {
            // a message with a missing or malformed field ends where it is
        }
    }
    return 0;
}
