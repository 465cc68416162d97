#pragma once

#include <QString>

// Captions of the main window's labels: 0 to 16 name the fields of the same
// index (and are the field names written into parameter files), 17 to 22 are
// the section headings. A trailing "*" marks a caption with context help.
constexpr int kCaptionCount = 23;

// The caption of label `index` in `language` (0 Russian, 1 English); empty
// for an index or a language outside the table.
QString caption(int index, int language);

// The entries of the main window's menu, in menu order. The three bars
// between the menus have a fixed "|" and are not listed.
enum class Menu {
    File,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileSaveImg,
    FileSaveImgBmp,
    FileSaveImgJpg,
    FilePrint,
    FileExit,
    Edit,
    EditCls,
    EditRestore,
    EditRecalculate,
    View,
    ViewPic,
    ViewDraw,
    ViewLines,
    ViewLines1,
    ViewLines2,
    ViewLines3,
    ViewAcc,
    ViewAcc0,
    ViewAcc1,
    ViewLang,
    ViewLangRus,
    ViewLangEng,
    Info,
    InfoAbout,
    InfoHelp,
    Count
};

// The text of a menu entry in `language`; empty for a language outside the table.
QString menuCaption(Menu entry, int language);

// Texts the window shows at the moment they are needed: questions, their
// titles, the saved notice.
enum class Message {
    SaveChanges,
    SaveChangesTitle,
    SaveFailed,
    SaveFailedTitle,
    FileExists,
    FileExistsTitle,
    Saved,
    Count
};

QString message(Message id, int language);

// The window's title before the current file's path: the product name and ten blanks.
QString windowCaption(const QString &currentFile);
