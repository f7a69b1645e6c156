#include "platform/SessionShutdown.h"

#include <QGuiApplication>
#include <QSessionManager>

#include <csignal>
#include <unistd.h>

namespace {

extern "C" void endAtOnce(int)
{
    _exit(0);
}

} // namespace

void endProcessWhenSessionEnds()
{
    std::signal(SIGTERM, endAtOnce);
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, [](QSessionManager &) { _exit(0); });
}
