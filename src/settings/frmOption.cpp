#include "settings/frmOption.h"

#include "controls/ButtonEx.h"
#include "controls/Tracker.h"
#include "core/ShellOpen.h"
#include "core/VersionInfo.h"
#include "settings/AboutText.h"
#include "settings/AppearancePage.h"
#include "settings/ContactLink.h"
#include "settings/KeyMapPage.h"
#include "settings/OptionTab.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>

namespace {
const QString kKeyHint = QStringLiteral("请点击按键进行修改");

QString creditLine() {
    return QStringLiteral("%1 · 作者：%2")
        .arg(QString::fromUtf8(VersionInfo::fileDescription),
             QString::fromUtf8(VersionInfo::companyName));
}

ButtonEx* button(const QString& caption, QWidget* parent) {
    auto* b = new ButtonEx(parent);
    b->setCaption(caption);
    b->setMinimumSize(96, 28);
    return b;
}
} // namespace

frmOption::frmOption(OptionsHost& host, const Services& services, bool aboutRequested,
                     QWidget* owner)
    : QDialog(owner), model_(host, services.paths, services.messages, this), shell_(services.shell),
      messages_(services.messages), programFile_(services.programFile) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner) setWindowIcon(owner->windowIcon());
    setWindowTitle(model_.caption());

    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    for (int i = 0; i < OptionsModel::PageCount; ++i) {
        picForButton[i] = new OptionTab(OptionsModel::pageName(i), this);
        picForButton[i]->setMinimumWidth(110);
        tabs->addWidget(picForButton[i]);
        connect(picForButton[i], &OptionTab::clicked, &model_, [this, i] { model_.ShowPage(i); });
    }
    tabs->addStretch();
    layout->addLayout(tabs);

    FrameStatic0 = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(FrameStatic0);
    pages = new QStackedWidget(FrameStatic0);
    appearance = new AppearancePage(pages);
    keyPage = new KeyMapPage(pages);
    pages->addWidget(buildAboutPage());
    pages->addWidget(appearance);
    pages->addWidget(keyPage);
    frameLayout->addWidget(pages);
    layout->addWidget(FrameStatic0, 1);

    lblStatic4 = new QLabel(this);
    layout->addWidget(lblStatic4);
    buildButtons();
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setUpAlphaBar();
    wireAppearance();
    wireKeyPage();
    wireButtons();
    connect(&model_, &OptionsModel::pageShown, this, &frmOption::showPage);
    model_.load(aboutRequested);
}

void frmOption::Start(OptionsHost& host, const Services& services, bool aboutRequested,
                      QWidget* owner) {
    frmOption dialog(host, services, aboutRequested, owner);
    dialog.exec();
}

QWidget* frmOption::buildAboutPage() {
    FrameOption0 = new QGroupBox(QStringLiteral("关于"), pages);
    auto* layout = new QVBoxLayout(FrameOption0);
    lblAbout = new QLabel(FrameOption0);
    lblAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lblAbout);
    layout->addStretch();
    auto* links = new QHBoxLayout;
    const QString home = QString::fromUtf8(VersionInfo::homePage);
    lblContact = {new ContactLink(QStringLiteral("访问主页"), home, FrameOption0),
                  new ContactLink(QStringLiteral("发送邮件"),
                                  QString::fromUtf8(VersionInfo::mailTo), FrameOption0),
                  new ContactLink(QStringLiteral("意见反馈"),
                                  QString::fromUtf8(VersionInfo::feedbackPage), FrameOption0)};
    for (ContactLink* link : lblContact) {
        links->addWidget(link);
        connect(link, &ContactLink::activated, this,
                [this](const QString& target) { ShellOpen(shell_, messages_, target); });
    }
    links->addStretch();
    layout->addLayout(links);
    return FrameOption0;
}

void frmOption::buildButtons() {
    btnDefaultSetting = button(QStringLiteral("还原默认设置(&R)"), this);
    btnDefaultSetting->setMinimumWidth(140);
    btnOk = button(QStringLiteral("确定"), this);
    btnCancel = button(QStringLiteral("取消"), this);
    btnApply = button(QStringLiteral("应用(&A)"), this);
    btnApply->setEnabled(false);
    auto* row = new QHBoxLayout;
    row->addWidget(btnDefaultSetting);
    row->addStretch();
    row->addWidget(btnOk);
    row->addWidget(btnCancel);
    row->addWidget(btnApply);
    static_cast<QBoxLayout*>(layout())->addLayout(row);
}

void frmOption::setUpAlphaBar() {
    Tracker* bar = appearance->trkAlphaBar;
    bar->setLeftAppearance(1);
    bar->setRightAppearance(1);
    bar->setLeftColor(QColor(0, 0, 255));
    bar->setRightColor(Qt::white);
    bar->setRightHeight(105);
    bar->setLeftHeight(105);
    bar->setMax(OptionsModel::kAlphaMax);
    bar->setValue(0);
}

