#pragma once

#include "core/designcolours.h"
#include "core/language.h"
#include "core/palette.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The colour palette for one colour of the design: 270 swatches and a scroll
// bar for each of red, green and blue. Every choice goes into the colour at
// once and the rocket is redrawn with it; OK keeps the last choice, Cancel or
// the close box put back the colour the window opened with.
class frmPalette : public QDialog
{
  public:
    // `edited` is the design colour to edit; `redraw` redraws the rocket with it.
    frmPalette(RgbColour &edited, int editedPart, Language language, std::function<void()> redraw,
               QWidget *parent);

    std::array<QLabel *, kPaletteSize> Label1;
    QLabel *Label3, *Label4, *Label5;
    std::array<QLineEdit *, 3> Text1;
    std::array<QScrollBar *, 3> HScroll1;
    QPushButton *OKButton, *CancelButton;

    // Whether OK kept a colour other than the one the window opened with.
    bool colourChanged() const { return m_colourChanged; }
    int markedSwatch() const { return m_markedSwatch; }

    void Label1_Click(int swatch);
    void Label1_DblClick(int swatch);
    void HScroll1_Change(int component);
    void SelectOk();
    // Every way of closing ends here: the colour kept, or put back, and redrawn.
    void done(int result) override;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void showComponents();
    void mark(int swatch);

    RgbColour &m_edited;
    RgbColour m_savedColour;
    std::function<void()> m_redraw;
    Palette m_paletteColours;
    int m_markedSwatch = -1;
    bool m_colourChanged = false;
};
