// Decodes sample images with libsndfile, as the program does, and prints what came out:
//   samples_probe [-t DB] FILE...   one line per file: file info_frames decoded_frames rate first_ms tail_ms rms_dbfs peak_dbfs
//   samples_probe -w OUT.wav FILE...  writes the decoded files one after another into a 16-bit WAV to listen to
// first_ms is where the sound first rises above the threshold (-45 dBFS unless -t), tail_ms how long before
// the end it last does.
// Build: g++ -O2 -std=c++20 samples_probe.cpp $(pkg-config --cflags --libs sndfile) -o samples_probe
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    double thresholdDb = -45.0;
    const char *listening = nullptr;
    int first = 1;
    if (argc > 2 && std::string_view(argv[1]) == "-t") {
        thresholdDb = std::atof(argv[2]);
        first = 3;
    } else if (argc > 2 && std::string_view(argv[1]) == "-w") {
        listening = argv[2];
        first = 3;
    }
    std::vector<float> joined;
    const double threshold = std::pow(10.0, thresholdDb / 20.0);
    int status = 0;
    for (int i = first; i < argc; ++i) {
        SF_INFO info{};
        SNDFILE *file = sf_open(argv[i], SFM_READ, &info);
        if (!file) {
            std::printf("%s unreadable %s\n", argv[i], sf_strerror(nullptr));
            status = 1;
            continue;
        }
        if (listening && (info.channels != 1 || info.samplerate != 44100)) {
            std::printf("%s is not 44.1 kHz mono\n", argv[i]);
            sf_close(file);
            return 1;
        }
        std::vector<float> samples;
        std::vector<float> block(4096 * size_t(info.channels));
        for (;;) {
            const sf_count_t got = sf_readf_float(file, block.data(), 4096);
            if (got <= 0)
                break;
            // Mono view: the loudest channel of each frame.
            for (sf_count_t f = 0; f < got; ++f) {
                float v = 0;
                for (int c = 0; c < info.channels; ++c)
                    v = std::fmax(v, std::fabs(block[size_t(f * info.channels + c)]));
                samples.push_back(v);
            }
            if (listening)
                joined.insert(joined.end(), block.begin(), block.begin() + got);
        }
        sf_close(file);
        if (listening)
            continue;
        const size_t n = samples.size();
        size_t firstLoud = n, lastLoud = 0;
        double sum = 0, peak = 0;
        for (size_t k = 0; k < n; ++k) {
            sum += double(samples[k]) * samples[k];
            peak = std::fmax(peak, samples[k]);
            if (samples[k] > threshold) {
                if (firstLoud == n)
                    firstLoud = k;
                lastLoud = k;
            }
        }
        const double rate = info.samplerate;
        const double rms = n ? std::sqrt(sum / double(n)) : 0;
        std::printf("%s %lld %zu %d %.1f %.1f %.2f %.2f\n", argv[i], (long long)info.frames, n, info.samplerate,
                    firstLoud == n ? -1.0 : 1000.0 * double(firstLoud) / rate,
                    firstLoud == n ? -1.0 : 1000.0 * double(n - 1 - lastLoud) / rate,
                    20 * std::log10(std::fmax(rms, 1e-9)), 20 * std::log10(std::fmax(peak, 1e-9)));
    }
    if (listening) {
        SF_INFO out{};
        out.samplerate = 44100;
        out.channels = 1;
        out.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE *file = sf_open(listening, SFM_WRITE, &out);
        if (!file || sf_writef_float(file, joined.data(), sf_count_t(joined.size())) != sf_count_t(joined.size())) {
            std::printf("%s cannot be written\n", listening);
            status = 1;
        }
        if (file)
            sf_close(file);
    }
    return status;
}
