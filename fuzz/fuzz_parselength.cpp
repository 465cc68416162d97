// Any text as a typed length: the result is always finite, and shown again it reads back the same.
#include "core/numbers.h"

#include <QString>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int digits : {0, 1}) {
        const double value = parseLength(text, digits);
        if (!std::isfinite(value))
            std::abort();
        if (parseLength(formatShown(value), digits) != value)
            std::abort();
    }
    return 0;
}
