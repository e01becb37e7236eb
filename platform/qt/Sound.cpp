// Sounds the program makes itself, played through Qt Multimedia without
// waiting for them.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

#include "platform/qt/Registry.h"

namespace quendal::platform {

namespace qt {

namespace {

constexpr int kSafetyMarginMs = 2000;  // a sink still busy this long after its sound is let go

class QtSound : public SoundService {
public:
    void playSamples(const std::vector<int16_t>& samples, int32_t sampleRate) override {
        if (samples.empty() || sampleRate <= 0) return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return;  // no audio output: silence
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return;

        auto* sink = new QAudioSink(device, format, QCoreApplication::instance());
        auto* buffer = new QBuffer(sink);
        buffer->setData(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * sizeof(int16_t)));
        buffer->open(QIODevice::ReadOnly);
        // The sink goes once it has played everything, or failed; and in any
        // case a little after the sound's length, so that a device that never
        // reports the end keeps nothing.
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State now) {
            if (now == QAudio::IdleState || now == QAudio::StoppedState) {
                sink->stop();
                sink->deleteLater();
            }
        });
        const int lengthMs = int(1000.0 * double(samples.size()) / double(sampleRate));
        QTimer::singleShot(lengthMs + kSafetyMarginMs, sink, [sink] {
            sink->stop();
            sink->deleteLater();
        });
        sink->start(buffer);
    }
};

QtSound gQtSound;
SoundService* gSound = nullptr;

}  // namespace

}  // namespace qt

void setSoundService(SoundService* service) { qt::gSound = service; }

SoundService& sound() { return qt::gSound != nullptr ? *qt::gSound : qt::gQtSound; }

}  // namespace quendal::platform
