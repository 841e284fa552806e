#pragma once
// What makes one drill window differ from another: its texts, level rows, thresholds, the
// controls of its question row, and the few steps that draw, show and answer a question.
// The engine reads everything else from here; a window that differs only in data needs no
// code of its own.

#include "drill/drillvariables.h"

#include <QLine>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace suite {
class RandomSource;
}

namespace suite::drill {

struct LevelPreset {
    QString caption;
    std::int16_t rangeMax;
    int questions;
    int seconds;
    std::int16_t rootLowerBound = 0;  // used by the quadratic window only
};

// Seconds left after a tick: above hi calm white, above mid yellow, above lo green, then red.
struct CountdownBands {
    int hi = 30;
    int mid = 10;
    int lo = 3;
};

// The seconds box's messages change at a, b and c seconds.
struct SecondsThresholds {
    double a = 2;
    double b = 90;
    double c = 180;
};

// One control of the question row; all are hidden until Start shows them.
struct RowControl {
    enum class Kind { Label, Line, AnswerBox };
    Kind kind = Kind::Label;
    QString name;     // objectName, e.g. "Label3" or "Label2_2"
    QString text;     // design caption
    QRect twips;      // for a line: unused
    QLine lineTwips;  // for a line: from and to
    double points = 18;
    std::optional<std::uint32_t> colour = 0xFF0000;  // blue; nullopt: default text colour
    Qt::Alignment align = Qt::AlignCenter;
    QString spokenName;  // an answer box's name for a screen reader
    int part = 0;        // the spoken part that holds a label or a line (answer boxes stand apart)
};

// Pieces of the question row that a screen reader reads as one text.
struct SpokenPart {
    QString name;     // objectName
    QString reading;  // what is said; "{Label3}" stands for that label's caption as shown
};

// The squares and square-roots windows ask a missed question again.
struct RetryCycle {
    QStringList redLabels;            // question labels turned red by a retry
    std::uint32_t answerBackground;   // answer box background during a retry
    bool startResetsColours = false;  // Start turns the row back to blue on white
};

inline RowControl RowLabel(const QString& name, const QString& text, QRect twips, double points = 18,
                           std::optional<std::uint32_t> colour = 0xFF0000,
                           Qt::Alignment align = Qt::AlignCenter)
{
    RowControl r;
    r.name = name;
    r.text = text;
    r.twips = twips;
    r.points = points;
    r.colour = colour;
    r.align = align;
    return r;
}
inline RowControl RowAnswerBox(const QString& name, QRect twips, const QString& spokenName)
{
    RowControl r = RowLabel(name, {}, twips);
    r.kind = RowControl::Kind::AnswerBox;
    r.spokenName = spokenName;
    return r;
}
inline RowControl RowLine(const QString& name, QLine twips)
{
    RowControl r;
    r.kind = RowControl::Kind::Line;
    r.name = name;
    r.lineTwips = twips;
    return r;
}
inline RowControl InPart(RowControl r, int part)
{
    r.part = part;
    return r;
}

// The row read as the question alone, by the object named "questionRow".
inline std::vector<SpokenPart> ReadAs(const QString& question)
{
    return {{QStringLiteral("questionRow"), question}};
}

using Captions = std::vector<std::pair<QString, QString>>;  // label name, caption

struct DrillDescription {
    QString name;           // window objectName: kjia, kjian, ...
    QString designCaption;  // window caption when it opens
    QString title;          // caption restored by continue, and the paused caption's stem
    QString intro;          // Label5
    std::optional<std::uint32_t> introColour;
    QString messageDesignText;  // Text7 when the window opens
    bool hasChooseCaption = true;
    std::array<LevelPreset, 2> levels;
    QString rangePrompt;
    QString rangeDefault = QStringLiteral("50");
    SecondsThresholds seconds;
    CountdownBands bands;
    QString hurryMessage;
    bool verdictInYellow = false;     // Next writes its verdict in yellow
    bool clearAnswerOnShow = false;   // Start empties the answer box as it shows the row
    bool option3HiddenAtDesign = false;
    int lowerPartShift = 0;  // twips the lower part of the window moves down for a taller row
    std::vector<RowControl> row;
    // How the row reads, part by part; the first part is the question, read anew with each one.
    std::vector<SpokenPart> spoken;
    QStringList clearedAtEnd;  // question labels emptied at the end of a run
    std::optional<RetryCycle> retry;
    bool quadratic = false;

    // Draws the next question into the variables (after the clock reseed).
    std::function<void(DrillVariables&, RandomSource&)> draw;
    // The question row's captions for the drawn question.
    std::function<Captions(const DrillVariables&)> captions;
    // The right answer, one per answer box.
    std::function<std::vector<double>(const DrillVariables&)> answers;
    // Why a custom range cannot be used by this window, or empty text when it can.
    std::function<QString(std::int16_t)> refuseRange;
};

}  // namespace suite::drill
