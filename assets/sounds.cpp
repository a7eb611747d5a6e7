#include "asset_io.h"
#include "media/data_files.h"

#include <cmath>

void GenerateSounds(const AssetContext& ctx) {
    const int rate = 22050;
    for (int n = 1; n <= 15; ++n) {
        std::vector<float> s(static_cast<size_t>(rate / 5));
        double f = 220.0 * std::pow(2.0, n / 12.0);
        for (size_t i = 0; i < s.size(); ++i) {
            double t = static_cast<double>(i) / rate;
            double env = std::sin(M_PI * static_cast<double>(i) / static_cast<double>(s.size()));
            s[i] = static_cast<float>(0.5 * env * std::sin(2 * M_PI * f * t));
        }
        WriteWav(ctx.out(DataFileName("bData", n)), s, rate);
    }
}
