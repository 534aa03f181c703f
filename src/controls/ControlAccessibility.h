#pragma once
// Makes the painted controls readable to assistive technology and desktop test tools: the track
// bar and the volume slider as sliders with a value, the skinned button as a button.
namespace ControlAccessibility {

// Once per run, before the first control is asked for; later calls do nothing.
void install();

} // namespace ControlAccessibility
