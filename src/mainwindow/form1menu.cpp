// The main window's menu, as one table: a row per entry, in menu order.

#include "mainwindow/form1.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuRow {
    const char *name;  // the entry's object name
    const char *under; // the menu that holds it; none for the menu bar
    // Its captions; none for the bars between the menus, whose "|" only keeps them apart.
    const char16_t *russian;
    const char16_t *english;
    QKeyCombination shortcut; // Qt::Key_unknown: none
    QMenu *Form1::*menu;      // a menu or submenu: its member
    QAction *Form1::*action;  // an entry: its member
    void (Form1::*handler)(); // the command; none where the entry has no command yet
};

// The language submenu is always named in the other language, so that a user
// who cannot read the current one still finds it.
constexpr MenuRow kMenuTable[] = {
    {"mnuFile", nullptr, u"Файл", u"File", {}, &Form1::mnuFile, nullptr, nullptr},
    {"mnuFileOpen", "mnuFile", u"открыть", u"open", Qt::CTRL | Qt::Key_O, nullptr, &Form1::mnuFileOpen,
     &Form1::mnuFileOpen_Click},
    {"mnuFileSave", "mnuFile", u"сохранить", u"save", Qt::Key_F2, nullptr, &Form1::mnuFileSave,
     &Form1::mnuFileSave_Click},
    {"mnuFileSaveAs", "mnuFile", u"сохранить как", u"save as", Qt::Key_F12, nullptr, &Form1::mnuFileSaveAs,
     &Form1::mnuFileSaveAs_Click},
    {"mnuFileSaveImg",
     "mnuFile",
     u"сохранить рисунок",
     u"save picture",
     {},
     &Form1::mnuFileSaveImg,
     nullptr,
     nullptr},
    {"mnuFileSaveImgBmp", "mnuFileSaveImg", u"bmp", u"bmp", Qt::CTRL | Qt::Key_B, nullptr,
     &Form1::mnuFileSaveImgBmp, &Form1::mnuFileSaveImgBmp_Click},
    {"mnuFileSaveImgJpg", "mnuFileSaveImg", u"jpg", u"jpg", Qt::CTRL | Qt::Key_J, nullptr,
     &Form1::mnuFileSaveImgJpg, &Form1::mnuFileSaveImgJpg_Click},
    {"mnuFileSaveImgPng",
     "mnuFileSaveImg",
     u"png",
     u"png",
     {},
     nullptr,
     &Form1::mnuFileSaveImgPng,
     &Form1::mnuFileSaveImgPng_Click},
    {"mnuFileSaveImgSvg",
     "mnuFileSaveImg",
     u"svg",
     u"svg",
     {},
     nullptr,
     &Form1::mnuFileSaveImgSvg,
     &Form1::mnuFileSaveImgSvg_Click},
    {"mnuFileSaveImgPdf",
     "mnuFileSaveImg",
     u"pdf",
     u"pdf",
     {},
     nullptr,
     &Form1::mnuFileSaveImgPdf,
     &Form1::mnuFileSaveImgPdf_Click},
    {"mnuFilePrint", "mnuFile", u"печать", u"print", Qt::CTRL | Qt::Key_P, nullptr, &Form1::mnuFilePrint,
     &Form1::mnuFilePrint_Click},
    {"mnuFileExit", "mnuFile", u"выйти", u"exit", Qt::CTRL | Qt::Key_Q, nullptr, &Form1::mnuFileExit,
     &Form1::mnuFileExit_Click},
    {"del1", nullptr, nullptr, nullptr, {}, nullptr, &Form1::del1, nullptr},
    {"mnuEdit", nullptr, u"Правка", u"Edit", {}, &Form1::mnuEdit, nullptr, nullptr},
    {"mnuEditCls", "mnuEdit", u"очистить", u"clean", Qt::Key_F5, nullptr, &Form1::mnuEditCls,
     &Form1::mnuEditCls_Click},
    {"mnuEditRestore", "mnuEdit", u"восстановить", u"restore", Qt::Key_F4, nullptr, &Form1::mnuEditRestore,
     &Form1::mnuEditRestore_Click},
    {"mnuEditRecalculate", "mnuEdit", u"пересчитать", u"recalculate", Qt::CTRL | Qt::Key_K, nullptr,
     &Form1::mnuEditRecalculate, &Form1::mnuEditRecalculate_Click},
    {"del2", nullptr, nullptr, nullptr, {}, nullptr, &Form1::del2, nullptr},
    {"mnuView", nullptr, u"Вид", u"View", {}, &Form1::mnuView, nullptr, nullptr},
    {"mnuViewPic", "mnuView", u"рисунок", u"picture", Qt::CTRL | Qt::Key_R, nullptr, &Form1::mnuViewPic,
     &Form1::mnuViewPic_Click},
    {"mnuViewDraw", "mnuView", u"чертеж", u"draft", Qt::CTRL | Qt::Key_T, nullptr, &Form1::mnuViewDraw,
     &Form1::mnuViewDraw_Click},
    {"mnuViewLines", "mnuView", u"линии", u"lines", {}, &Form1::mnuViewLines, nullptr, nullptr},
    {"mnuViewLines1",
     "mnuViewLines",
     u"1px",
     u"1px",
     {},
     nullptr,
     &Form1::mnuViewLines1,
     &Form1::mnuViewLines1_Click},
    {"mnuViewLines2",
     "mnuViewLines",
     u"2px",
     u"2px",
     {},
     nullptr,
     &Form1::mnuViewLines2,
     &Form1::mnuViewLines2_Click},
    {"mnuViewLines3",
     "mnuViewLines",
     u"3px",
     u"3px",
     {},
     nullptr,
     &Form1::mnuViewLines3,
     &Form1::mnuViewLines3_Click},
    {"mnuViewAcc", "mnuView", u"точность", u"accuracy", {}, &Form1::mnuViewAcc, nullptr, nullptr},
    {"mnuViewAcc0",
     "mnuViewAcc",
     u"1 мм",
     u"1 mm",
     {},
     nullptr,
     &Form1::mnuViewAcc0,
     &Form1::mnuViewAcc0_Click},
    {"mnuViewAcc1",
     "mnuViewAcc",
     u"0.1 мм",
     u"0.1 mm",
     {},
     nullptr,
     &Form1::mnuViewAcc1,
     &Form1::mnuViewAcc1_Click},
    {"mnuViewLang", "mnuView", u"language", u"язык", {}, &Form1::mnuViewLang, nullptr, nullptr},
    {"mnuViewLangRus",
     "mnuViewLang",
     u"Русский",
     u"Русский",
     {},
     nullptr,
     &Form1::mnuViewLangRus,
     &Form1::mnuViewLangRus_Click},
    {"mnuViewLangEng",
     "mnuViewLang",
     u"English",
     u"English",
     {},
     nullptr,
     &Form1::mnuViewLangEng,
     &Form1::mnuViewLangEng_Click},
    {"del3", nullptr, nullptr, nullptr, {}, nullptr, &Form1::del3, nullptr},
    {"mnuInfo", nullptr, u"Справка", u"Information", {}, &Form1::mnuInfo, nullptr, nullptr},
    {"mnuInfoAbout", "mnuInfo", u"о программе", u"about programm", Qt::CTRL | Qt::Key_I, nullptr,
     &Form1::mnuInfoAbout, &Form1::mnuInfoAbout_Click},
    {"mnuInfoHelp", "mnuInfo", u"помощь", u"help", Qt::Key_F1, nullptr, &Form1::mnuInfoHelp,
     &Form1::mnuInfoHelp_Click},
};

