#include "FakePlatform.h"

#include "link/LinkError.h"

void RecordedPause::pause(int milliseconds)
{
    journal << QStringLiteral("pause %1").arg(milliseconds);
    if (onPause)
        onPause();
}

void RecordedPause::pauseRepainting(int milliseconds)
{
    journal << QStringLiteral("pause %1 repainting").arg(milliseconds);
}

BoxAnswer ScriptedBoxes::show(QWidget *, const BoxRequest &request)
{
    shown << request;
    return answers.isEmpty() ? BoxAnswer::Ok : answers.takeFirst();
}

StartedProgram RecordingShell::open(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    journal << QStringLiteral("shell %1 [%2] in [%3]").arg(program, arguments.join(u' '), workingFolder);
    if (program.isEmpty() || unstartable.contains(program))
        return {};
    return {++lastPid, 1};
}

void RecordingShell::end(const StartedProgram &program)
{
    journal << QStringLiteral("end %1").arg(program.pid);
}

void RecordingKeys::key(int virtualKey, bool down)
{
    journal << QStringLiteral("key %1 %2").arg(virtualKey).arg(down ? QStringLiteral("down") : QStringLiteral("up"));
}

namespace {

class FakeSkypeClient : public SkypeClient {
public:
    FakeSkypeClient(FakeSkypeAutomation &owner, QStringList &journal) : owner(owner), journal(journal) {}

    int activeCallCount() override
    {
        check(QStringLiteral("activeCallCount"));
        return int(owner.calls.size());
    }
    int activeCallStatus(int index) override { return call(index).status; }
    QString activeCallPartner(int index) override { return call(index).partner; }
    void focus() override { check(QStringLiteral("focus")); }
    void openMessageDialog(const QString &user, const QString &text) override
    {
        check(QStringLiteral("openMessageDialog %1 [%2]").arg(user, text));
    }
    bool isRunning() override
    {
        check(QStringLiteral("isRunning"));
        return true;
    }
    void attach(int protocol, bool wait) override { check(QStringLiteral("attach %1 %2").arg(protocol).arg(wait)); }
    QStringList friends() override
    {
        check(QStringLiteral("friends"));
        return owner.contacts;
    }

private:
    void check(const QString &operation)
    {
        journal << QStringLiteral("skype ") + operation;
        if (owner.operationsFail)
            throw LinkError(QStringLiteral("Skype is not responding"));
    }
    const FakeCall &call(int index)
    {
        check(QStringLiteral("call %1").arg(index));
        if (index < 1 || index > owner.calls.size())
            throw LinkError(QStringLiteral("no such call"));
        return owner.calls[index - 1];
    }

    FakeSkypeAutomation &owner;
    QStringList &journal;
};

} // namespace

std::unique_ptr<SkypeClient> FakeSkypeAutomation::create()
{
    journal << QStringLiteral("skype create");
    if (creationFails)
        throw LinkError(QStringLiteral("Class not registered"));
    ++created;
    return std::make_unique<FakeSkypeClient>(*this, journal);
}

int ScriptedProcesses::run(const QString &commandLine)
{
    commandLines << commandLine;
    return exitCodes.isEmpty() ? 0 : exitCodes.takeFirst();
}

FakeJoystick::FakeJoystick(int buttons, int axes, bool hat)
{
    caps.axisCount = axes;
    caps.maxAxisCount = 6;
    caps.buttonCount = buttons;
    caps.maxButtonCount = 32;
    caps.maximum.fill(65535);
    caps.hasZ = axes > 2;
    caps.hasR = axes > 3;
    caps.hasU = axes > 4;
    caps.hasV = axes > 5;
    caps.hasPOV = hat;
    caps.minPeriod = 10;
    caps.maxPeriod = 1000;
    state.axes.fill(32768);
}

std::optional<JoystickCapabilities> FakeJoysticks::capabilities(int id)
{
    if (!isAttached(id))
        return std::nullopt;
    return attached[id].caps;
}

std::optional<JoystickReading> FakeJoysticks::read(int id)
{
    if (!isAttached(id) || attached[id].readFails)
        return std::nullopt;
    return attached[id].state;
}

void FakeJoysticks::capture(int id, std::function<void(const JoystickChange &)> onChange)
{
    captured[id] = std::move(onChange);
}

bool FakeJoysticks::setThreshold(int id, quint16 threshold)
{
    if (!isAttached(id))
        return false;
    thresholds[id] = threshold;
    return true;
}

std::optional<quint16> FakeJoysticks::threshold(int id)
{
    if (!isAttached(id))
        return std::nullopt;
    return thresholds.value(id);
}
