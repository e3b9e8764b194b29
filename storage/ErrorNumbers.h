#pragma once

namespace storage
{

// Numbers of the failures that the layer itself detects; SQL errors carry SQLite's code.
enum ErrorNumber {
    InvalidArgument = 3001,
    FileNotFound = 3024,
    NotADatabase = 3343,
    TableNotFound = 3078,
    IndexNotFound = 3800,
    FieldNotFound = 3265,
    NoCurrentRecord = 3021,
    UpdateWithoutEdit = 3020,
    ReadOnlyCursor = 3027,
    DatabaseInUse = 3356,
    TargetExists = 3204,
};

} // namespace storage
