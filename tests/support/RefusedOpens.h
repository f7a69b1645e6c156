#pragma once
#include <QByteArray>
#include <QString>
#include <thread>

// While it lives, the system refuses every open of one file, as it would a
// file it cannot hand out; everything else in its folder opens as usual. A
// file replaced by a new one renamed over it can still be written, so only
// reading it back fails. It needs the right to vet file opens (fanotify,
// root on Linux); available() says whether it has it.
class RefusedOpens {
public:
    explicit RefusedOpens(const QString &path);
    ~RefusedOpens();
    RefusedOpens(const RefusedOpens &) = delete;
    RefusedOpens &operator=(const RefusedOpens &) = delete;

    bool available() const { return listener.joinable(); }

private:
    void answerOpens();

    QByteArray refusedPath;
    int notifier = -1;
    int stopper = -1;
    std::thread listener;
};
