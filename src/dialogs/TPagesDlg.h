#pragma once
#include <QDialog>

#include "dialogs/UpdateCheck.h"

class QFrame;
class QLabel;
class QTabWidget;
class QTextEdit;
class RobotLink;

// The help dialog: the operator's help text ("Using Controller"), the About
// page with the controller's version, the support site, the update check and,
// during a session, the robot's configuration, and the robot's accessories.
// Made when first opened and shown again and again.
class TPagesDlg : public QDialog {
    Q_OBJECT

public:
    enum Page { HelpPage = 0, AboutPage = 1, AccessoriesPage = 2 };

    explicit TPagesDlg(RobotLink &link, QWidget *parent = nullptr);

    // Opens the dialog on a page: modally (returns when it is closed) or
    // beside the window. A modal help page whose file is missing is not
    // opened; the box says why.
    void showPage(Page page, bool modal);

    // The About page's version line and, during a session, the robot's
    // configuration: the session's start and the robot's facts call it.
    void updateAboutPage();
    // The About page without a robot, as after the end of a session.
    void clearRobotConfiguration();

    void onShow();
    // false when "helpFile.txt" cannot be read (the box has been shown)
    bool onShowHelp();
    void accOnShow();
    void Label2Click();
    void Label3Click();

    RobotLink &link;
    UpdateCheck updates;

    QTabWidget *PageControl;
    QWidget *TabSheet1;
    QWidget *About;
    QWidget *AccessoryList;
    QTextEdit *RichEdit1;
    QLabel *Label11; // title
    QLabel *Label1;  // version
    QLabel *Label2;  // the support site; its hint holds the address
    QLabel *Label3;  // "Check for Updates"
    QLabel *robotHeading;
    QFrame *Shape1;
    QLabel *robotBody;
    QLabel *accL;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createHelpPage();
    void createAboutPage();
    void createAccessoriesPage();
    void pageShown(int page);
    void setClientHeight(int height);
    void centreOnPage(QWidget *control);
};
