#include "settings/OptionsModel.h"

#include "library/MOthers.h"
#include "settings/AlphaPercent.h"

#include <utility>

namespace {
const QString kAlphaRefused = QStringLiteral("错误：透明度超出了允许的范围！      ");
const QString kKeyTaken = QStringLiteral("警告：该键值(%1)已经被占用！");

// Only the options of this dialog: the rest of the program's options are not its to touch.
void copyOptions(const OptionValues& values, ProgramOptions& options) {
    options.intTitleOption = values.titleOption;
    options.intPlayListOption = values.playListOption;
    options.blnMouseFollow = values.checks[OptionValues::MouseFollow];
    options.blnOnlyRunOne = values.checks[OptionValues::OnlyOneApp];
    options.blnAssociate = {values.checks[OptionValues::AssociateScores],
                            values.checks[OptionValues::AssociatePlaylists]};
}
} // namespace

OptionsModel::OptionsModel(OptionsHost& host, AppPaths paths, MessageSink& messages,
                           QObject* parent)
    : QObject(parent), host_(host), paths_(std::move(paths)), messages_(messages),
      keys_(host.keyMap(), host.noteTable(), paths_) {}

void OptionsModel::load(bool aboutRequested) {
    if (const auto stored = OptionsSection::read(OptionsSection::settingsPath(paths_))) {
        values_.intCurrentTab = stored->intCurrentTab;
        // A stored text the box refuses leaves the window at what the start-up made of it.
        acceptedAlpha_ = QString::number(AlphaPercent::forWindow(stored->alphaText));
        setAlphaText(stored->alphaText);
        // Each selection runs its handling, so the running program takes the stored values.
        selectTitle(stored->titleOption);
        selectPlayList(stored->playListOption);
        for (int c = 0; c < OptionValues::CheckCount; ++c)
            setCheck(OptionValues::Check(c), stored->checks[c]);
        keys_.load(true);
    } else {
        values_ = OptionValues{};
        setAlphaText(values_.alphaText);
        keys_.load(false);
    }
    for (int b = 0; b < KeyMapEditor::kBoxCount; ++b)
        emit keyTextChanged(b, keys_.text(b));
    ShowPage(aboutRequested ? AboutPage : values_.intCurrentTab);
    baseline_ = {host_.caption(), values_};
}

QString OptionsModel::caption() const {
    return host_.designCaption() + QStringLiteral(" -> 选项");
}

QString OptionsModel::pageName(int page) {
    switch (page) {
    case AboutPage:
        return QStringLiteral("关于");
    case AppearancePage:
        return QStringLiteral("外观+其他");
    case KeyPage:
        return QStringLiteral("按键");
    default:
        return {};
    }
}

void OptionsModel::ShowPage(int index) {
    if (index < 0 || index >= PageCount) return;
    values_.intCurrentTab = index;
    keys_.clearMark();
    emit markedKeyChanged(-1);
    emit pageShown(index);
}

bool OptionsModel::setAlphaText(const QString& text) {
    values_.alphaText = text;
    emit alphaTextChanged(text);
    const double percent = AlphaPercent::typed(text);
    if (!AlphaPercent::inRange(percent)) {
        // A message box takes the pointer: the drag that led here is over.
        dragging_ = false;
        messages_.show({kAlphaRefused, caption(), MessageIcon::Error, MessageButtons::Ok, true});
        emit alphaRefused();
        okEnabled_ = false;
        emit okEnabledChanged(false);
        return false;
    }
    changed();
    acceptedAlpha_ = text;
    // While the pointer drags the slider, the slider follows the pointer, not the rounded text.
    if (!dragging_) {
        alphaSlider_ = AlphaPercent::toSlider(percent, kAlphaMax);
        emit alphaSliderChanged(alphaSlider_);
    }
    host_.SetTransparency(AlphaPercent::forWindow(text));
    return true;
}

