#pragma once
// Writing the generated files. Every output is a pure function of the
// generator's code, so two runs give identical bytes.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

struct AssetContext {
    QString outDir;  // the program folder
    QString resDir;  // built-in pictures, compiled into the program
    QString out(const QString& name) const { return outDir + QLatin1Char('/') + name; }
    QString res(const QString& name) const { return resDir + QLatin1Char('/') + name; }
};

// PNG without time stamps or gamma chunks that could vary between runs, its
// rows filtered so that it stays small.
QByteArray EncodePng(const QImage& image);
void WritePng(const QString& path, const QImage& image);
// 16-bit PCM mono WAV.
void WriteWav(const QString& path, const std::vector<float>& samples, int rate = 22050);
void WriteBytes(const QString& path, const QByteArray& bytes);

// One generator per family of assets.
void GenerateCards(const AssetContext& ctx);      // res 11..62 (+ @2x)
void GeneratePortraits(const AssetContext& ctx);  // res 63..91 (+ @2x)
void GenerateScreens(const AssetContext& ctx);    // Data1..Data11 (+ @2x)
void GenerateScenes(const AssetContext& ctx);     // aData, dData, eData, fData, gData, hData (+ @2x)
void GenerateSounds(const AssetContext& ctx);     // bData1..15
void GenerateMusic(const AssetContext& ctx);      // cData1..19
void GenerateHelp(const AssetContext& ctx);       // Vantra.hlp
