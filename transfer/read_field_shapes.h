#pragma once
// What a field read back from a media file must look like to be what its layout writes: the bytes
// of a fixed text, a number in the "0"-filled form, a date that exists in the form of its field.
#include "transfer/media_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The bytes a field of fixed text is written as.
QByteArray ConstantBytes(const MediaField& field);
// A number written "0"-filled: "0" in front, before a minus sign; none for anything else. One too
// large to hold reads as zero.
std::optional<qint64> ZerosNumber(QByteArrayView bytes);
// A date of the field's form: ROC with the year's digits the field gives (unpadded: no "0" in
// front), or yyyyMMdd, "0"-filled in front in a field of that form; and a day of the calendar.
bool DateExists(QByteArrayView bytes, const MediaField& field);
