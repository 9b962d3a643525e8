#pragma once

#include <cstdint>
#include <string>

// A hosted control as a display needs to know it, in the window system's own
// terms: what it shows, in which font, what it asks for room, and what
// activating it does. A display draws every hosted control from this alone,
// and so knows no hosted class by name; on Windows the control's own window
// class draws and acts from the same description.
struct HostedDescription {
    // What the control shows.
    enum class Shows {
        Nothing,  // an empty area
        Link,     // its text as a link, in the link colour
    };
    // What a click, or Enter or Space while it has the focus, does. Those
    // reach the control as messages, and the control acts itself.
    enum class Activation {
        None,
        OpensTarget,  // opens the target in the desktop's browser
    };
    // The font of the text, as a logical font gives it. The face may be
    // missing from the desktop, which then stands its own in.
    struct Font {
        std::string face;
        double points = 0.0;  // 0 for the display's own size
        int weight = 400;     // 100 to 900; 700 is bold
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        int charset = 0;
    };

    Shows shows = Shows::Nothing;
    std::string text;  // UTF-8
    Font font;
    std::string target;  // UTF-8
    // The size it asks for, in hundredths of a millimetre; 0 for none.
    std::int32_t extentX = 0;
    std::int32_t extentY = 0;
    Activation activation = Activation::None;
};
