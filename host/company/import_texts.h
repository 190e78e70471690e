#pragma once
// The texts of company data work, by number in the text group "COMPANY", in the clerk's language.
#include <QString>

namespace company {

enum ImportText {
    FailureLine = 100,      // %1 file, %2 sheet, %3 row, %4 heading, %5 value, %6 reason
    ValueMissing = 101,
    ColumnMissing = 102,
    UnknownHeading = 103,
    KeyTwice = 104,         // %1 the row that has it first
    NoSuchDate = 105,
    TooManyDecimals = 106,
    NameForNewEmployee = 107,
    DiffersFromCompany = 108,   // %1 the company's value
    NotAPayMethod = 109,
    SecondValue = 110,          // %1 the value of the rows before
    HeadingTwice = 112,
    NoSuchDepartment = 113,
    DepartmentLoop = 114,
    Big5Warning = 115,          // %1 file, %2 sheet, %3 row, %4 heading, %5 value
    EmptyPaySheet = 116,        // %1 file, %2 sheet
    RowsRead = 120,
    EmployeesCounted = 121,     // %1 added, %2 updated, %3 unchanged
    PayLinesWritten = 122,      // %1 lines, %2 the run, %3 the total
    RunReplaced = 123,          // %1 the run, %2 its former lines
    DepartmentsCounted = 124,   // %1 added, %2 updated
    DryRun = 125,
    NoPayDate = 126,
    DatabaseExists = 127,       // %1 the file
    NoDatabase = 128,           // %1 the file
    DatabaseCreated = 129,      // %1 the file
    Refused = 130,              // %1 failures
    UnknownCompanyField = 131,  // %1 the field, %2 the fields
    NotADate = 132,             // %1 the text
    WrittenTo = 133,            // %1 the file
    NotACompanyDatabase = 134,  // %1 the file
    RowKindHeading = 135,
};

QString ImportString(int id);

} // namespace company
