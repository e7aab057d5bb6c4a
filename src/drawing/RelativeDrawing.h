#pragma once

struct Frame;

// The pedal curve's relatives as layers: each a dense run of dots in its
// colour with a gap where it has no point, small rings on its cusps, and its
// construction at the selected point. The routines of the list of layers.
void DrawContrapedal(const Frame &frame);
void DrawOrthotomic(const Frame &frame);
void DrawCatacaustic(const Frame &frame);
void DrawNegativePedal(const Frame &frame);
void DrawEvolute(const Frame &frame);
void DrawIteratedPedal(const Frame &frame);

void DrawContrapedalConstruction(const Frame &frame);
void DrawOrthotomicConstruction(const Frame &frame);
void DrawCatacausticConstruction(const Frame &frame);
void DrawNegativePedalConstruction(const Frame &frame);
void DrawEvoluteConstruction(const Frame &frame);
void DrawIteratedPedalConstruction(const Frame &frame);

// In the Minkowski plane, the curve again in two colours: black where its
// tangent is spacelike, grey where it is timelike.
void DrawTangentTypes(const Frame &frame);
