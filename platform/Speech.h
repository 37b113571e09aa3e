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
