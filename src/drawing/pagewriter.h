#pragma once

#include <QByteArray>
#include <QString>

class QImage;
class QPaintDevice;
struct DrawStyle;
struct RocketParams;

// Everything that puts the drawing outside the program: picture files, vector
// pages and the printed page. The window and the command-line tool share
// these, and every file goes through the one checked atomic write, so a
// failed export leaves an older file of the same name as it was.
namespace pagewriter {

// Vector pages and printers are drawn at this resolution, so that outline
// widths given in device dots read on paper as they do on screen.
inline constexpr int kPrinterDpi = 300;

// Writes the image in `format` ("bmp", "png", "jpg"). False when the writer
// fails or any byte does not reach the file.
bool saveImage(const QString &path, const QImage &image, const QByteArray &format);

// Draws the design as an upright A4 page, 210 × 297 mm, in vectors, the way a
// printer gets it; a design that cannot be drawn gives a page with the start
// hints. `format` is "svg" or "pdf".
bool savePage(const QString &path, const RocketParams &design, const DrawStyle &style,
              const QByteArray &format);

// Draws the design onto a printer's page and ends the document, which sends
// it. A design that cannot be drawn sends nothing: false, and the printer is
// never started.
bool printPage(QPaintDevice &printer, const RocketParams &design, const DrawStyle &style);

} // namespace pagewriter
