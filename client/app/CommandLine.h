// The game's command line. Every option is optional.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    std::string entryHost = "127.0.0.1";
    unsigned short entryPort = 8000;
    std::string resources; // "" = next to the binary
    std::string userDir;   // "" = $XDG_DATA_HOME/brindle
    int windowWidth = 960;
    int windowHeight = 640;
    // Each --screenshot takes the --screenshot-at that follows it (3 s when none does).
    // A moment of the run: seconds after start, or (scene >= 0) seconds after that scene first
    // showed, so scripted runs keep in step with a slower or faster machine.
    struct Moment {
        double at = 0;
        int scene = -1;
    };
    struct Screenshot {
        std::string file;
        double at = 3.0; // seconds after start, or after the scene below first showed
        int scene = -1;
    };
    std::vector<Screenshot> screenshots;
    // A click at a design point (origin bottom left), for pictures of screens behind a button.
    struct Tap {
        float x = 0, y = 0;
        double at = 0;
        int scene = -1;
    };
    std::vector<Tap> taps;
    // Text typed into whichever field has the keyboard, as a player would type it.
    struct Typing {
        std::string text;
        double at = 0;
        int scene = -1;
    };
    std::vector<Typing> typings;
    double quitAfter = -1;    // seconds after start (or after quitAfterScene first showed); < 0 = never
    int quitAfterScene = -1;
    int quitOnScene = -1;     // close a second after this scene id shows; < 0 = never
    bool help = false;

    // The options after the program name; BRINDLE_ENTRY stands in for --entry. nullopt and a message
    // in error for anything malformed.
    static std::optional<CommandLine> parse(const std::vector<std::string>& args, const char* entryVariable,
                                            std::string& error);
    static std::string usage();
    // "HOST:PORT" with a port of 1 to 65535.
    static bool parseEndpoint(const std::string& text, std::string& host, unsigned short& port);
    static bool parseWindow(const std::string& text, int& width, int& height);
    // "X,Y@WHEN" in design points; WHEN as parseMoment reads it.
    static bool parseTap(const std::string& text, Tap& tap);
    // "TEXT@WHEN"; the last '@' ends the text.
    static bool parseTyping(const std::string& text, Typing& typing);
    // "SECONDS" after start, or "sID+SECONDS" after scene ID first showed ("s22+4.5").
    static bool parseMoment(const std::string& text, Moment& moment);
    // Default folders from the environment and the binary's own place.
    static std::string defaultUserDir();
    static std::string defaultResources(const std::string& argv0);
};
