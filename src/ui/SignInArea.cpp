// The Sign In button: the operator's choice of robot and credentials,
// checked and saved with the list, handed to the link.
#include "ui/TForm2.h"

#include "contacts/ContactFile.h"
#include "platform/MessageBoxes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void TForm2::SignInClick()
{
    link.statusBarDisplay(QStringLiteral("Logging on to the robot..."), false);
    link.linkState.autoFallback = false;
    if (ListBox1->count() == 0) {
        showBox(errorBox(QStringLiteral("Add a QuorvelBot to the QuorvelBot contact list before signing in")));
        return;
    }
    if (UserName->text().isEmpty() || PassWord->text().isEmpty()) {
        showBox(errorBox(QStringLiteral("Enter a Username and Password before continuing")));
        return;
    }
    SignIn->setEnabled(false);

    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    const int index = selected.isEmpty() ? -1 : ListBox1->row(selected.first());
    if (index < 0 || index >= contactList.count) {
        showBox(errorBox(QStringLiteral("No QuorvelBot selected")));
        SignIn->setEnabled(true);
        return;
    }
    contactList.lastSelected = index + 1;
    RobotContact &chosen = robots.selectedContact();
    chosen.savedUserName = UserName->text();
    chosen.savedPassword = PassWord->text();
    // Credentials the list file cannot hold are saved empty, so the reload
    // leaves the typed texts in the fields and the login sends them whole.
    const bool forgotten = contactList.rememberMe && !credentialsFit(chosen);
    reloadBotFile(-1);
    if (forgotten)
        link.statusBarDisplay(QStringLiteral("Credentials not remembered: the list cannot store them"), true);
    link.signIn(UserName->text(), PassWord->text());
}
