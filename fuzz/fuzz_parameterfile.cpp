// Any bytes as a parameter file: the reader must stop cleanly, and whatever it read must survive
// being written out and read again, whole.
#include "files/parameterfile.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FieldTable table;
    DesignColours colours;
    filer::decodeParameterFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), table,
                               colours);
    FieldTable again;
    DesignColours coloursAgain;
    if (filer::decodeParameterFile(filer::encodeParameterFile(table, colours), again, coloursAgain))
        std::abort(); // a design the program wrote must read whole
    for (int i = 0; i < kFieldCount; ++i)
        if (again[i].value != singleLine(table[i].value))
            std::abort();
    if (!(coloursAgain == colours))
        std::abort();
    return 0;
}
