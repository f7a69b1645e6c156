#pragma once
#include "link/RobotTransport.h"

#include <QThreadPool>

// The cloud path's way out: every text travels on its own short-lived sender
// thread and connection, so nothing on the main thread ever waits for it.
class CloudTransport : public RobotTransport {
public:
    CloudTransport();
    ~CloudTransport() override;
    bool isReady() const override { return true; }
    void writeText(const QString &text) override;
    // Waits until every sender has ended (tests, shut-down).
    bool waitForSenders(int milliseconds);

private:
    QThreadPool senders;
};
