#include "audio/RecordingAudioBackend.h"

namespace CocosDenshion {

void RecordingAudioBackend::record(const char* op, const std::string& file, unsigned int id, bool loop,
                                   float volume)
{
    m_calls.push_back(AudioCall{op, file, id, loop, volume});
}

bool RecordingAudioBackend::playMusic(const std::string& path, bool loop)
{
    record("playMusic", path, 0, loop);
    m_musicActive = true;
    return true;
}

void RecordingAudioBackend::stopMusic()
{
    record("stopMusic");
    m_musicActive = false;
}

void RecordingAudioBackend::pauseMusic() { record("pauseMusic"); }
void RecordingAudioBackend::resumeMusic() { record("resumeMusic"); }
void RecordingAudioBackend::rewindMusic() { record("rewindMusic"); }

void RecordingAudioBackend::setMusicVolume(float volume)
{
    record("setMusicVolume", {}, 0, false, volume);
    m_musicVolume = volume;
}

bool RecordingAudioBackend::loadEffect(unsigned int id, const std::string& path)
{
    record("loadEffect", path, id);
    return true;
}

void RecordingAudioBackend::unloadEffect(unsigned int id) { record("unloadEffect", {}, id); }

bool RecordingAudioBackend::playEffect(unsigned int id, const std::string& path, bool loop)
{
    record("playEffect", path, id, loop);
    return true;
}

void RecordingAudioBackend::stopEffect(unsigned int id) { record("stopEffect", {}, id); }
void RecordingAudioBackend::pauseEffect(unsigned int id) { record("pauseEffect", {}, id); }
void RecordingAudioBackend::resumeEffect(unsigned int id) { record("resumeEffect", {}, id); }

void RecordingAudioBackend::setEffectsVolume(float volume)
{
    record("setEffectsVolume", {}, 0, false, volume);
    m_effectsVolume = volume;
}

void RecordingAudioBackend::shutdown()
{
    record("shutdown");
    m_musicActive = false;
}

std::vector<AudioCall> RecordingAudioBackend::callsNamed(const std::string& op) const
{
    std::vector<AudioCall> out;
    for (const auto& call : m_calls)
        if (call.op == op)
            out.push_back(call);
    return out;
}

} // namespace CocosDenshion
