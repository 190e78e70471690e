#pragma once
// The command line after the runtime's own options were taken: options with values and flags
// are taken out by name, the rest stays positional.
#include <QStringList>
#include <optional>
#include <stdexcept>

// A usage error: the message is printed and the exit status is 1.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    explicit Arguments(QStringList words) : words_(std::move(words)) {}

    std::optional<QString> take(const QString& option);   // "--out FILE"; raises when the value is missing
    bool takeFlag(const QString& option);                 // "--force"
    QString takePositional(const QString& what);          // raises when absent
    int takeBank();                                        // a bank number 1..28
    // "--seed 7": a whole number from `least` to `most`, `absent` when the option is not given.
    qint64 takeNumber(const QString& option, qint64 absent, qint64 least, qint64 most);
    const QStringList& rest() const { return words_; }
    // Raises for anything left over.
    void finish() const;

private:
    QStringList words_;
};
