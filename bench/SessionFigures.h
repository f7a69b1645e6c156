#pragma once
#include "Figures.h"
#include "Measuring.h"

// The figures of a session in the drive view, against a robot on the
// loopback address: a key to its camera command on the wire (against a bare
// window sending one frame per key), a flood of reports answered by the
// goodbye, the processor used while idle, the regularity of the drive tick.
QList<Figure> sessionFigures(Bench &bench, int runs);
