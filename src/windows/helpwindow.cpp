#include "windows/helpwindow.h"

#include "core/helptexts.h"
#include "windows/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

Dialog::Dialog(Language language, QWidget *parent)
    : QDialog(parent)
{
    const Twips twips(*this);
    setWindowTitle(QStringLiteral("Помощь"));
    setFixedSize(twips(0, 0, 6930, 7245).size());
    setModal(true);

    // Each group box: its parent (-1: the window), its place.
    struct FramePlace {
        int parent;
        QRect place;
    };
    const FramePlace frames[] = {
        {-1, twips(120, 120, 6735, 4095)},  {0, twips(120, 360, 6495, 855)},
        {0, twips(120, 1320, 6495, 1215)},  {0, twips(120, 2640, 6495, 1335)},
        {-1, twips(120, 4320, 6735, 2415)}, {4, twips(120, 360, 6495, 855)},
        {4, twips(120, 1320, 6495, 975)},
    };
    for (int i = 0; i < 7; ++i) {
        QWidget *holder = frames[i].parent < 0 ? static_cast<QWidget *>(this) : Frame[frames[i].parent];
        Frame[i] = new QGroupBox(helpWindowText(HelpPart(int(HelpPart::Frame1) + i), language), holder);
        Frame[i]->setGeometry(frames[i].place);
        // The two outer boxes head their parts in bold; the inner ones, and the texts, are plain.
        QFont font = Frame[i]->font();
        font.setBold(frames[i].parent < 0);
        Frame[i]->setFont(font);
    }

    // Each text: its group box, its place inside.
    const std::pair<int, QRect> labels[] = {
        {1, twips(120, 360, 6255, 375)}, {2, twips(120, 360, 6255, 735)}, {3, twips(120, 360, 6255, 855)},
        {5, twips(120, 360, 6255, 375)}, {6, twips(120, 360, 6135, 495)},
    };
    for (int i = 0; i < 5; ++i) {
        Label[i] =
            new QLabel(helpWindowText(HelpPart(int(HelpPart::Label1) + i), language), Frame[labels[i].first]);
        Label[i]->setGeometry(labels[i].second);
        Label[i]->setWordWrap(true);
        Label[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(twips(2880, 6840, 1215, 375));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
