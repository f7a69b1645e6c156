// The main window's ways into the help dialog: the sign-in view's "Options"
// menu and the drive view's, each with "Help" and "About".
#include "ui/TForm2.h"

#include "dialogs/TPagesDlg.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace {

QAction *item(QMenu *menu, const QString &text)
{
    const QList<QAction *> actions = menu->actions();
    const auto found =
        std::find_if(actions.begin(), actions.end(), [&](QAction *action) { return action->text() == text; });
    return found == actions.end() ? nullptr : *found;
}

} // namespace

void TForm2::connectHelpItems()
{
    connect(item(PopupMenu1, QStringLiteral("Help")), &QAction::triggered, this, &TForm2::About1Click);
    connect(item(PopupMenu1, QStringLiteral("About")), &QAction::triggered, this, &TForm2::About2Click);
    connect(item(drivePopUp, QStringLiteral("Help")), &QAction::triggered, this, &TForm2::Help1Click);
    connect(item(drivePopUp, QStringLiteral("About")), &QAction::triggered, this, &TForm2::About3Click);
}

TPagesDlg &TForm2::pagesDialog()
{
    if (!PagesDlg) {
        PagesDlg = new TPagesDlg(link, this);
        // its About page as the sessions so far have left it
        if (link.linkState.inSession)
            PagesDlg->updateAboutPage();
        else if (aSessionHasEnded)
            PagesDlg->clearRobotConfiguration();
    }
    return *PagesDlg;
}

void TForm2::helpButtonClick()
{
    // over the button's top-left corner, measured from the window's outer edge
    PopupMenu1->popup(frameGeometry().topLeft() + helpButton->pos());
}

void TForm2::About1Click()
{
    pagesDialog().showPage(TPagesDlg::HelpPage, true);
}

void TForm2::About2Click()
{
    pagesDialog().showPage(TPagesDlg::AboutPage, false);
}

void TForm2::Help1Click()
{
    pagesDialog().showPage(TPagesDlg::HelpPage, true);
}

void TForm2::About3Click()
{
    pagesDialog().showPage(TPagesDlg::AboutPage, false);
}
