#pragma once
// Shared pieces of the benchmark: its sections, a clock, the process's peak memory, long texts and
// the program started on a copy of the shipped database.
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class App;

// Each section prints its own figures, one per line.
void benchChain();       // the display window: adding, loading and updating long chains
void benchTextLayout();  // styled-text layout of long texts
void benchPrinting();    // printing a chain whose texts are long
void benchDatabaseCheck();  // the check of a database file when it is opened
void benchHugeText();    // a hexagram with megabytes of text, shown and reported
void benchLongChain();   // stored chains of tens of thousands of links, loaded
void benchManyChains();  // the saved-chains window over a hundred thousand chains
void benchHugeComment(); // the saved-chains window over a chain with a huge comment
void benchHugeName();    // start-up and a switch of file with a huge trigram name

// Milliseconds that `work` takes.
inline double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The process's peak resident memory so far, in megabytes.
double peakMemoryMB();

// Ordinary prose of about `size` characters: words of 1 to 12 letters, the same text on every
// run, in paragraphs of about `paragraphLength` characters ended by CR.
QString prose(qsizetype size, qsizetype paragraphLength);

// Hexagram i of the chains measured: a walk through all 64 codes in which neighbours differ in
// several lines, so that the transitions carry long texts.
inline int codeAt(int i) { return (i * 37) % 64; }
// The chain string of the first `count` hexagrams of the walk.
QString walkChain(int count);

// Runs what the event loop has waiting: the repaints a change asks for, deferred deletes.
void settle();

// The program started as main() starts it, on a copy of the shipped database ("i_virev_DB.shipped" beside
// the benchmark) changed first by `changes` (statements with bound values, run in order). Quits
// when destroyed; the next one starts afresh on its own copy.
struct BoundStatement {
    QString sql;
    QVariantList values;
};
class BenchProgram {
public:
    explicit BenchProgram(const std::vector<BoundStatement>& changes = {});
    ~BenchProgram();
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    bool started() const { return running; }
    // How long the start took, the copy of the database not counted.
    double startMs() const { return startTime; }
    App& app() { return *application; }
    QString folderPath() const { return folder.path(); }
    // Makes a changed copy of the shipped database at `path`; false (after a message) on failure.
    static bool copyDatabase(const QString& path, const std::vector<BoundStatement>& changes);

private:
    QTemporaryDir folder;
    std::unique_ptr<App> application;
    bool running = false;
    double startTime = 0;
};
