#pragma once
// The two text windows of the help menu: edition notes and version history. Fixed texts,
// no behaviour of their own; closed through their title bars.

// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"

class QLabel;
class QPlainTextEdit;

namespace suite::shell {

class ZaibanForm final : public Form {
    Q_OBJECT
public:
    ZaibanForm();

private:
    QPlainTextEdit* Text1;
};

class WriterForm final : public Form {
    Q_OBJECT
public:
    static constexpr int kLabel1Count = 14;
    static constexpr int kLabel4Count = 9;
    WriterForm();

private:
    QLabel* Label2;
    QLabel* Label1[kLabel1Count];
    QLabel* Label4[kLabel4Count];
};

}  // namespace suite::shell
