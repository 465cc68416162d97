#pragma once

#include "core/language.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

// The help window: what the menus and the extra keys do, in five short texts
// under two group boxes. Shown modally from the Info menu; its title is
// "Помощь" in either language.
class Dialog : public QDialog
{
  public:
    Dialog(Language language, QWidget *parent);

    // Frame1 the menu (Frame2 to Frame4 inside), Frame5 the extras (Frame6, Frame7).
    std::array<QGroupBox *, 7> Frame;
    std::array<QLabel *, 5> Label;
    QPushButton *OKButton;
};
