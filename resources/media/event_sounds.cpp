#include "event_sounds.h"

#include <cctype>
#include <functional>
#include <initializer_list>

namespace MediaGen {
namespace {

using T = Timbre;

// Notes one after another, `gap` seconds apart, each ringing for `ring`.
void Run(Buffer& b, double start, double gap, double ring, std::initializer_list<double> notes,
         Timbre timbre, double level) {
    double t = start;
    for (double n : notes) {
        b.Note(t, ring, Hz(n), timbre, level);
        t += gap;
    }
}

void Chord(Buffer& b, double start, double length, std::initializer_list<double> notes,
           Timbre timbre, double level) {
    for (double n : notes) b.Note(start, length, Hz(n), timbre, level);
}

// A brass call: each note with its own length.
void Call(Buffer& b, double start, std::initializer_list<std::pair<double, double>> notes,
          double level) {
    double t = start;
    for (const auto& [note, length] : notes) {
        b.Note(t, length * 0.92, Hz(note), Hz(note), T::Brass, level, 0.004);
        t += length;
    }
}

Buffer About() {
    Buffer b;
    Run(b, 0, 0.12, 1.1, {72, 76, 79, 84}, T::Bell, 0.3);
    return b;
}

Buffer Auto() {
    Buffer b;
    b.Note(0, 0.06, Hz(88), T::Square, 0.3);
    b.Note(0.08, 0.09, Hz(93), T::Square, 0.3);
    return b;
}

Buffer Benny() {
    Buffer b;
    // A jester's boing: up, then down with a wobble.
    b.Note(0, 0.18, 300, 900, T::Sine, 0.6, 0.02);
    b.Note(0.18, 0.35, 900, 420, T::Sine, 0.6, 0.05);
    b.Note(0.05, 0.5, Hz(96), T::Bell, 0.1);
    return b;
}

Buffer BlasterOn() {
    Buffer b;
    b.Note(0, 0.35, 1800, 140, T::Square, 0.5);
    b.Note(0.02, 0.3, 2400, 300, T::Sine, 0.2);
    return b;
}

Buffer Bye() {
    Buffer b;
    Run(b, 0, 0.22, 1.2, {79, 76, 72}, T::Bell, 0.35);
    return b;
}

Buffer CallLonerUs() {
    Buffer b;
    Call(b, 0, {{67, 0.15}, {72, 0.15}, {79, 0.55}}, 0.35);
    return b;
}

Buffer CallLonerThem() {
    Buffer b;
    Call(b, 0, {{62, 0.2}, {67, 0.2}, {70, 0.6}}, 0.3);
    b.Note(0.4, 0.6, Hz(43), T::Sine, 0.3);
    return b;
}

Buffer DealCard() {
    Buffer b;
    b.Noise(0, 0.05, 900, 3500, 70, 0.3, 11);
    return b;
}

Buffer GotKavlordUs() {
    Buffer b;
    Run(b, 0, 0.13, 0.16, {76, 74, 72}, T::Pluck, 0.4);
    b.Note(0.39, 0.5, Hz(69), T::Pluck, 0.45);
    return b;
}

Buffer GotKavlordThem() {
    Buffer b;
    Run(b, 0, 0.15, 0.18, {72, 70, 67}, T::Square, 0.25);
    b.Note(0.45, 0.6, Hz(63), T::Square, 0.28);
    return b;
}

Buffer ForcedUs() {
    Buffer b;
    Run(b, 0, 0.3, 0.9, {81, 77}, T::Bell, 0.35);
    return b;
}

Buffer ForcedThem() {
    Buffer b;
    Run(b, 0, 0.3, 0.9, {76, 72}, T::Bell, 0.35);
    b.Note(0, 1.1, Hz(48), T::Sine, 0.1);
    return b;
}

Buffer Input() {
    Buffer b;
    b.Note(0, 0.025, Hz(100), T::Wood, 0.25);
    return b;
}

Buffer LeftBower() {
    Buffer b;
    Chord(b, 0, 0.9, {88, 95}, T::Bell, 0.3);
    return b;
}

Buffer Lose() {
    Buffer b;
    // A trombone's sigh, sliding down a little on each note.
    b.Note(0, 0.3, Hz(67), Hz(66), T::Brass, 0.3, 0.006);
    b.Note(0.32, 0.3, Hz(66), Hz(65), T::Brass, 0.3, 0.006);
    b.Note(0.64, 0.8, Hz(65), Hz(63.6), T::Brass, 0.3, 0.012);
    return b;
}

Buffer LoseBadly() {
    Buffer b;
    b.Note(0, 0.35, Hz(62), Hz(61), T::Brass, 0.3, 0.006);
    b.Note(0.37, 0.35, Hz(61), Hz(60), T::Brass, 0.3, 0.006);
    b.Note(0.74, 0.35, Hz(60), Hz(59), T::Brass, 0.3, 0.006);
    b.Note(1.11, 1.1, Hz(59), Hz(57.5), T::Brass, 0.32, 0.015);
    b.Note(1.11, 1.1, Hz(35), T::Sine, 0.35);
    return b;
}

Buffer MadeItUs() {
    Buffer b;
    Run(b, 0, 0.08, 0.3, {72, 76, 79}, T::Pluck, 0.4);
    b.Note(0.24, 0.45, Hz(84), T::Pluck, 0.45);
    return b;
}

Buffer MadeItThem() {
    Buffer b;
    b.Note(0, 0.15, Hz(69), T::Square, 0.25);
    b.Note(0.17, 0.3, Hz(74), T::Square, 0.25);
    return b;
}

Buffer MarchUs() {
    Buffer b;
    Call(b, 0, {{72, 0.1}, {72, 0.1}, {72, 0.1}, {79, 0.35}, {76, 0.12}, {79, 0.12}, {84, 0.65}},
         0.3);
    Chord(b, 0.99, 0.65, {60, 64, 67}, T::Brass, 0.15);
    return b;
}

Buffer MarchThem() {
    Buffer b;
    Call(b, 0, {{69, 0.11}, {69, 0.11}, {69, 0.11}, {76, 0.38}, {72, 0.13}, {76, 0.13}, {81, 0.7}},
         0.28);
    Chord(b, 1.07, 0.7, {57, 60, 64}, T::Brass, 0.15);
    b.Note(1.07, 0.7, Hz(45), T::Sine, 0.3);
    return b;
}

Buffer MustGoAlone() {
    Buffer b;
    b.Note(0, 0.9, Hz(62), Hz(62), T::Brass, 0.25, 0.01);
    b.Note(0, 0.9, Hz(69), Hz(69), T::Brass, 0.22, 0.01);
    // The timpani hit that ends the swell.
    b.Note(0.85, 0.6, Hz(38), Hz(36), T::Sine, 0.7);
    b.Noise(0.85, 0.2, 60, 400, 20, 0.4, 5);
    return b;
}

Buffer PlayCard() {
    Buffer b;
    b.Noise(0, 0.03, 1500, 8000, 160, 0.9, 7);
    b.Note(0, 0.06, Hz(47), T::Wood, 0.5);
    return b;
}

Buffer Redeal() {
    Buffer b;
    b.Sweep(0, 0.45, 400, 4000, 0.7, 3);
    b.Note(0.4, 0.12, Hz(67), T::Sine, 0.3);
    b.Note(0.52, 0.18, Hz(74), T::Sine, 0.3);
    return b;
}

Buffer RightBower() {
    Buffer b;
    Chord(b, 0, 0.9, {93, 100}, T::Bell, 0.3);
    b.Note(0.1, 0.7, Hz(105), T::Bell, 0.12);
    return b;
}

Buffer Shuffle() {
    Buffer b;
    // A riffle: the cards' clicks come faster as the halves run out.
    double t = 0;
    for (int i = 0; i < 26; ++i) {
        b.Noise(t, 0.012, 1200, 6000, 250, 0.5, 100 + uint32_t(i));
        t += 0.04 - 0.001 * i;
    }
    b.Noise(t, 0.12, 300, 3000, 30, 0.5, 99);
    return b;
}

Buffer Slowpoke() {
    Buffer b;
    b.Note(0, 0.12, Hz(62), T::Wood, 0.45);
    b.Note(0.2, 0.12, Hz(62), T::Wood, 0.45);
    b.Note(0.45, 0.35, Hz(67), Hz(71), T::Sine, 0.15);
    return b;
}

Buffer Start() {
    Buffer b;
    Run(b, 0, 0.08, 0.7, {60, 64, 67, 72, 76}, T::Pluck, 0.3);
    b.Note(0.4, 1.1, Hz(96), T::Bell, 0.2);
    Chord(b, 0.4, 1.1, {60, 67, 76}, T::Sine, 0.1);
    return b;
}

Buffer StoppedUs() {
    Buffer b;
    Chord(b, 0, 0.12, {67, 71, 74}, T::Brass, 0.2);
    Chord(b, 0.16, 0.75, {72, 76, 79, 84}, T::Brass, 0.2);
    return b;
}

Buffer StoppedThem() {
    Buffer b;
    Chord(b, 0, 0.13, {64, 67, 71}, T::Square, 0.16);
    Chord(b, 0.17, 0.8, {57, 60, 64}, T::Square, 0.18);
    b.Note(0.17, 0.8, Hz(45), T::Sine, 0.3);
    return b;
}

Buffer What() {
    Buffer b;
    b.Note(0, 0.3, 380, 720, T::Sine, 0.5, 0.01);
    return b;
}

Buffer Win() {
    Buffer b;
    Run(b, 0, 0.07, 0.4, {72, 76, 79, 84, 88, 91}, T::Pluck, 0.3);
    Chord(b, 0.42, 0.8, {72, 76, 79, 84}, T::Pluck, 0.2);
    return b;
}

Buffer WinBig() {
    Buffer b;
    Run(b, 0, 0.07, 0.35, {60, 64, 67, 72, 76, 79}, T::Pluck, 0.28);
    Run(b, 0.45, 0.07, 0.35, {65, 69, 72, 77, 81, 84}, T::Pluck, 0.28);
    Call(b, 0.9, {{79, 0.15}, {83, 0.15}, {84, 0.9}}, 0.25);
    Chord(b, 1.2, 1.2, {60, 64, 67, 72}, T::Brass, 0.12);
    b.Note(1.2, 1.3, Hz(96), T::Bell, 0.15);
    return b;
}

struct Recipe {
    const char* event;
    std::function<Buffer()> make;
};

const std::vector<Recipe>& Recipes() {
    static const std::vector<Recipe> recipes{
        {"About", About},
        {"Auto", Auto},
        {"Benny", Benny},
        {"Blaster On", BlasterOn},
        {"Bye (Close)", Bye},
        {"Call Loner (Us)", CallLonerUs},
        {"Call Loner (Them)", CallLonerThem},
        {"Deal Card", DealCard},
        {"Got Kavlord (Us)", GotKavlordUs},
        {"Got Kavlord (Them)", GotKavlordThem},
        {"Forced to Call (Us)", ForcedUs},
        {"Forced to Call (Them)", ForcedThem},
        {"Input", Input},
        {"Left Bower", LeftBower},
        {"Lose", Lose},
        {"Lose Badly", LoseBadly},
        {"Made It! (Us)", MadeItUs},
        {"Made It! (Them)", MadeItThem},
        {"March (Us)", MarchUs},
        {"March (Them)", MarchThem},
        {"Must Go Alone", MustGoAlone},
        {"Play Card", PlayCard},
        {"Redeal", Redeal},
        {"Right Bower", RightBower},
        {"Shuffle", Shuffle},
        {"Slowpoke", Slowpoke},
        {"Start", Start},
        {"Stopped Them (Us)", StoppedUs},
        {"Stopped Them (Them)", StoppedThem},
        {"What", What},
        {"Win", Win},
        {"Win Big", WinBig},
    };
    return recipes;
}

}  // namespace

std::string SafeFileName(const std::string& event) {
    std::string name;
    for (char c : event) {
        if (std::isalnum(static_cast<unsigned char>(c))) name.push_back(c);
    }
    return name;
}

std::vector<EventSound> MakeEventSounds() {
    std::vector<EventSound> sounds;
    for (const auto& recipe : Recipes()) {
        sounds.push_back({recipe.event, SafeFileName(recipe.event), recipe.make().Finish()});
    }
    return sounds;
}

}  // namespace MediaGen
