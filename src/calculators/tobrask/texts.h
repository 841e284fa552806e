#pragma once
// The fixed texts of the permutation and combination calculator.

#include <QString>

namespace tobrask {

inline const QString kCaption = QStringLiteral("Tobrask");
inline const QString kM = QStringLiteral("m=");
inline const QString kN = QStringLiteral("n=");
inline const QString kClearedResult = QStringLiteral("0.");
// What a screen reader calls the result box, which has no caption of its own.
inline const QString kResultName = QStringLiteral("结果");
inline const QString kPermutation = QStringLiteral("排列");
inline const QString kCombination = QStringLiteral("组合");
inline const QString kClear = QStringLiteral("清空");
inline const QString kOk = QStringLiteral("OK");
inline const QString kMindTheRange = QStringLiteral("请注意取值范围！");

// Said when a result or a product on the way to it leaves the double-precision range.
inline const QString kOutOfRange = QStringLiteral("超出计算范围！");

}  // namespace tobrask
