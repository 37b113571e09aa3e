// Loading a stored chain and the edits that reload it: replacing a hexagram, changing a transition,
// deleting a hexagram, their refusals, and stored forms that hold no chain.
#include "DisplaySupport.h"

#include "core/M_globals.h"

namespace {

const QString NotImplemented = "Feature not implemented in this version of program!  Sorry.";
const QString Damaged = "This chain cannot be loaded: its stored text is damaged.";

}  // namespace

class ChainEdits : public DisplayTest {
protected:
    // Loads the chain string and selects hexagram k, or the transition after it.
    void loadAndSelect(const QString& chain, int k, bool transition) {
        display->DoLoadHexChain("0,600;" + chain);
        ASSERT_EQ(display->theHexChain, chain);
        clickAt(-10);  // beside the chain: nothing selected
        clickAt(ChainLogic::columnX(k) + (transition ? 300 : 100));
        ASSERT_TRUE(display->hasValidSelection(transition));
        program.dialogs.messages.clear();
    }
};

TEST_F(ChainEdits, ALoadShowsTheStoredChainAsItIsStored) {
    display->DoLoadHexChain("900,700;56,7;63,0");
    EXPECT_EQ(display->virevcount, 2);
    EXPECT_EQ(display->theHexChain, "56,7;63,0");
    EXPECT_EQ(display->drawbuffer->Width(), 700);  // 250 * 2 + 180 + 20, whatever the header's width
    EXPECT_EQ(display->drawbuffer->Height(), lastInkedRow(drawing()) + 10);  // trimmed below the ink
    EXPECT_EQ(display->abovestr[1]->Text, "above: tri7");

    // One link: 270 wide, no transition text.
    display->DoLoadHexChain("900,700;5,0");
    EXPECT_EQ(display->drawbuffer->Width(), 270);
    EXPECT_EQ(display->virevcount, 1);
    EXPECT_FALSE(hasInk(drawing(), 250, 0, 20, display->drawbuffer->Height()));

    // A mask that does not lead to the next link's hexagram is drawn and kept as stored.
    display->DoLoadHexChain("0,600;63,1;0,0");
    EXPECT_EQ(display->theHexChain, "63,1;0,0");
    EXPECT_EQ(display->virev[0]->changeMask(), 1);
    EXPECT_EQ(ChainLogic::transitionText(*display->virev[0]), "Nine in the 1st place:" + CR + "line63.1" + CR + CR);

    // Numbers written with leading zeros: the chain kept, and saved later, is written anew.
    display->DoLoadHexChain("0,600;05,3;006,00");
    EXPECT_EQ(display->virevcount, 2);
    EXPECT_EQ(display->virev[1]->N_Bool, 6);
    EXPECT_EQ(display->theHexChain, "5,3;6,0");
}

TEST_F(ChainEdits, AStoredFormThatHoldsNoChainLeavesTheChainShown) {
    build({63, 0, 21});
    clickAt(500);
    // Each way a stored form can fail (the reading itself is tabled in the chain logic test).
    const QString cases[] = {
        "",                 // nothing at all
        "900,700;",         // no link
        "900,0;5,0",        // no height
        "900,700;64,0",     // a code outside 0..63
        "900,700;5,1;4,-3", // a mask outside 0..63
        "0,500;;;",         // empty links
        "0,600;5,1;4,0;",   // a final ";"
        "0,500; 7 ,  1 ;6x,0", // blanks and letters
        "0,600;5,1;9,0",    // a hexagram the table in use does not hold
    };
    for (const QString& form : cases) {
        SCOPED_TRACE(form.toStdString());
        program.dialogs.messages.clear();
        const auto picture = display->drawbuffer;  // held, so its address cannot come back
        display->DoLoadHexChain(form);
        EXPECT_EQ(display->theHexChain, "63,63;0,21;21,0");
        EXPECT_EQ(display->virevcount, 3);
        EXPECT_EQ(display->virev[1]->N_Bool, 0);
        EXPECT_EQ(display->drawbuffer, picture);
        EXPECT_EQ(display->selbuffer->Count(), 1);  // not even the frame went
        ASSERT_EQ(program.dialogs.messages.size(), 1);
        if (!form.contains(";9,")) {
            EXPECT_EQ(program.dialogs.messages[0], Damaged);
        }
    }
}

