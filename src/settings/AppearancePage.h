#pragma once
// The controls of the appearance and other page: transparency box and slider, the title and
// playing-list options, and the four check boxes, in the frames 外观 and 其他.
#include "settings/OptionsSection.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class Tracker;

class AppearancePage : public QWidget {
    Q_OBJECT
public:
    explicit AppearancePage(QWidget* parent = nullptr);

    QGroupBox* FrameOption1 = nullptr;
    QGroupBox* FrameOption2 = nullptr;
    QLabel* lblStatic3 = nullptr;
    QLineEdit* txtAlphaPercent = nullptr;
    QLabel* lblPercent = nullptr;
    Tracker* trkAlphaBar = nullptr;
    std::array<QRadioButton*, 4> optMainTitle{};
    std::array<QRadioButton*, 4> optPlayList{};
    QCheckBox* chkMouseFollow = nullptr;
    QCheckBox* chkOnlyOneApp = nullptr;
    std::array<QCheckBox*, 2> chkAssociate{};

    // The check box of a check of the settings.
    QCheckBox* checkBox(int check) const;

private:
    QGroupBox* buildAppearance();
    QGroupBox* buildOther();
};
