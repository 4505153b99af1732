// Loading sounds: WAV through SDL's loader, Ogg Vorbis through vorbisfile, both converted once to
// the mixer's format (stereo float at MixRate) so that mixing never converts anything.
//
// The loader reads bytes from anywhere (the data folder may hold any file under a sound's name),
// so it refuses rather than trusts: unknown content, sample rates outside what a sound file can
// sensibly hold and sounds longer than MaxSoundSeconds give nullptr, as does a sound with no
// frames.
#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/audio.h"
#include "platform/files.h"

namespace {

// The longest sound kept; longer ones (or a header claiming a rate that would make them longer
// after conversion) are refused so that a bad file cannot eat the memory.
constexpr int MaxSoundSeconds = 600;
constexpr int64_t MaxSoundFrames = int64_t{MaxSoundSeconds} * MixRate;
constexpr int MinSourceRate = 1000;
constexpr int MaxSourceRate = 384000;
constexpr int ResamplerPadFrames = 4096;

bool SourceRateUsable(long rate) {
    return rate >= MinSourceRate && rate <= MaxSourceRate;
}

// Frames after conversion from rate to MixRate, rounded up, as a 64-bit figure that cannot
// overflow.
int64_t ConvertedFrames(int64_t frames, long rate) {
    return (frames * MixRate + rate - 1) / rate;
}

// Converts interleaved samples of the given format, channel count and rate to stereo float at
// MixRate. SDL duplicates a mono channel into both sides and mixes wider layouts down.
SoundRef Convert(SDL_AudioFormat format, int channels, int rate, const void* data, size_t bytes) {
    if (channels < 1 || !SourceRateUsable(rate)) return nullptr;
    const int frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
    if (frameBytes <= 0) return nullptr;
    const int64_t frames = static_cast<int64_t>(bytes / frameBytes);
    if (frames == 0 || ConvertedFrames(frames, rate) > MaxSoundFrames) return nullptr;
    if (bytes > static_cast<size_t>(INT32_MAX)) return nullptr;

    SDL_AudioStream* stream =
        SDL_NewAudioStream(format, static_cast<Uint8>(channels), rate, AUDIO_F32SYS, 2, MixRate);
    if (!stream) return nullptr;
    // The resampler keeps back the last few hundred frames of its input even when flushed, so a
    // stretch of silence follows the sound in, and the result is cut to the converted length.
    const std::vector<Uint8> pad(static_cast<size_t>(frameBytes) * ResamplerPadFrames,
                                 format == AUDIO_U8 ? 0x80 : 0);
    auto sound = std::make_shared<Sound>();
    bool ok = SDL_AudioStreamPut(stream, data, static_cast<int>(frames * frameBytes)) == 0 &&
              (rate == MixRate ||
               SDL_AudioStreamPut(stream, pad.data(), static_cast<int>(pad.size())) == 0) &&
              SDL_AudioStreamFlush(stream) == 0;
    // The stream hands out what it has converted in pieces; take until it is empty.
    size_t have = 0;
    while (ok) {
        const int available = SDL_AudioStreamAvailable(stream);
        if (available <= 0) break;
        sound->samples.resize(have + static_cast<size_t>(available) / sizeof(float) + 2);
        const int got = SDL_AudioStreamGet(stream, sound->samples.data() + have, available);
        if (got <= 0) break;
        have += static_cast<size_t>(got) / sizeof(float);
    }
    sound->samples.resize(std::min<size_t>(have / 2, ConvertedFrames(frames, rate)) * 2);
    SDL_FreeAudioStream(stream);
    if (!ok || sound->samples.empty()) return nullptr;
    // A float file may hold values that are not numbers; one of them would spoil the whole mix.
    for (float& sample : sound->samples) {
        if (!std::isfinite(sample)) sample = 0;
    }
    return sound;
}

uint32_t ReadLittle32(const unsigned char* at) {
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

void WriteLittle32(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; i++) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// SDL's loader allocates what a chunk header claims before reading it, so a damaged length field
// would ask for up to 4 GB. A copy of the file with every length cut to the bytes that are really
// there costs little for sounds of this size and leaves SDL nothing to over-allocate.
void CutChunkLengths(std::vector<unsigned char>& file) {
    const size_t size = file.size();
    WriteLittle32(&file[4], std::min<uint32_t>(ReadLittle32(&file[4]), size - 8));
    size_t at = 12;
    while (at + 8 <= size) {
        const size_t room = size - at - 8;
        uint32_t length = ReadLittle32(&file[at + 4]);
        if (length > room) {
            WriteLittle32(&file[at + 4], static_cast<uint32_t>(room));
            break;
        }
        at += 8 + length + (length & 1); // chunks are padded to even lengths
    }
}

SoundRef LoadWav(const void* data, size_t size) {
    if (size > static_cast<size_t>(INT32_MAX)) return nullptr;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::vector<unsigned char> file(bytes, bytes + size);
    CutChunkLengths(file);
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (!source) return nullptr;
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // Frees the source whatever happens.
    if (!SDL_LoadWAV_RW(source, 1, &spec, &buffer, &length)) return nullptr;
    SoundRef sound = Convert(spec.format, spec.channels, spec.freq, buffer, length);
    SDL_FreeWAV(buffer);
    return sound;
}

// vorbisfile reads through these callbacks from a block of memory.
struct MemoryReader {
    const unsigned char* data;
    size_t size;
    size_t at;
};

size_t ReadMemory(void* into, size_t size, size_t count, void* source) {
    auto* reader = static_cast<MemoryReader*>(source);
    if (size == 0) return 0;
    const size_t items = std::min(count, (reader->size - reader->at) / size);
    std::memcpy(into, reader->data + reader->at, items * size);
    reader->at += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<MemoryReader*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<ogg_int64_t>(reader->at);
    else if (whence == SEEK_END)
        base = static_cast<ogg_int64_t>(reader->size);
    else if (whence != SEEK_SET)
        return -1;
    if (offset < -base || offset > static_cast<ogg_int64_t>(reader->size) - base) return -1;
    reader->at = static_cast<size_t>(base + offset);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryReader*>(source)->at);
}

SoundRef LoadOgg(const void* data, size_t size) {
    MemoryReader reader{static_cast<const unsigned char*>(data), size, 0};
    ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    OggVorbis_File file;
    if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return nullptr;
    const vorbis_info* info = ov_info(&file, -1);
    if (!info || info->channels < 1 || !SourceRateUsable(info->rate)) {
        ov_clear(&file);
        return nullptr;
    }
    const int channels = info->channels;
    const long rate = info->rate;
    // Vorbis orders wider layouts front left, centre, front right, ...; only the front pair is
    // kept. Mono goes to the converter as it is and comes back in both sides.
    const int leftChannel = 0;
    const int rightChannel = channels == 1 ? 0 : (channels == 3 || channels >= 5 ? 2 : 1);
    const int keep = channels == 1 ? 1 : 2;
    const int64_t maxSourceFrames = MaxSoundFrames * rate / MixRate;
    std::vector<float> decoded;
    bool tooLong = false;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        long got = ov_read_float(&file, &pcm, 4096, &section);
        if (got == OV_HOLE) continue; // a gap in the stream: go on after it
        if (got <= 0) break;          // the end, or damage that cannot be read past
        // A chained stream may change its layout between sections; follow the first one only.
        const vorbis_info* now = ov_info(&file, -1);
        if (!now || now->channels != channels || now->rate != rate) break;
        if (static_cast<int64_t>(decoded.size() / keep) + got > maxSourceFrames) {
            tooLong = true;
            break;
        }
        for (long i = 0; i < got; i++) {
            decoded.push_back(pcm[leftChannel][i]);
            if (keep == 2) decoded.push_back(pcm[rightChannel][i]);
        }
    }
    ov_clear(&file);
    if (tooLong || decoded.empty()) return nullptr;
    // Out-of-range samples are possible in a lossy stream; the mixer clips the mix, not the input.
    return Convert(AUDIO_F32SYS, keep, static_cast<int>(rate), decoded.data(),
                   decoded.size() * sizeof(float));
}

} // namespace

SoundRef LoadSoundFromMemory(const void* data, size_t size) {
    if (!data || size < 12) return nullptr;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "WAVE", 4) == 0)
        return LoadWav(data, size);
    if (std::memcmp(bytes, "OggS", 4) == 0) return LoadOgg(data, size);
    return nullptr;
}

SoundRef LoadSound(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return nullptr;
    return LoadSoundFromMemory(bytes.data(), bytes.size());
}
