#include "ui/ButtonLook.h"

#include <QAbstractButton>

void setButtonLook(QAbstractButton *button, const QColor &colour, bool bold)
{
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    // a light caption (the headlights' low step is white) gets a dark ground,
    // or it would vanish on the light status bar
    const bool light = colour.lightness() > 160;
    palette.setColor(QPalette::Window, light ? QColor(80, 80, 80) : QColor(227, 227, 227));
    button->setAutoFillBackground(light);
    button->setPalette(palette);
}
