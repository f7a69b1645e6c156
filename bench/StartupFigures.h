#pragma once
#include "Figures.h"
#include "Measuring.h"

// Start-up to the mapped sign-in window and the peak memory one second
// later, the controller's and the sign-in floor's, runs alternating.
QList<Figure> startupFigures(Bench &bench, int runs);
