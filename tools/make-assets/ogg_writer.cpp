#include "ogg_writer.h"

#include <algorithm>
#include <cstdio>
#include <vorbis/vorbisenc.h>

namespace {

bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, file) ==
               static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, file) == static_cast<size_t>(page.body_len);
}

} // namespace

bool WriteOgg(const std::string& path, const Samples& left, const Samples& right) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, sampleRate, 0.5f) != 0) {
        vorbis_info_clear(&info);
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "make-assets");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 279);

    bool ok = true;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    // The headers get pages of their own, as players expect the audio to start on a fresh page.
    while (ogg_stream_flush(&stream, &page) != 0) ok = WritePage(file, page) && ok;

    auto drain = [&] {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) ok = WritePage(file, page) && ok;
            }
        }
    };
    const size_t chunk = 1024;
    for (size_t done = 0; done < left.size(); done += chunk) {
        size_t count = std::min(chunk, left.size() - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (size_t i = 0; i < count; ++i) {
            buffer[0][i] = left[done + i];
            buffer[1][i] = i + done < right.size() ? right[done + i] : 0.0f;
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0); // end of stream
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) ok = WritePage(file, page) && ok;

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0 && ok;
}
