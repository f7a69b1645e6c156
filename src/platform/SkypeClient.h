#pragma once
#include <QString>
#include <QStringList>
#include <memory>

// The conferencing client that carries the audio/video call to the robot's
// head device. Every operation may raise a LinkError.
class SkypeClient {
public:
    static constexpr int CallInProgress = 5;

    virtual ~SkypeClient() = default;
    virtual int activeCallCount() = 0;
    // index counts from 1, as the client does
    virtual int activeCallStatus(int index) = 0;
    virtual QString activeCallPartner(int index) = 0;
    virtual void focus() = 0;
    virtual void openMessageDialog(const QString &user, const QString &text) = 0;
    virtual bool isRunning() = 0;
    virtual void attach(int protocol, bool wait) = 0;
    virtual QStringList friends() = 0;
};

// Creates the client object; raises a LinkError when that is not possible.
class SkypeAutomation {
public:
    virtual ~SkypeAutomation() = default;
    virtual std::unique_ptr<SkypeClient> create() = 0;
};

// There is no Skype desktop client with an automation interface on this
// platform: the object reports no call, no contacts and a client that is not
// running, and the window operations do nothing.
class AbsentSkypeAutomation : public SkypeAutomation {
public:
    std::unique_ptr<SkypeClient> create() override;
};
