#pragma once

// Keys that the window system itself interprets. Everything else a user
// types into an edit arrives as a whole new text (WindowSystem::userTypes).
enum class Key { Return, Escape, Tab, ShiftTab, Up, Down, Home, End, Space };
