// Effect and music switches, kept in the user defaults "Effect" and "Music".
// Music is never stopped by the switch: off only turns its volume to 0.
#pragma once

#include <string>

class SoundManager {
public:
    static SoundManager& instance();

    void setEffectsOn(bool on);
    bool isEffectsOn();
    // 0 and nothing played while effects are off.
    unsigned playEffect(const std::string& file, bool loop = false);

    void setMusicOn(bool on);
    bool isMusicOn();
    void playMusic(const std::string& file, bool loop = true);
    const std::string& currentMusic() const { return m_currentMusic; }

    void pauseEffect(unsigned id);
    void setEffectsVolume(float volume);
    void setMusicVolume(float volume);
    bool isMusicPlaying();

    // Makes the engine's widget and control-button click go through playEffect, so it obeys the switch.
    static void installClickSound();

    // Reads the switches again (tests, after changing the stored values).
    void reload();

private:
    SoundManager();

    std::string m_currentMusic;
    bool m_effectsOn = true;
    bool m_musicOn = true;
};
