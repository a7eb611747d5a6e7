#include "platform/audio_output.h"

#include "platform/audio_engine.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QEventLoop>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

namespace audio {

namespace {

// Renders what the sink has room for and writes it, in the sink's format.
class Feeder {
public:
    Feeder(QAudioSink& sink, QIODevice& io)
        : sink_(sink), io_(io), float_(sink.format().sampleFormat() == QAudioFormat::Float) {}

    void feed() {
        const qsizetype bytesPerFrame = float_ ? 8 : 4;
        const qsizetype frames = sink_.bytesFree() / bytesPerFrame;
        if (frames <= 0) return;
        scratch_.resize(static_cast<size_t>(frames) * 2);
        AudioEngine::instance().render(scratch_.data(), static_cast<int>(frames));
        if (float_) {
            io_.write(reinterpret_cast<const char*>(scratch_.data()), frames * bytesPerFrame);
            return;
        }
        pcm_.resize(scratch_.size());
        for (size_t i = 0; i < scratch_.size(); ++i)
            pcm_[i] = static_cast<int16_t>(std::lround(scratch_[i] * 32767.0f));
        io_.write(reinterpret_cast<const char*>(pcm_.data()), frames * bytesPerFrame);
    }

private:
    QAudioSink& sink_;
    QIODevice& io_;
    const bool float_;
    std::vector<float> scratch_;
    std::vector<int16_t> pcm_;
};

class OutputThread : public QThread {
public:
    explicit OutputThread(std::optional<QAudioDevice> device) : device_(std::move(device)) {}

    void stop() {
        {
            std::lock_guard lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        // Ends the device's event loop, also one that has not begun yet.
        quit();
        wait();
    }
    // True once a device output has given way to the null pace.
    bool fellBack() const { return fellBack_; }

protected:
    void run() override {
        if (device_) {
            runDevice(*device_);
            fellBack_ = true;
        }
        runNull();
    }

private:
    bool stopping() {
        std::lock_guard lock(m_);
        return stop_;
    }

    void runDevice(const QAudioDevice& device) {
        QAudioFormat format;
        format.setSampleRate(kSampleRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Float);
        if (!device.isFormatSupported(format)) format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return;

        AudioEngine::instance().setListening(true);
        QAudioSink sink(device, format);
        sink.setBufferSize(format.bytesForDuration(kOutputBufferMs * 1000));
        // Written by the game rather than pulled by the sink, which would
        // take 20 ms at a time: every block written wakes the sound server's
        // connection, so fewer, larger blocks cost less.
        QIODevice* io = sink.start();
        if (!io || stopping() || (sink.error() != QAudio::NoError && sink.state() == QAudio::StoppedState)) {
            sink.stop();
            return;
        }
        QEventLoop loop;
        // A device that goes away (the sound server quits) leaves the game to
        // the null output instead of silence without end-of-track.
        QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State s) {
            if (s == QAudio::StoppedState && sink.error() != QAudio::NoError) loop.quit();
        });
        Feeder feeder(sink, *io);
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] { feeder.feed(); });
        feeder.feed();
        tick.start(kFeedMs);
        // stop() ends the loop through QThread::quit(), so the thread wakes
        // only to write.
        loop.exec();
        sink.stop();
    }

    void runNull() {
        using clock = std::chrono::steady_clock;
        // Dropped blocks are heard by nobody: the engine keeps the time only.
        AudioEngine::instance().setListening(false);
        std::vector<float> block(static_cast<size_t>(kNullBlockFrames) * 2);
        const auto period = std::chrono::microseconds(1'000'000LL * kNullBlockFrames / kSampleRate);
        auto next = clock::now();
        std::unique_lock lock(m_);
        while (!stop_) {
            lock.unlock();
            AudioEngine::instance().render(block.data(), kNullBlockFrames);
            lock.lock();
            next += period;
            // After a long stall (a suspended machine) it does not race to catch up.
            if (clock::now() - next > std::chrono::milliseconds(500)) next = clock::now();
            cv_.wait_until(lock, next, [this] { return stop_; });
        }
    }

    std::optional<QAudioDevice> device_;
    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false;
    std::atomic<bool> fellBack_{false};
};

struct OutputState {
    std::mutex m;
    OutputKind kind = OutputKind::None;
    OutputThread* thread = nullptr;
    std::string description;
    bool hooksInstalled = false;
    bool ended = false;  // stopped for good at exit
};

OutputState& state() {
    static OutputState* s = new OutputState;
    return *s;
}

void stopLocked(OutputState& s) {
    if (s.thread) {
        s.thread->stop();
        delete s.thread;
        s.thread = nullptr;
    }
}

void installExitHooks(OutputState& s) {
    if (s.hooksInstalled) return;
    s.hooksInstalled = true;
    // The sink must be gone before the application object is; a process that
    // leaves through exit() stops it there instead.
    if (QCoreApplication::instance()) qAddPostRoutine(StopOutput);
    std::atexit(StopOutput);
}

}  // namespace

void EnsureOutput() {
    OutputState& s = state();
    std::lock_guard lock(s.m);
    if (s.kind != OutputKind::None || s.ended) return;
    AudioEngine::instance();  // its exit step then runs after this one's
    installExitHooks(s);
    std::optional<QAudioDevice> device;
    QByteArray wanted = qgetenv("VANTRAX_AUDIO");
    if (wanted != "null" && QCoreApplication::instance()) {
        QAudioDevice d = QMediaDevices::defaultAudioOutput();
        if (!d.isNull() && !QMediaDevices::audioOutputs().isEmpty()) device = d;
    }
    s.thread = new OutputThread(device);
    s.thread->start(QThread::HighPriority);
    s.kind = device ? OutputKind::Device : OutputKind::Null;
    s.description = device ? device->description().toStdString() : std::string("null");
}

void UseManualOutput() {
    OutputState& s = state();
    std::lock_guard lock(s.m);
    stopLocked(s);
    // Whoever renders by hand takes the samples.
    AudioEngine::instance().setListening(true);
    s.kind = OutputKind::Manual;
    s.description = "manual";
}

void StopOutput() {
    OutputState& s = state();
    std::lock_guard lock(s.m);
    stopLocked(s);
    s.ended = true;
}

OutputKind CurrentOutput() {
    OutputState& s = state();
    std::lock_guard lock(s.m);
    if (s.kind == OutputKind::Device && s.thread && s.thread->fellBack()) return OutputKind::Null;
    return s.kind;
}

std::string OutputDescription() {
    OutputState& s = state();
    std::lock_guard lock(s.m);
    return s.description;
}

}  // namespace audio
