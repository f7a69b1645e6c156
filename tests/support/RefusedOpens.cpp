#include "RefusedOpens.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/fanotify.h>
#include <unistd.h>

RefusedOpens::RefusedOpens(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = file.absoluteDir().canonicalPath();
    refusedPath = QFile::encodeName(folder + u'/' + file.fileName());
    notifier = fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY | O_LARGEFILE);
    if (notifier < 0)
        return;
    stopper = eventfd(0, EFD_CLOEXEC);
    if (stopper < 0 || fanotify_mark(notifier, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_EVENT_ON_CHILD, AT_FDCWD,
                                     QFile::encodeName(folder).constData()) != 0)
        return;
    listener = std::thread([this] { answerOpens(); });
}

RefusedOpens::~RefusedOpens()
{
    if (listener.joinable()) {
        const quint64 one = 1;
        (void)!write(stopper, &one, sizeof one);
        listener.join();
    }
    // opens still waiting for an answer are let through when the notifier closes
    if (stopper >= 0)
        close(stopper);
    if (notifier >= 0)
        close(notifier);
}

// Every open in the folder waits for an answer here, so each one gets one.
void RefusedOpens::answerOpens()
{
    pollfd waiting[] = {{notifier, POLLIN, 0}, {stopper, POLLIN, 0}};
    while (poll(waiting, 2, -1) > 0 && !(waiting[1].revents & POLLIN)) {
        alignas(fanotify_event_metadata) char buffer[4096];
        ssize_t length = read(notifier, buffer, sizeof buffer);
        for (auto *event = reinterpret_cast<fanotify_event_metadata *>(buffer); FAN_EVENT_OK(event, length);
             event = FAN_EVENT_NEXT(event, length)) {
            if (event->fd < 0)
                continue;
            char opened[PATH_MAX];
            const QByteArray link = "/proc/self/fd/" + QByteArray::number(event->fd);
            const ssize_t size = readlink(link.constData(), opened, sizeof opened);
            const bool refused = size >= 0 && QByteArray(opened, int(size)) == refusedPath;
            const fanotify_response answer{event->fd, __u32(refused ? FAN_DENY : FAN_ALLOW)};
            (void)!write(notifier, &answer, sizeof answer);
            close(event->fd);
        }
    }
}
