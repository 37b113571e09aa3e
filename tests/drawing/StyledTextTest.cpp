#include "core/FormattedText.h"
#include "core/StyledTextDrawing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace StyledTextDrawing;

namespace {

const QString EOL = EndOfLine();
const QString Font = "DejaVu Sans";

StyleRun run(const QString& text, bool italic = false, int size = 12) {
    StyleRun r;
    r.Text = text;
    r.Font = Font;
    r.Size = size;
    r.Italic = italic;
    return r;
}

StyledText styled(std::initializer_list<StyleRun> runs) {
    StyledText st;
    for (const StyleRun& r : runs) st.AppendStyleRun(r);
    return st;
}

QStringList runTexts(const FormattedText& ft) {
    QStringList texts;
    for (const FormattedTextRun& r : ft.StyleRuns) texts << r.Text;
    return texts;
}

// The width the layout gives a text in the test font, or in `font`.
int widthOf(const QString& text, int size = 12, const QString& font = Font) {
    DrawnSection section;
    section.TextFont = font;
    section.TextSize = size;
    section.SectionText = text;
    return section.SectionWidth();
}

int lineHeightOf(int size) {
    DrawnSection section;
    section.TextFont = Font;
    section.TextSize = size;
    return section.SectionTextHeight();
}

// The lines the layout takes off st at width, each as its sections' texts joined. Fails the test
// instead of hanging when a line takes nothing off the queue.
QStringList layoutLines(const StyledText& st, int width, std::vector<int>* lineWidths = nullptr) {
    FormattedText queue(st);
    QStringList lines;
    while (!queue.StyleRuns.empty()) {
        const size_t runsBefore = queue.StyleRuns.size();
        const qsizetype frontBefore = queue.StyleRuns.front().Text.size();
        DrawnLine line = PrepareLine(queue, width);
        QString text;
        for (const DrawnSection& s : line.Sections) text += s.SectionText;
        lines << text;
        if (lineWidths) lineWidths->push_back(line.LineWidth());
        if (queue.StyleRuns.size() == runsBefore && queue.StyleRuns.front().Text.size() == frontBefore) {
            ADD_FAILURE() << "the layout makes no progress";
            break;
        }
    }
    return lines;
}

// Prose of about `size` characters: words of 1 to 13 letters, capitals after a full stop,
// punctuation, and now and then two blanks in a row.
QString prose(int size) {
    const QStringList words = {"Heaven", "above,", "the", "lake", "below:", "the", "superior", "man", "discriminates",
                               "between", "high", "and", "low.", "Thus", "he", "fortifies", "the", "thinking", "of",
                               "the", "people.", "Perseverance", "furthers;", "no", "blame.", "A", "T", "V", "W,"};
    QString text;
    for (int i = 0; text.size() < size; ++i) text += words[(i * 7 + i / 5) % words.size()] + (i % 17 == 16 ? "  " : " ");
    return text;
}

}  // namespace

