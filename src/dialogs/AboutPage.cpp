// The robot information page of the about dialog.
#include "ui/TForm2.h"

void TForm2::updateAboutPage()
{
    // The about dialog, which shows the robot facts kept in linkState, is not
    // part of the controller yet; nothing to refresh.
}
