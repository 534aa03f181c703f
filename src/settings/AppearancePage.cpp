#include "settings/AppearancePage.h"

#include "controls/Tracker.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
// Four options in a frame of their own; exactly one is selected.
QGroupBox* optionFrame(const QString& caption, const QStringList& texts,
                       std::array<QRadioButton*, 4>& buttons, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new QRadioButton(texts[i], frame);
        group->addButton(buttons[i], i);
        layout->addWidget(buttons[i]);
    }
    buttons[1]->setChecked(true);
    return frame;
}
} // namespace

AppearancePage::AppearancePage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FrameOption1 = buildAppearance();
    FrameOption2 = buildOther();
    layout->addWidget(FrameOption1, 1);
    layout->addWidget(FrameOption2, 1);
}

QGroupBox* AppearancePage::buildAppearance() {
    auto* frame = new QGroupBox(QStringLiteral("外观"), this);
    lblStatic3 = new QLabel(QStringLiteral("主窗体透明度："), frame);
    txtAlphaPercent = new QLineEdit(QStringLiteral("0"), frame);
    txtAlphaPercent->setMaximumWidth(60);
    txtAlphaPercent->setAttribute(Qt::WA_InputMethodEnabled, false);
    lblPercent = new QLabel(QStringLiteral("%"), frame);
    trkAlphaBar = new Tracker(frame);
    trkAlphaBar->setAccessibleName(QStringLiteral("主窗体透明度"));
    trkAlphaBar->setMinimumHeight(22);

    auto* layout = new QVBoxLayout(frame);
    auto* alpha = new QHBoxLayout;
    alpha->addWidget(lblStatic3);
    alpha->addWidget(txtAlphaPercent);
    alpha->addWidget(lblPercent);
    alpha->addStretch();
    layout->addLayout(alpha);
    layout->addWidget(trkAlphaBar);
    layout->addWidget(
        optionFrame(QStringLiteral("标题栏"),
                    {QStringLiteral("前缀 + 完整路径"), QStringLiteral("前缀 + 文件名"),
                     QStringLiteral("只显示文件名"), QStringLiteral("只显示文件完整路径")},
                    optMainTitle, frame));
    layout->addStretch();
    return frame;
}

QGroupBox* AppearancePage::buildOther() {
    auto* frame = new QGroupBox(QStringLiteral("其他"), this);
    chkMouseFollow = new QCheckBox(QStringLiteral("键盘弹奏时鼠标自动跟随按键"), frame);
    chkOnlyOneApp = new QCheckBox(QStringLiteral("只允许运行一个程序实例"), frame);
    chkAssociate[0] = new QCheckBox(QStringLiteral("关联本程序与乐谱文件(.piano文件)"), frame);
    chkAssociate[1] = new QCheckBox(QStringLiteral("关联本程序与播放列表(.plist文件)"), frame);

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(optionFrame(
        QStringLiteral("播放列表"),
        {QStringLiteral("继续播放上次未完成的列表"), QStringLiteral("自动添加相似连续文件到列表"),
         QStringLiteral("添加新文件前自动清空列表"), QStringLiteral("退出时自动清空列表")},
        optPlayList, frame));
    for (QCheckBox* box : {chkMouseFollow, chkOnlyOneApp, chkAssociate[0], chkAssociate[1]}) {
        box->setChecked(true);
        layout->addWidget(box);
    }
    layout->addStretch();
    return frame;
}

QCheckBox* AppearancePage::checkBox(int check) const {
    switch (check) {
    case OptionValues::MouseFollow:
        return chkMouseFollow;
    case OptionValues::OnlyOneApp:
        return chkOnlyOneApp;
    case OptionValues::AssociateScores:
        return chkAssociate[0];
    case OptionValues::AssociatePlaylists:
        return chkAssociate[1];
    default:
        return nullptr;
    }
}