void frmOption::wireAppearance() {
    AppearancePage* page = appearance;
    connect(page->txtAlphaPercent, &QLineEdit::textEdited, &model_, &OptionsModel::setAlphaText);
    connect(&model_, &OptionsModel::alphaTextChanged, page, [page](const QString& text) {
        if (page->txtAlphaPercent->text() != text) page->txtAlphaPercent->setText(text);
    });
    connect(&model_, &OptionsModel::alphaRefused, page, [page] {
        page->txtAlphaPercent->selectAll();
        page->txtAlphaPercent->setFocus();
        // The message box took the pointer: the slider must not go on dragging without a button.
        page->trkAlphaBar->setEnabled(false);
        page->trkAlphaBar->setEnabled(true);
    });
    Tracker* bar = page->trkAlphaBar;
    connect(&model_, &OptionsModel::alphaSliderChanged, bar, &Tracker::setValue);
    connect(bar, &Tracker::MouseDown, &model_,
            [this, bar] { model_.alphaSliderPressed(bar->Value()); });
    connect(bar, &Tracker::MouseMove, &model_,
            [this, bar] { model_.alphaSliderMoved(bar->Value()); });
    connect(bar, &Tracker::MouseUp, &model_, &OptionsModel::alphaSliderReleased);

    for (int i = 0; i < 4; ++i) {
        connect(page->optMainTitle[i], &QRadioButton::clicked, &model_,
                [this, i] { model_.selectTitle(i); });
        connect(page->optPlayList[i], &QRadioButton::clicked, &model_,
                [this, i] { model_.selectPlayList(i); });
    }
    connect(&model_, &OptionsModel::titleOptionChanged, page,
            [page](int i) { page->optMainTitle[std::size_t(i) % 4]->setChecked(true); });
    connect(&model_, &OptionsModel::playListOptionChanged, page,
            [page](int i) { page->optPlayList[std::size_t(i) % 4]->setChecked(true); });
    for (int c = 0; c < OptionValues::CheckCount; ++c)
        connect(page->checkBox(c), &QCheckBox::clicked, &model_,
                [this, c](bool on) { model_.setCheck(OptionValues::Check(c), on); });
    connect(&model_, &OptionsModel::checkChanged, page, [page](int c, bool on) {
        if (QCheckBox* box = page->checkBox(c)) box->setChecked(on);
    });
}

void frmOption::wireKeyPage() {
    connect(keyPage, &KeyMapPage::labelClicked, &model_, [this](int i) {
        model_.clickKeyLabel(i);
        if (model_.keys().markedKey() == i) keyPage->focusBox(i);
    });
    connect(keyPage, &KeyMapPage::boxClicked, &model_, &OptionsModel::clickKeyBox);
    connect(keyPage, &KeyMapPage::keyReleased, &model_, &OptionsModel::captureKey);
    connect(&model_, &OptionsModel::keyTextChanged, keyPage, &KeyMapPage::setKeyText);
    connect(&model_, &OptionsModel::markedKeyChanged, keyPage, &KeyMapPage::setMarked);
}

void frmOption::wireButtons() {
    connect(&model_, &OptionsModel::applyEnabledChanged, btnApply, &QWidget::setEnabled);
    connect(&model_, &OptionsModel::okEnabledChanged, btnOk, &QWidget::setEnabled);
    connect(&model_, &OptionsModel::focusOkRequested, btnOk, [this] { btnOk->setFocus(); });
    connect(btnApply, &ButtonEx::Click, &model_, &OptionsModel::apply);
    connect(btnOk, &ButtonEx::Click, this, [this] {
        model_.ok();
        accept();
    });
    connect(btnCancel, &ButtonEx::Click, this, &QDialog::reject);
    connect(btnDefaultSetting, &ButtonEx::Click, &model_, &OptionsModel::restoreDefaults);
}

void frmOption::showPage(int index) {
    for (int i = 0; i < OptionsModel::PageCount; ++i)
        picForButton[i]->DrawKeyEdge(picForButton[i]->Tag(),
                                     i == index ? OptionTab::kEdgeSunken : OptionTab::kEdgeRaised);
    FrameStatic0->setTitle(OptionsModel::pageName(index));
    lblStatic4->setText(index == OptionsModel::KeyPage ? kKeyHint : creditLine());
    // Composed once per dialog, the first time the page is shown.
    if (index == OptionsModel::AboutPage && lblAbout->text().size() < 5)
        lblAbout->setText(AboutText(programFile_));
    pages->setCurrentIndex(index);
    btnDefaultSetting->setVisible(model_.restoreDefaultsOffered());
}

void frmOption::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    model_.setVisible(true);
}

void frmOption::done(int result) {
    model_.close();
    model_.setVisible(false);
    QDialog::done(result);
}
