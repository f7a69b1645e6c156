#pragma once
#include "link/LinkError.h"
#include "platform/Clock.h"
#include "platform/Joysticks.h"
#include "platform/KeyStrokes.h"
#include "platform/MessageBoxes.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/ProcessRunner.h"
#include "platform/Screensaver.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/SkypeClient.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <functional>

// Test doubles of the platform services. Pauses, key strokes, shell starts and
// conferencing-client calls all go into one journal, so a test can read their
// order.

class FixedClock : public Clock {
public:
    qint64 now = 0;
    qint64 localMsecs() const override { return now; }
    qint64 tickMsecs() const override { return now; }
};

class RecordedPause : public Pause {
public:
    explicit RecordedPause(QStringList &journal) : journal(journal) {}
    std::function<void()> onPause; // runs at each blocking pause, as the event loop stands still
    void pause(int milliseconds) override;
    void pauseRepainting(int milliseconds) override;

private:
    QStringList &journal;
};

class ScriptedBoxes : public MessageBoxes {
public:
    QList<BoxRequest> shown;
    QList<BoxAnswer> answers; // taken in order; Ok when none is left
    BoxAnswer show(QWidget *owner, const BoxRequest &request) override;
};

// Starts nothing: each start is journalled with its arguments joined by
// blanks and succeeds, unless the program is empty or one of unstartable.
class RecordingShell : public Shell {
public:
    explicit RecordingShell(QStringList &journal) : journal(journal) {}
    StartedProgram open(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    void end(const StartedProgram &program) override;
    QString pythonInterpreter() override { return interpreter; }
    qint64 lastPid = 1000;
    QString interpreter = QStringLiteral("/usr/bin/python3"); // empty: none is installed
    QStringList unstartable;

private:
    QStringList &journal;
};

class RecordingKeys : public KeyStrokes {
public:
    explicit RecordingKeys(QStringList &journal) : journal(journal) {}
    void key(int virtualKey, bool down) override;

private:
    QStringList &journal;
};

// A conferencing client whose calls the test sets up.
struct FakeCall {
    int status = SkypeClient::CallInProgress;
    QString partner;
};

class FakeSkypeAutomation : public SkypeAutomation {
public:
    explicit FakeSkypeAutomation(QStringList &journal) : journal(journal) {}
    std::unique_ptr<SkypeClient> create() override;

    bool creationFails = false;
    bool operationsFail = false;
    int created = 0;
    QList<FakeCall> calls;
    QStringList contacts;

private:
    QStringList &journal;
};

// The lock of a controller started alone, or of a second one.
class FakeInstance : public SingleInstance {
public:
    bool anotherRuns = false;
    bool lockFails = false;
    QStringList knocks;
    std::function<void(const QString &)> knocked;

    bool acquire(const QString &) override
    {
        if (lockFails)
            throw LinkError(QStringLiteral("Cannot create the lock"));
        return !anotherRuns;
    }
    void onKnock(std::function<void(const QString &)> handler) override { knocked = std::move(handler); }
    void knock(const QString &title) override { knocks << title; }
};

// Child processes that are not started: each command line is recorded and
// answered with the next scripted exit code, 0 when none is left.
class ScriptedProcesses : public ProcessRunner {
public:
    QStringList commandLines;
    QList<int> exitCodes;
    int run(const QString &commandLine) override;
};

class RecordedPointer : public Pointer {
public:
    QList<QPoint> moves;
    void moveTo(QPoint screenPoint) override { moves << screenPoint; }
};

// A game controller the test sets up: by default a centred two-axis stick
// with raw limits 0..65535 and polling periods 10..1000 ms.
struct FakeJoystick {
    FakeJoystick(int buttons, int axes, bool hat = false);

    JoystickCapabilities caps;
    JoystickReading state;
    bool readFails = false;
};

// The attached controllers, listed in system order; a test plugs and unplugs
// them and sends the changes a watched one reports.
class FakeJoysticks : public Joysticks {
public:
    QList<FakeJoystick> attached;
    QMap<int, std::function<void(const JoystickChange &)>> captured;
    QMap<int, quint16> thresholds;

    void report(int id, const JoystickChange &change) { captured.value(id)(change); }

    int deviceCount() override { return int(attached.size()); }
    std::optional<JoystickCapabilities> capabilities(int id) override;
    std::optional<JoystickReading> read(int id) override;
    bool isAttached(int id) override { return id < attached.size(); }
    void capture(int id, std::function<void(const JoystickChange &)> onChange) override;
    void releaseCapture(int id) override { captured.remove(id); }
    bool setThreshold(int id, quint16 threshold) override;
    std::optional<quint16> threshold(int id) override;
};

class RecordedScreensaver : public Screensaver {
public:
    explicit RecordedScreensaver(QStringList &journal) : journal(journal) {}
    void restartIdleTime() override { journal << QStringLiteral("screensaver idle time restarted"); }

private:
    QStringList &journal;
};

class FakePlatform {
public:
    FakePlatform() : pause(journal), shell(journal), keys(journal), skype(journal), screensaver(journal) {}
    Platform platform()
    {
        return {&clock,    &pause,     &boxes,   &shell,     &skype,      &keys,
                &instance, &processes, &pointer, &joysticks, &screensaver};
    }

    QStringList journal;
    FixedClock clock;
    RecordedPause pause;
    ScriptedBoxes boxes;
    RecordingShell shell;
    RecordingKeys keys;
    FakeSkypeAutomation skype;
    FakeInstance instance;
    ScriptedProcesses processes;
    RecordedPointer pointer;
    FakeJoysticks joysticks;
    RecordedScreensaver screensaver;
};
