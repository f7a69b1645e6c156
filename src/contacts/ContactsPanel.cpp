// The robot list of the sign-in view and its file "quorvelbot.ini", which is
// the master copy: every change is written at once and the list read back.
#include "ui/TForm2.h"

#include "contacts/ContactFile.h"
#include "contacts/RobotFolder.h"
#include "contacts/TOKRightDlg1.h"
#include "link/LinkError.h"
#include "platform/MessageBoxes.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

bool TForm2::loadQuorvelbot()
{
    QList<int> badLines;
    if (!robots.load(badLines)) {
        showBox({QStringLiteral("quorvelbot.ini file not found\r\nCheck to see Settings.ini exists and try again"),
                 QStringLiteral("Error")});
        return false;
    }
    ListBox1->clear();
    for (const int line : badLines)
        showMessage(QStringLiteral("Bad Entry in botlist file at line ") + QString::number(line));
    for (int i = 0; i < contactList.count; ++i)
        ListBox1->addItem(contactListText(contactList.entries[size_t(i)]));

    if (contactList.count > 0) {
        ListBox1->setCurrentRow(contactList.lastSelected - 1);
        const RobotContact &chosen = contactList.entries[size_t(contactList.lastSelected - 1)];
        if (chosen.savedUserName.size() > 1) {
            UserName->setText(chosen.savedUserName);
            PassWord->setText(chosen.savedPassword);
            CheckBox1->setChecked(true);
        }
    }
    return true;
}

void TForm2::reloadBotFile(int skipIndex)
{
    QDir::setCurrent(applicationFolder);
    if (memorySlotPressed != 0) {
        QStringList numbers;
        for (const CameraMemory &memory : cameraMemories)
            numbers << QString::number(memory.tilt) << QString::number(memory.pan);
        robots.selectedContact().cameraMemoryText = numbers.join(u':');
    }
    robots.save(skipIndex);
    readBotFileBack();
}

void TForm2::readBotFileBack()
{
    QDir::setCurrent(applicationFolder);
    if (!loadQuorvelbot()) {
        // as at a start without the list, the controller cannot go on
        emit mustEnd(1);
        throw LinkError(QStringLiteral("quorvelbot.ini could not be read back"));
    }
}

void TForm2::connectRobotListButtons()
{
    connect(addBotName, &QPushButton::clicked, this, &TForm2::addBotNameClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm2::showBotInfo);
}

TOKRightDlg1 &TForm2::addRobotWizard()
{
    if (!setupWizard) {
        setupWizard = std::make_unique<TOKRightDlg1>(link, robots, this);
        connect(setupWizard.get(), &TOKRightDlg1::robotListSaved, this, &TForm2::robotListSaved);
    }
    return *setupWizard;
}

void TForm2::addBotNameClick()
{
    addRobotWizard().openForAdding();
}

void TForm2::showBotInfo()
{
    addRobotWizard().openForViewing(ListBox1->currentRow());
}

void TForm2::robotListSaved(int row)
{
    try {
        readBotFileBack();
    } catch (const std::exception &) {
        return; // the controller is ending
    }
    ListBox1->setCurrentRow(row);
}

void TForm2::delBotClick()
{
    const int index = ListBox1->currentRow();
    if (index < 0 || index >= contactList.count || !ListBox1->currentItem()->isSelected())
        return;
    const RobotContact &robot = contactList.entries[size_t(index)];
    if (robot.controlPathKey == QLatin1String("QCloud")) {
        try {
            const RobotFolderRemoval removal = removeRobotFolder(applicationFolder, robot.description);
            if (removal.refused)
                showMessage(removal.reason);
        } catch (const std::exception &error) {
            showMessage(errorText(error));
        }
    }
    delete ListBox1->takeItem(index);
    reloadBotFile(index);
}

void TForm2::CheckBox1Click()
{
    contactList.rememberMe = CheckBox1->isChecked();
}

void TForm2::UserNameClick()
{
    if (UserName->text() == QLatin1String("Username"))
        UserName->clear();
}

void TForm2::PassWordClick()
{
    if (PassWord->text() == QLatin1String("********"))
        PassWord->clear();
}
