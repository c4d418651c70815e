#pragma once
// What a screen reader is told of the controls. An image is heard by its
// name, as a button with a press action (which does what a click does)
// while the picture seen answers a click, and otherwise as a graphic, or as
// a static text for a pair of pictures showing a state. A pair is heard as
// one object, its speaker; a widget that holds pictures lists only the
// speaker of each pair among its children. The images and labels themselves
// say what they show (Controls.h); this only tells it.

namespace forms {

// Makes the screen reader ask here first about images and the plain
// widgets that hold them. Only the first call does anything.
void installAccessibleControls();

} // namespace forms
