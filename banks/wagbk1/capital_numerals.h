#pragma once
// An amount in Chinese capital numerals (大寫金額), as the media delivery form writes the total:
// 10005 reads 壹萬零伍元整.
#include <QString>
#include <optional>

// `simplified` takes the simplified word set (贰, 叁, 陆, 万, 亿), else the traditional one.
// 0 gives an empty text. An amount below zero, or one beyond the 兆 place (more than 13 digits),
// has no capital numerals: nothing is returned.
std::optional<QString> CapitalNumerals(qint64 amount, bool simplified);
