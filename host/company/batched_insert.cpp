#include "company/batched_insert.h"

namespace company {

namespace {

constexpr int RowsPerBatch = 64;

} // namespace

BatchedInsert::BatchedInsert(CompanyDatabase& db, const char* table, const char* columns)
    : db_(db), head_(QByteArray("INSERT INTO ") + table + " (" + columns + ") VALUES "),
      columns_(int(QByteArrayView(columns).count(',')) + 1)
{
    placeholders_ = '(' + QByteArray("?,").repeated(columns_).chopped(1) + ')';
    values_.reserve(size_t(RowsPerBatch * columns_));
    full_ = prepare(RowsPerBatch);
}

std::unique_ptr<Statement> BatchedInsert::prepare(int rows) const
{
    QByteArray sql = head_ + placeholders_;
    for (int row = 1; row < rows; ++row)
        sql += ',' + placeholders_;
    return std::make_unique<Statement>(db_, sql.constData());
}

BatchedInsert& BatchedInsert::add(QString text)
{
    values_.emplace_back(std::move(text));
    return *this;
}

BatchedInsert& BatchedInsert::add(double number)
{
    values_.emplace_back(number);
    return *this;
}

void BatchedInsert::endRow()
{
    if (values_.size() == size_t(RowsPerBatch * columns_))
        write(*full_);
}

void BatchedInsert::finish()
{
    if (!values_.empty())
        write(*prepare(int(values_.size()) / columns_));
}

void BatchedInsert::write(Statement& statement)
{
    int index = 0;
    for (const auto& value : values_)
        std::visit([&](const auto& v) { statement.bind(++index, v); }, value);
    statement.run();
    values_.clear();
}

} // namespace company
