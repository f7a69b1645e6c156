#pragma once
#include <QString>
#include <functional>
#include <memory>

// One controller per desktop user. The first instance holds a named lock and
// answers the next one's knock; a later instance finds the lock taken.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // Takes the lock named name. False when another instance holds it; raises
    // a LinkError when the lock cannot be made at all.
    virtual bool acquire(const QString &name) = 0;
    // Called by the first instance when a later one knocks: it brings its
    // window forward when the title is the one asked for.
    virtual void onKnock(std::function<void(const QString &title)> handler) = 0;
    // Asks the instance holding the lock to bring its window titled title to
    // the front, if it has one.
    virtual void knock(const QString &title) = 0;
};

// A lock file in the user's runtime folder and a local socket of the same
// name for the knock.
class LocalSingleInstance : public SingleInstance {
public:
    LocalSingleInstance();
    ~LocalSingleInstance() override;
    bool acquire(const QString &name) override;
    void onKnock(std::function<void(const QString &title)> handler) override;
    void knock(const QString &title) override;

private:
    struct State;
    std::unique_ptr<State> state;
};
