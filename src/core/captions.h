#pragma once

#include "core/language.h"

#include <QString>

// Captions of the main window's labels: 0 to 16 name the fields of the same
// index (and are the field names written into parameter files), 17 to 22 are
// the section headings. A trailing "*" marks a caption with context help.
constexpr int kCaptionCount = 23;

// The caption of label `index` in `language`; empty for an index outside the table.
QString caption(int index, Language language);

// Texts the window shows at the moment they are needed: questions, their
// titles, the saved notice.
enum class Message {
    SaveChanges,
    SaveChangesTitle,
    SaveFailed,
    SaveFailedTitle,
    SaveFailedNotice,
    FileExists,
    FileExistsTitle,
    Saved,
    Restore,
    RestoreTitle,
    Recalculate,
    RecalculateTitle,
    DecreaseAccuracy,
    DecreaseAccuracyTitle,
    JpegFailed,
    JpegFailedTitle,
    NoPrinter,
    NoPrinterTitle,
    OpenFailed,
    OpenFailedTitle,
    Count
};

QString message(Message id, Language language);

// The window's title before the current file's path: the product name and ten blanks.
QString windowCaption(const QString &currentFile);
