#pragma once

#include "model/Scene.h"

// The pedal curve's relatives: curves made from the same curve, the same P
// and the same tangent lines, in either plane. With e = 1 (Euclidean) or -1
// (Minkowski), <u, v> = u1 v1 + e u2 v2, T = Q' and N = (-e y', x'):
//   contrapedal    C = Q + <P - Q, N> / <N, N> N   (foot on the normal line)
//   orthotomic     O = 2F - P                     (P mirrored in the tangent)
//   catacaustic    the evolute of the orthotomic (rays from P reflected)
//   negative pedal Z with <Z - Q, Q - P> = 0 and <Z - Q, T> = <T, Q - P>
//   evolute        E = Q + <T, T> / <Q'', N> N    (centres of curvature)
//   iterated pedal the pedal curve of the pedal curve, n times
// Where one divides by zero (a lightlike tangent or normal, an inflection,
// Q = P) it has no point.
enum class RelativeKind { Contrapedal, Orthotomic, Catacaustic, NegativePedal, Evolute, IteratedPedal };

constexpr RelativeKind EveryRelative[] = {RelativeKind::Contrapedal, RelativeKind::Orthotomic,
                                          RelativeKind::Catacaustic, RelativeKind::NegativePedal,
                                          RelativeKind::Evolute,     RelativeKind::IteratedPedal};
// The id of a relative's layer in the scene and in sessions ("negativePedal").
inline const char *RelativeId(RelativeKind kind)
{
    static const char *const ids[] = {"contrapedal",   "orthotomic", "catacaustic",
                                      "negativePedal", "evolute",    "iteratedPedal"};
    return ids[int(kind)];
}

struct Relative {
    RelativeKind kind;
    int stages = 1;  // the iterated pedal's n, 1 to 5
};

// A relative as a scene shows it: the iterated pedal with the scene's stages.
inline Relative RelativeIn(RelativeKind kind, const Scene &scene)
{
    return {kind, kind == RelativeKind::IteratedPedal ? scene.pedalStages : 1};
}
