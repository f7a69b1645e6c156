#include "dialogs/TwifiDialog.h"

#include "link/RobotLink.h"
#include "platform/MessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr int DesignedWidth = 380;
constexpr int DesignedHeight = 192;

QLabel *label(QWidget *parent, const QString &text, QRect bounds)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(bounds);
    return l;
}

} // namespace

TwifiDialog::TwifiDialog(RobotLink &link, QWidget *parent) : QDialog(parent, Qt::Tool), link(link)
{
    setObjectName(QStringLiteral("wifiDialog"));
    setWindowTitle(QStringLiteral("Wifi Selector"));
    setModal(false);
    resize(DesignedWidth, DesignedHeight);

    QLabel *heading = label(this, QStringLiteral("Available Wireless Networks"), {25, 10, 300, 20});
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    heading->setFont(headingFont);
    label(this, QStringLiteral("Select a Wireless Network from the list to connect"), {25, 35, 340, 20});
    label(this, QStringLiteral("Wireless Network"), {25, 72, 150, 20});
    label(this, QStringLiteral("Signal Strength"), {180, 72, 100, 20})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(295, 95, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(295, 127, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TwifiDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TwifiDialog::CancelBtnClick);

    // a switch chosen in one session is not sent into the next
    connect(&link, &RobotLink::sessionEnded, this, [this] {
        if (isVisible())
            CancelBtnClick();
    });
}

void TwifiDialog::showNetworks()
{
    onActivate();
    if (!isVisible()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->geometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void TwifiDialog::onActivate()
{
    removeRows();
    scan = decodeWifiScan(link.linkState.networkScanText, link.linkState.currentNetwork);
    for (int n = 1; n <= scan.rows.size(); ++n) {
        const WifiRow &row = scan.rows[n - 1];
        auto *radio = new QRadioButton(QString(row.name).replace(u'&', QLatin1String("&&")), this);
        radio->setGeometry(25, n * 20 + 75, 210, 20);
        radio->setChecked(row.current);
        radio->show();
        QLabel *strength = label(this, row.strengthText, {230, n * 20 + 78, 50, 17});
        strength->setAlignment(Qt::AlignRight | Qt::AlignTop);
        strength->show();
        radioButtons << radio;
        strengthLabels << strength;
    }
    if (!radioButtons.isEmpty() && height() < radioButtons.last()->y())
        resize(width(), radioButtons.last()->y() + 60);
}

void TwifiDialog::OKBtnClick()
{
    int chosen = -1;
    for (int n = 0; n < radioButtons.size(); ++n)
        if (radioButtons[n]->isChecked())
            chosen = n;
    const QString currentNetwork = link.linkState.currentNetwork;
    QString requestedNetwork;
    if (chosen >= 0) {
        requestedNetwork = scan.rows[chosen].name.trimmed();
        link.writelogfile(requestedNetwork + QStringLiteral(" : ") + currentNetwork);
    }
    const QString problem = wifiChoiceProblem(scan, chosen, currentNetwork);
    if (!problem.isEmpty()) {
        showBox({problem, QStringLiteral("Error"), BoxIcon::Warning});
        return;
    }
    const BoxAnswer answer =
        showBox({QStringLiteral("This will change the Wireless Network being used by QuorvelBot.\r\n"
                                "During the change over, you might experience brief interruption in your call.\r\n"
                                "Do you wish to continue ?"),
                 QStringLiteral("Wifi Notification"), BoxIcon::Question, BoxButtons::YesNo});
    if (answer != BoxAnswer::Yes)
        return;
    if (const std::optional<QString> command = wifiSwitchCommand(requestedNetwork, scan)) {
        try {
            emit networkSwitchSent();
            // kept for the robot's confirmation, which names the network
            link.linkState.requestedNetwork = requestedNetwork;
            link.sendData(*command, 0);
            link.linkState.wifiSwitchPending = true;
        } catch (...) {
        }
    }
    removeRows();
    QDialog::accept();
}

void TwifiDialog::CancelBtnClick()
{
    removeRows();
    QDialog::reject();
}

void TwifiDialog::reject()
{
    CancelBtnClick();
}

void TwifiDialog::removeRows()
{
    qDeleteAll(radioButtons);
    qDeleteAll(strengthLabels);
    radioButtons.clear();
    strengthLabels.clear();
}

BoxAnswer TwifiDialog::showBox(const BoxRequest &request)
{
    return link.platform.boxes->show(this, request);
}
