#include "settings/clsVolume.h"

#include <algorithm>

clsVolume::clsVolume(PlaybackMixer& mixer, MessageSink& messages)
    : mixer_(mixer), messages_(messages) {}

bool clsVolume::meOpenMixer() {
    if (tried_) return open_;
    tried_ = true;
    mixerErr_ = mixer_.open();
    open_ = mixerErr_ == 0;
    if (!open_) {
        messages_.show({QStringLiteral("Could not open the mixer."),
                        QStringLiteral("Volume Control"), MessageIcon::Error, MessageButtons::Ok,
                        false});
        return false;
    }
    minimum_ = mixer_.minimum();
    maximum_ = std::max(mixer_.maximum(), minimum_);
    return true;
}

bool clsVolume::setPrSpeakerVolume(long value) {
    if (!meOpenMixer()) return false;
    speakerVolume_ = std::clamp(value, minimum_, maximum_);
    return mixer_.setVolume(speakerVolume_);
}

bool clsVolume::setSliderVolume(int position) {
    if (!meOpenMixer()) return false;
    // At the bottom of its range a control may still be audible: 0 also switches it off.
    const bool on = position > 0;
    if (on) mixer_.setSwitch(true);
    const bool set = setPrSpeakerVolume(sliderToControl(position, minimum_, maximum_));
    if (!on) mixer_.setSwitch(false);
    return set;
}

long clsVolume::sliderToControl(int position, long minimum, long maximum) {
    if (maximum <= minimum) return minimum;
    const unsigned long steps = std::clamp(position, 0, kSliderMaximum);
    // span × steps / 930 without overflow: whole part of span / 930 times steps, plus the rest,
    // which stays below 930 × 930.
    const unsigned long span =
        static_cast<unsigned long>(maximum) - static_cast<unsigned long>(minimum);
    const unsigned long whole = span / kSliderMaximum, rest = span % kSliderMaximum;
    unsigned long offset = whole * steps + rest * steps / kSliderMaximum;
    const unsigned long remainder = rest * steps % kSliderMaximum;
    if (2 * remainder > kSliderMaximum || (2 * remainder == kSliderMaximum && offset % 2 == 1))
        ++offset;
    return static_cast<long>(static_cast<unsigned long>(minimum) + offset);
}
