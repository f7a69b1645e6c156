// The robot list of the sign-in view and its file "quorvelbot.ini", which is
// the master copy: every change is written at once and the list read back.
#include "ui/TForm2.h"

#include "contacts/ContactFile.h"
#include "contacts/RobotFolder.h"
#include "link/LinkError.h"
#include "platform/MessageBoxes.h"
#include "platform/SafeFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

namespace {
const QString ContactFileName = QStringLiteral("quorvelbot.ini");
}

RobotContact &TForm2::selectedContact()
{
    const int index = contactList.lastSelected - 1;
    if (index < 0 || index >= ContactList::Capacity)
        throw LinkError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return contactList.entries[size_t(index)];
}

bool TForm2::loadQuorvelbot()
{
    contactList.count = 0;
    QFile file(ContactFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showBox({QStringLiteral("quorvelbot.ini file not found\r\nCheck to see Settings.ini exists and try again"),
                 QStringLiteral("Error")});
        return false;
    }
    ListBox1->clear();
    const ContactFileContents contents = readContactFile(file.readAll());
    for (const int line : contents.badLines)
        showMessage(QStringLiteral("Bad Entry in botlist file at line ") + QString::number(line));

    const bool rememberMe = contactList.rememberMe;
    contactList = contents.list;
    contactList.rememberMe = rememberMe;
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
        selectedContact().cameraMemoryText = numbers.join(u':');
    }
    // written beside the old file and renamed over it: an interrupted save
    // never leaves a truncated list; saved passwords stay the owner's
    writeFileReplacing(QDir(applicationFolder).filePath(ContactFileName),
                       writeContactFile(contactList, skipIndex).bytes, true);
    if (!loadQuorvelbot()) {
        // as at a start without the list, the controller cannot go on
        emit mustEnd(1);
        throw LinkError(QStringLiteral("quorvelbot.ini could not be read back"));
    }
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
