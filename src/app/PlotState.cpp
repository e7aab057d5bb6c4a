#include "app/PlotState.h"

PlotState plot;

void ResetPlotState()
{
    plot = PlotState();
}