TEST_F(ChainEdits, AChainLongerThanTheLimitIsRefusedAndOneAtTheLimitLoads) {
    // Links alternating between two hexagrams, each changing every line toward the next.
    auto chainOf = [](int links) {
        QStringList text;
        for (int i = 0; i < links; ++i) text << (i % 2 ? "0," : "63,") + QString(i + 1 < links ? "63" : "0");
        return text.join(';');
    };
    build({63, 0, 21});
    clickAt(500);
    for (const int links : {ChainLogic::MaxChainLength + 1, 4 * ChainLogic::MaxChainLength}) {
        SCOPED_TRACE(links);
        program.dialogs.messages.clear();
        const auto picture = display->drawbuffer;  // held, so its address cannot come back
        display->DoLoadHexChain("0,500;" + chainOf(links));
        ASSERT_EQ(program.dialogs.messages.size(), 1);
        EXPECT_TRUE(program.dialogs.messages[0].contains(QString::number(links)));
        EXPECT_TRUE(program.dialogs.messages[0].contains(QString::number(ChainLogic::MaxChainLength)));
        EXPECT_EQ(display->theHexChain, "63,63;0,21;21,0");
        EXPECT_EQ(display->virevcount, 3);
        EXPECT_EQ(display->drawbuffer, picture);
        EXPECT_EQ(display->selbuffer->Count(), 1);
    }
    program.dialogs.messages.clear();
    const QString longest = chainOf(ChainLogic::MaxChainLength);
    display->DoLoadHexChain("0,500;" + longest);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    EXPECT_EQ(display->virevcount, ChainLogic::MaxChainLength);
    EXPECT_EQ(display->theHexChain, longest);
    EXPECT_EQ(display->drawbuffer->Width(), ChainLogic::chainWidth(ChainLogic::MaxChainLength) + 20);
}

TEST_F(ChainEdits, TheLoaderDrawsWhatTheChainNeedsWhateverHeightTheHeaderGives) {
    const QString tall = QString("UPDATE ENGLISH_DEFAULT SET JUDGEMENT = '%1' WHERE NUMBER_BOOLEAN = 63;")
                             .arg(QStringList(300, "word").join(' '));
    createDatabase(program.databasePath(), tall);
    display->DoLoadHexChain("900,50;63,63;0,0");
    const int lowest = lastInkedRow(drawing());
    EXPECT_GT(lowest, 600) << "the judgement reaches far below the header's 50";
    // Grown to the judgement's last line, so the trim has nothing to cut.
    const int height = display->drawbuffer->Height();
    EXPECT_GE(height, lowest + 1);
    EXPECT_LE(height, lowest + 10);
    EXPECT_TRUE(display->ScrollBarV->Visible());
    EXPECT_EQ(display->ScrollBarV->Maximum(), height - display->Canvas1->Height());
}

TEST_F(ChainEdits, ReplacingAHexagram) {
    struct Case {
        const char* chain;
        int k;
        int n;
        const char* expected;
        QString message;  // empty: done
    } cases[] = {
        {"63,63;0,5;5,0", 2, 42, "63,21;42,47;5,0", ""},
        {"63,63;0,5;5,0", 1, 42, "42,42;0,5;5,0", ""},
        {"63,63;0,5;5,0", 3, 42, "63,63;0,42;42,0", ""},
        {"63,63;0,5;5,0", 2, 0, "63,63;0,5;5,0", ""},  // itself: reloaded unchanged
        {"63,63;0,5;5,0", 2, 63, "63,63;0,5;5,0", "Edited Hexagram = Previous Hexagram, Can't Do Edit"},
        {"63,63;0,5;5,0", 2, 5, "63,63;0,5;5,0", "Edited Hexagram = Next Hexagram, Can't Do Edit"},
        {"5,5;0,5;5,0", 2, 5, "5,5;0,5;5,0", "Edited Hexagram = Previous Hexagram, Can't Do Edit"},  // only the first
        {"12,0", 1, 7, "7,0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1: hexagram %2 becomes %3").arg(c.chain).arg(c.k).arg(c.n).toStdString());
        loadAndSelect(c.chain, c.k, false);
        const auto picture = display->drawbuffer;  // held, so its address cannot come back
        display->doHexEdit(c.n, false);
        EXPECT_EQ(display->theHexChain, c.expected);
        EXPECT_EQ(display->virevcount, QString(c.expected).count(';') + 1);
        // The hexagrams shown are those of the chain string.
        EXPECT_EQ(display->virev[static_cast<size_t>(c.k - 1)]->N_Bool,
                  M_globals::readChainLinks(display->theHexChain).value().at(static_cast<size_t>(c.k - 1)).code);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(program.dialogs.messages.isEmpty());
            EXPECT_NE(display->drawbuffer, picture);
        } else {
            EXPECT_EQ(program.dialogs.messages, QStringList{c.message});
            EXPECT_EQ(display->drawbuffer, picture);  // no reload
        }
        // The selection stays, without its frame after a reload.
        EXPECT_EQ(display->recordtoedit, c.k);
        EXPECT_TRUE(display->isrecordtoedit);
        EXPECT_EQ(display->selbuffer->Count(), c.message.isEmpty() ? 0 : 1);
    }
}

