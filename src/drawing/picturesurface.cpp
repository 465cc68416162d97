#include "drawing/picturesurface.h"

#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/drawscale.h"

#include <cmath>

QSize PictureSurface::sizeForHeight(int height)
{
    const int h = std::max(1, height);
    const int w = std::max(1, static_cast<int>(std::lround(h * sheet::canvasWidth / sheet::canvasHeight)));
    return QSize(w, h);
}

PictureSurface::PictureSurface(QSize size)
{
    resize(size);
}

void PictureSurface::resize(QSize size)
{
    m_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

Evaluation PictureSurface::rebuild(const RocketParams &design, const DrawStyle &style)
{
    Canvas canvas(&m_image, Canvas::Kind::Picture);
    const Evaluation result = builder::rebuild(canvas, design, style);
    m_background = canvas.backgroundColour();
    return result;
}

void PictureSurface::clear()
{
    m_image.fill(m_background);
}