bool hasShortcut(const MenuRow &row)
{
    return row.shortcut.key() != Qt::Key_unknown;
}

} // namespace

void Form1::createMenu()
{
    QMenuBar *bar = menuBar();
    QHash<QByteArray, QMenu *> menus;
    for (const MenuRow &row : kMenuTable) {
        const QString name = QLatin1String(row.name);
        if (!row.russian) {
            this->*row.action = bar->addAction(QStringLiteral("|"));
            (this->*row.action)->setObjectName(name);
            continue;
        }
        QMenu *holder = row.under ? menus.value(row.under) : nullptr;
        if (row.menu) {
            QMenu *menu = holder ? holder->addMenu(QString()) : bar->addMenu(QString());
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus.insert(row.name, menu);
            this->*row.menu = menu;
            continue;
        }
        QAction *action = holder->addAction(QString());
        action->setObjectName(name);
        if (hasShortcut(row))
            action->setShortcut(row.shortcut);
        if (row.handler)
            connect(action, &QAction::triggered, this, [this, handler = row.handler] { (this->*handler)(); });
        this->*row.action = action;
    }
}

void Form1::setMenuLanguage(Language language)
{
    for (const MenuRow &row : kMenuTable) {
        if (!row.russian)
            continue;
        const QString text = QString::fromUtf16(language == Language::English ? row.english : row.russian);
        if (row.menu)
            (this->*row.menu)->setTitle(text);
        else
            (this->*row.action)->setText(text);
    }
}

bool Form1::isMenuShortcut(const QKeySequence &keys) const
{
    for (const MenuRow &row : kMenuTable)
        if (hasShortcut(row) && QKeySequence(row.shortcut) == keys)
            return true;
    return false;
}
