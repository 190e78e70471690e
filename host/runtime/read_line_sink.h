#pragma once
// A media file read back, line by line, as the module reads it: what a host hands the module to
// show a file of any size without either of them holding its lines.
#include <QObject>
#include <QString>
#include <vector>

struct ReadField {
    QString content;   // what the field holds, as the layout names it
    QString text;      // the field's bytes, Big5 decoded
};

struct ReadLine {
    int number = 0;    // from 1
    QString kind;      // header, detail or trailer, in the clerk's language
    std::vector<ReadField> fields;
};

// Takes each line as it is read, field by field; the line is valid only during the call.
class ReadLineSink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void Take(const ReadLine& line) = 0;
};
