#pragma once
// Speech. Speak(text, interrupt) starts speaking and returns at once; with interrupt true it first
// stops whatever is being spoken, otherwise the text waits for the speech in progress. When the
// engine cannot play (no voice, no audio device) the text is dropped and the program goes on as if
// it had been spoken. Tests install RecordingSpeech, which records every call instead.
#include <QString>
#include <QStringList>
#include <vector>

class SpeechSeam {
public:
    virtual ~SpeechSeam() = default;
    virtual void speak(const QString& text, bool interrupt) = 0;
};

// The seam in use (the system's speech engine unless a test installed another).
SpeechSeam& speech();
void setSpeech(SpeechSeam* seam);  // nullptr restores the system's engine

void Speak(const QString& text, bool interrupt);

// What speaking needs of an engine: Qt's text-to-speech in the program.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Starts speaking the text, in place of any text being spoken.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;
};

// Speaking on an engine: an interrupting text replaces what is spoken and drops what waits (blank
// text only stops); any other text waits while the engine speaks and gets its turn, in order, each
// time the engine is done with one (spoken, stopped or failed).
class EngineSpeech : public SpeechSeam {
public:
    explicit EngineSpeech(SpeechEngine& engine) : engine(engine) {}
    void speak(const QString& text, bool interrupt) override;
    // The engine is done with its text.
    void engineReady();

private:
    SpeechEngine& engine;
    QStringList waiting;
};

// The test stand-in: records every call in order. Installs itself while it lives.
class RecordingSpeech : public SpeechSeam {
public:
    RecordingSpeech();
    ~RecordingSpeech() override;
    RecordingSpeech(const RecordingSpeech&) = delete;
    RecordingSpeech& operator=(const RecordingSpeech&) = delete;

    struct Call {
        QString text;
        bool interrupt = false;
    };
    std::vector<Call> calls;

    // The texts of the calls, in order.
    QStringList texts() const;
    void speak(const QString& text, bool interrupt) override;

private:
    SpeechSeam* previous;
};
