#pragma once
// The filter of a local table: comparisons of a field with a quoted text or a number, joined by
// And, Or, Not and parentheses (keywords in any case), for example
//   YG_NAME<>''      ((BACC_NO<>'')And(BACC_NO1<>''))Or((BACC_NO='')And(BACC_NO1=''))      A_MTN>0
// Operators: = <> < > <= >=. A NULL field reads as '' against a text and as 0 against a number.
// A text is compared with a number field by value when it reads as a number.
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace db {

struct FieldDef;

class RowFilter {
public:
    // Raises std::invalid_argument naming what is wrong with the expression.
    explicit RowFilter(const QString& expression);

    // The fields the expression names, upper-case.
    const QStringList& fieldNames() const { return fields_; }
    // `row` holds the values of `fields`; every name of fieldNames() must be among them.
    bool matches(const std::vector<FieldDef>& fields, const std::vector<QVariant>& row) const;
    // The same over a row read cell by cell: `cell(i)` gives the value of fields[i].
    bool matches(const std::vector<FieldDef>& fields, const std::function<QVariant(size_t)>& cell) const;

    struct Node;

private:
    std::shared_ptr<const Node> root_;
    QStringList fields_;
};

} // namespace db
