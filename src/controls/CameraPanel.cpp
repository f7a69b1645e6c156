// Aiming the head's pan/tilt mount. The two bars are the one place the
// camera position lives: every way of aiming only moves a bar, and each real
// change of a bar sends exactly one camera command.
#include "ui/TForm2.h"

#include "controls/CameraCommands.h"

#include <QPushButton>
#include <QSlider>
#include <QTimer>

void TForm2::panBarChange()
{
    try {
        link.sendData(panCommand(panBar->value()), 0);
    } catch (const std::exception &) {
        // the bar keeps its place; the next change brings the robot along
    }
}

void TForm2::tiltBarChange()
{
    try {
        link.sendData(tiltCommand(tiltBar->value()), 0);
    } catch (const std::exception &) {
    }
}

void TForm2::setCamera(int tilt, int pan)
{
    tiltBar->setValue(clampCameraPosition(tilt));
    panBar->setValue(clampCameraPosition(pan));
}

void TForm2::PanLeftClick()
{
    panBar->setValue(clampCameraPosition(panBar->value() - 1));
}

void TForm2::PanRightClick()
{
    panBar->setValue(clampCameraPosition(panBar->value() + 1));
}

void TForm2::TiltUpClick()
{
    tiltBar->setValue(clampCameraPosition(tiltBar->value() - 1));
}

void TForm2::TiltDownClick()
{
    tiltBar->setValue(clampCameraPosition(tiltBar->value() + 1));
}

void TForm2::CenterClick()
{
    panBar->setValue(45);
    tiltBar->setValue(45);
}

void TForm2::recallCameraMemory(int slot)
{
    const CameraMemory &memory = cameraMemories[size_t(slot - 1)];
    setCamera(memory.tilt, memory.pan);
    link.statusBarDisplay(QStringLiteral("Recalled camera position M%1").arg(slot), true);
}

void TForm2::memoryButtonDown(int slot)
{
    mTimer->start();
    memoryButtonHeld = slot;
}

void TForm2::memoryButtonUp(int slot)
{
    if (slot != memoryButtonHeld)
        return; // a release whose press went elsewhere
    if (mTimer->isActive()) {
        recallCameraMemory(slot);
    } else if (memorySlotPressed == slot) {
        // Only a completed hold marks a slot for the robot list, so a recall
        // never carries this robot's memories into the next robot's entry.
        cameraMemories[size_t(slot - 1)] = {tiltBar->value(), panBar->value()};
        reloadBotFile(-1); // stores the memories with the robot
        memorySlotPressed = 0;
    }
    mTimer->stop();
    memoryButtonHeld = 0;
}

void TForm2::mTimerTimer()
{
    mTimer->stop();
    memorySlotPressed = memoryButtonHeld;
    link.statusBarDisplay(QStringLiteral("Saved camera position to M") + QString::number(memorySlotPressed), true);
}
