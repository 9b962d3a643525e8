#include "session/session_action.h"

#include <array>
#include <sstream>

namespace session {

namespace {

const char* placeName(Place place) {
    switch (place) {
    case Place::Main: return "main";
    case Place::Translation: return "Translation";
    case Place::Rotation: return "Rotation";
    case Place::About: return "About";
    }
    return "?";
}

const char* keyName(int key) {
    static constexpr std::array<const char*, 9> names = {"Enter", "Escape", "Tab", "Shift+Tab", "Up",
                                                         "Down",  "Home",   "End", "Space"};
    return key >= 0 && key < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(key)] : "?";
}

std::string quoted(const std::string& text) {
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
}

int pick(std::mt19937& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

// Pieces that typed numbers are made of, the awkward ones among them.
const std::array<const char*, 20> kPieces = {"0", "1", "2", "5", "9", "10", "123456", ".", "-", "+",
                                             "e", "E", "e-50", "e999", " ", "x", "nan", "inf", "0x1p3", "kg"};
constexpr const char* kCharacters = "0123456789.-+eE xn";

std::string randomText(std::mt19937& random) {
    std::string text;
    for (int count = pick(random, 5); count > 0; --count) text += kPieces[static_cast<std::size_t>(pick(random, kPieces.size()))];
    return text;
}

Action key(Place place, Key k) { return {place, Act::Press, static_cast<int>(k)}; }

// Keys, with Escape rarer than the others: it ends the window.
Action randomKey(Place place, std::mt19937& random) {
    static constexpr std::array<Key, 8> keys = {Key::Return, Key::Tab, Key::ShiftTab, Key::Up,
                                                Key::Down,   Key::Home, Key::End,     Key::Space};
    if (pick(random, 12) == 0) return key(place, Key::Escape);
    return key(place, keys[static_cast<std::size_t>(pick(random, keys.size()))]);
}

}  // namespace

std::string describe(const Action& action) {
    std::ostringstream line;
    line << placeName(action.place) << ": ";
    switch (action.act) {
    case Act::ChooseMotion: line << "choose motion " << action.a; break;
    case Act::VisitWebSite: line << "click Visit Web Site"; break;
    case Act::AboutFromMenu: line << "system menu About"; break;
    case Act::Exit: line << "click Exit"; break;
    case Act::ChooseAnalysis: line << "choose analysis " << action.a; break;
    case Act::Type: line << "type " << quoted(action.text) << " into field " << action.a; break;
    case Act::Insert: line << "insert " << quoted(action.text) << " into input " << action.a << " at " << action.b; break;
    case Act::Delete: line << "delete from input " << action.a << " at " << action.b; break;
    case Act::ChooseUnit: line << "choose unit " << action.b << " of list " << action.a; break;
    case Act::Calculate: line << "click Calculate"; break;
    case Act::ReturnButton: line << "click Return"; break;
    case Act::ClickLink: line << "click the web link"; break;
    case Act::Press: line << "press " << keyName(action.a); break;
    case Act::CloseBox: line << "close box"; break;
    }
    return line.str();
}

std::string describe(const std::vector<Action>& actions) {
    std::string text;
    for (const Action& action : actions) text += "  " + describe(action) + "\n";
    return text;
}

Action randomAction(Place place, std::mt19937& random) {
    const int roll = pick(random, 100);
    switch (place) {
    case Place::Main:
        if (roll < 45) return {place, Act::ChooseMotion, pick(random, 2)};
        if (roll < 55) return {place, Act::VisitWebSite};
        if (roll < 65) return {place, Act::AboutFromMenu};
        if (roll < 97) return randomKey(place, random);
        if (roll < 99) return {place, Act::Exit};
        return {place, Act::CloseBox};
    case Place::Translation:
    case Place::Rotation:
        if (roll < 12) return {place, Act::ChooseAnalysis, pick(random, 3)};
        if (roll < 27) return {place, Act::Type, pick(random, 8) == 0 ? 0 : 1 + pick(random, 2), 0, randomText(random)};
        if (roll < 39) return {place, Act::Insert, 1 + pick(random, 2), pick(random, 16), std::string(1, kCharacters[pick(random, 18)])};
        if (roll < 46) return {place, Act::Delete, 1 + pick(random, 2), pick(random, 16)};
        if (roll < 58) return {place, Act::ChooseUnit, 1 + pick(random, 2), pick(random, 7)};
        if (roll < 73) return {place, Act::Calculate};
        if (roll < 96) return randomKey(place, random);
        if (roll < 98) return {place, Act::ReturnButton};
        return {place, Act::CloseBox};
    case Place::About:
        if (roll < 25) return {place, Act::ReturnButton};
        if (roll < 40) return key(place, Key::Return);
        if (roll < 50) return key(place, Key::Space);
        if (roll < 62) return key(place, Key::Escape);
        if (roll < 72) return {place, Act::CloseBox};
        if (roll < 82) return {place, Act::ClickLink};
        return key(place, pick(random, 4) == 0 ? Key::ShiftTab : Key::Tab);
    }
    return {place, Act::CloseBox};
}

}  // namespace session
