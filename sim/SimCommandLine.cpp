#include "SimCommandLine.h"

#include "link/LinkError.h"
#include "link/Numbers.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSet>

namespace {

struct Options {
    QCommandLineOption headless{QStringLiteral("headless"), QStringLiteral("No window: a log line per command only.")};
    QCommandLineOption listen{QStringLiteral("listen"),
                              QStringLiteral("Address of the robot's WebSocket server on port 9000 (127.0.0.1)."),
                              QStringLiteral("ADDRESS")};
    QCommandLineOption nameServer{QStringLiteral("name-server"),
                                  QStringLiteral("Answer name-server queries on this local HTTP port."),
                                  QStringLiteral("PORT")};
    QCommandLineOption baseName{QStringLiteral("base-name"),
                                QStringLiteral("The robot's base name at the name server (simbot)."),
                                QStringLiteral("NAME")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("Robot software version; 3.7 or less takes logins in clear, "
                                              "later ones as MD5 digests (3.71)."),
                               QStringLiteral("VERSION")};
    QCommandLineOption user{QStringLiteral("user"),
                            QStringLiteral("A user of the robot, :1 for an administrator; may be repeated "
                                           "(operator:vindra:1)."),
                            QStringLiteral("NAME:PASSWORD[:1]")};
    QCommandLineOption maxSpeed{QStringLiteral("max-speed"),
                                QStringLiteral("Maximum speed in percent, 40 to 100 (100)."),
                                QStringLiteral("PERCENT")};
    QCommandLineOption model{QStringLiteral("model"),
                             QStringLiteral("Model text: firmware, hardware, serial code and application version, as "
                                            "M3-2AA3.71; one beginning with T (T102053.8) is the table-top edition "
                                            "(M3-2AA3.71)."),
                             QStringLiteral("MODEL")};
    QCommandLineOption accessories{QStringLiteral("accessories"),
                                   QStringLiteral("Accessory flags in hexadecimal: 40 pan, 20 pan 360, 10 multi-radio, "
                                                  "08 headlights (78; 40 for table-top models)."),
                                   QStringLiteral("HEX")};
    QCommandLineOption generation{QStringLiteral("generation"), QStringLiteral("Robot generation (1)."),
                                  QStringLiteral("GENERATION")};
    QCommandLineOption headType{QStringLiteral("head-type"), QStringLiteral("Head device code (ipad2)."),
                                QStringLiteral("CODE")};
    QCommandLineOption noLaser{QStringLiteral("no-laser"), QStringLiteral("No laser pointer fitted.")};
    QCommandLineOption controlPort{QStringLiteral("control-port"),
                                   QStringLiteral("Also take scripting commands on this local TCP port."),
                                   QStringLiteral("PORT")};
};

// A code that can stand as a field of the robot's messages.
bool plainCode(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return code.match(text).hasMatch();
}

bool readPort(const QString &text, quint16 &port)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value == 0 || value > 65535)
        return false;
    port = quint16(value);
    return true;
}

} // namespace

bool SimCommandLine::read(const QStringList &arguments)
{
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A QuorvelBot Vindra robot for the controller's direct socket. Scripting commands on standard "
                       "input: send TEXT, say-z, scan, battery PERCENT, charger on|off, pose, quit."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    parser.addOptions({o.headless, o.listen, o.nameServer, o.baseName, o.version, o.user, o.maxSpeed, o.model,
                       o.accessories, o.generation, o.headType, o.noLaser, o.controlPort});
    const auto fail = [this](const QString &why) {
        text = why;
        return false;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(helpOption)) {
        help = true;
        return fail(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("quorvelbot-sim")));
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first());

    SimSettings s;
    s.headless = parser.isSet(o.headless);
    if (parser.isSet(o.listen) && !s.listenAddress.setAddress(parser.value(o.listen)))
        return fail(QStringLiteral("--listen takes an IP address, not ") + parser.value(o.listen));
    if (parser.isSet(o.nameServer) && !readPort(parser.value(o.nameServer), s.nameServerPort))
        return fail(QStringLiteral("--name-server takes a port from 1 to 65535"));
    if (parser.isSet(o.controlPort) && !readPort(parser.value(o.controlPort), s.controlPort))
        return fail(QStringLiteral("--control-port takes a port from 1 to 65535"));
    if (parser.isSet(o.baseName))
        s.baseName = parser.value(o.baseName).trimmed();
    if (s.baseName.isEmpty())
        return fail(QStringLiteral("--base-name must not be empty"));
    if (parser.isSet(o.version))
        s.version = parser.value(o.version);
    if (!loginFormOfVersion(s.version))
        return fail(QStringLiteral("--version takes a decimal number such as 3.71, not ") + s.version);

    if (parser.isSet(o.user)) {
        s.users.clear();
        QSet<QString> names;
        for (const QString &value : parser.values(o.user)) {
            const QStringList parts = value.split(u':');
            const bool adminMark = parts.size() == 3 && (parts[2] == u"1" || parts[2] == u"0");
            if ((parts.size() != 2 && !adminMark) || !UserAccounts::listable(parts[0])
                || !UserAccounts::listable(parts[1]) || parts[1].size() < UserAccounts::shortestPassword)
                return fail(QStringLiteral("--user takes NAME:PASSWORD or NAME:PASSWORD:1, a password of at least 4 "
                                           "characters and neither holding blanks, quotes, \"%\" or \":\"; not ")
                            + value);
            if (names.contains(parts[0]))
                return fail(QStringLiteral("--user names ") + parts[0] + QStringLiteral(" twice"));
            names.insert(parts[0]);
            s.users << UserAccount{parts[0], parts[1], adminMark && parts[2] == u"1"};
        }
        if (s.users.size() > UserAccounts::mostUsers)
            return fail(QStringLiteral("The controller lists at most 11 users"));
    }

    try {
        if (parser.isSet(o.maxSpeed))
            s.maxSpeed = readDecimal(parser.value(o.maxSpeed));
        if (parser.isSet(o.model))
            s.facts.model = parser.value(o.model);
        if (s.facts.tableTop())
            s.facts.accessories = RobotFacts::panMount;
        if (parser.isSet(o.accessories))
            s.facts.accessories = readHex(parser.value(o.accessories));
    } catch (const LinkError &error) {
        return fail(error.message());
    }
    if (s.maxSpeed < 40 || s.maxSpeed > 100)
        return fail(QStringLiteral("--max-speed takes a percentage from 40 to 100"));
    if (!plainCode(s.facts.model))
        return fail(
            QStringLiteral("--model takes a text of letters, digits, \".\" and \"-\" such as M3-2AA3.71 or T102053.8"));
    if (s.facts.accessories > 0xFF)
        return fail(QStringLiteral("--accessories takes two hexadecimal digits"));
    if (parser.isSet(o.generation))
        s.facts.generation = parser.value(o.generation);
    if (parser.isSet(o.headType))
        s.facts.headType = parser.value(o.headType);
    if (!plainCode(s.facts.generation) || !plainCode(s.facts.headType))
        return fail(QStringLiteral("--generation and --head-type take codes of letters and digits"));
    s.facts.laserFitted = !parser.isSet(o.noLaser);

    result = s;
    return true;
}