TEST_F(ChainEdits, ChangingATransition) {
    struct Case {
        const char* chain;
        int k;
        int mask;
        const char* expected;
        QString message;
    } cases[] = {
        {"63,63;0,5;5,47;42,0", 1, 1, "63,1;62,59;5,47;42,0", ""},  // 63 XOR 1 = 62, 62 XOR 5 = 59
        {"63,63;0,5;5,47;42,0", 3, 4, "63,63;0,5;5,4;1,0", ""},     // the last transition: no refusal
        {"63,63;0,5;5,47;42,0", 1, 58, "63,63;0,5;5,47;42,0",       // 63 XOR 58 = 5, the next but one
         "Changed Next Hexagram = NextToNext Hexagram" + CR + "Can not do so."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1: transition %2 gets %3").arg(c.chain).arg(c.k).arg(c.mask).toStdString());
        loadAndSelect(c.chain, c.k, true);
        display->Do6and9Edit(c.mask, true);
        EXPECT_EQ(display->theHexChain, c.expected);
        EXPECT_EQ(program.dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(display->recordtoedit, c.k);
        EXPECT_TRUE(display->recordtoeditis6and9);
    }
}

TEST_F(ChainEdits, DeletingAHexagram) {
    struct Case {
        const char* chain;
        int k;
        bool transitionSelected;
        const char* expected;
        QString message;  // empty: done
    } cases[] = {
        {"63,63;0,5;5,0", 2, false, "63,58;5,0", ""},
        {"63,63;0,5;5,0", 1, false, "0,5;5,0", ""},
        {"63,63;0,5;5,0", 3, false, "63,63;0,0", ""},
        {"63,63;0,5;5,0", 2, true, "63,58;5,0", ""},  // the hexagram before a selected transition goes
        // Equal neighbours cannot follow each other: refused, and said.
        {"5,5;0,5;5,0", 2, false, "5,5;0,5;5,0", "Previous Hexagram = Next Hexagram, Can't Delete"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1: delete %2").arg(c.chain).arg(c.k).toStdString());
        loadAndSelect(c.chain, c.k, c.transitionSelected);
        const int width = display->drawbuffer->Width();
        display->deleteHex();
        EXPECT_EQ(display->theHexChain, c.expected);
        EXPECT_EQ(display->virevcount, QString(c.expected).count(';') + 1);
        EXPECT_EQ(display->drawbuffer->Width(), ChainLogic::chainWidth(display->virevcount) + 20);
        if (QString(c.expected) == c.chain) {
            EXPECT_EQ(display->drawbuffer->Width(), width);  // not even reloaded
        }
        EXPECT_EQ(program.dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(ChainEdits, NothingIsEditedWithoutAHexagramOfTheChainSelected) {
    loadAndSelect("63,63;0,5;5,0", 3, false);
    display->deleteHex();
    ASSERT_EQ(display->theHexChain, "63,63;0,0");
    EXPECT_EQ(display->recordtoedit, 3);  // kept, one past the new end
    EXPECT_FALSE(display->hasValidSelection(false));
    const auto picture = display->drawbuffer;  // held, so its address cannot come back
    display->deleteHex();
    display->doHexEdit(42, false);
    display->Do6and9Edit(1, true);
    display->recordtoedit = 2;  // the last hexagram: no transition after it
    display->recordtoeditis6and9 = true;
    display->Do6and9Edit(1, true);
    display->isrecordtoedit = false;  // nothing selected
    display->recordtoedit = 1;
    display->doHexEdit(42, false);
    display->deleteHex();
    EXPECT_EQ(display->theHexChain, "63,63;0,0");
    EXPECT_EQ(display->drawbuffer, picture);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    // A chain of one hexagram has nothing to delete.
    loadAndSelect("12,0", 1, false);
    display->deleteHex();
    EXPECT_EQ(display->theHexChain, "12,0");
}

TEST_F(ChainEdits, TheLongFormsAreNotAvailable) {
    loadAndSelect("63,63;0,5;5,0", 1, true);
    const auto picture = display->drawbuffer;  // held, so its address cannot come back
    display->doHexEdit(42, true);
    display->Do6and9Edit(1, false);
    EXPECT_EQ(program.dialogs.messages, (QStringList{NotImplemented, NotImplemented}));
    EXPECT_EQ(display->theHexChain, "63,63;0,5;5,0");
    EXPECT_EQ(display->drawbuffer, picture);
}

TEST_F(ChainEdits, AReloadScrollsBackToTheStart) {
    loadAndSelect("63,63;0,5;5,0", 2, false);
    display->scrollbarH->setValue(400);
    display->doHexEdit(42, false);
    EXPECT_EQ(display->scrollbarH->Value(), 0);
    EXPECT_EQ(display->offsetH, 0);
    EXPECT_TRUE(display->scrollbarH->Visible());
    EXPECT_EQ(display->scrollbarH->Maximum(), 1130 - display->Canvas1->Width());
}
