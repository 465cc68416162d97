#pragma once

#include "core/language.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The about window: the program's title, version, purpose and addresses. It
// does not block the main window; its texts are filled once, in the language
// of the moment it opens, and it is gone when closed.
class frmAbout : public QDialog
{
  public:
    frmAbout(Language language, QWidget *parent);

    QLabel *picIcon, *lblTitle, *lblVersion, *lblDescription, *LabelSite, *lblDisclaimer;
    // The addresses stand in read-only fields, so that they can be selected and copied.
    QLineEdit *TextSite, *TextPage;
    QPushButton *cmdOK;

  protected:
    void paintEvent(QPaintEvent *event) override;
};
