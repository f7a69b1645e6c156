#include "ui/ButtonLook.h"

#include <QAbstractButton>

void setButtonLook(QAbstractButton *button, const QColor &colour, bool bold)
{
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
}
