#include "platform/Pause.h"

#include <QThread>

void ThreadPause::pause(int milliseconds)
{
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}
