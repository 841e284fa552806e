#pragma once
// The fixed texts of the triangle solver.

#include <QString>

namespace triangle {

inline const QString kCaption = QStringLiteral("KelvrimV2.0");
inline const QString kAgain = QStringLiteral("Again");
inline const QString kSidesRow = QStringLiteral("边：     Ⅰ=");
inline const QString kAnglesRow = QStringLiteral("角：     Ⅰ=");
inline const QString kMediansRow = QStringLiteral("中线：   Ⅰ=");
inline const QString kBisectorsRow = QStringLiteral("角平分线:Ⅰ=");
inline const QString kAltitudesRow = QStringLiteral("高线：   Ⅰ=");
inline const QString kCircumradiusRow = QStringLiteral("外接圆半径=");
inline const QString kInradiusRow = QStringLiteral("内切圆半径=");
inline const QString kAreaRow = QStringLiteral("面积=");
inline const QString kSecond = QStringLiteral("Ⅱ=");
inline const QString kThird = QStringLiteral("Ⅲ=");

// The captions as a screen reader says them before a value, without the layout's blanks.
inline const QString kSidesSpoken = QStringLiteral("边");
inline const QString kAnglesSpoken = QStringLiteral("角");
inline const QString kMediansSpoken = QStringLiteral("中线");
inline const QString kBisectorsSpoken = QStringLiteral("角平分线");
inline const QString kAltitudesSpoken = QStringLiteral("高线");
inline const QString kCircumradiusSpoken = QStringLiteral("外接圆半径");
inline const QString kInradiusSpoken = QStringLiteral("内切圆半径");
inline const QString kAreaSpoken = QStringLiteral("面积");
inline const QString kNumerals[3] = {QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ")};
inline const QString kPromptSide1 = QStringLiteral("请输入三角形的第 Ⅰ 边：");
inline const QString kPromptSide2 = QStringLiteral("请输入三角形的第 Ⅱ 边：");
inline const QString kPromptSide3 = QStringLiteral("请输入三角形的第 Ⅲ 边：");
inline const QString kNotATriangle = QStringLiteral(" 三边不能构成三角形！");
inline const QString kSeparator = QStringLiteral("，");
inline const QString kErrorTitle = QStringLiteral("错误");
inline const QString kEndProgram = QStringLiteral("终止程序吗？");
inline const QString kDegree = QStringLiteral("°");

// Said after the lengths when a result or a product on the way to it leaves the
// double-precision range; the blank parts it from the last length.
inline const QString kOutOfRange = QStringLiteral(" 超出计算范围！");

}  // namespace triangle
