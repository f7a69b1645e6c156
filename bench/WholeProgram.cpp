// Measures the built controller as a process on a desktop of its own, each
// figure against its floor or its goal, and writes the figures as a Markdown
// table and a PNG plot.
//
//   bench_whole_program <controller> <sign-in floor> <key floor> <runs> <output folder>
#include "SessionFigures.h"
#include "StartupFigures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the runner draws its plot without a screen
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        std::fprintf(stderr, "usage: bench_whole_program <controller> <sign-in floor> <key floor> <runs> <output folder>\n");
        return 2;
    }
    Bench bench;
    bench.controller = args[1];
    bench.signInFloor = args[2];
    bench.keyFloor = args[3];
    const int runs = args[4].toInt();
    const QString output = args[5];
    if (!bench.desktop.isUp() || runs < 1)
        return 1;
    for (const char *name : {"Settings.ini", "quorvelbot.ini"})
        QFile::copy(QStringLiteral(DEFAULTS_DIR "/") + QLatin1String(name), bench.home.filePath(QLatin1String(name)));

    // one after the other: the operands of + may run in either order
    QList<Figure> figures = startupFigures(bench, runs);
    figures += sessionFigures(bench, runs);
    const QString text = figureTable(figures, runs);
    QDir().mkpath(output);
    QFile markdown(QDir(output).filePath(QStringLiteral("whole-program.md")));
    if (!markdown.open(QIODevice::WriteOnly) || markdown.write(text.toUtf8()) < 0)
        return 1;
    figurePlot(figures).save(QDir(output).filePath(QStringLiteral("whole-program.png")));
    std::fputs(qPrintable(text), stdout);
    return 0;
}
