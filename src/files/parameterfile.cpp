#include "files/parameterfile.h"

#include "files/atomicwrite.h"
#include "files/textformat.h"

namespace filer {

QByteArray encodeParameterFile(const FieldTable &table, const DesignColours &colours)
{
    QString lines;
    for (const FieldEntry &entry : table)
        lines += text::quoted(fitLabel(entry.label)) + u',' + text::quoted(singleLine(entry.value))
                 + QStringLiteral("\r\n");
    for (const RgbColour &colour :
         {colours.noseColour, colours.bodyColour, colours.nameTextColour, colours.finsColour}) {
        for (int component : {colour.red, colour.green, colour.blue})
            lines += QString::number(component) + QStringLiteral("\r\n");
    }
    return text::encode(lines);
}

std::optional<ReadStop> decodeParameterFile(const QByteArray &bytes, FieldTable &table,
                                            DesignColours &colours)
{
    text::ItemReader reader(text::decode(bytes));
    const auto endsEarly = [&reader] {
        return ReadStop{reader.itemLine(), QStringLiteral("the file ends early")};
    };
    for (FieldEntry &entry : table) {
        const std::optional<QString> label = reader.next();
        if (!label)
            return endsEarly();
        entry.label = fitLabel(*label);
        const std::optional<QString> value = reader.next();
        if (!value)
            return endsEarly();
        entry.value = *value;
    }
    for (RgbColour *colour :
         {&colours.noseColour, &colours.bodyColour, &colours.nameTextColour, &colours.finsColour}) {
        for (std::uint8_t *component : {&colour->red, &colour->green, &colour->blue}) {
            const std::optional<QString> item = reader.next();
            if (!item)
                return endsEarly();
            const std::optional<int> value = text::wholeNumber(*item);
            if (!value || *value > 255)
                return ReadStop{reader.itemLine(), QStringLiteral("no colour component from 0 to 255")};
            *component = static_cast<std::uint8_t>(*value);
        }
    }
    return std::nullopt;
}

std::optional<ReadStop> readParameterFile(const QString &path, FieldTable &table, DesignColours &colours)
{
    return decodeParameterFile(text::readHead(path), table, colours);
}

bool writeParameterFile(const QString &path, const FieldTable &table, const DesignColours &colours)
{
    return writeFileAtomically(path, encodeParameterFile(table, colours));
}

} // namespace filer
