#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A piece of music as written in the repository: a tempo, a metre, instruments of the General
// MIDI set and their notes. The text form reads like a lead sheet:
//
//   tempo 100                 quarter notes per minute
//   meter 4                   quarter notes per bar; every bar line is checked against it
//   tail 5                    seconds of ringing after the last bar (folded into a loop's start)
//   reverb 0.6 0.3 0.8 0.4    room size, damping, width, level
//   part flute program 73 volume 100 pan 64 velocity 80 legato 0.9 reverb 60
//   section A
//   flute | D5:q F#5:e A5:e B5:h | r:w |
//   form A A
//
// A note is a pitch, a colon and a length: C4 is middle C, sharps and flats as C#4 or Bb3,
// several pitches joined by + make a chord, r is a rest. Lengths: w h q e s (whole to
// sixteenth), a trailing . makes it dotted, a trailing 3 a triplet.
struct Score {
    struct Note {
        double startBeat;
        double lengthBeats;
        int key;  // MIDI key number
        int velocity;
    };
    struct Part {
        std::string name;
        int program = 0;
        int volume = 100;
        int pan = 64;
        int velocity = 80;
        int reverbSend = 40;
        double legato = 0.95;
        std::vector<Note> notes;
    };

    double tempo = 100.0;
    int beatsPerBar = 4;
    double tailSeconds = 0.0;
    double reverb[4] = {0.4, 0.3, 0.7, 0.3};
    std::vector<Part> parts;
    double lengthBeats = 0.0;

    double SecondsPerBeat() const { return 60.0 / tempo; }
    double LengthSeconds() const { return lengthBeats * SecondsPerBeat(); }
};

struct ScoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The line up to a '#' that starts a word (a '#' inside a word is a sharp).
std::string WithoutComment(const std::string& line);

// Reads the text form above; throws ScoreError naming the line for anything it cannot read,
// a bar of the wrong length, or sections whose parts differ in length.
Score ParseScore(const std::string& text);
