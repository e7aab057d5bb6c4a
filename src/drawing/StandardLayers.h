#pragma once

#include "drawing/Layer.h"

// Grid or axes, curve, lightlike points, pedal curve, selected point, tangent
// and normal, singular tangents, and P on top.
LayerList StandardLayers();
