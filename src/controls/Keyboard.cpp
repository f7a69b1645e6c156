// The keys of the drive view: camera, memories, laser and headlights. Each
// press acts once; holding a key does not repeat it.
#include "ui/TForm2.h"

#include <QSlider>

void TForm2::FormKeyDown(QChar key)
{
    if (keyHeld)
        return;
    switch (key.toLower().unicode()) {
    case u'w': TiltUpClick(); break;
    case u's': TiltDownClick(); break;
    case u'a': PanLeftClick(); break;
    case u'd': PanRightClick(); break;
    case u'c': CenterClick(); break;
    case u'1':
    case u'2':
    case u'3': recallCameraMemory(key.digitValue()); break;
    case u'l':
        link.statusBarDisplay(QStringLiteral("Laser Toggle "), true);
        link.laserToggle();
        break;
    case u'h': headLightButtonClick(); break;
    default: break;
    }
    keyHeld = true;
}

void TForm2::FormKeyUp()
{
    keyHeld = false;
}
