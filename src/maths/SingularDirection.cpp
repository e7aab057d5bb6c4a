#include "maths/SingularDirection.h"

PlaneVector SingularTangentDirection(bool minkowski, PlaneVector q, PlaneVector tangent, PlaneVector pedal)
{
    const double a = tangent.x;
    const double b = tangent.y;
    const double dx = q.x - pedal.x;
    const double dy = q.y - pedal.y;
    if (dx == 0 && dy == 0)
        return minkowski ? PlaneVector{b, a} : PlaneVector{b, -a};
    if (minkowski) {
        const double sum = a * a + b * b;
        return {-2 * a * b * dx + sum * dy, -sum * dx + 2 * a * b * dy};
    }
    const double difference = b * b - a * a;
    return {2 * a * b * dx + difference * dy, difference * dx - 2 * a * b * dy};
}
