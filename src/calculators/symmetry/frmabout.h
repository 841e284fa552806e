#pragma once
// The about box: title and version of the program, a greeting and a date.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace suite::symmetry {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const QString& appTitle, QWidget* owner);

    void cmdOK_Click();
    // Escape and the close box press OK, which is also the cancel button.
    void reject() override;

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label2;
    QLabel* Label6;
    QFrame* Line1;
    QFrame* Line2;
    QPushButton* cmdOK;

private:
    void Form_Load(const QString& appTitle);
};

// "版本 " and major.minor.revision of the running program's version.
QString VersionCaption();

}  // namespace suite::symmetry
