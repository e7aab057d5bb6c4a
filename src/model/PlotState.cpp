#include "model/PlotState.h"

PlotState plot;

void ResetPlotState()
{
    plot = PlotState();
}
