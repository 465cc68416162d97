#pragma once

#include "core/captions.h"
#include "core/rocketparams.h"
#include "mainwindow/services.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class ArrowCombo;
class PictureBox;
class QAction;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMenu;
class QTranslator;
class frmAbout;

// The main window: seventeen fields with their captions, the nose-shape
// drop-down, the colour swatches, the drawing surface and the menu. It lives
// for the whole run; every command is one of its handlers and ends by
// redrawing the design. Its definition is spread over one file per menu:
//   form1.cpp        construction, start-up, activation, resizing, the
//                    rebuild, the ways of shutting down, the menu states
//   form1menu.cpp    the menu table: entries, captions, shortcuts, handlers
//   form1fields.cpp  the fields, the drop-down and the keys
//   form1file.cpp    the File menu: designs, pictures, printing
//   form1edit.cpp    the Edit menu
//   form1view.cpp    the View menu and the colour swatches
//   form1info.cpp    the Info menu and the context help
class Form1 : public QMainWindow
{
  public:
    // Runs the whole start-up: reads the last design, lays the window out
    // for `services.screenSize()` and sets every caption.
    explicit Form1(Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    PictureBox *Picture1;
    std::array<QLineEdit *, kFieldCount> Text1;
    std::array<QLabel *, kCaptionCount> Label1;
    std::array<QLabel *, 4> LabelP; // nose, body, rocket name, fins
    ArrowCombo *Combo1;

    QMenu *mnuFile, *mnuFileSaveImg, *mnuEdit, *mnuView, *mnuViewLines, *mnuViewAcc, *mnuViewLang, *mnuInfo;
    QAction *mnuFileOpen, *mnuFileSave, *mnuFileSaveAs, *mnuFileSaveImgBmp, *mnuFileSaveImgJpg,
        *mnuFileSaveImgPng, *mnuFileSaveImgSvg, *mnuFileSaveImgPdf, *mnuFilePrint, *mnuFileExit, *mnuEditCls,
        *mnuEditRestore, *mnuEditRecalculate, *mnuViewPic, *mnuViewDraw, *mnuViewLines1, *mnuViewLines2,
        *mnuViewLines3, *mnuViewAcc0, *mnuViewAcc1, *mnuViewLangRus, *mnuViewLangEng, *mnuInfoAbout,
        *mnuInfoHelp;
    QAction *del1, *del2, *del3;

    // Every time the window becomes active: redraw, focus into the first field.
    void Form_Activate();

    // Fields and keys.
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);
    void Combo1_Click(int index);
    // Enter, the arrows and Escape, seen before the focused control sees them.
    bool Form_KeyDown(int key);

    // File menu.
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileSaveImgBmp_Click();
    void mnuFileSaveImgJpg_Click();
    void mnuFileSaveImgPng_Click();
    void mnuFileSaveImgSvg_Click();
    void mnuFileSaveImgPdf_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();

    // Edit menu.
    void mnuEditCls_Click();
    void mnuEditRestore_Click();
    void mnuEditRecalculate_Click();

    // View menu.
    void mnuViewPic_Click();
    void mnuViewDraw_Click();
    void mnuViewLines1_Click();
    void mnuViewLines2_Click();
    void mnuViewLines3_Click();
    void mnuViewAcc0_Click();
    void mnuViewAcc1_Click();
    void mnuViewLangRus_Click();
    void mnuViewLangEng_Click();

    // A click on a colour swatch: the palette for that colour of the design.
    void LabelP_Click(int index);

    // Info menu and context help.
    void mnuInfoHelp_Click();
    void mnuInfoAbout_Click();
    // A double-click on a caption: the starred ones explain themselves.
    void Label1_DblClick(int index);

    // Rewrites every caption of the window for `language`.
    void applyLanguage(Language language);
    void tableToFields();
    void fieldsToTable();

    // Recomputes and redraws the design on the drawing surface and shows the results.
    void rebuild();

    // Whether the program has ended (the window closed for good).
    bool ended() const { return m_ended; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

  private:
    // Construction and start-up.
    void createControls();
    void createMenu();
    void Form_Load();
    void layoutControls();
    // Makes the outer size, frame included, the share of the screen the window was given.
    void fitFrame();
    void setCaption();

    // Menu states: every enable rule of the window's commands, by what happened.
    void markEdited();      // an accepted edit: save and restore
    void markShapeChosen(); // another shape from the drop-down: restore only
    void markUnchanged();   // started, opened, saved or restored: neither
    void markCleaned();     // emptied: restore only, and nothing to save
    void markColourKept();  // another colour from the palette: save
    // Another accuracy: changed, though with nothing to restore; save stays as it was.
    void markAccuracyChanged();
    // The entries of the view, accuracy and language in force are disabled,
    // the others enabled; the swatches show in the picture view only.
    void showViewSettings();
    void setMenuLanguage(Language language);
    // Whether `keys` is the shortcut of a menu entry, which wins over a field's own keys.
    bool isMenuShortcut(const QKeySequence &keys) const;

    // Fields.
    void setFieldText(int index, const QString &text);
    FieldTexts fieldTexts() const;
    void readFieldsIntoRecord();
    // Runs the lost-focus handling of the field being typed in, as leaving it would; a field
    // whose text was not touched since it took the focus is left alone.
    void commitFocusedField();
    void focusIn(int index);
    void focusOut(int index);

    // Files and notices.
    Services::Answer ask(Message prompt, Message title, Services::Buttons buttons);
    // The save dialog; a name typed without an extension gets the filter's. Empty: cancelled.
    QString askSaveName(const char *filter, const QString &initial);
    // The save dialog for a design: a file other than the current design is replaced only after
    // the overwrite question. Empty: cancelled.
    QString askDesignName(const QString &initial);
    // Saves through the save dialog before the design is left; false to stay.
    bool saveBeforeLeaving();
    // Saves the drawing as a picture or a page in `format`; the notice shows once it is written.
    bool exportDrawing(const QByteArray &format, const char *filter);
    void openShapeList();
    // Writes the design to `path`; once written, that is the design's file and the notice shows.
    void saveDesignTo(const QString &path);
    void showSavedNotice();
    void setLanguage(Language language);
    // Standard buttons and file dialogs follow the program's language.
    void translateQt(Language language);
    // Any change of the view: the menu states follow and the design is redrawn.
    void viewChanged();

    // The question about unsaved changes before the design is left (the program
    // ends, or the design is emptied); false to stay with it.
    bool confirmLeavingChanges();
    // Shutting down.
    void endProgram();
    void escape();

    Services &m_services;
    QPointer<frmAbout> m_about; // open, or gone
    std::unique_ptr<QTranslator> m_qtTranslator;
    int m_focusedField = -1; // the field the user is in, for the window's bookkeeping
    QSize m_outerSize;       // frame included
    QPoint m_outerCorner;    // the frame's top left
    bool m_frameFitted = false;
    bool m_activated = false;
    bool m_ending = false;
    bool m_ended = false;
};
