#include "platform/Sound.h"

#include "platform/Resources.h"

#include <QFile>

#include <dlfcn.h>

#include <cstring>
#include <mutex>
#include <thread>

namespace platform {
namespace {

std::uint32_t U32At(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// libasound is opened at run time, so that building needs no audio headers and a
// machine without ALSA simply stays silent.
class AlsaSound final : public Sound {
public:
    void PlaySound(const QString& relativePath) override {
        const QString path = GameFilePath(relativePath);
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        auto pcm = ParseWav({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size())});
        if (!pcm || !Load())
            return;
        // The thread owns copies of everything it uses: it may outlive this object at exit.
        std::thread([api = *m_api, pcm = std::move(*pcm)] { Play(api, pcm); }).detach();
    }

private:
    struct Api {
        int (*open)(void**, const char*, int, int);
        int (*setParams)(void*, int, int, unsigned, unsigned, int, unsigned);
        long (*writei)(void*, const void*, unsigned long);
        int (*drain)(void*);
        int (*close)(void*);
    };

    static void Quiet(const char*, int, const char*, int, const char*, ...) {}

    bool Load() {
        std::call_once(m_loadOnce, [this] {
            void* lib = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
            if (!lib)
                return;
            using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
            if (auto setHandler = reinterpret_cast<int (*)(ErrorHandler)>(
                    dlsym(lib, "snd_lib_error_set_handler")))
                setHandler(&Quiet);  // no "cannot find card" lines on a machine without audio
            Api api{};
            api.open = reinterpret_cast<decltype(api.open)>(dlsym(lib, "snd_pcm_open"));
            api.setParams = reinterpret_cast<decltype(api.setParams)>(dlsym(lib, "snd_pcm_set_params"));
            api.writei = reinterpret_cast<decltype(api.writei)>(dlsym(lib, "snd_pcm_writei"));
            api.drain = reinterpret_cast<decltype(api.drain)>(dlsym(lib, "snd_pcm_drain"));
            api.close = reinterpret_cast<decltype(api.close)>(dlsym(lib, "snd_pcm_close"));
            if (api.open && api.setParams && api.writei && api.drain && api.close)
                m_api = api;
        });
        return m_api.has_value();
    }

    static void Play(const Api& api, const WavPcm& pcm) {
        constexpr int kPlayback = 0, kFormatU8 = 1, kFormatS16Le = 2, kInterleaved = 3;
        constexpr unsigned kLatencyUs = 100000;
        void* handle = nullptr;
        if (api.open(&handle, "default", kPlayback, 0) < 0)
            return;
        const int format = pcm.bitsPerSample == 8 ? kFormatU8 : kFormatS16Le;
        const std::size_t frameBytes = static_cast<std::size_t>(pcm.channels) * pcm.bitsPerSample / 8;
        if (api.setParams(handle, format, kInterleaved, static_cast<unsigned>(pcm.channels),
                             static_cast<unsigned>(pcm.sampleRate), 1, kLatencyUs) >= 0 &&
            api.writei(handle, pcm.samples.data(), pcm.samples.size() / frameBytes) >= 0)
            api.drain(handle);
        api.close(handle);
    }

    std::once_flag m_loadOnce;
    std::optional<Api> m_api;
};

Sound* g_installed = nullptr;

} // namespace

Sound& sound() {
    static AlsaSound real;
    return g_installed ? *g_installed : real;
}

Sound* SetSound(Sound* s) {
    Sound* previous = g_installed;
    g_installed = s;
    return previous;
}

std::optional<WavPcm> ParseWav(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kRiffHeader = 12, kChunkHeader = 8, kFmtSize = 16;
    constexpr int kFormatPcm = 1;
    if (bytes.size() < kRiffHeader || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<WavPcm> pcm;
    bool haveFormat = false;
    std::size_t at = kRiffHeader;
    while (bytes.size() - at >= kChunkHeader) {
        const auto id = bytes.subspan(at, 4);
        const std::uint32_t size = U32At(bytes, at + 4);
        at += kChunkHeader;
        if (size > bytes.size() - at)
            return std::nullopt;
        const auto body = bytes.subspan(at, size);
        if (std::memcmp(id.data(), "fmt ", 4) == 0) {
            if (size < kFmtSize || U16At(body, 0) != kFormatPcm)
                return std::nullopt;
            pcm.emplace();
            pcm->channels = U16At(body, 2);
            pcm->sampleRate = static_cast<int>(U32At(body, 4));
            pcm->bitsPerSample = U16At(body, 14);
            haveFormat = (pcm->channels == 1 || pcm->channels == 2) &&
                         (pcm->bitsPerSample == 8 || pcm->bitsPerSample == 16) &&
                         pcm->sampleRate >= 1000 && pcm->sampleRate <= 192000;
            if (!haveFormat)
                return std::nullopt;
        } else if (std::memcmp(id.data(), "data", 4) == 0) {
            if (!haveFormat)
                return std::nullopt;
            const std::size_t frameBytes = static_cast<std::size_t>(pcm->channels) * pcm->bitsPerSample / 8;
            pcm->samples.assign(body.begin(), body.begin() + (size / frameBytes) * frameBytes);
            return pcm;
        }
        at += size + (size & 1);  // chunks are padded to even sizes
        if (at > bytes.size())
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace platform
