#pragma once
// The data gate every bank's records pass: each text is checked as its field is rendered, by what
// the layout says the field is (its form, what it holds, whether it holds an account), so that no
// value reaches a bank that would split a record, change its length or mean other than it says.
// A value the gate refuses is listed with its employee, field and reason; nothing is written.
#include "runtime/value_checks.h"
#include "transfer/media_record.h"

#include <QStringView>
#include <optional>

// The fault of `text` as field `field` would take it (its length in Big5 `bytes`); none when the
// field can take it. Characters Big5 cannot carry are the renderer's to find (a name is written
// with a substitute, any other text refused).
std::optional<values::Fault> FieldFault(const MediaField& field, QStringView text, qsizetype bytes);
// The same for plain ASCII bytes as a row stores them.
std::optional<values::Fault> FieldFault(const MediaField& field, QByteArrayView ascii);

// Whether the field holds a name (or an account holder's title), which is written with a substitute
// for a character Big5 cannot carry and listed, not refused.
bool HoldsName(const MediaField& field);
