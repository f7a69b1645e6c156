#pragma once
#include "FormFixture.h"

// A window signed in to a robot and shown in its drive view, the robot's
// commands leaving by WebRTC (unframed).
struct SignedInWindow {
    SignedInWindow();

    FormFixture f;
    TForm2 &form() { return *f.form; }
    RobotLink &link() { return f.form->link; }
    void robotSays(const QString &text) { f.form->link.processIncomingData(text); }
    // What the robot was sent since the last call.
    QStringList take();
    // The boxes shown so far, each as caption "|" text.
    QStringList boxesShown() const;
};
