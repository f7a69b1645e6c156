#include "paths/CommandLine.h"

#include "link/RobotLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // Parsed without an application object, which costs every start its
    // event loop; the help text makes one to name the program.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCoreApplication::setApplicationName(QStringLiteral("quorvelbot-controller"));
    QCoreApplication::setApplicationVersion(RobotLink::ControllerVersion);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "QuorvelBot Vindra Controller: signs in to a QuorvelBot Vindra robot and drives it.\n"
        "Its files live in the application folder: the folder of the program, or QUORVELBOT_HOME."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // the window system's own options (-platform, -display ...) are not ours to refuse
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        QCoreApplication terminal(argc, argv);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}
