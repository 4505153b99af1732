#include "platform/sound_fixtures.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace {

void PutLittle(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
}

} // namespace

std::string MakeWav(int bits, int channels, int rate, const std::vector<float>& samples) {
    const int sampleBytes = bits / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sampleBytes);
    std::string out = "RIFF";
    PutLittle(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);
    PutLittle(out, static_cast<uint32_t>(channels), 2);
    PutLittle(out, static_cast<uint32_t>(rate), 4);
    PutLittle(out, static_cast<uint32_t>(rate * channels * sampleBytes), 4);
    PutLittle(out, static_cast<uint32_t>(channels * sampleBytes), 2);
    PutLittle(out, static_cast<uint32_t>(bits), 2);
    out += "data";
    PutLittle(out, dataBytes, 4);
    for (float s : samples) {
        s = std::clamp(s, -1.0f, 1.0f);
        if (bits == 8)
            PutLittle(out, static_cast<uint32_t>(std::lrint(128 + s * 127)), 1);
        else
            PutLittle(out, static_cast<uint16_t>(static_cast<int16_t>(std::lrint(s * 32767))), 2);
    }
    return out;
}

std::string MakeOgg(int channels, int rate, int frames, float amplitude, float frequency) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.5f) != 0) std::abort();
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::string out;
    ogg_page page;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    while (ogg_stream_flush(&stream, &page)) AppendPage(out, page);

    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) AppendPage(out, page);
            }
        }
    };
    const double step = 2 * std::numbers::pi * frequency / rate;
    for (int done = 0; done < frames;) {
        const int chunk = std::min(1024, frames - done);
        float** buffer = vorbis_analysis_buffer(&dsp, chunk);
        for (int i = 0; i < chunk; i++) {
            const float value = amplitude * static_cast<float>(std::sin(step * (done + i)));
            for (int c = 0; c < channels; c++) buffer[c][i] = value;
        }
        vorbis_analysis_wrote(&dsp, chunk);
        done += chunk;
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page)) AppendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

SoundRef MakeSound(int frames, float left, float right) {
    auto sound = std::make_shared<Sound>();
    sound->samples.resize(2 * static_cast<size_t>(frames));
    for (int i = 0; i < frames; i++) {
        sound->samples[2 * i] = left;
        sound->samples[2 * i + 1] = right;
    }
    return sound;
}

float PeakOf(const std::vector<float>& samples, int side, size_t fromFrame, size_t toFrame) {
    float peak = 0;
    for (size_t i = fromFrame; i < toFrame && 2 * i + side < samples.size(); i++)
        peak = std::max(peak, std::fabs(samples[2 * i + side]));
    return peak;
}
