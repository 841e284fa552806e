// Writes the ten sound cues of Brenvale as 16-bit mono PCM WAV files, each under a second
// and each recognisably different. Usage: make_cues <folder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples Silence(double seconds) { return Samples(static_cast<size_t>(seconds * kRate), 0.0); }

// A tone with a short attack and an exponential decay; `harmonics` brightens it.
Samples Tone(double hz, double seconds, double decay = 4.0, int harmonics = 1)
{
    Samples s(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int h = 1; h <= harmonics; ++h) v += std::sin(2 * kPi * hz * h * t) / h;
        const double attack = std::min(1.0, t / 0.005);
        s[i] = v * attack * std::exp(-decay * t);
    }
    return s;
}

// A tone whose frequency follows f(t).
Samples Glide(const std::function<double(double)>& f, double seconds, double decay = 2.0)
{
    Samples s(static_cast<size_t>(seconds * kRate));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * kPi * f(t) / kRate;
        s[i] = std::sin(phase) * std::min(1.0, t / 0.005) * std::exp(-decay * t);
    }
    return s;
}

Samples Then(Samples a, const Samples& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Samples Mix(std::vector<Samples> parts)
{
    size_t n = 0;
    for (auto& p : parts) n = std::max(n, p.size());
    Samples out(n, 0.0);
    for (auto& p : parts)
        for (size_t i = 0; i < p.size(); ++i) out[i] += p[i];
    return out;
}

bool Write(const std::string& path, Samples s)
{
    double peak = 1e-9;
    for (double v : s) peak = std::max(peak, std::fabs(v));
    // Fade the last 10 ms so no cue ends in a click.
    const size_t fade = std::min<size_t>(s.size(), kRate / 100);
    for (size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= double(i) / fade;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    auto u32 = [&](std::uint32_t v) { std::fwrite(&v, 4, 1, f); };
    auto u16 = [&](std::uint16_t v) { std::fwrite(&v, 2, 1, f); };
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(dataBytes);
    for (double v : s) {
        const auto sample = static_cast<std::int16_t>(std::lround(v / peak * 0.8 * 32767));
        std::fwrite(&sample, 2, 1, f);
    }
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cues <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const double C5 = 523.25, E5 = 659.25, G5 = 783.99, G4 = 392.0, C6 = 1046.5;
    struct Cue {
        const char* name;
        Samples samples;
    };
    const Cue cues[] = {
        // Three start-up cues: a rising pair, a rising triad, a rising run of four.
        {"1", Then(Tone(C5, 0.18, 6, 2), Tone(G5, 0.35, 5, 2))},
        {"2", Then(Then(Tone(C5, 0.14, 6, 2), Tone(E5, 0.14, 6, 2)), Tone(G5, 0.4, 5, 2))},
        {"3", Then(Then(Then(Tone(G4, 0.12, 6, 3), Tone(C5, 0.12, 6, 3)), Tone(E5, 0.12, 6, 3)),
                   Tone(C6, 0.4, 5, 3))},
        // Fanfare: a quick pickup into a held major chord.
        {"Tada", Then(Tone(G4, 0.1, 3, 4),
                      Mix({Tone(C5, 0.8, 2.5, 4), Tone(E5, 0.8, 2.5, 4), Tone(G5, 0.8, 2.5, 4)}))},
        // Chimes: bell-like falling notes that ring on.
        {"Chimes", Mix({Tone(C6, 0.95, 3, 3), Then(Silence(0.2), Tone(G5, 0.75, 3, 3)),
                        Then(Silence(0.4), Tone(E5, 0.55, 3, 3))})},
        // Right: bright and upward.
        {"right", Then(Tone(1318.5, 0.1, 8, 2), Tone(1760.0, 0.25, 7, 2))},
        // Wrong: a low falling buzz.
        {"wrong", Glide([](double t) { return 220.0 - 120.0 * t; }, 0.5, 1.5)},
        // Hurry: a short tick.
        {"hurry", Tone(2000.0, 0.05, 60, 5)},
        // Leave: a soft downward glide.
        {"leave", Glide([](double t) { return 880.0 - 700.0 * t; }, 0.6, 2.0)},
        // Bird: two quick warbling chirps.
        {"bird", Then(Glide([](double t) { return 2600.0 + 900.0 * std::sin(2 * kPi * 28 * t); }, 0.16, 6),
                      Then(Silence(0.06),
                           Glide([](double t) { return 3000.0 + 900.0 * std::sin(2 * kPi * 32 * t); },
                                 0.2, 6)))},
    };
    for (const Cue& cue : cues) {
        if (!Write(dir + "/" + cue.name + ".wav", cue.samples)) {
            std::fprintf(stderr, "make_cues: cannot write %s/%s.wav\n", dir.c_str(), cue.name);
            return 1;
        }
    }
    return 0;
}
