#include <gtest/gtest.h>

#include <string>

#include "convert/ProbeParser.h"

namespace {

struct ProbeCase {
    const char* name;
    std::string text;
    std::string path;
    std::string length;
    std::string size;
};

// Texts as encoders of different ages print them for one input.
TEST(ParseProbeText, ReadsLengthAndSize)
{
    const ProbeCase cases[] = {
        {"old format",
         "FFmpeg version SVN-r12345\nInput #0, avi, from '/v/clip.avi':\n"
         "  Duration: 00:01:23.45, start: 0.000000, bitrate: 800 kb/s\n"
         "    Stream #0.0: Video: mpeg4, yuv420p, 320x240, 25.00 tb(r)\n"
         "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, 128 kb/s\n",
         "/v/clip.avi", "00:01:23.45", " 320x240"},
        {"current format, commas inside parentheses",
         "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/tmp/a b.mp4':\n"
         "  Metadata:\n    major_brand     : isom\n    creation_time   : 2020-01-01T00:00:00.000000Z\n"
         "  Duration: 00:00:01.00, start: 0.000000, bitrate: 32 kb/s\n"
         "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(tv, bt709, progressive), "
         "1920x1080 [SAR 1:1 DAR 16:9], 25 kb/s, 10 fps, 10 tbr (default)\n",
         "/tmp/a b.mp4", "00:00:01.00", " 1920x1080 [SAR 1:1 DAR 16:9]"},
        {"one parenthesised pixel format",
         "Input #0, mov, from '/tmp/a.mp4':\n  Duration: 00:00:01.00, start: 0.000000, bitrate: 32 kb/s\n"
         "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(progressive), 160x120, 25 kb/s\n",
         "/tmp/a.mp4", "00:00:01.00", " 160x120"},
        {"name holding Duration and Video",
         "Input #0, avi, from '/v/Video, Duration: 9, x, y.avi':\n"
         "  Duration: 00:00:05.00, start: 0.000000, bitrate: 800 kb/s\n"
         "    Stream #0:0: Video: mpeg4, yuv420p, 640x480, 25 fps\n",
         "/v/Video, Duration: 9, x, y.avi", "00:00:05.00", " 640x480"},
        {"audio stream before the video stream",
         "Input #0, mov, from '/v/b.mov':\n  Duration: 00:10:00.00, start: 0.000000, bitrate: 1 kb/s\n"
         "  Stream #0:0: Audio: aac (LC), 44100 Hz, stereo, fltp, 128 kb/s\n"
         "  Stream #0:1: Video: h264, yuv420p, 176x144, 10 fps\n",
         "/v/b.mov", "00:10:00.00", " 176x144"},
        {"audio only",
         "Input #0, wav, from '/v/s.wav':\n  Duration: 00:00:01.00, bitrate: 706 kb/s\n"
         "  Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, mono, s16, 705 kb/s\n",
         "/v/s.wav", "00:00:01.00", ""},
        {"no duration known",
         "Input #0, mpeg, from '/v/c.mpg':\n  Duration: N/A, start: 0.5, bitrate: N/A\n"
         "    Stream #0:0: Video: mpeg1video, yuv420p, 352x288, 104857 kb/s\n",
         "/v/c.mpg", "N/A", " 352x288"},
        {"no comma after the duration", "Input #0, avi, from '/v/d.avi':\n  Duration: 00:00:02.00\n", "/v/d.avi",
         "", ""},
        {"fewer than three fields after Video",
         "from '/v/e.avi':\n  Duration: 00:00:02.00, start: 0\n  Stream #0:0: Video: mpeg4, 320x240\n", "/v/e.avi",
         "00:00:02.00", ""},
        {"no Duration: the size is still read",
         "from '/v/f.avi':\n  Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\n", "/v/f.avi", "", " 320x240"},
        {"path not echoed (unreadable input)", "/v/other.avi: Invalid data found when processing input\n",
         "/v/g.avi", "", ""},
        {"nothing printed", "", "/v/h.avi", "", ""},
    };
    for (const ProbeCase& c : cases) {
        const ProbeResult result = ParseProbeText(c.text, c.path);
        EXPECT_EQ(result.Length, c.length) << c.name;
        EXPECT_EQ(result.Size, c.size) << c.name;
    }
}

// The search starts at the first echo of the path: text before it, even a
// complete probe of another file, does not count.
TEST(ParseProbeText, IgnoresTextBeforeThePath)
{
    const std::string text =
        "configuration: --enable-Video Duration: 11:11:11.11, a, Video: a, b, 999x999, c\n"
        "Input #0, avi, from '/v/clip.avi':\n  Duration: 00:00:03.00, start: 0\n"
        "  Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\n";
    const ProbeResult result = ParseProbeText(text, "/v/clip.avi");
    EXPECT_EQ(result.Length, "00:00:03.00");
    EXPECT_EQ(result.Size, " 320x240");
}

}  // namespace
