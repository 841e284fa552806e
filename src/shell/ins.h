#pragma once
// The instructions window: a few lines about the program, and a start button that appears
// after a short wait or at a click on the hint line.

// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"

#include <QLabel>
#include <functional>

class QPushButton;
class QTimer;

namespace suite::shell {

// A label that reports a click, by the mouse or, once it has the focus, by the space bar as
// a button takes it, so a learner without a mouse can use it too.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class InsForm final : public Form {
    Q_OBJECT
public:
    explicit InsForm(std::function<void()> makeMainVisible);

public slots:
    void Timer1_Timer();
    void Label5_Click();
    void Command1_Click();

private:
    void Form_Load();

    std::function<void()> makeMainVisible_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    ClickLabel* Label5;
    QPushButton* Command1;
    QTimer* Timer1;
};

}  // namespace suite::shell
