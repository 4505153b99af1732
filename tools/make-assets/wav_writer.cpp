#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool WriteWav(const std::string& path, const std::vector<Samples>& channels) {
    if (channels.empty()) return false;
    std::uint16_t channelCount = static_cast<std::uint16_t>(channels.size());
    std::uint32_t frames = static_cast<std::uint32_t>(channels[0].size());
    std::uint32_t dataBytes = frames * channelCount * 2;
    std::string out;
    out += "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, channelCount);
    Put32(out, sampleRate);
    Put32(out, sampleRate * channelCount * 2);
    Put16(out, static_cast<std::uint16_t>(channelCount * 2));
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        for (const Samples& channel : channels) {
            float v = i < channel.size() ? channel[i] : 0.0f;
            long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
            Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
        }
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
