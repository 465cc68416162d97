#pragma once

#include "drawing/picturesurface.h"

#include <QComboBox>
#include <QWidget>

#include <functional>

// The window's drawing surface: shows the retained picture that the last
// rebuild drew, at the widget's own size in pixels.
class PictureBox : public QWidget
{
  public:
    explicit PictureBox(QWidget *parent);

    // Evaluates and redraws the design; a design that cannot be drawn shows the start hints.
    Evaluation rebuild(const RocketParams &design, const DrawStyle &style);
    // Erases the drawing to the background of the last rebuild.
    void clear();
    const QImage &image() const { return m_surface.image(); }

    // Called after every paint; the start-up benchmark stops at the first.
    std::function<void()> painted;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    PictureSurface m_surface;
};

// The nose-shape drop-down: only its arrow shows, beside the nose-shape
// field that holds the text; the list opens as wide as its entries.
class ArrowCombo : public QComboBox
{
  public:
    using QComboBox::QComboBox;
    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent *event) override;
};
