// Any bytes as a design file, loaded and drawn the way the window draws it, in both views.
#include "drawing/drawstyle.h"
#include "drawing/picturesurface.h"
#include "files/parameterfile.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FieldTable table;
    DesignColours colours;
    filer::decodeParameterFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), table,
                               colours);
    static PictureSurface surface(PictureSurface::sizeForHeight(300));
    for (const int accuracy : {0, 1}) {
        RocketParams design;
        readFieldsIntoRecord(tableValues(table), design, accuracy);
        for (const ViewMode view : {ViewMode::Picture, ViewMode::Draft})
            surface.rebuild(design, {colours, {view, 3, accuracy, Language::English}});
    }
    return 0;
}
