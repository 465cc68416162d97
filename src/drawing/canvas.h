#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QString>
#include <QTransform>

#include <optional>
#include <utility>

class QPaintDevice;

// The drawing surface every routine of the rocket drawing paints on. One
// implementation over QPainter serves any paint device: the retained image
// behind the main window, a printer or PDF page, an SVG generator.
//
// Coordinates are user units after setUserScale. Line widths are whole pixels
// and font sizes points, both as on a page: a printer keeps them as they are;
// a picture scales them with its height (see kReferenceHeight in canvas.cpp),
// so that it shows the same sheet at any size. Graphic state (line width and
// style, fill, colours, font, text cursor) persists between calls, as the
// drawing routines expect. Nothing that is not finite ever reaches the
// painter, and shapes far outside the sheet are clipped before they do.
class Canvas
{
  public:
    enum class Kind {
        Picture, // the window's drawing surface: cleared and redrawn, keeps its image
        Printer  // a page: drawn once, then the document ends
    };
    enum LineStyle { Solid = 0, DashDot = 3 };
    enum FillStyle { FillSolid = 0, FillTransparent = 1 };

    // Starts painting on `device`; the device must outlive the canvas.
    Canvas(QPaintDevice *device, Kind kind);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    Kind kind() const { return m_kind; }
    bool isPicture() const { return m_kind == Kind::Picture; }
    bool isActive() const;

    // Maps the whole device onto user coordinates (x1, y1) top left to (x2, y2) bottom right.
    void setUserScale(double x1, double y1, double x2, double y2);
    double scaleWidth() const { return m_x2 - m_x1; }
    double scaleHeight() const { return m_y2 - m_y1; }
    double scaleLeft() const { return m_x1; }
    double scaleTop() const { return m_y1; }

    void setBackgroundColour(const QColor &colour) { m_background = colour; }
    QColor backgroundColour() const { return m_background; }
    // Erases the whole surface to the background colour; the cursor goes to (0, 0).
    void clear();

    void setLineWidth(int pixels);
    int lineWidth() const { return m_lineWidth; }
    void setLineStyle(int style) { m_lineStyle = style; }
    int lineStyle() const { return m_lineStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    int fillStyle() const { return m_fillStyle; }
    void setFillColour(const QColor &colour) { m_fillColour = colour; }
    QColor fillColour() const { return m_fillColour; }
    void setTextColour(const QColor &colour) { m_textColour = colour; }
    QColor textColour() const { return m_textColour; }

    void line(double x1, double y1, double x2, double y2, const QColor &colour);
    void box(double x1, double y1, double x2, double y2, const QColor &colour);
    // Filled, edges included; a box of no width or height is a line of the pen width.
    void filledBox(double x1, double y1, double x2, double y2, const QColor &colour);
    // Radius in user units along X; filled by the fill style and colour; the
    // outline in `colour`, or in the text colour. The cursor moves to the centre.
    void circle(double x, double y, double r, std::optional<QColor> colour = std::nullopt);
    // The part of the circle from angle a1 to a2 (radians, counter-clockwise
    // as seen, 0 pointing right), both radii drawn, filled by the fill style.
    void sector(double x, double y, double r, const QColor &colour, double a1, double a2);

    // A shape laid out as slices one user unit thick: cross-sections at whole
    // units `at` along the rows (nose) or columns (fins), each reaching from
    // `low` to `high` across them; slice i fills the band between sections
    // i − 1 and i from the low end of the one to the high end of the other,
    // edges included. Slices finer than a device pixel are snapped to whole
    // pixels, one slice to a pixel row or column, so that the edges climb
    // without teeth; coarser ones would show as steps, so the outline through
    // the sections is filled as one polygon instead.
    enum class Slicing { Rows, Columns };
    struct Section {
        double at, low, high;
    };
    void filledSlices(Slicing slicing, const QList<Section> &sections, const QColor &colour);

    double currentX() const { return m_cursorX; }
    double currentY() const { return m_cursorY; }
    void setCurrentX(double x) { m_cursorX = x; }
    void setCurrentY(double y) { m_cursorY = y; }
    // Draws the text with its top-left corner at the cursor in the text
    // colour, then moves the cursor to the left edge, one text height down.
    void print(const QString &text);
    double textWidth(const QString &text) const;
    double textHeight(const QString &text) const;

    QString fontName() const { return m_font.family(); }
    void setFontName(const QString &name);
    double fontSize() const { return m_font.pointSizeF(); }
    // Sizes of 0 or below are refused: the font keeps its size.
    void setFontSize(double points);
    bool fontBold() const { return m_font.bold(); }
    void setFontBold(bool bold);

    // On a printer, finishes the page and the job; nothing on a picture.
    void endDocument();

    // The graphic state a drawing routine may change for its own drawing and
    // must hand back: font, text colour, fill style and fill colour.
    struct State {
        QFont font;
        QColor textColour;
        int fillStyle;
        QColor fillColour;
    };
    State state() const { return {m_font, m_textColour, m_fillStyle, m_fillColour}; }
    void restore(const State &state);

    // Device pixels per user unit, across and down.
    double pixelsPerUnitX() const { return m_toDevice.m11(); }
    double pixelsPerUnitY() const { return m_toDevice.m22(); }

  private:
    // The pen width on the device for a width in page pixels.
    int deviceWidth(int pixels) const;
    QPen pen(const QColor &colour) const;
    // A circle, or with angles the sector between them; the cursor moves to the centre.
    void drawRound(double x, double y, double r, const QColor &colour,
                   std::optional<std::pair<double, double>> angles);
    QBrush fillBrush() const;
    // m_font at the size it has on the device.
    QFont deviceFont() const;
    QPointF toDevice(double x, double y) const { return m_toDevice.map(QPointF(x, y)); }
    void fontChanged();
    bool nearSheet(double x, double y, double margin) const;
    void fillSnappedSlices(bool rows, const QList<Section> &sections, const QColor &colour);

    QPaintDevice *m_device;
    Kind m_kind;
    QPainter m_painter;
    // Device pixels for one page pixel: the picture's height over the reference, 1 on a page.
    double m_sizeFactor = 1;
    QTransform m_toDevice;
    double m_x1 = 0, m_y1 = 0, m_x2 = 1, m_y2 = 1;
    QColor m_background = Qt::white;
    int m_lineWidth = 1;
    int m_lineStyle = Solid;
    int m_fillStyle = FillTransparent;
    QColor m_fillColour = Qt::black;
    QColor m_textColour = Qt::black;
    QFont m_font;
    QFontMetricsF m_metrics; // of m_font at the device's size
    // m_font at the device's size, with the family it really resolved to, so
    // that vector output names a font a viewer can find; made when text is next drawn.
    std::optional<QFont> m_drawFont;
    double m_cursorX = 0, m_cursorY = 0;
};

// Keeps the canvas's font, text colour and fill from its making and puts
// them back when it goes, however the routine that holds it ends.
class CanvasStateGuard
{
  public:
    explicit CanvasStateGuard(Canvas &canvas)
        : m_canvas(canvas)
        , m_saved(canvas.state())
    {
    }
    ~CanvasStateGuard() { m_canvas.restore(m_saved); }
    CanvasStateGuard(const CanvasStateGuard &) = delete;
    CanvasStateGuard &operator=(const CanvasStateGuard &) = delete;

  private:
    Canvas &m_canvas;
    const Canvas::State m_saved;
};
