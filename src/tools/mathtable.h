#pragma once
// The table of function values: a short welcome, then one input box whose every change
// reprints the values of common functions of the number typed onto the window surface.

#include "common/platform.h"
#include "common/printsurface.h"
// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"

#include <QPixmap>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace suite::tools {

// The window's printing surface with its background: a colour and a picture at the top left.
class TableSurface final : public PrintSurface {
    Q_OBJECT
public:
    explicit TableSurface(QWidget* parent = nullptr);
    void SetBackColor(const QColor& color);
    void SetPicture(const QPixmap& picture);
    QColor BackColor() const { return backColor_; }
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_;
    QPixmap picture_;
};

class MathtableForm final : public Form {
    Q_OBJECT
public:
    MathtableForm(Platform& platform, std::function<void()> showTools, QWidget* parent = nullptr);

    TableSurface* Surface() const { return surface_; }

public slots:
    void Timer1_Timer();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    void Maximize();
    void FitLongestLine();

    Platform& platform_;
    std::function<void()> showTools_;
    TableSurface* surface_;
    QLabel* Label1;
    QLabel* Label2;
    TextBox* Text1;
    QTimer* Timer1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
};

}  // namespace suite::tools
