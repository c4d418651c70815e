#pragma once
// What a screen reader is told of the controls that Qt does not know. A pair
// of pictures is heard as one object, its speaker, named after the picture
// seen: a button with a press action (which does what a click does) when
// either picture takes a click, unavailable while the one seen takes none;
// otherwise a static text. A picture alone is a graphic. A picture box is a
// panel; its inside lists only the speaker of each pair among its children,
// and no label that only draws. An announcer is a notification whose name is
// its message. The controls themselves say what they show (Controls.h); this
// only tells it.

namespace forms {

// Makes the screen reader ask here first about the controls above. The
// factory knows them by their class names, so it needs no installing before
// any of them is made; only the first call does anything.
void installAccessibleControls();

} // namespace forms
