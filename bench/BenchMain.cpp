// yarrowen_bench [SECTION...]: runs the named sections, or all of them, offscreen, on copies of
// the shipped database file "i_virev_DB.shipped" beside the executable.
#include "Bench.h"

#include "app/App.h"
#include "platform/SQLDatabase.h"
#include "platform/Types.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

double peakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

QString prose(qsizetype size, qsizetype paragraphLength) {
    static const QStringList words = {
        "the", "superior", "man", "heaven", "earth", "above", "below", "thunder", "wind", "water",
        "fire", "mountain", "lake", "perseverance", "furthers", "no", "blame", "it", "is", "a",
        "of", "great", "success", "humiliation", "creative", "receptive", "difficulty", "beginning",
        "youthful", "folly", "waiting", "conflict", "army", "holding", "together", "taming", "power"};
    QString text;
    text.reserve(size + 16);
    quint32 state = 2463534242u;  // xorshift
    qsizetype paragraph = 0;
    while (text.size() < size) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        text += words[static_cast<qsizetype>(state % static_cast<quint32>(words.size()))];
        if (text.size() - paragraph > paragraphLength) {
            text += CR;
            paragraph = text.size();
        } else {
            text += ' ';
        }
    }
    return text;
}

QString walkChain(int count) {
    QStringList links;
    links.reserve(count);
    for (int i = 0; i < count; ++i)
        links << QString("%1,%2").arg(codeAt(i)).arg(i + 1 < count ? codeAt(i) ^ codeAt(i + 1) : 0);
    return links.join(';');
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool BenchProgram::copyDatabase(const QString& path, const std::vector<BoundStatement>& changes) {
    const QString shipped = QCoreApplication::applicationDirPath() + "/i_virev_DB.shipped";
    QFile::remove(path);
    if (!QFile::copy(shipped, path)) {
        std::printf("cannot copy %s\n", qPrintable(shipped));
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    if (changes.empty()) return true;
    SQLDatabase db;
    db.setDatabaseFile(path);
    if (!db.Connect()) return false;
    for (const BoundStatement& change : changes) {
        if (!db.SQLExecute(change.sql, change.values) || db.Error()) {
            std::printf("%s: %s\n", qPrintable(change.sql.left(60)), qPrintable(db.ErrorMessage()));
            return false;
        }
    }
    db.Commit();
    return true;
}

BenchProgram::BenchProgram(const std::vector<BoundStatement>& changes) {
    if (!folder.isValid() || !copyDatabase(folder.filePath("i_virev_DB"), changes)) return;
    startTime = timeMs([&] {
        application = std::make_unique<App>();
        application->setApplicationFolder(folder.path());
        prepareApplication(*application);
        running = application->Start();
        settle();
    });
    if (!running) std::printf("the program did not start\n");
}

BenchProgram::~BenchProgram() {
    if (!application) return;
    if (!application->hasShutDown()) application->Quit(0);
    settle();
    application.reset();
    settle();
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    struct Section { const char* name; void (*run)(); } sections[] = {
        {"chain", benchChain},
        {"text", benchTextLayout},
        {"print", benchPrinting},
        {"check", benchDatabaseCheck},
        {"hugetext", benchHugeText},
        {"longchain", benchLongChain},
        {"manychains", benchManyChains},
        {"hugecomment", benchHugeComment},
        {"hugename", benchHugeName},
    };
    for (const Section& section : sections) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], section.name) == 0;
        if (!wanted) continue;
        std::printf("== %s\n", section.name);
        std::fflush(stdout);
        section.run();
        std::fflush(stdout);
    }
    std::printf("peak memory: %.0f MB\n", peakMemoryMB());
    return 0;
}
