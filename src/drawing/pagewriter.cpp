#include "drawing/pagewriter.h"

#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/drawstyle.h"
#include "drawing/evaluation.h"
#include "files/atomicwrite.h"

#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace pagewriter {

namespace {

// An SVG page is measured in whole device units; at ten to the millimetre
// (254 an inch, near a printer's 300) A4 comes out exactly 210 × 297 mm.
constexpr int kSvgDpi = 254;

void drawPage(QPaintDevice &device, const RocketParams &design, const DrawStyle &style)
{
    Canvas canvas(&device, Canvas::Kind::Printer);
    if (!builder::rebuild(canvas, design, style).drawable()) {
        builder::drawStartHints(canvas);
        canvas.endDocument();
    }
}

bool writeSvg(QIODevice &file, const RocketParams &design, const DrawStyle &style)
{
    const QSize page(2100, 2970);
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(page);
    generator.setViewBox(QRect(QPoint(0, 0), page));
    generator.setResolution(kSvgDpi);
    generator.setTitle(design.rocketName);
    drawPage(generator, design, style);
    return true;
}

bool writePdf(QIODevice &file, const RocketParams &design, const DrawStyle &style)
{
    QPdfWriter writer(&file);
    writer.setResolution(kPrinterDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(design.rocketName);
    writer.setCreator(QStringLiteral("Quentarolith"));
    drawPage(writer, design, style);
    return true;
}

} // namespace

bool saveImage(const QString &path, const QImage &image, const QByteArray &format)
{
    return filer::writeFileAtomically(path, [&](QIODevice &file) {
        QImageWriter writer(&file, format);
        if (format == "jpg")
            writer.setQuality(90);
        return writer.write(image);
    });
}

bool savePage(const QString &path, const RocketParams &design, const DrawStyle &style,
              const QByteArray &format)
{
    return filer::writeFileAtomically(path, [&](QIODevice &file) {
        return format == "svg" ? writeSvg(file, design, style) : writePdf(file, design, style);
    });
}

bool printPage(QPaintDevice &printer, const RocketParams &design, const DrawStyle &style)
{
    // Even an empty page would come out of the printer once painting began.
    if (!evaluateDesign(design, style.view.accuracy).drawable())
        return false;
    Canvas canvas(&printer, Canvas::Kind::Printer);
    if (!canvas.isActive())
        return false;
    builder::rebuild(canvas, design, style);
    return true;
}

} // namespace pagewriter
