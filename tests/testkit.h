#pragma once

// Data-driven tables in a line a row: columns<double, int>("value", "digits"); row("name", 2.5, 0);
// a value must have its column's type exactly (2.0, not 2); a string literal fills a QString
// column.

#include <QTest>

#include <cmath>
#include <tuple>
#include <type_traits>

template <typename... T, typename... Names> void columns(Names... names)
{
    (QTest::addColumn<T>(names), ...);
}

// An enumerator fills an int column.
template <typename T> decltype(auto) cell(const T &value)
{
    if constexpr (std::is_enum_v<T>)
        return int(value);
    else
        return (value);
}

template <typename... T> void row(const char *name, const T &...values)
{
    (QTest::newRow(name) << ... << cell(values));
}

// The current row's cells by column name, for a structured binding:
// const auto [value, digits] = fetch<double, int>("value", "digits");
template <typename... T, typename... Names> std::tuple<T...> fetch(Names... names)
{
    return {*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>()))...};
}

#define QNEAR(actual, expected, tolerance)                                                         \
    QVERIFY2(std::fabs((actual) - (expected)) <= (tolerance),                                      \
             qPrintable(QStringLiteral("%1, expected %2").arg(actual).arg(expected)))
