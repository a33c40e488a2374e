#pragma once
// The sound seam (PlaySound with SND_FILENAME | SND_NODEFAULT | SND_ASYNC). The program
// plays through ALSA when the system has it; tests install a double that records the
// file names.
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Returns at once. A missing or unreadable file, or no audio device, is silence:
    // never an error the user sees.
    virtual void PlaySound(const QString& relativePath) = 0;
};

Sound& sound();
// Installs `s` (not owned) and returns the previous one; nullptr restores the real one.
Sound* SetSound(Sound* s);

// Uncompressed PCM from a RIFF/WAVE file: 8 or 16 bits, 1 or 2 channels.
struct WavPcm {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::uint8_t> samples;  // whole frames only
};

// Reads only inside `bytes`; nullopt for anything that is not such a file.
std::optional<WavPcm> ParseWav(std::span<const std::uint8_t> bytes);

} // namespace platform
