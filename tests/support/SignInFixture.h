#pragma once
#include "FakePlatform.h"
#include "FakeWebServer.h"
#include "ui/TForm2.h"

#include <QTemporaryDir>
#include <memory>

// A controller ready to sign in: an application folder of its own
// (QUORVELBOT_HOME, also the working folder) whose contact list holds one
// robot, "Lab bench" with the path key and base name given, selected, and a
// cloud companion script "Data/qcloud.py" that does nothing; a name
// server on loopback that answers the version query with versionReply and
// the address query with addressReply; and a main window on the
// platform doubles in its sign-in view with the simulator's default user
// "operator" and password "vindra" typed. A real shell, pause and joysticks
// may stand in for the doubles; they must outlive the fixture.
struct SignInFixture {
    static constexpr const char *Description = "Lab bench";
    static constexpr const char *BaseName = "simbot";

    explicit SignInFixture(const QString &pathKey, Shell *shell = nullptr, Pause *pause = nullptr,
                           const QString &baseName = QLatin1String(BaseName), Joysticks *joysticks = nullptr);
    ~SignInFixture();

    // Writes a file under the application folder, with the folders it needs.
    bool writeFile(const QString &path, const QByteArray &contents) const;
    QStringList boxTexts() const;

    QTemporaryDir home;
    FakeWebServer nameServer;
    QByteArray versionReply = "3.71";
    QByteArray addressReply = "127.0.0.1";
    FakePlatform fake;
    std::unique_ptr<TForm2> form;
};
