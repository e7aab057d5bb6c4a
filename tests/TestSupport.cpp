#include "TestSupport.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include "drawing/GlSetup.h"

LocaleScope::LocaleScope(const QLocale &locale) : previous(QLocale())
{
    QLocale::setDefault(locale);
}

LocaleScope::~LocaleScope()
{
    QLocale::setDefault(previous);
}

QLocale CommaLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QLocale PointLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

namespace {
std::unique_ptr<QOpenGLFramebufferObject> scratchTarget;
}

ScratchContext::ScratchContext(int width, int height)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    surface = std::make_unique<QOffscreenSurface>();
    surface->setFormat(format);
    surface->create();
    context = std::make_unique<QOpenGLContext>();
    context->setFormat(format);
    context->create();
    context->makeCurrent(surface.get());
    scratchTarget =
        std::make_unique<QOpenGLFramebufferObject>(width, height, QOpenGLFramebufferObject::CombinedDepthStencil);
    scratchTarget->bind();
    glViewport(0, 0, width, height);
    SetupProjection(width, height);
}

ScratchContext::~ScratchContext()
{
    scratchTarget.reset();
    context->doneCurrent();
}

void FeedbackBegin(std::vector<float> &buffer, int capacity)
{
    buffer.assign(size_t(capacity), 0.0f);
    glFeedbackBuffer(capacity, GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
}

int FeedbackEnd()
{
    return glRenderMode(GL_RENDER);
}

std::vector<FeedbackPrimitive> ParseFeedback(const std::vector<float> &buffer, int used, int viewportHeight)
{
    std::vector<FeedbackPrimitive> result;
    auto readVertex = [&](int &i) {
        FeedbackVertex v;
        v.x = buffer[i];
        v.y = float(viewportHeight) - buffer[i + 1];
        // buffer[i + 2] is depth
        v.r = buffer[i + 3];
        v.g = buffer[i + 4];
        v.b = buffer[i + 5];
        v.a = buffer[i + 6];
        i += 7;
        return v;
    };
    int i = 0;
    while (i < used) {
        const int token = int(buffer[i++]);
        FeedbackPrimitive primitive{FeedbackPrimitive::Other, {}};
        if (token == GL_POINT_TOKEN) {
            primitive.kind = FeedbackPrimitive::Point;
            primitive.vertices.push_back(readVertex(i));
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            primitive.kind = FeedbackPrimitive::Line;
            primitive.vertices.push_back(readVertex(i));
            primitive.vertices.push_back(readVertex(i));
        } else if (token == GL_POLYGON_TOKEN) {
            primitive.kind = FeedbackPrimitive::Polygon;
            const int count = int(buffer[i++]);
            for (int k = 0; k < count; ++k)
                primitive.vertices.push_back(readVertex(i));
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
            continue;
        } else {
            // Bitmap and pixel tokens carry one vertex.
            primitive.vertices.push_back(readVertex(i));
        }
        result.push_back(std::move(primitive));
    }
    return result;
}
