// The robot list of the sign-in view and its file.
#include "ui/TForm2.h"

void TForm2::reloadBotFile(int skipIndex)
{
    Q_UNUSED(skipIndex)
    // The robot list file is written here once the list is kept in a file.
}
