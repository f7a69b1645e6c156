#pragma once
#include "link/LinkError.h"
#include "link/RobotTransport.h"

#include <QStringList>
#include <memory>

// A control path that keeps what it was given. The test keeps the pointers
// while the window owns the transports.
class RecordingTransport : public RobotTransport {
public:
    bool ready = true;
    bool failing = false;
    QStringList written;

    bool isReady() const override { return ready; }
    void writeText(const QString &text) override
    {
        if (failing)
            throw LinkError(QStringLiteral("connection lost"));
        written << text;
    }
};
