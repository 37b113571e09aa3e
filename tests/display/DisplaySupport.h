#pragma once
// The program started on a small test database, with its display window at a known size, pre-set
// dialog answers and recorded speech.
#include "ShellSupport.h"

#include "display/displayWindow.h"
#include "platform/Graphics.h"
#include "platform/Speech.h"
#include "platform/VectorShapes.h"

#include <QImage>
#include <gtest/gtest.h>
#include <initializer_list>

// Hexagram rows of the test database: short distinctive texts ("name<code>", "desc<code>",
// line k "line<code>.<k>"); trigram names "tri0".."tri7".
QString displayDatabaseSql(const QString& moreSql = QString());

class DisplayTest : public ::testing::Test {
protected:
    explicit DisplayTest(const QString& moreSql = QString());

    // The chain, the pictures and the chain string as a fresh window has them.
    void emptyChain();
    // The chain built as the input window builds it: each code appended with newhex.
    void build(std::initializer_list<int> codes);
    // A click at drawing x (the window not scrolled), as the canvas reports it.
    void clickAt(int x) { display->Canvas1_MouseDown(x + display->offsetH, 50); }

    // The drawing's pixels and what the canvas paints over them.
    QImage drawing() const { return display->drawbuffer->toImage(); }
    QImage overlay() const;

    StartedProgram program;
    RecordingSpeech speech;
    displayWindow* display = nullptr;
};

// True when any pixel of the rectangle is darker than mid grey (text or lines drawn there).
bool hasInk(const QImage& image, int x, int y, int width, int height);
// The first and last rows of the rectangle that hold ink; -1 when none does.
int firstInkRow(const QImage& image, int x, int y, int width, int height);
int lastInkRow(const QImage& image, int x, int y, int width, int height);
