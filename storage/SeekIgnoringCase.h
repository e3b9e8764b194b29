#pragma once

#include "storage/TableCursor.h"

#include <QString>
#include <functional>

namespace storage
{

// Moves the cursor, whose current index starts with a NOCASE text field, to a row whose field
// equals text ignoring case, accented letters included, and that accepts takes (any of them
// without it). False when there is none; the cursor then stands anywhere.
//
// SQLite's NOCASE folds ASCII letters only, so "État" and "état" are two keys apart in index order.
// The rows of the text's own spelling come first, in index order (letter case of ASCII letters
// ignored); then those of its other spellings (each accented letter in each of its cases), in
// index order, those without a row passed over by a read of the index alone.
bool seekIgnoringCase(TableCursor &cursor, const QString &text,
                      const std::function<bool(const TableCursor &)> &accepts = {});

} // namespace storage
