#pragma once
// Raised when a report cannot be laid out, printed or previewed; the message is meant for the clerk.
#include <stdexcept>
#include <QString>

namespace report {

class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace report
