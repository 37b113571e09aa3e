#include "platform/Speech.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextToSpeech>

namespace {

// Qt's engine, made at the first call and owned by the application object; without an application
// object there is no engine and nothing is spoken.
class QtSpeechEngine : public SpeechEngine {
public:
    void say(const QString& text) override {
        if (QTextToSpeech* tts = engine()) tts->say(text);
    }
    void stop() override {
        if (QTextToSpeech* tts = engine()) tts->stop();
    }
    bool isSpeaking() const override { return tts && tts->state() == QTextToSpeech::Speaking; }

private:
    QTextToSpeech* engine();
    QPointer<QTextToSpeech> tts;
};

QtSpeechEngine qtEngine;
EngineSpeech systemSpeech(qtEngine);

QTextToSpeech* QtSpeechEngine::engine() {
    if (!tts) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) return nullptr;
        tts = new QTextToSpeech(app);
        // Ready after a text, or an error: in both cases the next text gets its turn.
        QObject::connect(tts, &QTextToSpeech::stateChanged, tts, [](QTextToSpeech::State state) {
            if (state != QTextToSpeech::Speaking) systemSpeech.engineReady();
        });
    }
    return tts;
}

SpeechSeam* current = nullptr;

}  // namespace

void EngineSpeech::speak(const QString& text, bool interrupt) {
    if (interrupt) {
        waiting.clear();
        // Only silence is asked for: nothing to hand the engine.
        if (text.trimmed().isEmpty()) engine.stop();
        else engine.say(text);
        return;
    }
    if (engine.isSpeaking()) waiting << text;
    else engine.say(text);
}

void EngineSpeech::engineReady() {
    if (waiting.isEmpty() || engine.isSpeaking()) return;
    engine.say(waiting.takeFirst());
}

SpeechSeam& speech() { return current ? *current : systemSpeech; }

void setSpeech(SpeechSeam* seam) { current = seam; }

void Speak(const QString& text, bool interrupt) { speech().speak(text, interrupt); }

RecordingSpeech::RecordingSpeech() : previous(current) { setSpeech(this); }

RecordingSpeech::~RecordingSpeech() { setSpeech(previous == this ? nullptr : previous); }

QStringList RecordingSpeech::texts() const {
    QStringList list;
    for (const Call& call : calls) list << call.text;
    return list;
}

void RecordingSpeech::speak(const QString& text, bool interrupt) { calls.push_back({text, interrupt}); }
