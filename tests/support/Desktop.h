#pragma once
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// A virtual X desktop of its own for a test, with the tools to look at it and
// act on it as a person would: find windows, type, click, take screenshots.
class Desktop {
public:
    // dpi: the desktop's logical pixels per inch (Xft.dpi)
    explicit Desktop(int dpi = 96);
    ~Desktop();

    bool isUp() const { return up; }
    // Starts a window manager (openbox) on the desktop, so windows get the
    // frames a person's desktop draws; false when none came up.
    bool startWindowManager();
    QString display() const { return name; }
    QProcessEnvironment environment() const;

    // The id of the first window whose title is exactly title, waiting up to
    // milliseconds for it to appear; empty when there is none.
    QString findWindow(const QString &title, int milliseconds = 5000) const;
    QRect windowGeometry(const QString &window) const; // on the screen
    QSize windowSize(const QString &window) const;
    // The size with the window manager's frame (the same without one).
    QSize outerSize(const QString &window) const;
    QSize screenSize() const;
    QString focusedWindowTitle() const;
    // Runs xdotool with the arguments; its standard output, trimmed.
    QString xdotool(const QStringList &arguments) const;
    // The pointer and the keyboard, as a person uses them; x and y are in
    // the window's own pixels.
    void click(const QString &window, int x, int y) const;
    void pointerTo(const QString &window, int x, int y) const;
    void button(bool down) const;
    void type(const QString &text) const;
    void key(const QString &name) const;
    // Asks the window to close, as a window manager's close button does.
    bool closeWindow(const QString &window) const;
    bool screenshot(const QString &path, const QString &window = QString()) const;

private:
    QString run(const QString &program, const QStringList &arguments) const;

    QProcess server;
    QProcess manager;
    QString name;
    bool up = false;
};
