#pragma once

#include "maths/Foot.h"

struct CurveRow;

// The foot the frame keeps in the plot state: the pedal trace leaves its last
// one there, and the construction reads and writes it.

// The plane the plot state selects.
Plane SelectedPlane();

// The foot of the perpendicular from P onto the curve's tangent at t in the
// selected plane; null curve: no foot (the stored one stays).
Foot FootAt(const CurveRow *curve, float t);
// Keeps a foot in the plot state: its quotient, and its point where it has one.
void StoreFoot(const Foot &foot);
