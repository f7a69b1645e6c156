#include "paths/CloudTransport.h"

#include "paths/TClientPusher.h"

CloudTransport::CloudTransport()
{
    // Enough threads that a companion slow to accept never queues the drive
    // commands behind each other; idle threads end at once.
    senders.setMaxThreadCount(16);
    senders.setExpiryTimeout(0);
}

CloudTransport::~CloudTransport()
{
    senders.waitForDone(10000);
}

void CloudTransport::writeText(const QString &text)
{
    senders.start(new TClientPusher(text, QStringLiteral("127.0.0.1")));
}

bool CloudTransport::waitForSenders(int milliseconds)
{
    return senders.waitForDone(milliseconds);
}
