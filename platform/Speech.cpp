#include "platform/Speech.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextToSpeech>
#include <deque>

namespace {

// Qt's engine, made at the first call and owned by the application object. Qt's say() always
// replaces the speech in progress, so texts that are not to interrupt wait here for their turn.
class SystemSpeech : public SpeechSeam {
public:
    void speak(const QString& text, bool interrupt) override {
        QTextToSpeech* tts = engine();
        if (!tts) return;
        if (interrupt) {
            waiting.clear();
            if (text.trimmed().isEmpty()) {
                // Only silence is asked for: nothing to hand the engine.
                tts->stop();
                return;
            }
            tts->say(text);
            return;
        }
        if (tts->state() == QTextToSpeech::Speaking) waiting.push_back(text);
        else tts->say(text);
    }

private:
    QTextToSpeech* engine() {
        if (!tts) {
            QCoreApplication* app = QCoreApplication::instance();
            if (!app) return nullptr;
            tts = new QTextToSpeech(app);
            QObject::connect(tts, &QTextToSpeech::stateChanged, tts, [this](QTextToSpeech::State state) {
                if (state == QTextToSpeech::Speaking || waiting.empty()) return;
                // Ready after a text, or an error: in both cases the next text gets its turn.
                const QString next = waiting.front();
                waiting.pop_front();
                tts->say(next);
            });
        }
        return tts;
    }

    QPointer<QTextToSpeech> tts;
    std::deque<QString> waiting;
};

SystemSpeech systemSpeech;
SpeechSeam* current = nullptr;

}  // namespace

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