void OptionsModel::alphaSliderPressed(int value) {
    dragging_ = true;
    alphaFromSlider(value);
}

void OptionsModel::alphaSliderMoved(int value) {
    if (dragging_) alphaFromSlider(value);
}

void OptionsModel::alphaFromSlider(int value) {
    alphaSlider_ = value;
    const QString text = QString::number(AlphaPercent::fromSlider(value, kAlphaMax));
    if (text != values_.alphaText) setAlphaText(text);
}

void OptionsModel::selectTitle(int index) {
    changed();
    values_.titleOption = index;
    copyOptions(values_, host_.options());
    emit titleOptionChanged(index);
    showTitle();
}

void OptionsModel::showTitle() {
    const QString file = host_.playingFile();
    if (file.isEmpty()) return;
    if (const auto title = TitleCaption(values_.titleOption, host_.designCaption(), file))
        host_.setCaption(*title);
}

void OptionsModel::selectPlayList(int index) {
    changed();
    values_.playListOption = index;
    copyOptions(values_, host_.options());
    emit playListOptionChanged(index);
}

void OptionsModel::setCheck(OptionValues::Check check, bool on) {
    if (check < 0 || check >= OptionValues::CheckCount) return;
    changed();
    values_.checks[check] = on;
    copyOptions(values_, host_.options());
    emit checkChanged(check, on);
}

void OptionsModel::clickKeyLabel(int keyIndex) {
    if (keys_.clickLabel(keyIndex, values_.intCurrentTab)) emit markedKeyChanged(keyIndex);
}

void OptionsModel::clickKeyBox(int keyIndex) {
    keys_.mark(keyIndex);
    emit markedKeyChanged(keys_.markedKey());
}

bool OptionsModel::captureKey(int keyIndex, int keyCode, bool capsLockOn) {
    const KeyMapEditor::Capture capture = keys_.capture(keyIndex, keyCode, capsLockOn);
    if (!capture.accepted) {
        messages_.show(
            {kKeyTaken.arg(capture.name), caption(), MessageIcon::Warning, MessageButtons::Ok});
        return false;
    }
    emit keyTextChanged(keyIndex, capture.name);
    setApplyEnabled(true);
    return true;
}

void OptionsModel::restoreDefaults() {
    if (values_.intCurrentTab == AppearancePage) {
        const OptionValues defaults;
        setAlphaText(defaults.alphaText);
        selectTitle(defaults.titleOption);
        selectPlayList(defaults.playListOption);
        for (int c = 0; c < OptionValues::CheckCount; ++c)
            setCheck(OptionValues::Check(c), defaults.checks[c]);
    } else if (values_.intCurrentTab == KeyPage) {
        keys_.restoreDefaults();
        for (int b = 0; b < KeyMapEditor::kBoxCount; ++b)
            emit keyTextChanged(b, keys_.text(b));
    } else {
        return;
    }
    changed();
}

void OptionsModel::apply() {
    OptionValues stored = values_;
    stored.alphaText = acceptedAlpha_;
    OptionsSection::write(OptionsSection::settingsPath(paths_), stored);
    keys_.save();
    host_.applyAssociations(host_.options().blnAssociate);
    setApplyEnabled(false);
    emit focusOkRequested();
}

void OptionsModel::ok() {
    if (applyEnabled_) apply();
}

void OptionsModel::close() {
    if (applyEnabled_) revert();
    setApplyEnabled(false);
}

void OptionsModel::revert() {
    host_.SetTransparency(AlphaPercent::forWindow(baseline_.values.alphaText));
    host_.setCaption(baseline_.caption);
    copyOptions(baseline_.values, host_.options());
    keys_.revert();
}

void OptionsModel::changed() {
    if (visible_) setApplyEnabled(true);
}

void OptionsModel::setApplyEnabled(bool enabled) {
    if (applyEnabled_ == enabled) return;
    applyEnabled_ = enabled;
    emit applyEnabledChanged(enabled);
}
