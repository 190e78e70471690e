#pragma once
// Rows inserted into one table a batch at a time: one statement of many rows costs the engine far
// less than as many statements of one row. The rows are held until their batch is full or finish().
#include "company/company_database.h"

#include <memory>
#include <variant>

namespace company {

class BatchedInsert {
public:
    // `table` and `columns` ("A,B,C") as the INSERT names them.
    BatchedInsert(CompanyDatabase& db, const char* table, const char* columns);

    // The next row's values, in the columns' order; a text's empty value is written as NULL.
    BatchedInsert& add(QString text);
    BatchedInsert& add(double number);
    // Ends the row; a full batch is written.
    void endRow();
    // Writes the rows still held. Must come before the transaction's commit.
    void finish();

private:
    void write(Statement& statement);
    std::unique_ptr<Statement> prepare(int rows) const;

    CompanyDatabase& db_;
    QByteArray head_, placeholders_;
    int columns_;
    std::vector<std::variant<QString, double>> values_;
    std::unique_ptr<Statement> full_;
};

} // namespace company
