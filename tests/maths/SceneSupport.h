#pragma once

#include <gtest/gtest.h>
#include <memory>

#include "maths/Curves.h"
#include "maths/TypedCurve.h"

// Scenes for the maths tests: a curve of the list or a typed one, a plane and P.
inline std::shared_ptr<const CurveRow> BuiltIn(int index)
{
    return SharedCurveAt(index);
}

inline std::shared_ptr<const CurveRow> Typed(const char *x, const char *y)
{
    const TypedCurveBuild build = BuildTypedCurve({TypedKind::Parametric, x, y, -1, 1});
    EXPECT_TRUE(build.curve) << build.error;
    return SharedRowOf(build.curve);
}

inline Scene SceneOf(std::shared_ptr<const CurveRow> curve, Plane plane, float px, float py)
{
    Scene scene;
    scene.curve = std::move(curve);
    scene.plane = plane;
    scene.pedalX = px;
    scene.pedalY = py;
    return scene;
}
