#include "SignInFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

SignInFixture::SignInFixture(const QString &pathKey, Shell *shell, Pause *pause, const QString &baseName,
                             Joysticks *joysticks)
{
    writeFile(QStringLiteral("quorvelbot.ini"),
              QStringLiteral("#LastSelected:1\r\n%1,%2,%3,Other,,,45:45:45:45:45:45\r\n")
                  .arg(pathKey, QLatin1String(Description), baseName)
                  .toLatin1());
    writeFile(QStringLiteral("Data/qcloud.py"), "# the cloud companion; a real one takes its place where it runs\n");
    QDir::setCurrent(home.path());
    nameServer.answer = [this](const HttpRequest &request) -> std::optional<HttpAnswer> {
        return HttpAnswer{200, request.body.startsWith("getRobVer=") ? versionReply : addressReply, {}};
    };
    nameServer.listen();
    qputenv("QUORVELBOT_SERVER", nameServer.address());
    qputenv("QUORVELBOT_HOME", home.path().toLocal8Bit());

    Platform platform = fake.platform();
    if (shell)
        platform.shell = shell;
    if (pause)
        platform.pause = pause;
    if (joysticks)
        platform.joysticks = joysticks;
    form = std::make_unique<TForm2>(platform);
    form->driveViewShown = true; // so that the switch lays out the sign-in view
    form->disableDriveView();
    form->loadQuorvelbot();
    form->UserName->setText(QStringLiteral("operator"));
    form->PassWord->setText(QStringLiteral("vindra"));
}

SignInFixture::~SignInFixture()
{
    form.reset();
    qunsetenv("QUORVELBOT_SERVER");
    qunsetenv("QUORVELBOT_HOME");
}

bool SignInFixture::writeFile(const QString &path, const QByteArray &contents) const
{
    const QString full = QDir(home.path()).filePath(path);
    QFile file(full);
    return QDir().mkpath(QFileInfo(full).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(contents) == contents.size();
}

QStringList SignInFixture::boxTexts() const
{
    QStringList texts;
    for (const BoxRequest &box : fake.boxes.shown)
        texts << box.text;
    return texts;
}
