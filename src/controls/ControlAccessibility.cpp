#include "controls/ControlAccessibility.h"

#include "controls/AccessibleButtonEx.h"
#include "controls/AccessibleSlider.h"
#include "controls/ButtonEx.h"
#include "controls/Tracker.h"
#include "controls/Volume.h"

namespace ControlAccessibility {

namespace {
QAccessibleInterface* forControl(const QString& className, QObject* object) {
    if (className == QLatin1String("Tracker")) {
        auto* bar = static_cast<Tracker*>(object);
        return new AccessibleSlider(bar,
                                    {[bar] { return bar->Value(); }, [bar] { return bar->Max(); },
                                     [bar](int value) { bar->setValue(value); }});
    }
    if (className == QLatin1String("Volume")) {
        auto* slider = static_cast<Volume*>(object);
        return new AccessibleSlider(slider, {[slider] { return slider->volume(); },
                                             [] { return VolumeModel::kMaxVolume; },
                                             [slider](int value) { slider->setVolume(value); }});
    }
    if (className == QLatin1String("ButtonEx"))
        return new AccessibleButtonEx(static_cast<ButtonEx*>(object));
    return nullptr;
}
} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(forControl);
        return true;
    }();
    (void)installed;
}

} // namespace ControlAccessibility
