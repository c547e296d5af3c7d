#pragma once
// The driver's names of codes, from the shipped English table, read once.
#include "FuzzInput.h"

#include "codec/NameTables.h"

namespace fuzzing {

inline const codec::NameTables& shippedNames()
{
    static const codec::NameTables names = [] {
        codec::NameTables tables;
        tables.loadTableFile(shippedFile(QStringLiteral("TABEN.DDF")));
        return tables;
    }();
    return names;
}

} // namespace fuzzing
