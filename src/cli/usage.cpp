#include "cli/usage.h"

QString usageText()
{
    return QStringLiteral("usage: quentarolith-cli calc [--accuracy 0|1] [--json] FILE...\n"
                          "       quentarolith-cli render FILE -o OUT [--view picture|draft] [--lang ru|en]\n"
                          "                               [--lines 1|2|3] [--accuracy 0|1] [--height PX]\n"
                          "       quentarolith-cli --help\n"
                          "\n"
                          "calc    loads each parameter file (.dat) and prints both centres of pressure,\n"
                          "        the stability margins in body diameters, the stability warning and the\n"
                          "        drawing scale. --accuracy: decimals of lengths (default 0); --json: one\n"
                          "        JSON object per file and line.\n"
                          "render  draws the design into OUT; its extension chooses the format: .png, .jpg\n"
                          "        and .bmp as the window shows it, PX pixels high (default 1200); .svg and\n"
                          "        .pdf as the printed A4 page. Needs no display.\n");
}