TEST(FormattedText, QueueOfRunsSplitAfterLineEnds) {
    struct Case {
        const char* name;
        StyledText text;
        QStringList expected;
    };
    const Case cases[] = {
        {"worked example", styled({run("The "), run("Creative" + CR + "Heaven" + CR, true)}),
         {"The ", "Creative" + EOL, "Heaven" + EOL, ""}},
        {"two line ends in a row", styled({run("a" + CR + CR + "b")}), {"a" + EOL, EOL, "b"}},
        {"other line-end conventions", styled({run("x\r\ny\nz")}), {"x" + EOL, "y" + EOL, "z"}},
        {"an empty style run", styled({run("a"), run(""), run("b")}), {"a", "", "b"}},
        {"no style runs", StyledText(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FormattedText ft(c.text);
        EXPECT_EQ(runTexts(ft), c.expected);
        EXPECT_EQ(runTexts(ft).join(""), ReplaceLineEndings(c.text.Text(), EOL));
    }
    // Every piece keeps its style run's style.
    const FormattedText ft(styled({run("The "), run("Creative" + CR + "Heaven" + CR, true)}));
    EXPECT_FALSE(ft.StyleRuns[0].Italic);
    for (size_t i = 1; i < 4; ++i) EXPECT_TRUE(ft.StyleRuns[i].Italic) << i;
}

TEST(FormattedText, PiecesTakeTheAlignmentOfTheParagraphWhereTheirRunStarts) {
    // Paragraphs: "ab⏎" (0..2), "cd⏎" (3..5), "ef" (6..7).
    StyledText st = styled({run("ab" + CR), run("cd" + CR + "ef")});
    st.setParagraphAlignment(0, 0);
    st.setParagraphAlignment(1, 3);
    st.setParagraphAlignment(2, 2);
    const FormattedText ft(st);
    ASSERT_EQ(ft.StyleRuns.size(), 4u);
    EXPECT_EQ(ft.StyleRuns[0].Alignment, 0);  // "ab⏎"
    EXPECT_EQ(ft.StyleRuns[1].Alignment, 0);  // the empty last piece of the first run
    // The second run starts on the first character of paragraph 1: all its pieces take that
    // paragraph's alignment, also the piece that lies in paragraph 2.
    EXPECT_EQ(ft.StyleRuns[2].Alignment, 3);
    EXPECT_EQ(ft.StyleRuns[3].Alignment, 3);

    EXPECT_EQ(FormattedText::FindParagraph(st, 2), 0);   // a paragraph's line end is its own
    EXPECT_EQ(FormattedText::FindParagraph(st, 3), 1);
    EXPECT_EQ(FormattedText::FindParagraph(st, 7), 2);
    EXPECT_EQ(FormattedText::FindParagraph(st, 99), 0);  // past every paragraph
}

TEST(FormattedText, CopiesAreDeepAndConversionKeepsStylesButNotAlignment) {
    StyleRun bold = run("Heaven ", true, 20);
    bold.Bold = true;
    bold.Underline = true;
    bold.TextColor = RGB(30, 30, 200);
    StyledText st = styled({bold, run("earth")});
    st.setParagraphAlignment(0, 3);
    const FormattedText original(st);

    FormattedText copy = original.MakeCopy();
    copy.StyleRuns.front().Text = "changed";
    copy.StyleRuns.pop_back();
    EXPECT_EQ(runTexts(original), (QStringList{"Heaven ", "earth"}));

    const auto back = original.ToStyledText();
    ASSERT_EQ(back->StyleRunCount(), 2);
    const StyleRun first = back->styleRun(0);
    EXPECT_EQ(first.Text, "Heaven ");
    EXPECT_EQ(first.Font, Font);
    EXPECT_EQ(first.Size, 20);
    EXPECT_TRUE(first.Bold && first.Italic && first.Underline);
    EXPECT_EQ(first.TextColor, RGB(30, 30, 200));
    EXPECT_EQ(back->paragraph(0).Alignment, 0);
}

TEST(DrawnSection, MeasuresInTheStyleOfItsFirstMeasure) {
    DrawnSection section;
    section.TextFont = Font;
    section.TextSize = 12;
    EXPECT_EQ(section.SectionWidth(), 0);  // empty text: no width...
    EXPECT_GT(section.SectionTextHeight(), 0);  // ...but its font's height
    section.TextSize = 40;
    section.SectionText = "Heaven";
    EXPECT_EQ(section.SectionWidth(), widthOf("Heaven", 12));
    EXPECT_EQ(section.SectionTextHeight(), lineHeightOf(12));

    DrawnLine none;
    EXPECT_EQ(none.LineTextHeight(), 0);
    EXPECT_EQ(none.LineTextAscent(), 0);
    EXPECT_EQ(none.LineWidth(), 0);
}

TEST(StyledTextLayout, BreaksAtTheExactWidthAndKeepsBlanks) {
    const QString text = "Heaven above and earth below";
    const int whole = widthOf(text);
    // A run exactly as wide as the line does not fit.
    EXPECT_EQ(layoutLines(styled({run(text)}), whole + 1), QStringList{text});
    const QStringList cut = layoutLines(styled({run(text)}), whole);
    EXPECT_EQ(cut, (QStringList{"Heaven above and earth ", "below"}));

    // A word that fits only without its blank goes to the next line.
    const int upToAbove = widthOf("Heaven above");
    EXPECT_EQ(layoutLines(styled({run(text)}), upToAbove + 1).first(), "Heaven ");
    EXPECT_EQ(layoutLines(styled({run(text)}), widthOf("Heaven above ") + 1).first(), "Heaven above ");

    // Several blanks in a row are kept, the rest may begin with a blank.
    EXPECT_EQ(layoutLines(styled({run("aaa  bbb")}), widthOf("aaa  ")).join("|"), "aaa |" " bbb");

    // A run that fits and holds a line end closes the line.
    EXPECT_EQ(layoutLines(styled({run("a" + CR), run("b")}), 1000), (QStringList{"a" + EOL, "b"}));
}

TEST(StyledTextLayout, EveryInputTerminatesWithEveryCharacterPlacedOnce) {
    const QString longWord = "Supercalifragilisticexpialidocious";
    struct Case {
        const char* name;
        StyledText text;
        int width;
    };
    const Case cases[] = {
        {"a word wider than the line", styled({run("in " + longWord + " out")}), widthOf("in out")},
        {"the long word first", styled({run(longWord + " out")}), 20},
        {"width 0", styled({run("The Creative"), run(" works" + CR + "sublime", true)}), 0},
        {"negative width", styled({run("The Receptive")}), -5},
        {"empty runs", styled({run(""), run("a"), run(""), run("")}), 0},
        {"only empty runs", styled({run(""), run("")}), 100},
        {"blanks only", styled({run("   ")}), 0},
        {"a text ending with line ends", styled({run("one" + CR + CR)}), 0},
        {"mixed sizes", styled({run("small words here ", false, 9), run("BIG WORDS THERE", false, 30)}), 80},
        {"a CR LF split between runs", styled({run("one\r"), run("\ntwo")}), 0},
        {"a long run without blanks", styled({run(QString(3000, 'x'))}), 100},
        {"characters of two code units and combining marks",
         styled({run(QString(40, QChar(0x00e9)) + QString::fromUtf8("\U0001D538\U0001D539e\u0301e\u0301"))}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList lines = layoutLines(c.text, c.width);
        EXPECT_EQ(lines.join(""), ReplaceLineEndings(c.text.Text(), EOL));
        for (const QString& line : lines) {
            EXPECT_FALSE(!line.isEmpty() && line.back().isHighSurrogate()) << "half a character at a line's end";
            EXPECT_FALSE(!line.isEmpty() && line.front().category() == QChar::Mark_NonSpacing) << "a mark begins a line";
        }
    }
    // At width 0 every line holds one character, a word's last one with its blank.
    EXPECT_EQ(layoutLines(styled({run("The Ox" + CR)}), 0), (QStringList{"T", "h", "e ", "O", "x" + EOL, ""}));
}

TEST(StyledTextLayout, AWordWiderThanTheLineIsBrokenBetweenCharacters) {
    const QString longWord = "Supercalifragilisticexpialidocious";
    const int width = widthOf("in out");
    struct Case {
        const char* name;
        StyledText text;
        QString before, word, after;  // the lines before the word's, the word, the lines after
    };
    const Case cases[] = {
        {"inside a text: the word starts a line", styled({run("in " + longWord + " out")}), "in ", longWord + " ", "out"},
        {"a run without blanks", styled({run(longWord)}), "", longWord, ""},
        {"before a line end", styled({run(longWord + CR + "out")}), "", longWord + EOL, "out"},
        {"a run after a run", styled({run("in "), run(longWord, true)}), "in ", longWord, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> widths;
        const QStringList lines = layoutLines(c.text, width, &widths);
        ASSERT_EQ(lines.join(""), c.before + c.word + c.after);
        // Whole lines before and after the word, the word's pieces between them.
        QStringList pieces = lines;
        if (!c.before.isEmpty()) {
            EXPECT_EQ(pieces.takeFirst(), c.before);
        }
        if (!c.after.isEmpty()) {
            EXPECT_EQ(pieces.takeLast(), c.after);
        }
        EXPECT_EQ(pieces.join(""), c.word);
        EXPECT_GT(pieces.size(), 2);
        for (size_t i = 0; i < widths.size(); ++i) EXPECT_LT(widths[i], width) << lines[static_cast<qsizetype>(i)].toStdString();
        // Each piece but the last is as long as fits: one more character does not.
        qsizetype at = 0;
        for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
            at += pieces[i].size();
            EXPECT_GE(widthOf(pieces[i] + c.word[at]), width) << pieces[i].toStdString();
        }
    }
    // A word that fits only without its blank still goes on a line of its own, blank and all.
    EXPECT_EQ(layoutLines(styled({run("no on")}), widthOf("no") + 1), (QStringList{"no ", "on"}));

    // Drawn, the word stays inside the column.
    auto picture = NewPicture(300, 200, 32);
    const QString wide = QString(40, 'W');
    DrawStyledText(*picture->graphics(), styled({run(wide)}), 10, 0, 100);
    int rightmost = -1, darkRows = 0;
    for (int y = 0; y < picture->Height(); ++y) {
        bool dark = false;
        for (int x = 0; x < picture->Width(); ++x) {
            if (picture->Pixel(x, y).lightness() >= 128) continue;
            rightmost = std::max(rightmost, x);
            dark = true;
        }
        darkRows += dark;
    }
    EXPECT_GE(rightmost, 10 + 100 - widthOf("W"));
    EXPECT_LT(rightmost, 10 + 100);
    EXPECT_GT(darkRows, 4 * lineHeightOf(12) / 2);  // several lines of it
}

TEST(StyledTextLayout, CrLfIsOneLineEndWhereverTheRunsSplitIt) {
    // "ab CR LF cd" cut into two runs at every position, and into three with an empty run between.
    const QString text = "ab\r\ncd";
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        for (const bool emptyBetween : {false, true}) {
            SCOPED_TRACE(QString("cut at %1%2").arg(cut).arg(emptyBetween ? ", an empty run between" : "").toStdString());
            const StyledText st = emptyBetween ? styled({run(text.left(cut)), run(""), run(text.mid(cut), true)})
                                               : styled({run(text.left(cut)), run(text.mid(cut), true)});
            const FormattedText ft(st);
            QStringList texts;
            int lineEnds = 0;
            for (const FormattedTextRun& r : ft.StyleRuns) {
                texts << r.Text;
                lineEnds += static_cast<int>(r.Text.count(EOL));
                EXPECT_TRUE(!r.Text.contains(EOL) || r.Text.endsWith(EOL)) << r.Text.toStdString();
            }
            EXPECT_EQ(texts.join(""), "ab" + EOL + "cd");
            EXPECT_EQ(lineEnds, 1);
            EXPECT_EQ(st.ParagraphCount(), 2);
            EXPECT_EQ(layoutLines(st, 1000), (QStringList{"ab" + EOL, "cd"}));
        }
    }
    // Only a CR followed by an LF makes a pair.
    struct Case {
        QString first, second, expected;
    };
    const Case cases[] = {
        {"a\r", "\r\nb", "a" + EOL + EOL + "b"},
        {"a\n", "\rb", "a" + EOL + EOL + "b"},
        {"a\r", "\n\nb", "a" + EOL + EOL + "b"},
        {"a\r", "b\n", "a" + EOL + "b" + EOL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.first + "|" + c.second).toStdString());
        const StyledText st = styled({run(c.first), run(c.second)});
        EXPECT_EQ(runTexts(FormattedText(st)).join(""), c.expected);
        EXPECT_EQ(runTexts(FormattedText(st)).join(""), ReplaceLineEndings(st.Text(), EOL));
    }
}

TEST(StyledTextLayout, AMegabyteOfTextIsLaidOutWhole) {
    // Long paragraphs of ordinary words, one word of 100 000 characters and a few short lines.
    QString text;
    const QStringList words = {"heaven ", "earth ", "the ", "superior ", "man ", "perseveres "};
    for (int i = 0; text.size() < (1 << 20); ++i) {
        text += words[i % words.size()];
        if (i % 20000 == 19999) text += CR;
        if (i == 50000) text += QString(100000, 'z') + ' ';
    }
    const StyledText st = styled({run(text)});
    auto picture = NewPicture(300, 100, 32);
    Graphics& g = *picture->graphics();
    const int height = StyledTextHeight(g, st, 230);
    EXPECT_EQ(height % lineHeightOf(12), 0);
    EXPECT_GT(height / lineHeightOf(12), 20000);
    // Through the queue the lines hold every character once, in order.
    std::vector<int> widths;
    const QStringList lines = layoutLines(st, 230, &widths);
    EXPECT_EQ(lines.size() * lineHeightOf(12), height);
    EXPECT_TRUE(lines.join("") == ReplaceLineEndings(text, EOL));
    EXPECT_LT(*std::max_element(widths.begin(), widths.end()), 230);
    // Drawn into a screenful, the rest is the text after the lines drawn.
    const auto rest = DrawStyledText(g, st, 0, 0, 230, 100);
    ASSERT_NE(rest, nullptr);
    const qsizetype drawn = lines.mid(0, 100 / lineHeightOf(12)).join("").size();
    EXPECT_TRUE(rest->Text() == ReplaceLineEndings(text, EOL).mid(drawn));
}

TEST(StyledTextLayout, EachLineHoldsTheMostWholeWordsThatFit) {
    const QString text = prose(3000);
    struct Case {
        const char* font;
        int size;
        int width;
    };
    const Case cases[] = {
        {"DejaVu Sans", 12, 230}, {"DejaVu Serif", 10, 168}, {"DejaVu Serif", 17, 300},
        {"DejaVu Sans Mono", 12, 150}, {"DejaVu Sans", 12, 97},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2 at %3").arg(c.font).arg(c.size).arg(c.width).toStdString());
        StyleRun r = run(text, false, c.size);
        r.Font = c.font;
        const QStringList lines = layoutLines(styled({r}), c.width);
        ASSERT_EQ(lines.join(""), text);
        // Every line but the last fits strictly, and would not with the next word and its blank.
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            SCOPED_TRACE(lines[i].toStdString());
            const QString& next = lines[i + 1];
            const QString nextWord = next.left(next.indexOf(' ') + 1);
            EXPECT_LT(widthOf(lines[i], c.size, c.font), c.width);
            EXPECT_GE(widthOf(lines[i] + (nextWord.isEmpty() ? next : nextWord), c.size, c.font), c.width);
        }
    }
}

TEST(StyledTextLayout, ALaidOutTextDrawsAnyBandOfItsLinesAsTheWholeTextIsDrawn) {
    const int width = 180, h = lineHeightOf(12);
    StyledText mixed = styled({run(prose(300)), run("in italics" + CR, true, 15), run(prose(200) + CR + "centred")});
    mixed.setParagraphAlignment(mixed.ParagraphCount() - 1, 2);
    const StyledText plain = styled({run(prose(600))});
    auto draw = [&](const std::function<void(Graphics&)>& how) {
        auto picture = NewPicture(200, 1000, 32);
        how(*picture->graphics());
        return picture->image();
    };
    for (const StyledText* st : {static_cast<const StyledText*>(&mixed), &plain}) {
        const LaidOutText laid(*st, width);
        EXPECT_EQ(laid.Height(), StyledTextHeight(*NewPicture(1, 1, 32)->graphics(), *st, width));
        const QImage whole = draw([&](Graphics& g) { DrawStyledText(g, *st, 5, 3, width); });
        EXPECT_TRUE(draw([&](Graphics& g) { laid.draw(g, 5, 3); }) == whole);
    }
    // Rows 2h + 1 to 4h of the text reach into its lines 2, 3 and 4 (from 0): those are drawn, as
    // in the whole text, and nothing else is.
    const LaidOutText laid(plain, width);
    ASSERT_GT(laid.LineCount(), 6);
    const QImage whole = draw([&](Graphics& g) { DrawStyledText(g, plain, 5, 3, width); });
    const QImage band = draw([&](Graphics& g) { laid.draw(g, 5, 3, 2 * h + 1, 4 * h + 1); });
    EXPECT_TRUE(band.copy(0, 3 + 2 * h, 200, 3 * h) == whole.copy(0, 3 + 2 * h, 200, 3 * h));
    EXPECT_EQ(lastInkedRow(band.copy(0, 0, 200, 3 + 2 * h)), -1);
    EXPECT_EQ(lastInkedRow(band.copy(0, 3 + 5 * h, 200, 1000 - 3 - 5 * h)), -1);
    EXPECT_GE(lastInkedRow(band), 3 + 4 * h);
}

TEST(StyledTextLayout, LinesAreAlignedByTheirParagraph) {
    // Full blocks fill their advance, so the first dark column is where the line starts.
    const QString blocks = QString(3, QChar(0x2588));
    const int lineWidth = widthOf(blocks);
    struct Case {
        int alignment;
        int expectedLeft;
    };
    const Case cases[] = {
        {0, 10}, {1, 10}, {2, Int(10 + (100 - lineWidth) / 2.0)}, {3, 10 + 100 - lineWidth}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        auto picture = NewPicture(140, 40, 32);
        StyledText st = styled({run(blocks)});
        st.setParagraphAlignment(0, c.alignment);
        DrawStyledText(*picture->graphics(), st, 10, 5, 100);
        int left = -1;
        for (int x = 0; x < picture->Width() && left < 0; ++x)
            if (picture->Pixel(x, 15).lightness() < 128) left = x;
        EXPECT_EQ(left, c.expectedLeft);
    }
}

TEST(StyledTextLayout, ClippedFormReturnsExactlyTheUndrawnRest) {
    const int h = lineHeightOf(12);
    const StyledText five = styled({run("one" + CR + "two" + CR), run("three" + CR + "four" + CR + "five", true)});
    auto picture = NewPicture(300, 300, 32);
    Graphics& g = *picture->graphics();

    struct Case {
        int height;
        const char* rest;  // nullptr: all drawn
    };
    const Case cases[] = {
        {2 * h, "three\nfour\nfive"},   // a line ending exactly at y + height is drawn
        {2 * h - 1, "two\nthree\nfour\nfive"},
        {h - 1, "one\ntwo\nthree\nfour\nfive"},  // not even the first line: the whole text
        {5 * h, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const auto rest = DrawStyledText(g, five, 0, 7, 300, c.height);
        if (!c.rest) {
            EXPECT_EQ(rest, nullptr);
            continue;
        }
        ASSERT_NE(rest, nullptr);
        EXPECT_EQ(rest->Text(), QString(c.rest));
    }
    // The rest keeps each run's style: the empty last piece of the plain run, then "three" in
    // italics.
    const auto rest = DrawStyledText(g, five, 0, 0, 300, 2 * h);
    ASSERT_EQ(rest->StyleRunCount(), 4);
    EXPECT_FALSE(rest->styleRun(0).Italic);
    EXPECT_EQ(rest->styleRun(1).Text, "three" + EOL);
    EXPECT_TRUE(rest->styleRun(1).Italic);

    // A rest that begins inside a cut run: drawn lines and rest make the whole text.
    const StyledText prose = styled({run("Heaven above and earth below, the lake and the mountain")});
    const int width = widthOf("Heaven above and ");
    const QStringList lines = layoutLines(prose, width);
    ASSERT_GE(lines.size(), 3);
    const auto prosesRest = DrawStyledText(g, prose, 0, 0, width, 2 * h);
    ASSERT_NE(prosesRest, nullptr);
    EXPECT_EQ(prosesRest->Text(), prose.Text().mid(lines[0].size() + lines[1].size()));
    EXPECT_EQ(DrawStyledText(g, StyledText(), 0, 0, 100, 100), nullptr);
}

TEST(StyledTextLayout, HeightIsTheHeightDrawn) {
    auto picture = NewPicture(50, 50, 32);
    Graphics& g = *picture->graphics();
    struct Case {
        const char* name;
        StyledText text;
        int width;
    };
    const Case cases[] = {
        {"prose", styled({run("Heaven above and earth below, the lake and the mountain")}), 90},
        {"ending with a line end", styled({run("one" + CR)}), 200},
        // The empty last piece of a large run keeps its height on the next line.
        {"mixed sizes", styled({run("big" + CR, false, 30), run("small", false, 9)}), 200},
        {"width 0", styled({run("a b c")}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int height = StyledTextHeight(g, c.text, c.width);
        EXPECT_EQ(LaidOutText(c.text, c.width).Height(), height);
        // Everything fits into exactly that height, and not into one unit less.
        EXPECT_EQ(DrawStyledText(g, c.text, 0, 0, c.width, height), nullptr);
        EXPECT_NE(DrawStyledText(g, c.text, 0, 0, c.width, height - 1), nullptr);
    }
    EXPECT_EQ(StyledTextHeight(g, styled({run("one" + CR)}), 200), 2 * lineHeightOf(12));
    EXPECT_EQ(StyledTextHeight(g, styled({run("big" + CR, false, 30), run("small", false, 9)}), 200),
              2 * lineHeightOf(30));
    EXPECT_EQ(StyledTextHeight(g, StyledText(), 100), 0);
}

TEST(StyledTextLayout, DrawingKeepsTheCallersTextSettings) {
    auto picture = NewPicture(200, 100, 32);
    Graphics& g = *picture->graphics();
    g.TextFont = "DejaVu Serif";
    g.TextSize = 17;
    g.ForeColor = RGB(1, 2, 3);
    g.Bold = true;
    g.Italic = false;
    g.Underline = true;
    StyleRun red = run("red italic", true, 9);
    red.TextColor = RGB(200, 0, 0);
    const StyledText st = styled({red});
    for (int form = 0; form < 2; ++form) {
        SCOPED_TRACE(form);
        if (form == 0)
            DrawStyledText(g, st, 0, 0, 200);
        else
            DrawStyledText(g, st, 0, 0, 200, 5);
        EXPECT_EQ(g.TextFont, "DejaVu Serif");
        EXPECT_EQ(g.TextSize, 17);
        EXPECT_EQ(g.ForeColor, RGB(1, 2, 3));
        EXPECT_TRUE(g.Bold);
        EXPECT_FALSE(g.Italic);
        EXPECT_TRUE(g.Underline);
    }
}
