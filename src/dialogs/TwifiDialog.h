#pragma once
#include "dialogs/WifiScan.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QRadioButton;
class RobotLink;
struct BoxRequest;
enum class BoxAnswer;

// "Wifi Selector": the wireless networks the robot reported with their
// strength, the one it uses now checked, and the switch to another one. It
// is not modal: the operator may drive on while it is open.
class TwifiDialog : public QDialog {
    Q_OBJECT

public:
    explicit TwifiDialog(RobotLink &link, QWidget *parent = nullptr);

    // Lists the robot's last network report and shows the dialog, centred on
    // the desktop when it opens.
    void showNetworks();
    // Builds the rows from the last network report, replacing any earlier ones.
    void onActivate();
    void OKBtnClick();
    void CancelBtnClick();
    // Escape and the window's close button cancel as the button does.
    void reject() override;

    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    // row n of the dialog: the network's name and its strength
    QList<QRadioButton *> radioButtons;
    QList<QLabel *> strengthLabels;

signals:
    // A switch command left: the window hides its wireless indicator until
    // the robot has changed over.
    void networkSwitchSent();

private:
    void removeRows();
    BoxAnswer showBox(const BoxRequest &request);

    RobotLink &link;
    WifiScan scan; // what the rows show
};
